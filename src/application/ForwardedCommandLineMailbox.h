#pragma once

#include "application/ForwardedCommandLine.h"

#include <functional>
#include <mutex>
#include <vector>

namespace x48305_application
{
// Carries forwarded command lines from the receiver's thread to the message
// thread. What arrives before the application is ready to act on it (the
// channel opens before the framework starts) waits here until a handler is
// set; each is then handed over on the message thread, in arrival order.
// One per process, never deleted.
class ForwardedCommandLineMailbox
{
public:
    using Handler = std::function<void (const ForwardedCommandLine&)>;

    static ForwardedCommandLineMailbox& getInstance();

    // Any thread.
    void post (ForwardedCommandLine commandLine);

    // Message thread. Waiting command lines are handed over on a later turn
    // of the message loop, never from inside this call.
    void setHandler (Handler handler);
    // Message thread; later arrivals wait again.
    void clearHandler();

private:
    ForwardedCommandLineMailbox() = default;

    // Schedules a delivery unless one is scheduled already; under the lock.
    void scheduleDelivery();
    void deliver();

    std::mutex lock;
    std::vector<ForwardedCommandLine> waiting;
    Handler handler;
    bool deliveryScheduled = false;
};
} // namespace x48305_application

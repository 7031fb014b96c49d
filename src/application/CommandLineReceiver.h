#pragma once

#include "application/ForwardedCommandLine.h"
#include "application/InstanceSocket.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>

namespace x48305_application
{
// The running instance's side of the channel: a thread of its own accepts
// one connection at a time on the listening socket and treats what arrives
// as outside input. It takes text only from a process of the same user, reads
// at most ForwardedCommandLine::maxMessageBytes within the read time-out,
// answers a message that decodes with "OK" and hands it to the delivery
// function (on the receiver's thread), and answers anything else with "NO".
class CommandLineReceiver
{
public:
    using Delivery = std::function<void (ForwardedCommandLine)>;

    static constexpr int defaultReadTimeoutMilliseconds = 2000;

    CommandLineReceiver (UniqueFd listeningSocket, Delivery delivery,
                         int readTimeoutMilliseconds = defaultReadTimeoutMilliseconds);

    // Stops the thread; a connection being read is dropped.
    ~CommandLineReceiver();

private:
    void run();
    void serve (int connection);
    // The whole message; nothing when it is too long or does not end in time.
    std::optional<std::string> readMessage (int connection);
    // Waits until fd is readable (true), or the deadline passes or the
    // receiver stops (false). No deadline: waits as long as it takes.
    bool waitReadable (int fd, std::optional<std::chrono::steady_clock::time_point> deadline);

    UniqueFd listening;
    UniqueFd wakeUp;
    Delivery delivery;
    int readTimeoutMilliseconds;
    std::thread thread;

    CommandLineReceiver (const CommandLineReceiver&) = delete;
    CommandLineReceiver& operator= (const CommandLineReceiver&) = delete;
};
} // namespace x48305_application

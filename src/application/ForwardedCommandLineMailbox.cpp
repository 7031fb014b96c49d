#include "application/ForwardedCommandLineMailbox.h"

#include <juce_events/juce_events.h>

namespace x48305_application
{
ForwardedCommandLineMailbox& ForwardedCommandLineMailbox::getInstance()
{
    // Never deleted: the receiver's thread may post until the process ends.
    static auto* const mailbox = new ForwardedCommandLineMailbox();
    return *mailbox;
}

void ForwardedCommandLineMailbox::post (ForwardedCommandLine commandLine)
{
    const std::lock_guard<std::mutex> guard (lock);
    waiting.push_back (std::move (commandLine));
    if (handler)
        scheduleDelivery();
}

void ForwardedCommandLineMailbox::setHandler (Handler newHandler)
{
    const std::lock_guard<std::mutex> guard (lock);
    handler = std::move (newHandler);
    if (handler && ! waiting.empty())
        scheduleDelivery();
}

void ForwardedCommandLineMailbox::clearHandler()
{
    const std::lock_guard<std::mutex> guard (lock);
    handler = nullptr;
}

void ForwardedCommandLineMailbox::scheduleDelivery()
{
    if (deliveryScheduled)
        return;

    // Only a handler set on the message thread schedules, so the message
    // manager exists; once it has gone the call is dropped.
    deliveryScheduled = juce::MessageManager::callAsync ([this] { deliver(); });
}

void ForwardedCommandLineMailbox::deliver()
{
    std::vector<ForwardedCommandLine> arrived;
    Handler current;
    {
        const std::lock_guard<std::mutex> guard (lock);
        deliveryScheduled = false;
        if (! handler)
            return;
        arrived.swap (waiting);
        current = handler;
    }

    for (const auto& commandLine : arrived)
        current (commandLine);
}
} // namespace x48305_application

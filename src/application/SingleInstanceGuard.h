#pragma once

#include "application/CommandLineReceiver.h"
#include "application/ForwardedCommandLine.h"
#include "application/InstanceLock.h"

#include <memory>

namespace x48305_application
{
// One running instance per user and preferences folder. The process entry
// asks before anything else starts: the first process takes the lock file
// "SingleInstance.lock" in the preferences folder and listens on the
// instance socket, handing what arrives to ForwardedCommandLineMailbox;
// a later one sends its command line there and ends. A launch that comes
// while the first is still starting (lock taken, socket not yet listening)
// tries again until the time-out; one that comes after the first was killed
// finds the lock free and becomes the first.
class SingleInstanceGuard
{
public:
    enum class Outcome
    {
        firstInstance,  // go on starting; keep the guard alive meanwhile
        forwarded,      // the running instance took the command line
        refused,        // the running instance would not take it
        noAnswer        // no instance answered in time
    };

    static constexpr int defaultTimeoutMilliseconds = 4000;

    explicit SingleInstanceGuard (const juce::File& preferencesFolder);
    ~SingleInstanceGuard();

    Outcome claim (const ForwardedCommandLine& ownCommandLine,
                   int timeoutMilliseconds = defaultTimeoutMilliseconds);

    static juce::File lockFileIn (const juce::File& preferencesFolder);

private:
    void listen();

    juce::File folder;
    std::string socketName;
    InstanceLock lock;
    std::unique_ptr<CommandLineReceiver> receiver;

    SingleInstanceGuard (const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator= (const SingleInstanceGuard&) = delete;
};
} // namespace x48305_application

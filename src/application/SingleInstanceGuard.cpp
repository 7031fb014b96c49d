#include "application/SingleInstanceGuard.h"

#include "application/CommandLineSender.h"
#include "application/ForwardedCommandLineMailbox.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace x48305_application
{
namespace
{
constexpr auto retryPause = std::chrono::milliseconds (50);
} // namespace

SingleInstanceGuard::SingleInstanceGuard (const juce::File& preferencesFolder)
    : folder (preferencesFolder),
      socketName (instance_socket::nameFor (preferencesFolder)),
      lock (lockFileIn (preferencesFolder))
{
}

SingleInstanceGuard::~SingleInstanceGuard() = default;

juce::File SingleInstanceGuard::lockFileIn (const juce::File& preferencesFolder)
{
    return preferencesFolder.getChildFile ("SingleInstance.lock");
}

SingleInstanceGuard::Outcome SingleInstanceGuard::claim (const ForwardedCommandLine& ownCommandLine,
                                                         int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMilliseconds);
    const CommandLineSender sender (socketName);

    for (;;)
    {
        const auto state = lock.tryLock();
        if (state == InstanceLock::State::locked)
        {
            listen();
            return Outcome::firstInstance;
        }

        switch (sender.send (ownCommandLine))
        {
            case CommandLineSender::Result::delivered: return Outcome::forwarded;
            case CommandLineSender::Result::refused:   return Outcome::refused;
            default:                                   break;
        }

        if (state == InstanceLock::State::unavailable)
        {
            // A preferences folder that cannot hold the lock file (read-only)
            // must not keep the program from starting; with nobody listening
            // this process is the first.
            std::printf ("Single instance lock unavailable: %s\n", lockFileIn (folder).getFullPathName().toRawUTF8());
            std::fflush (stdout);
            listen();
            return Outcome::firstInstance;
        }

        if (std::chrono::steady_clock::now() >= deadline)
            return Outcome::noAnswer;
        std::this_thread::sleep_for (retryPause);
    }
}

void SingleInstanceGuard::listen()
{
    auto listening = instance_socket::listenOn (socketName);
    if (! listening.isValid())
    {
        // Only another user's process can hold the name while we hold the
        // lock; this instance then runs without taking command lines.
        std::printf ("Single instance channel unavailable\n");
        std::fflush (stdout);
        return;
    }

    receiver = std::make_unique<CommandLineReceiver> (std::move (listening), [] (ForwardedCommandLine commandLine) {
        ForwardedCommandLineMailbox::getInstance().post (std::move (commandLine));
    });
}
} // namespace x48305_application

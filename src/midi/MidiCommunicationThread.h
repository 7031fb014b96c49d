#pragma once

#include "data/ListenerHolder.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationThreadListener.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>

namespace midi
{
// Runs one job on a thread named "MidiCommunicationThread" and tells its
// listeners on the message thread when the job has ended.
//
// Whoever owns the thread waits for it to end before deleting it; the
// destructor waits too (without a time-out: every exchange of a job is
// bounded by its time-outs), so the job is never cut off in the middle of a
// run, as the framework's stopThread with a time-out would do.
class MidiCommunicationThread : public juce::Thread,
                                public ListenerHolder<MidiCommunicationThreadListener>,
                                private juce::AsyncUpdater
{
public:
    explicit MidiCommunicationThread (MidiCommunicationProcess& process);
    ~MidiCommunicationThread() override;

    void run() override;

    // The job's result code; 0 until the run has ended.
    std::int32_t getResult() const { return result.load(); }

    // Asks the job to stop and waits until the thread has ended. After
    // warnAfterMilliseconds it prints a line and goes on waiting.
    void stopAndWait (int warnAfterMilliseconds = 2000);

    // The stack size of the threads made from now on (0: the system's).
    // Tests use a size that cannot be had to see a thread fail to start.
    static void setStackSizeForNewThreads (std::size_t bytes);

    static constexpr const char* threadName = "MidiCommunicationThread";

    // The listeners told when the job has ended (not the framework's exit
    // listeners of the thread).
    using ListenerHolder<MidiCommunicationThreadListener>::addListener;
    using ListenerHolder<MidiCommunicationThreadListener>::removeListener;

private:
    void handleAsyncUpdate() override;

    MidiCommunicationProcess& process;
    std::atomic<std::int32_t> result { 0 };

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationThread)
};
}

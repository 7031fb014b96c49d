#pragma once

#include "library/ProgramData.h"
#include "midi/MidiDeviceManagerListener.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace midi
{
class MidiDeviceManager;
}

namespace x48305_midi
{
// Sends the current program to the instrument in the background, on a thread
// of its own, so that the user hears each newly chosen program. Only the
// latest request matters: requests that come while a program is being sent
// replace the one waiting, and the loop sends whatever waits when the send
// under way ends. Failures show nothing.
//
// A program that finds the ports unknown because the device search has not
// finished yet is kept, and goes out when the search ends (unless a newer one
// or a stop came meanwhile): the program chosen while the search runs, at
// start-up for instance, still reaches the instrument.
//
// The thread opens and closes the device manager's ports for each send; it
// takes neither the job lock nor the progress dialog, so whoever starts a job
// stops the transmitter and waits until it has ended first.
class AsyncCurrentProgramTransmitter : public juce::Thread,
                                       private juce::AsyncUpdater,
                                       private midi::MidiDeviceManagerListener
{
public:
    static constexpr const char* threadName = "AsyncCurrentProgramTransmitter";

    // Message thread; listens to the device manager, which must outlive it.
    AsyncCurrentProgramTransmitter();
    // Stops, and waits until the send under way has given up.
    ~AsyncCurrentProgramTransmitter() override;

    // Message thread. Copies the program and returns at once: it never waits
    // for a send (after a stop, only for the stopped send to give up).
    void request (const x48305_data::ProgramData& program);

    // Drops what waits and ends the loop: the send under way stops waiting
    // for the instrument at once. A later request starts the loop again.
    void stop();

    bool isRunning() const { return isThreadRunning(); }

    // Blocks on the loop's end (no polling), then lets the thread finish its
    // last instructions; as long as the send under way at most, which its
    // time-outs bound, or a stop cuts short.
    void waitUntilEnded();

    // The time-out of every exchange of a send; 0 keeps the tasks' own.
    void setTaskTimeout (std::uint32_t milliseconds) { taskTimeout = milliseconds; }

private:
    // What the loop does and what `next` holds. Every change goes through
    // `after`, under the lock.
    enum class State
    {
        idle,          // no loop; nothing waits
        nextWaits,     // the loop runs; it sends `next` after the send under way
        sending,       // the loop sends; nothing waits
        stopping,      // the loop ends at its next look; nothing waits
        keptForSearch, // no loop; `next` waits for the device search to end
        searchEnded,   // no loop; `next` goes out through the message queue
    };
    enum class Event
    {
        requested,       // `next` was set
        started,         // the request starts the thread
        startFailed,
        stopped,
        looked,          // the loop looks for more
        refusedInSearch, // the send found the search unfinished
        searchEnded,
    };
    static bool loopRuns (State state);
    static State after (State state, Event event);
    // Under the lock.
    void apply (Event event);

    void run() override;
    // Message thread. Sends the program kept for the search once the search
    // has ended: only a request or a stop leave that state, and whoever starts
    // a job stops the transmitter first.
    void handleAsyncUpdate() override;
    // Message thread. Lets the kept program go through the message queue, so
    // that what the search's end starts first (a start-up receive, which
    // stops the transmitter) comes before it.
    void scanFinished() override;

    // The loop's look for more: takes `next` into `sending`, or ends the
    // loop, keeping a program refused during the search.
    bool takeNext (bool refusedInSearch);
    // True when the ports were refused because the search has not finished.
    bool send();
    void waitForThreadToVanish() const;

    midi::MidiDeviceManager& devices;

    std::mutex lock;
    std::condition_variable loopEnded;
    State state = State::idle;
    x48305_data::ProgramData next;
    // The loop's own copy of the program it sends.
    x48305_data::ProgramData sending;

    std::atomic<std::uint32_t> taskTimeout { 0 };

    JUCE_DECLARE_NON_COPYABLE (AsyncCurrentProgramTransmitter)
};
}

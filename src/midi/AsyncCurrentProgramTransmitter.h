#pragma once

#include "library/ProgramData.h"
#include "midi/MidiDeviceManagerListener.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>

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

    // Message thread; the device manager is created here if need be, never on
    // the transmitter's thread.
    AsyncCurrentProgramTransmitter();
    // Stops, and waits until the send under way has given up.
    ~AsyncCurrentProgramTransmitter() override;

    // Message thread. Copies the program and returns at once: it never waits
    // for a send (after a stop, only for the stopped send to give up).
    void request (const x48305_data::ProgramData& program);

    // Drops what waits and asks the thread to exit: the send under way stops
    // waiting for the instrument at once, and the loop ends. A later request
    // starts the loop again.
    void stop();

    bool isRunning() const { return isThreadRunning(); }

    // Blocks on the loop's end (no polling), then lets the thread finish its
    // last instructions; as long as the send under way at most, which its
    // time-outs bound, or a stop cuts short.
    void waitUntilEnded();

    // The time-out of every exchange of a send; 0 keeps the tasks' own.
    void setTaskTimeout (std::uint32_t milliseconds) { taskTimeout = milliseconds; }

private:
    void run() override;
    // Message thread. Sends the program kept for the search once the search
    // has ended; a failed send shows nothing.
    void handleAsyncUpdate() override;
    // Message thread. Lets the kept program go through the message queue, so
    // that what the search's end starts first (a start-up receive, which
    // stops the transmitter) comes before it.
    void scanFinished() override;

    // Under the lock: takes the waiting program into the copy being sent, or
    // marks the loop as ended when nothing waits or a stop was asked for.
    bool takePending();
    void send();
    // The ports could not be opened because the search had not finished.
    void keepUntilSearchEnds();
    void waitForThreadToVanish() const;

    midi::MidiDeviceManager& devices;
    // Tells whether the device manager is still there when this one goes.
    juce::WeakReference<midi::MidiDeviceManager> devicesAlive;

    bool pending = false;
    x48305_data::ProgramData pendingProgram;
    x48305_data::ProgramData sending;
    juce::CriticalSection lock;

    // Under the lock. loopActive is true from the request that starts the
    // thread until the loop has found nothing to send; a request that finds it
    // set leaves the waiting program to the loop.
    bool loopActive = false;
    bool stopRequested = false;
    // Under the lock. keptForSearch: pendingProgram waits for the device
    // search to end; searchEnded: it has ended, the program may go.
    bool keptForSearch = false;
    bool searchEnded = false;
    juce::WaitableEvent loopEnded { true };

    std::atomic<std::uint32_t> taskTimeout { 0 };

    JUCE_DECLARE_NON_COPYABLE (AsyncCurrentProgramTransmitter)
};
}

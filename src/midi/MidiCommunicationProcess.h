#pragma once

#include "data/ListenerHolder.h"
#include "midi/MidiCommunicationProcessObserver.h"

#include <juce_events/juce_events.h>

#include <atomic>
#include <cstdint>

class CPXWMidi;

namespace x48305_midi
{
class DeviceInquiry;
class MidiCommunicationTask;
}

namespace midi
{
// One transfer with the instrument (a job), run on a thread of its own: the
// communication thread behind the progress dialog, or the background
// transmitter's. The job's thread writes its progress and texts; the
// observers are told on the message thread and read them from here.
//
// A job returns a result code (MidiCommunicationError) and leaves the code's
// texts as its status and detail texts when it fails.
class MidiCommunicationProcess : public ListenerHolder<MidiCommunicationProcessObserver>,
                                 private juce::AsyncUpdater
{
public:
    MidiCommunicationProcess() = default;
    ~MidiCommunicationProcess() override;

    // The job itself, on its thread; the result code.
    virtual std::int32_t run() = 0;
    virtual bool isSuccess (std::int32_t code) = 0;
    // The progress dialog's title (localised).
    virtual juce::String getTitle() = 0;
    virtual bool isCancelable() = 0;

    // On the message thread, before the job's thread starts or after it has
    // ended.
    void addListener (MidiCommunicationProcessObserver* observer);
    void removeListener (MidiCommunicationProcessObserver* observer);

    // Any thread. Each change notifies the observers once the message thread
    // gets to it; several changes in a row give one notice. A job that nobody
    // observes (the background transmitter's) posts nothing to the message
    // thread, so it may be deleted on its own thread.
    void setProgress (float progress);
    void setStatusText (const juce::String& text);
    void setDetailText (const juce::String& text);

    // True while a notice waits for the message thread.
    bool isNoticePending() const { return isUpdatePending(); }

    // 0.0 to 1.0.
    float getProgress() const { return progress.load(); }
    juce::String getStatusText() const;
    juce::String getDetailText() const;

    // The thread that runs the job (set by that thread before the job runs);
    // cancelling is asking it to exit.
    void setThread (juce::Thread* thread) { runningThread = thread; }
    juce::Thread* getThread() const { return runningThread.load(); }
    bool isCancelRequested() const;

    // Every task of the run waits this long for its reply instead of its own
    // time-out; 0 (the default) keeps each task's own.
    void setTaskTimeout (std::uint32_t milliseconds) { taskTimeout = milliseconds; }
    std::uint32_t getTaskTimeout() const { return taskTimeout.load(); }

    // Set before the run: every wait of the run's tasks ends at once when the
    // job's thread is asked to exit, rather than at a cancel point after the
    // item under way (for a job whose end nobody waits for, the background
    // send's). The run then fails with a time-out.
    void setWaitsEndOnExit (bool ends) { waitsEndOnExit = ends; }

protected:
    // The wrapper of the device manager, through which every task talks.
    static CPXWMidi* getMidi();

    // The start of every run: no progress, the job's status text, no detail.
    void beginRun (const juce::String& statusText);

    // Ends a run with a failure: the code's texts become the status and
    // detail texts; returns the code.
    std::int32_t endWithError (std::int32_t code);

    // Ends a run that was cancelled: the cancel text becomes the status
    // text, the detail stays; returns the cancel code.
    std::int32_t endCanceled();

    // Gives a task the job's time-out when one is set, and ends its waits
    // when the job's thread is asked to exit if the job wants that.
    void prepareTask (x48305_midi::MidiCommunicationTask& task) const;

    // Asks who is at the other end; 0 when it is the instrument, otherwise
    // the run ends with the inquiry's code (returned).
    std::int32_t identifyInstrument (x48305_midi::DeviceInquiry& inquiry);

private:
    void handleAsyncUpdate() override;
    void notifyObservers();

    std::atomic<float> progress { 0.0f };
    mutable juce::CriticalSection lock;
    juce::String statusText;
    juce::String detailText;
    std::atomic<juce::Thread*> runningThread { nullptr };
    std::atomic<std::uint32_t> taskTimeout { 0 };
    std::atomic<bool> waitsEndOnExit { false };
    std::atomic<bool> observed { false };

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationProcess)
};
}

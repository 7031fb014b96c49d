#include "midi/MidiCommunicationProcess.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/MidiDeviceManager.h"

namespace midi
{
MidiCommunicationProcess::~MidiCommunicationProcess()
{
    cancelPendingUpdate();
}

void MidiCommunicationProcess::addListener (MidiCommunicationProcessObserver* observer)
{
    ListenerHolder<MidiCommunicationProcessObserver>::addListener (observer);
    observed = getNumListeners() > 0;
}

void MidiCommunicationProcess::removeListener (MidiCommunicationProcessObserver* observer)
{
    ListenerHolder<MidiCommunicationProcessObserver>::removeListener (observer);
    observed = getNumListeners() > 0;
}

void MidiCommunicationProcess::notifyObservers()
{
    // A pending notice ties the job to the message thread: deleting it on
    // another thread while the notice is being delivered would race.
    if (observed.load())
        triggerAsyncUpdate();
}

void MidiCommunicationProcess::setProgress (float newProgress)
{
    progress = newProgress;
    notifyObservers();
}

void MidiCommunicationProcess::setStatusText (const juce::String& text)
{
    const juce::ScopedLock guard (lock);
    statusText = text;
    notifyObservers();
}

void MidiCommunicationProcess::setDetailText (const juce::String& text)
{
    const juce::ScopedLock guard (lock);
    detailText = text;
    notifyObservers();
}

juce::String MidiCommunicationProcess::getStatusText() const
{
    const juce::ScopedLock guard (lock);
    return statusText;
}

juce::String MidiCommunicationProcess::getDetailText() const
{
    const juce::ScopedLock guard (lock);
    return detailText;
}

bool MidiCommunicationProcess::isCancelRequested() const
{
    auto* thread = runningThread.load();
    return thread != nullptr && thread->threadShouldExit();
}

void MidiCommunicationProcess::handleAsyncUpdate()
{
    callListeners ([] (MidiCommunicationProcessObserver& observer) { observer.progressChanged(); });
}

CPXWMidi* MidiCommunicationProcess::getMidi()
{
    return MidiDeviceManager::getInstance()->getMidi();
}

void MidiCommunicationProcess::beginRun (const juce::String& text)
{
    setProgress (0.0f);
    setStatusText (text);
    setDetailText ({});
}

std::int32_t MidiCommunicationProcess::endWithError (std::int32_t code)
{
    setStatusText (getMidiCommunicationErrorText (code));
    setDetailText (getMidiCommunicationErrorDetailText (code));
    return code;
}

std::int32_t MidiCommunicationProcess::endCanceled()
{
    setStatusText (getMidiCommunicationErrorText (MidiCommunicationError::canceled));
    return MidiCommunicationError::canceled;
}

void MidiCommunicationProcess::prepareTask (x48305_midi::MidiCommunicationTask& task) const
{
    if (const auto timeout = taskTimeout.load(); timeout > 0)
        task.setTimeout (timeout);
    if (auto* thread = runningThread.load(); thread != nullptr && waitsEndOnExit.load())
        task.endWaitsWhenAskedToExit (*thread);
}

std::int32_t MidiCommunicationProcess::identifyInstrument (x48305_midi::DeviceInquiry& inquiry)
{
    prepareTask (inquiry);
    const auto code = inquiry.inquire();
    return code == MidiCommunicationError::noError ? code : endWithError (code);
}
}

#include "midi/AsyncCurrentProgramTransmitter.h"

#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationProcessFactory.h"
#include "midi/MidiDeviceManager.h"
#include "midi/TransmitCurrentProgramProcess.h"

#include <memory>

namespace x48305_midi
{
AsyncCurrentProgramTransmitter::AsyncCurrentProgramTransmitter()
    : juce::Thread (threadName), devices (*midi::MidiDeviceManager::getInstance()), devicesAlive (&devices)
{
    loopEnded.signal();
    devices.addListener (this);
}

AsyncCurrentProgramTransmitter::~AsyncCurrentProgramTransmitter()
{
    stop();
    // The thread reads the members below until it ends.
    waitUntilEnded();
    if (auto* stillThere = devicesAlive.get())
        stillThere->removeListener (this);
    cancelPendingUpdate();
}

void AsyncCurrentProgramTransmitter::request (const x48305_data::ProgramData& program)
{
    {
        const juce::ScopedLock guard (lock);
        pendingProgram = program;
        pending = true;
        keptForSearch = false;
        searchEnded = false;
        if (loopActive && ! stopRequested)
            return; // the loop tests pending again under the lock before it ends
    }

    // No loop runs, or a stopped one is ending: its thread has been asked to
    // exit and cannot be taken up again. It gives up its send at once.
    waitUntilEnded();
    {
        const juce::ScopedLock guard (lock);
        stopRequested = false;
        loopActive = true;
        loopEnded.reset();
    }
    if (! startThread())
    {
        const juce::ScopedLock guard (lock);
        pending = false;
        loopActive = false;
        loopEnded.signal();
    }
}

void AsyncCurrentProgramTransmitter::stop()
{
    {
        const juce::ScopedLock guard (lock);
        pending = false;
        keptForSearch = false;
        searchEnded = false;
        stopRequested = true;
    }
    // Ends the wait of the send under way. A thread that is not running
    // forgets this when it starts again.
    signalThreadShouldExit();
}

void AsyncCurrentProgramTransmitter::waitUntilEnded()
{
    loopEnded.wait (-1);
    waitForThreadToVanish();
}

void AsyncCurrentProgramTransmitter::waitForThreadToVanish() const
{
    // Only the last instructions of the thread's entry point remain.
    while (isThreadRunning())
        juce::Thread::yield();
}

void AsyncCurrentProgramTransmitter::run()
{
    while (takePending())
        send();
}

bool AsyncCurrentProgramTransmitter::takePending()
{
    const juce::ScopedLock guard (lock);
    if (stopRequested || threadShouldExit() || ! pending)
    {
        loopActive = false;
        loopEnded.signal();
        return false;
    }

    pending = false;
    sending = pendingProgram;
    return true;
}

void AsyncCurrentProgramTransmitter::send()
{
    // Until the search has ended, the ports are unknown and cannot be opened.
    const bool searchUnfinished = devices.isAutoScan() && ! devices.isScanFinished();

    // A program that cannot go out is dropped, unless it only waits for the
    // search; a newer one waiting is tried.
    if (! devices.openPorts())
    {
        if (searchUnfinished)
            keepUntilSearchEnds();
        triggerAsyncUpdate();
        return;
    }

    {
        std::unique_ptr<midi::MidiCommunicationProcess> job (
            MidiCommunicationProcessFactory().createTransmitCurrentProgramProcess (sending));
        // Nobody observes the job, so it posts nothing to the message thread
        // that could arrive after its deletion here.
        job->setThread (this);
        job->setTaskTimeout (taskTimeout.load());
        // Whoever stops the transmitter waits for it: a job about to start,
        // or the application quitting. What the send would still receive is
        // of no use to anyone.
        job->setWaitsEndOnExit (true);
        if (! job->isSuccess (job->run()))
            triggerAsyncUpdate();
    }

    devices.closePorts();
}

void AsyncCurrentProgramTransmitter::keepUntilSearchEnds()
{
    const juce::ScopedLock guard (lock);
    // A newer program replaces it; a stop drops it.
    if (pending || stopRequested)
        return;

    pendingProgram = sending;
    // The search may have ended since the ports were refused, and its notice
    // found nothing kept: the loop tries once more.
    if (devices.isScanFinished())
        pending = true;
    else
        keptForSearch = true;
}

void AsyncCurrentProgramTransmitter::scanFinished()
{
    {
        const juce::ScopedLock guard (lock);
        if (! keptForSearch)
            return;
        searchEnded = true;
    }
    triggerAsyncUpdate();
}

void AsyncCurrentProgramTransmitter::handleAsyncUpdate()
{
    x48305_data::ProgramData program;
    {
        const juce::ScopedLock guard (lock);
        if (! (keptForSearch && searchEnded))
            return;
        keptForSearch = false;
        searchEnded = false;
        program = pendingProgram;
    }
    request (program);
}
}

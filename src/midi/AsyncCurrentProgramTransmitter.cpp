#include "midi/AsyncCurrentProgramTransmitter.h"

#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationProcessFactory.h"
#include "midi/MidiDeviceManager.h"
#include "midi/TransmitCurrentProgramProcess.h"

#include <memory>

namespace x48305_midi
{
AsyncCurrentProgramTransmitter::AsyncCurrentProgramTransmitter()
    : juce::Thread (threadName), devices (*midi::MidiDeviceManager::getInstance())
{
    loopEnded.signal();
}

AsyncCurrentProgramTransmitter::~AsyncCurrentProgramTransmitter()
{
    stop();
    signalThreadShouldExit();
    // The thread reads the members below until it ends.
    waitUntilEnded();
    cancelPendingUpdate();
}

void AsyncCurrentProgramTransmitter::request (const x48305_data::ProgramData& program)
{
    {
        const juce::ScopedLock guard (lock);
        pendingProgram = program;
        pending = true;
        stopRequested = false;
        if (loopActive)
            return; // the loop tests pending again under the lock before it ends
        loopActive = true;
        loopEnded.reset();
    }

    // The previous loop has ended; its thread may still be returning.
    waitForThreadToVanish();
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
    const juce::ScopedLock guard (lock);
    pending = false;
    stopRequested = true;
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
    // A program that cannot go out is dropped; a newer one waiting is tried.
    if (! devices.openPorts())
    {
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
        if (! job->isSuccess (job->run()))
            triggerAsyncUpdate();
    }

    devices.closePorts();
}
}

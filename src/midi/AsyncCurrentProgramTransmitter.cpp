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
    devices.addListener (this);
}

AsyncCurrentProgramTransmitter::~AsyncCurrentProgramTransmitter()
{
    stop();
    // The thread reads the members below until it ends.
    waitUntilEnded();
    devices.removeListener (this);
    cancelPendingUpdate();
}

bool AsyncCurrentProgramTransmitter::loopRuns (State state)
{
    return state == State::nextWaits || state == State::sending || state == State::stopping;
}

AsyncCurrentProgramTransmitter::State AsyncCurrentProgramTransmitter::after (State state, Event event)
{
    switch (event)
    {
        // A newer program replaces the one waiting or kept: a running loop
        // takes it, otherwise the request starts one (once a stopping one
        // has ended).
        case Event::requested:
            if (state == State::sending || state == State::nextWaits)
                return State::nextWaits;
            return state == State::stopping ? State::stopping : State::idle;
        case Event::started:
            return State::nextWaits;
        case Event::startFailed:
            return State::idle;
        case Event::stopped:
            return loopRuns (state) ? State::stopping : State::idle;
        case Event::looked:
            if (state == State::nextWaits)
                return State::sending;
            return loopRuns (state) ? State::idle : state;
        case Event::refusedInSearch:
            return state == State::sending ? State::keptForSearch : state;
        case Event::searchEnded:
            return state == State::keptForSearch ? State::searchEnded : state;
    }
    return state;
}

void AsyncCurrentProgramTransmitter::apply (Event event)
{
    state = after (state, event);
    if (! loopRuns (state))
        loopEnded.notify_all();
}

void AsyncCurrentProgramTransmitter::request (const x48305_data::ProgramData& program)
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        next = program;
        apply (Event::requested);
        if (state == State::nextWaits)
            return;
    }

    // No loop runs, or a stopped one is ending: its thread has been asked to
    // exit and cannot be taken up again. It gives up its send at once.
    waitUntilEnded();
    {
        const std::lock_guard<std::mutex> guard (lock);
        apply (Event::started);
    }
    if (! startThread())
    {
        const std::lock_guard<std::mutex> guard (lock);
        apply (Event::startFailed);
    }
}

void AsyncCurrentProgramTransmitter::stop()
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        apply (Event::stopped);
    }
    // Ends the wait of the send under way. A thread that is not running
    // forgets this when it starts again.
    signalThreadShouldExit();
}

void AsyncCurrentProgramTransmitter::waitUntilEnded()
{
    {
        std::unique_lock<std::mutex> guard (lock);
        loopEnded.wait (guard, [this] { return ! loopRuns (state); });
    }
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
    bool refusedInSearch = false;
    while (takeNext (refusedInSearch))
        refusedInSearch = send();
}

bool AsyncCurrentProgramTransmitter::takeNext (bool refusedInSearch)
{
    const std::lock_guard<std::mutex> guard (lock);
    if (refusedInSearch && state == State::sending)
    {
        next = sending;
        // The search may have ended since the ports were refused, and its
        // notice found nothing kept: the loop tries once more.
        apply (devices.isScanFinished() ? Event::requested : Event::refusedInSearch);
    }
    apply (Event::looked);
    if (state != State::sending)
        return false;
    sending = next;
    return true;
}

bool AsyncCurrentProgramTransmitter::send()
{
    // Until the search has ended, the ports are unknown and cannot be opened.
    const bool searchUnfinished = devices.isAutoScan() && ! devices.isScanFinished();
    // A program that cannot go out is dropped, unless it only waits for the
    // search; a newer one waiting is tried.
    if (! devices.openPorts())
        return searchUnfinished;

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
        job->run();
    }

    devices.closePorts();
    return false;
}

void AsyncCurrentProgramTransmitter::scanFinished()
{
    {
        const std::lock_guard<std::mutex> guard (lock);
        apply (Event::searchEnded);
        if (state != State::searchEnded)
            return;
    }
    triggerAsyncUpdate();
}

void AsyncCurrentProgramTransmitter::handleAsyncUpdate()
{
    x48305_data::ProgramData program;
    {
        const std::lock_guard<std::mutex> guard (lock);
        if (state != State::searchEnded)
            return;
        program = next;
    }
    request (program);
}
}

#include "midi/MidiCommunicationThread.h"

#include <cstdio>

namespace midi
{
namespace
{
std::atomic<std::size_t> stackSizeForNewThreads { 0 };
}

MidiCommunicationThread::MidiCommunicationThread (MidiCommunicationProcess& job)
    : juce::Thread (threadName, stackSizeForNewThreads.load()), process (job)
{
}

MidiCommunicationThread::~MidiCommunicationThread()
{
    // The run calls into this object to the end: it must be over before the
    // object goes.
    stopAndWait();
    cancelPendingUpdate();
}

void MidiCommunicationThread::run()
{
    process.setThread (this);
    result = process.run();
    process.setThread (nullptr);
    triggerAsyncUpdate();
}

void MidiCommunicationThread::stopAndWait (int warnAfterMilliseconds)
{
    if (! isThreadRunning())
        return;

    signalThreadShouldExit();
    if (waitForThreadToExit (warnAfterMilliseconds))
        return;

    std::printf ("cannot stop MIDI communication thread.\n");
    std::fflush (stdout);
    waitForThreadToExit (-1);
}

void MidiCommunicationThread::setStackSizeForNewThreads (std::size_t bytes)
{
    stackSizeForNewThreads = bytes;
}

void MidiCommunicationThread::handleAsyncUpdate()
{
    callListeners ([] (MidiCommunicationThreadListener& listener) { listener.threadFinished(); });
}
}

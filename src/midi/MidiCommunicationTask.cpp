#include "midi/MidiCommunicationTask.h"

#include "midi/MidiCommunicationError.h"
#include "midi/MidiMessageAnalyzer.h"

#include <algorithm>
#include <chrono>

namespace x48305_midi
{
MidiCommunicationTask::MidiCommunicationTask (CPXWMidi* wrapper, std::uint32_t ch, std::uint32_t timeout)
    : midi (wrapper), channel (ch), timeoutMs (timeout)
{
    if (midi != nullptr)
        midi->addListener (&receiver);
}

MidiCommunicationTask::~MidiCommunicationTask()
{
    if (midi != nullptr)
        midi->removeListener (&receiver);
}

MidiCommunicationTask::ExitWatch::~ExitWatch()
{
    if (watched != nullptr)
        watched->removeListener (this);
}

void MidiCommunicationTask::ExitWatch::watch (juce::Thread& thread)
{
    if (watched != nullptr)
        watched->removeListener (this);
    watched = &thread;
    // Listening first: an exit asked for before is seen by the test below,
    // one asked for after reaches the listener.
    thread.addListener (this);
    if (thread.threadShouldExit())
        endWaits();
}

void MidiCommunicationTask::ExitWatch::endWaits()
{
    queue.close();
    portWait.stop();
}

void MidiCommunicationTask::sysExReceived (CPXWMidi*, const CPXWMidiMessage& message)
{
    queue.push (message);
}

AnalyzedInformation MidiCommunicationTask::waitForMessage (const std::vector<std::int32_t>& expectedTypes,
                                                           std::uint32_t timeout, const ReplyTest& answersRequest)
{
    if (requestHeldBack)
        return AnalyzedInformation::none();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeout);
    const MidiMessageAnalyzer analyzer;

    while (auto message = queue.waitAndPop (deadline))
    {
        auto information = analyzer.analyze (message->getBytes(), message->getLength());
        if (std::find (expectedTypes.begin(), expectedTypes.end(), information.type) != expectedTypes.end()
            && (! answersRequest || answersRequest (information)))
            return information;

        // A stream of other messages does not stretch the wait.
        if (std::chrono::steady_clock::now() > deadline)
            break;
    }

    return AnalyzedInformation::none();
}

void MidiCommunicationTask::sendMessage (const juce::MemoryBlock& message)
{
    if (midi == nullptr || message.getSize() == 0)
        return;

    // The instrument has not seen the request yet: nothing received so far
    // can be its answer, also what the port layer is still handing over. A
    // port that never hands it over must not hold the job (and whoever stops
    // the job) for longer than an exchange may take.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMs);
    requestHeldBack = ! midi->deliverReceived (deadline, portWaitEnd);
    if (requestHeldBack)
        return;
    queue.clear();
    midi->send (CPXWMidiMessage (static_cast<const std::uint8_t*> (message.getData()),
                                 (std::uint32_t) message.getSize(), 0));
}

std::int32_t MidiCommunicationTask::codeForReply (std::int32_t type, std::int32_t successType, std::int32_t refusalCode)
{
    if (type == successType)
        return MidiCommunicationError::noError;
    if (type == AnalyzedMessageType::refusal)
        return refusalCode;
    if (type == AnalyzedMessageType::broken)
        return MidiCommunicationError::messageBroken;
    return MidiCommunicationError::timeout;
}
}

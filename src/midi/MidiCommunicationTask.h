#pragma once

#include "midi/AnalyzedInformation.h"
#include "midi/MidiMessageQueue.h"
#include "midiport/CPXWMidi.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace x48305_midi
{
// One request/response exchange with the instrument: a task builds a message,
// sends it through the device manager's MIDI wrapper and waits for an
// analysed reply of an expected type. From its construction to its
// destruction the task receives every System Exclusive message that the
// wrapper assembles, so a reply that comes while the request is still being
// sent is not lost; everything the port received before the request, also
// what it was still handing over or had only partly received, is dropped as
// the request goes out, because it answers something else (a late or
// repeated reply to an earlier request). Used on one thread (a job's);
// filled on the port layer's.
class MidiCommunicationTask : public CPXWMidiListener
{
public:
    // Whether a reply of an expected type answers this exchange.
    using ReplyTest = std::function<bool (const AnalyzedInformation&)>;

    // timeoutMs: the task's own default time-out.
    MidiCommunicationTask (CPXWMidi* midi, std::uint32_t channel, std::uint32_t timeoutMs);
    ~MidiCommunicationTask() override;

    MidiCommunicationTask (const MidiCommunicationTask&) = delete;
    MidiCommunicationTask& operator= (const MidiCommunicationTask&) = delete;

    // Queues a copy of the message. Final: the wrapper reaches it through a
    // member (below) that calls it without the task's virtual table.
    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& message) final;

    // Takes the queued messages in arrival order, blocking while the queue is
    // empty, until one analyses to an expected type and passes the test (when
    // given); returns it. Other messages are dropped, and the wait goes on
    // within the same time-out. At the time-out, at once after the thread
    // given to endWaitsWhenAskedToExit has been asked to exit, and at once
    // when the last request was held back (see sendMessage): the "none"
    // information.
    AnalyzedInformation waitForMessage (const std::vector<std::int32_t>& expectedTypes, std::uint32_t timeoutMs,
                                        const ReplyTest& answersRequest = {});

    // From now on, every wait of this task ends as soon as the thread is asked
    // to exit (at once when it has been already); nothing that arrives later
    // is taken. The thread must outlive the task.
    void endWaitsWhenAskedToExit (juce::Thread& thread) { exitWatch.watch (thread); }

    std::uint32_t getChannel() const { return channel; }

    // The time-out of the task's exchange; every task has its own default.
    void setTimeout (std::uint32_t milliseconds) { timeoutMs = milliseconds; }
    std::uint32_t getTimeout() const { return timeoutMs; }

    std::size_t getQueuedMessageCount() const { return queue.size(); }

protected:
    // The result code of an exchange that waited for successType, broken
    // messages and refusals: successType gives 0, a refusal refusalCode, a
    // broken message 8, anything else (the time-out) 3.
    static std::int32_t codeForReply (std::int32_t type, std::int32_t successType, std::int32_t refusalCode);

    // Drops everything received so far, then sends the message through the
    // wrapper (the result is dropped, as the wrapper's own send does). A port
    // that has not handed over what it received within the time-out, or a
    // wait ended by the exit (see endWaitsWhenAskedToExit), holds the message
    // back: the exchange then ends as timed out.
    void sendMessage (const juce::MemoryBlock& message);

    midi::MidiMessageQueue queue;
    CPXWMidi* midi;
    std::uint32_t channel;
    std::uint32_t timeoutMs;

private:
    // What the wrapper holds in its listener list. A derived task's
    // constructor and destructor rewrite the task's virtual table pointer
    // while the task is registered, and the wrapper calls its listeners on a
    // port thread at any time; this member's own table pointer stays fixed
    // from registration to removal, so a delivery never races with them.
    class Receiver : public CPXWMidiListener
    {
    public:
        explicit Receiver (MidiCommunicationTask& t) : task (t) {}
        void sysExReceived (CPXWMidi* wrapper, const CPXWMidiMessage& message) override
        {
            task.MidiCommunicationTask::sysExReceived (wrapper, message);
        }

    private:
        MidiCommunicationTask& task;
    };

    Receiver receiver { *this };

    // Ends the wait for the port before a request when the exit is asked for.
    midiport::StopSignal portWaitEnd;
    // Whether the last request was held back; the task's thread only.
    bool requestHeldBack = false;

    // Closes the queue and ends the wait for the port when the watched thread
    // is asked to exit. Declared after both, so that it stops watching before
    // they go.
    class ExitWatch : public juce::Thread::Listener
    {
    public:
        ExitWatch (midi::MidiMessageQueue& q, midiport::StopSignal& p) : queue (q), portWait (p) {}
        ~ExitWatch() override;
        ExitWatch (const ExitWatch&) = delete;
        ExitWatch& operator= (const ExitWatch&) = delete;

        void watch (juce::Thread& thread);
        void exitSignalSent() override { endWaits(); }

    private:
        void endWaits();

        midi::MidiMessageQueue& queue;
        midiport::StopSignal& portWait;
        juce::Thread* watched = nullptr;
    };

    ExitWatch exitWatch { queue, portWaitEnd };
};
}

#pragma once

#include "midiport/CPXWMidiMessage.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

namespace midi
{
// A task's first-in first-out queue of received messages: filled on the
// MIDI port layer's thread, emptied by the task's thread. Every test and
// change of the queue holds its lock; a reader waits on a condition, so a
// message pushed before the wait began is found at once and one pushed
// during it ends the wait. Messages that nobody takes stay until the queue
// is cleared or destroyed.
class MidiMessageQueue
{
public:
    void push (const CPXWMidiMessage& message);

    // The front message, removed; nothing when the queue is empty.
    std::optional<CPXWMidiMessage> pop();

    // Waits until a message is there or the deadline has passed; the front
    // message, removed, or nothing at the deadline.
    // Also nothing, at once, once the queue is closed.
    std::optional<CPXWMidiMessage> waitAndPop (std::chrono::steady_clock::time_point deadline);

    // Drops every message queued so far.
    void clear();

    // Ends a wait under way, and every later one, at once with nothing; the
    // messages stay. Any thread.
    void close();

    std::size_t size() const;

private:
    mutable std::mutex lock;
    std::condition_variable arrived;
    std::deque<CPXWMidiMessage> messages;
    bool closed = false;
};
}

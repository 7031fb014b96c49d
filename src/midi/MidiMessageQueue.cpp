#include "midi/MidiMessageQueue.h"

namespace midi
{
void MidiMessageQueue::push (const CPXWMidiMessage& message)
{
    {
        std::lock_guard<std::mutex> guard (lock);
        messages.push_back (message);
    }
    arrived.notify_all();
}

std::optional<CPXWMidiMessage> MidiMessageQueue::pop()
{
    std::lock_guard<std::mutex> guard (lock);
    if (messages.empty())
        return std::nullopt;

    std::optional<CPXWMidiMessage> front (messages.front());
    messages.pop_front();
    return front;
}

std::optional<CPXWMidiMessage> MidiMessageQueue::waitAndPop (std::chrono::steady_clock::time_point deadline)
{
    std::unique_lock<std::mutex> guard (lock);
    if (! arrived.wait_until (guard, deadline, [this] { return closed || ! messages.empty(); }) || closed)
        return std::nullopt;

    std::optional<CPXWMidiMessage> front (messages.front());
    messages.pop_front();
    return front;
}

void MidiMessageQueue::clear()
{
    std::lock_guard<std::mutex> guard (lock);
    messages.clear();
}

void MidiMessageQueue::close()
{
    {
        std::lock_guard<std::mutex> guard (lock);
        closed = true;
    }
    arrived.notify_all();
}

std::size_t MidiMessageQueue::size() const
{
    std::lock_guard<std::mutex> guard (lock);
    return messages.size();
}
}

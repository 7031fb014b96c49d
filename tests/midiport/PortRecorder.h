#pragma once

#include "midiport/MidiPort.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

namespace porttest
{
using Bytes = std::vector<std::uint8_t>;

// Collects what a backend hands to a read callback, from whatever thread.
class PacketRecorder
{
public:
    midiport::ReadCallback callback()
    {
        return [this] (const midiport::PacketList& packets) { record (packets); };
    }

    void record (const midiport::PacketList& packets)
    {
        std::lock_guard<std::mutex> lock (mutex);
        lists.push_back (packets);
        changed.notify_all();
    }

    // Waits until at least the given number of packet lists has arrived.
    bool waitForLists (std::size_t count, int timeoutMs = 2000)
    {
        std::unique_lock<std::mutex> lock (mutex);
        return changed.wait_for (lock, std::chrono::milliseconds (timeoutMs),
                                 [&] { return lists.size() >= count; });
    }

    std::vector<midiport::PacketList> getLists()
    {
        std::lock_guard<std::mutex> lock (mutex);
        return lists;
    }

    // Every byte received, packets joined in order.
    Bytes joined()
    {
        std::lock_guard<std::mutex> lock (mutex);
        Bytes all;
        for (const auto& list : lists)
            for (const auto& packet : list)
                all.insert (all.end(), packet.bytes.begin(), packet.bytes.end());
        return all;
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<midiport::PacketList> lists;
};

// Counts calls made from a backend thread.
class CallCounter
{
public:
    void hit()
    {
        std::lock_guard<std::mutex> lock (mutex);
        ++count;
        changed.notify_all();
    }

    int get()
    {
        std::lock_guard<std::mutex> lock (mutex);
        return count;
    }

    bool waitFor (int wanted, int timeoutMs = 2000)
    {
        std::unique_lock<std::mutex> lock (mutex);
        return changed.wait_for (lock, std::chrono::milliseconds (timeoutMs), [&] { return count >= wanted; });
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
};
}

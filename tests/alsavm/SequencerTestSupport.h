#pragma once

// Helpers of the tests that run against the kernel sequencer: a receiver that
// keeps every byte a port or device is handed, System Exclusive messages whose
// every byte depends on its position (so that a lost, repeated or reordered
// piece shows), and look-ups in the endpoint lists.

#include "midiport/MidiPort.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace seqtest
{
using Bytes = std::vector<std::uint8_t>;
using namespace std::chrono_literals;

// F0, size - 2 data bytes from a pseudo-random sequence seeded by `seed`, F7.
inline Bytes makeSysEx (std::size_t size, std::uint32_t seed)
{
    Bytes message (size, 0);
    std::uint32_t state = seed * 2654435761u + 1u;
    for (std::size_t i = 1; i + 1 < size; ++i)
    {
        state = state * 1664525u + 1013904223u;
        message[i] = (std::uint8_t) ((state >> 24) & 0x7F);
    }
    message.front() = 0xF0;
    message.back() = 0xF7;
    return message;
}

// Collects what a read callback is handed: all bytes in arrival order (real
// time bytes apart), the packets, and the complete System Exclusive messages.
class Receiver
{
public:
    midiport::ReadCallback callback()
    {
        return [this] (const midiport::PacketList& packets) { record (packets); };
    }

    bool waitForBytes (std::size_t count, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return bytes.size() >= count; });
    }

    bool waitForMessages (std::size_t count, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return messages.size() >= count; });
    }

    // Waits until nothing has arrived for `quiet`, at most `timeout` in all.
    void waitUntilQuiet (std::chrono::milliseconds quiet, std::chrono::milliseconds timeout)
    {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::unique_lock<std::mutex> guard (lock);
        for (;;)
        {
            const auto seen = packetCount;
            if (! changed.wait_for (guard, quiet, [&] { return packetCount != seen; })
                || std::chrono::steady_clock::now() > deadline)
                return;
        }
    }

    Bytes getBytes() { std::lock_guard<std::mutex> guard (lock); return bytes; }
    std::size_t getByteCount() { std::lock_guard<std::mutex> guard (lock); return bytes.size(); }
    std::vector<Bytes> getMessages() { std::lock_guard<std::mutex> guard (lock); return messages; }
    std::size_t getPacketCount() { std::lock_guard<std::mutex> guard (lock); return packetCount; }
    std::size_t getLargestPacket() { std::lock_guard<std::mutex> guard (lock); return largestPacket; }

    void clear()
    {
        std::lock_guard<std::mutex> guard (lock);
        bytes.clear();
        messages.clear();
        assembly.clear();
        packetCount = 0;
        largestPacket = 0;
    }

private:
    void record (const midiport::PacketList& packets)
    {
        std::lock_guard<std::mutex> guard (lock);
        for (const auto& packet : packets)
        {
            ++packetCount;
            largestPacket = std::max (largestPacket, packet.bytes.size());
            for (auto byte : packet.bytes)
            {
                if (byte >= 0xF8)
                    continue;
                bytes.push_back (byte);
                if (byte == 0xF0)
                    assembly.assign (1, byte);
                else if (! assembly.empty())
                {
                    assembly.push_back (byte);
                    if (byte == 0xF7)
                    {
                        messages.push_back (assembly);
                        assembly.clear();
                    }
                }
            }
        }
        changed.notify_all();
    }

    std::mutex lock;
    std::condition_variable changed;
    Bytes bytes;
    Bytes assembly;
    std::vector<Bytes> messages;
    std::size_t packetCount = 0;
    std::size_t largestPacket = 0;
};

// Counts setup-change notices.
class NoticeCounter
{
public:
    midiport::SetupChangedCallback callback()
    {
        return [this] {
            std::lock_guard<std::mutex> guard (lock);
            ++count;
            changed.notify_all();
        };
    }

    int get() { std::lock_guard<std::mutex> guard (lock); return count; }

    bool waitForMoreThan (int seen, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return count > seen; });
    }

private:
    std::mutex lock;
    std::condition_variable changed;
    int count = 0;
};

inline std::optional<midiport::Endpoint> findByDisplayName (const std::vector<midiport::Endpoint>& list,
                                                            const std::string& name)
{
    for (const auto& endpoint : list)
        if (endpoint.getDisplayName() == name)
            return endpoint;
    return std::nullopt;
}

inline std::vector<std::string> displayNames (const std::vector<midiport::Endpoint>& list)
{
    std::vector<std::string> names;
    for (const auto& endpoint : list)
        names.push_back (endpoint.getDisplayName());
    return names;
}

// The names without those equal to `name`.
inline std::vector<std::string> without (std::vector<std::string> names, const std::string& name)
{
    names.erase (std::remove (names.begin(), names.end(), name), names.end());
    return names;
}

// Where the first difference between what was sent and what arrived lies, for
// failure messages.
inline std::string describeDifference (const Bytes& sent, const Bytes& received)
{
    const auto mismatch = std::mismatch (sent.begin(), sent.end(), received.begin(), received.end());
    return "sent " + std::to_string (sent.size()) + " bytes, received " + std::to_string (received.size())
           + ", first difference at byte " + std::to_string (mismatch.first - sent.begin());
}
}

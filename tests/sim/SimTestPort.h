#pragma once

#include "midiport/MidiPort.h"
#include "support/sim/SimSevenBitCodec.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace simtest
{
using sim::Bytes;

// A bare client of the port layer that talks to the simulated instrument:
// it sends whole System Exclusive messages and collects what comes back,
// both as packets and as assembled messages (real-time bytes set aside).
class TestPort
{
public:
    TestPort (midiport::Backend& backend, const midiport::Endpoint& source, const midiport::Endpoint& destination)
        : target (destination)
    {
        client = backend.createClient ("SimTestClient", [] {});
        if (client == nullptr)
            return;
        input = client->createInputPort ("in", [this] (const midiport::PacketList& packets) { record (packets); });
        output = client->createOutputPort ("out");
        connected = input != nullptr && output != nullptr && input->connectSource (source);
    }

    bool isConnected() const { return connected; }

    bool send (const Bytes& message)
    {
        return output != nullptr && output->sendSysEx (target, message, [] (bool) {});
    }

    // Hands the bytes over as they are, in one packet: parts of a message,
    // real-time bytes, anything.
    bool sendRaw (const Bytes& bytes)
    {
        return output != nullptr && output->send (target, bytes.data(), bytes.size());
    }

    bool waitForMessages (std::size_t count, std::chrono::milliseconds timeout = std::chrono::milliseconds (3000))
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return messages.size() >= count; });
    }

    std::vector<Bytes> getMessages() { std::lock_guard<std::mutex> guard (lock); return messages; }
    std::vector<std::uint8_t> getRealTimeBytes() { std::lock_guard<std::mutex> guard (lock); return realTime; }
    std::size_t getPacketCount() { std::lock_guard<std::mutex> guard (lock); return packetCount; }

private:
    void record (const midiport::PacketList& packets)
    {
        std::lock_guard<std::mutex> guard (lock);
        for (const auto& packet : packets)
        {
            ++packetCount;
            for (auto byte : packet.bytes)
            {
                if (byte >= 0xF8)
                    realTime.push_back (byte);
                else if (byte == 0xF0)
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

    midiport::Endpoint target;
    std::unique_ptr<midiport::Client> client;
    std::unique_ptr<midiport::InputPort> input;
    std::unique_ptr<midiport::OutputPort> output;
    bool connected = false;

    std::mutex lock;
    std::condition_variable changed;
    Bytes assembly;
    std::vector<Bytes> messages;
    std::vector<std::uint8_t> realTime;
    std::size_t packetCount = 0;
};
}

#pragma once

#include "support/midi/CountingBackend.h"

#include "midi/MidiDeviceManager.h"
#include "midiport/VirtualBackend.h"
#include "support/MessageLoop.h"
#include "support/sim/SimulatedInstrument.h"

#include <juce_core/juce_core.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace devicetest
{
// Counts the ends of searches that the device manager reports, and notes the
// quit-blocking flag as each report saw it.
class ScanListener : public midi::MidiDeviceManagerListener
{
public:
    void scanFinished() override
    {
        ++calls;
        flagSeen = midi::deviceScanFinished.load();
    }

    std::atomic<int> calls { 0 };
    std::atomic<bool> flagSeen { false };
};

// A device that never answers and records what reached it.
class SilentDevice
{
public:
    SilentDevice (midiport::Backend& backend, const std::string& name, bool hasSource, bool hasDestination)
    {
        midiport::DeviceSpec spec;
        spec.deviceName = name;
        spec.sourceName = "Out";
        spec.destinationName = "In";
        spec.hasSource = hasSource;
        spec.hasDestination = hasDestination;
        device = backend.createDevice (spec, [this] (const midiport::PacketList& packets) {
            std::lock_guard<std::mutex> guard (lock);
            for (const auto& packet : packets)
                received.insert (received.end(), packet.bytes.begin(), packet.bytes.end());
        });
    }

    std::vector<std::uint8_t> getReceived()
    {
        std::lock_guard<std::mutex> guard (lock);
        return received;
    }

    std::unique_ptr<midiport::Device> device;

private:
    std::mutex lock;
    std::vector<std::uint8_t> received;
};

// A virtual MIDI world with a device manager on it (family code 343, short
// search time-out unless told otherwise).
struct DeviceRig
{
    explicit DeviceRig (std::uint32_t replyTimeoutMs = 300, int settleMs = 0)
        : virtualBackend (std::make_shared<midiport::VirtualBackend>()),
          counting (std::make_shared<CountingBackend> (virtualBackend)),
          manager (std::make_unique<midi::MidiDeviceManager> (counting))
    {
        manager->setFamilyCode (343);
        manager->setScanTimings (replyTimeoutMs, settleMs);
        manager->addListener (&listener);
    }

    ~DeviceRig()
    {
        if (manager != nullptr)
        {
            // Lets a search end before the manager goes.
            testsupport::runMessageLoopUntil ([this] { return ! manager->isScanning(); }, 5000);
            manager->removeListener (&listener);
            manager.reset();
        }
        midi::deviceScanFinished = true;
    }

    // Runs one search to its end; false when it did not end in time.
    bool search (int timeoutMs = 5000)
    {
        const int before = listener.calls;
        manager->startScan();
        return testsupport::runMessageLoopUntil ([&] { return listener.calls > before; }, timeoutMs);
    }

    int sourceIndexOf (const midiport::Endpoint& endpoint)
    {
        auto sources = virtualBackend->getSources();
        for (std::size_t i = 0; i < sources.size(); ++i)
            if (sources[i] == endpoint)
                return (int) i;
        return -1;
    }

    int destinationIndexOf (const midiport::Endpoint& endpoint)
    {
        auto destinations = virtualBackend->getDestinations();
        for (std::size_t i = 0; i < destinations.size(); ++i)
            if (destinations[i] == endpoint)
                return (int) i;
        return -1;
    }

    std::shared_ptr<midiport::VirtualBackend> virtualBackend;
    std::shared_ptr<CountingBackend> counting;
    ScanListener listener;
    std::unique_ptr<midi::MidiDeviceManager> manager;
};

inline sim::Names simNames (const std::string& device)
{
    sim::Names names;
    names.deviceName = device;
    return names;
}

inline std::int64_t millisecondsSince (std::int64_t start)
{
    return juce::Time::currentTimeMillis() - start;
}
}

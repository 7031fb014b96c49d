// The device search on the ALSA backend: with the simulated instrument among
// the kernel's own ports it finds the instrument's source and destination, and
// the ports it names carry an exchange with it; without it, it finds nothing.

#include "SequencerTestSupport.h"

#include "midi/MidiDeviceManager.h"
#include "midiport/AlsaBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <juce_events/juce_events.h>
#include <gtest/gtest.h>

using namespace seqtest;

namespace
{
class ScanEnds : public midi::MidiDeviceManagerListener
{
public:
    void scanFinished() override { ++calls; }
    std::atomic<int> calls { 0 };
};

class ReplyListener : public CPXWMidiListener
{
public:
    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        std::lock_guard<std::mutex> guard (lock);
        replies.emplace_back (message.getBytes(), message.getBytes() + message.getLength());
    }

    std::size_t count()
    {
        std::lock_guard<std::mutex> guard (lock);
        return replies.size();
    }

    Bytes first()
    {
        std::lock_guard<std::mutex> guard (lock);
        return replies.empty() ? Bytes {} : replies.front();
    }

private:
    std::mutex lock;
    std::vector<Bytes> replies;
};

// Runs the message loop of this thread until the condition holds.
bool runUntil (const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (! condition())
    {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    }
    return true;
}

int indexOf (const juce::StringArray& names, const char* name)
{
    return names.indexOf (juce::String (name));
}

struct DeviceSearchVm : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE (backend->isAvailable()) << "no sequencer in this machine";
        manager = std::make_unique<midi::MidiDeviceManager> (backend);
        manager->setFamilyCode (343);
        manager->addListener (&ends);
    }

    void TearDown() override
    {
        if (manager == nullptr)
            return;
        runUntil ([this] { return ! manager->isScanning(); }, 10s);
        manager->removeListener (&ends);
        manager->closePorts();
        manager.reset();
        midi::deviceScanFinished = true;
    }

    bool search()
    {
        const int before = ends.calls;
        manager->startScan();
        return runUntil ([&] { return ends.calls > before; }, 30s);
    }

    std::shared_ptr<midiport::AlsaBackend> backend = std::make_shared<midiport::AlsaBackend>();
    ScanEnds ends;
    std::unique_ptr<midi::MidiDeviceManager> manager;
};
}

TEST_F (DeviceSearchVm, FindsTheInstrumentAmongTheKernelsPortsAndItsPortsCarryAnExchange)
{
    sim::SimulatedInstrument instrument (*backend);
    ASSERT_TRUE (instrument.isAttached());

    ASSERT_TRUE (search()) << "the search did not end";
    ASSERT_TRUE (manager->isDeviceKnown());
    EXPECT_EQ (manager->getInPortIndex(), indexOf (manager->getInPortNames(), "Solivane Sim - Sim Out"));
    EXPECT_EQ (manager->getOutPortIndex(), indexOf (manager->getOutPortNames(), "Solivane Sim - Sim In"));
    EXPECT_GE (manager->getInPortIndex(), 0);
    // Every destination got the search request; the instrument answered it.
    EXPECT_FALSE (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).empty());

    ASSERT_TRUE (manager->openPorts());
    ReplyListener replies;
    manager->getMidi()->addListener (&replies);
    const Bytes identityRequest { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    ASSERT_TRUE (manager->getMidi()->sendSysEx ((std::uint32_t) identityRequest.size(), identityRequest.data()));
    EXPECT_TRUE (runUntil ([&] { return replies.count() > 0; }, 5s));
    EXPECT_EQ (replies.first().size(), 15u);
    manager->closePorts();
}

TEST_F (DeviceSearchVm, FindsNothingWhenTheInstrumentIsAbsent)
{
    auto instrument = std::make_unique<sim::SimulatedInstrument> (*backend);
    ASSERT_TRUE (instrument->isAttached());
    instrument.reset();

    ASSERT_TRUE (search()) << "the search did not end";
    EXPECT_FALSE (manager->isDeviceKnown());
    EXPECT_EQ (manager->getInPortIndex(), -1);
    EXPECT_EQ (manager->getOutPortIndex(), -1);
    EXPECT_FALSE (manager->openPorts());
}

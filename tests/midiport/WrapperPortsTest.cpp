// Opening and closing the wrapper's client and ports, listing, and notices.
#include "WrapperRig.h"

#include "midiport/DefaultBackend.h"

#include <gtest/gtest.h>

using namespace porttest;
using midiport::DeviceSpec;
using midiport::VirtualBackend;

namespace
{
DeviceSpec deviceSpec (const std::string& device, const std::string& source, const std::string& destination)
{
    DeviceSpec s;
    s.deviceName = device;
    s.sourceName = source;
    s.destinationName = destination;
    return s;
}

// Makes a backend the default for one test.
struct DefaultBackendScope
{
    explicit DefaultBackendScope (std::shared_ptr<midiport::Backend> b) { midiport::setDefaultBackend (std::move (b)); }
    ~DefaultBackendScope() { midiport::setDefaultBackend (nullptr); }
};
}

TEST (CPXWMidiPorts, ClientRules)
{
    auto backend = std::make_shared<VirtualBackend>();
    CPXWMidi midi (backend);
    EXPECT_TRUE (midi.disposeClient()) << "nothing to dispose";
    EXPECT_FALSE (midi.createClient (nullptr));
    EXPECT_TRUE (midi.createClient ("MidiDevice"));
    EXPECT_FALSE (midi.createClient ("MidiDevice")) << "one client at a time";
    EXPECT_TRUE (midi.disposeClient());
    EXPECT_TRUE (midi.createClient ("MidiDevice"));

    CPXWMidi noBackend (nullptr);
    EXPECT_FALSE (noBackend.createClient ("MidiDevice"));
}

TEST (CPXWMidiPorts, OpenInputRules)
{
    WrapperRig rig;
    ASSERT_TRUE (rig.opened);
    EXPECT_FALSE (rig.midi.openInput (0)) << "second open before close";
    rig.midi.closeInput();
    EXPECT_FALSE (rig.midi.openInput (1)) << "index equal to the number of sources";
    EXPECT_FALSE (rig.midi.openInput (-1));
    EXPECT_TRUE (rig.midi.openInput (0));
    rig.midi.closeInput();
    rig.midi.closeInput(); // closing twice is harmless

    // Without a client no port can be made.
    CPXWMidi noClient (rig.backend);
    EXPECT_FALSE (noClient.openInput (0));
    EXPECT_FALSE (noClient.openOutput (0));
}

TEST (CPXWMidiPorts, OpenOutputRules)
{
    WrapperRig rig;
    ASSERT_TRUE (rig.opened);
    EXPECT_FALSE (rig.midi.openOutput (0));
    rig.midi.closeOutput();
    EXPECT_FALSE (rig.midi.openOutput (1));
    EXPECT_FALSE (rig.midi.openOutput (-1));
    EXPECT_TRUE (rig.midi.openOutput (0));
}

TEST (CPXWMidiPorts, ClosedInputDeliversNothing)
{
    WrapperRig rig;
    rig.midi.closeInput();
    rig.feed ({ 0xC0, 0x01 });
    EXPECT_TRUE (rig.listener.shorts.empty());
}

// Before a request goes out, what has come is handed over at once, and a
// System Exclusive message then only begun is given up: it answers
// something asked before.
TEST (CPXWMidiPorts, DeliverReceivedHandsOverWhatCameAndGivesUpAMessageBegun)
{
    WrapperRig rig;
    const Bytes whole { 0xF0, 0x7D, 0x01, 0xF7 };
    const Bytes begun { 0xF0, 0x7D, 0x02 };
    rig.device->send (whole.data(), whole.size());
    rig.device->send (begun.data(), begun.size());
    midiport::StopSignal never;
    EXPECT_TRUE (rig.midi.deliverReceived (std::chrono::steady_clock::now() + std::chrono::seconds (5), never));
    {
        std::lock_guard<std::mutex> lock (rig.listener.mutex);
        EXPECT_EQ (rig.listener.sysEx, std::vector<Bytes> { whole });
    }

    const Bytes next { 0xF0, 0x7D, 0x04, 0xF7 };
    rig.feed (concat ({ { 0x03, 0xF7 }, next }));
    EXPECT_EQ (rig.listener.sysEx, (std::vector<Bytes> { whole, next }));
}

TEST (CPXWMidiPorts, ListsAndOpensByDisplayName)
{
    auto backend = std::make_shared<VirtualBackend>();
    DefaultBackendScope scope (backend);
    PacketRecorder sinkA, sinkB;

    EXPECT_EQ (CPXWMidi::getSourceCount(), 0);
    EXPECT_EQ (CPXWMidi::getSourceName (0), juce::String());

    auto a = backend->createDevice (deviceSpec ("Keys", "Port 1", "Port 2"), sinkA.callback());
    auto b = backend->createDevice (deviceSpec ("Synth", "Synth Out", "Synth In"), sinkB.callback());

    ASSERT_EQ (CPXWMidi::getSourceCount(), 2);
    ASSERT_EQ (CPXWMidi::getDestinationCount(), 2);
    EXPECT_EQ (CPXWMidi::getSourceName (1), juce::String ("Synth - Synth Out"));
    EXPECT_EQ (CPXWMidi::getDestinationName (0), juce::String ("Keys - Port 2"));
    EXPECT_EQ (CPXWMidi::getDestinationName (2), juce::String());
    EXPECT_EQ (CPXWMidi::getDestinationName (-1), juce::String());
    EXPECT_EQ (CPXWMidi::getDeviceName (b->getSource()), juce::String ("Synth"));

    CPXWMidi midi; // takes the default backend
    ASSERT_TRUE (midi.createClient ("MidiDevice"));
    EXPECT_FALSE (midi.openInputByName ("Synth - Nothing"));
    EXPECT_FALSE (midi.openInputByName ("Synth In"));
    ASSERT_TRUE (midi.openInputByName ("Synth - Synth Out"));
    EXPECT_FALSE (midi.openInputByName ("Synth - Synth Out")) << "already open";
    ASSERT_TRUE (midi.openOutputByName ("Synth - Synth In"));

    // The port opened by name is the right one: the wrapper hears Synth only.
    RecordingListener listener;
    midi.addListener (&listener);
    const Bytes fromKeys { 0xC0, 0x01 };
    const Bytes fromSynth { 0xC0, 0x02 };
    a->send (fromKeys.data(), fromKeys.size());
    b->send (fromSynth.data(), fromSynth.size());
    backend->waitUntilDelivered();
    EXPECT_EQ (listener.shorts, (std::vector<Bytes> { fromSynth }));

    midi.sendShort (0x90, 0x40, 0x7F);
    backend->waitUntilDelivered();
    EXPECT_EQ (sinkB.joined(), (Bytes { 0x90, 0x40, 0x7F }));
    EXPECT_TRUE (sinkA.joined().empty());
    midi.removeAllListeners();
}

TEST (CPXWMidiPorts, NoPortsOpenByNameWhenThereAreNone)
{
    auto backend = std::make_shared<VirtualBackend>();
    CPXWMidi midi (backend);
    ASSERT_TRUE (midi.createClient ("MidiDevice"));
    EXPECT_FALSE (midi.openInputByName (""));
    EXPECT_FALSE (midi.openOutputByName (" - "));
}

TEST (CPXWMidiPorts, SetupChangesReachTheListeners)
{
    WrapperRig rig;
    rig.backend->waitUntilDelivered();
    const int before = rig.listener.setups;

    PacketRecorder sink;
    auto extra = rig.backend->createDevice (deviceSpec ("Extra", "A", "B"), sink.callback());
    ASSERT_TRUE (rig.listener.waitUntil ([&] { return rig.listener.setups == before + 1; }));
    extra.reset();
    ASSERT_TRUE (rig.listener.waitUntil ([&] { return rig.listener.setups == before + 2; }));

    // After the client is gone no notice reaches the wrapper.
    rig.midi.disposeClient();
    auto later = rig.backend->createDevice (deviceSpec ("Later", "A", "B"), sink.callback());
    rig.backend->waitUntilDelivered();
    EXPECT_EQ (rig.listener.setups, before + 2);
    EXPECT_FALSE (rig.midi.openInput (0)) << "disposing the client closed the ports";
}

TEST (CPXWMidiPorts, DriverPredicatesAlwaysPass)
{
    EXPECT_TRUE (CPXWMidi::isVexoUsbMidiDriverInput (0));
    EXPECT_TRUE (CPXWMidi::isVexoUsbMidiDriverOutput (-1));
}

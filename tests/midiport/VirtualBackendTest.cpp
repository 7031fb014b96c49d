#include "midiport/VirtualBackend.h"
#include "PortRecorder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace midiport;
using porttest::Bytes;
using porttest::CallCounter;
using porttest::PacketRecorder;

namespace
{
DeviceSpec spec (const std::string& device, const std::string& source = "Out", const std::string& destination = "In")
{
    DeviceSpec s;
    s.deviceName = device;
    s.sourceName = source;
    s.destinationName = destination;
    return s;
}

std::vector<std::string> displayNames (const std::vector<Endpoint>& endpoints)
{
    std::vector<std::string> names;
    for (const auto& e : endpoints)
        names.push_back (e.getDisplayName());
    return names;
}

struct Rig
{
    Rig()
    {
        client = backend.createClient ("Wrapper", [this] { notices.hit(); });
        device = backend.createDevice (spec ("Synth", "Synth Out", "Synth In"), fromWrapper.callback());
        input = client->createInputPort ("in", toWrapper.callback());
        output = client->createOutputPort ("out");
    }

    VirtualBackend backend;
    CallCounter notices;
    PacketRecorder toWrapper;
    PacketRecorder fromWrapper;
    std::unique_ptr<Client> client;
    std::unique_ptr<Device> device;
    std::unique_ptr<InputPort> input;
    std::unique_ptr<OutputPort> output;
};
}

TEST (VirtualBackend, ListsDevicesInCreationOrderWithDisplayNames)
{
    VirtualBackend backend;
    PacketRecorder sink;
    auto a = backend.createDevice (spec ("Alpha", "Port A", "Port B"), sink.callback());
    auto onlyIn = spec ("Beta");
    onlyIn.hasSource = false;
    auto b = backend.createDevice (onlyIn, sink.callback());
    auto c = backend.createDevice (spec ("Gamma", "", "G In"), sink.callback());

    EXPECT_EQ (displayNames (backend.getSources()), (std::vector<std::string> { "Alpha - Port A", "Gamma - " }));
    EXPECT_EQ (displayNames (backend.getDestinations()),
               (std::vector<std::string> { "Alpha - Port B", "Beta - In", "Gamma - G In" }));
    EXPECT_EQ (b->getSource().id, 0u);

    // Removing one keeps the others' order; a new one goes last.
    a.reset();
    auto d = backend.createDevice (spec ("Delta"), sink.callback());
    EXPECT_EQ (displayNames (backend.getDestinations()),
               (std::vector<std::string> { "Beta - In", "Gamma - G In", "Delta - In" }));
    EXPECT_EQ (backend.getSources().back(), d->getSource());
}

TEST (VirtualBackend, DeliversDeviceBytesToTheConnectedPortOnItsOwnThread)
{
    Rig rig;
    std::atomic<bool> onOtherThread { false };
    auto mainThread = std::this_thread::get_id();
    auto input = rig.client->createInputPort ("in2", [&] (const PacketList& packets) {
        onOtherThread = std::this_thread::get_id() != mainThread;
        rig.toWrapper.record (packets);
    });
    ASSERT_TRUE (input->connectSource (rig.device->getSource()));
    EXPECT_FALSE (input->connectSource (rig.device->getSource())) << "a port takes one source";

    const Bytes note { 0x90, 0x40, 0x7F };
    ASSERT_TRUE (rig.device->send (note.data(), note.size()));
    ASSERT_TRUE (rig.toWrapper.waitForLists (1));
    EXPECT_EQ (rig.toWrapper.joined(), note);
    EXPECT_TRUE (onOtherThread);
}

TEST (VirtualBackend, NothingArrivesAfterDisconnectAndReconnectWorks)
{
    Rig rig;
    ASSERT_TRUE (rig.input->connectSource (rig.device->getSource()));
    const Bytes a { 0xC0, 0x05 };
    const Bytes b { 0xC0, 0x06 };
    rig.device->send (a.data(), a.size());
    rig.input->disconnectSource();
    rig.device->send (b.data(), b.size());
    rig.backend.waitUntilDelivered();

    auto before = rig.toWrapper.joined();
    EXPECT_TRUE (before.empty() || before == a);

    ASSERT_TRUE (rig.input->connectSource (rig.device->getSource()));
    rig.device->send (b.data(), b.size());
    rig.backend.waitUntilDelivered();
    auto after = rig.toWrapper.joined();
    ASSERT_GE (after.size(), 2u);
    EXPECT_EQ (Bytes (after.end() - 2, after.end()), b);
}

TEST (VirtualBackend, ConnectingToAMissingSourceFails)
{
    Rig rig;
    auto endpoint = rig.device->getSource();
    rig.device.reset();
    EXPECT_FALSE (rig.input->connectSource (endpoint));
    EXPECT_FALSE (rig.input->connectSource (Endpoint {}));
}

TEST (VirtualBackend, SplitsIntoPacketsAndInterleavesRealTimeBytes)
{
    Rig rig;
    ASSERT_TRUE (rig.input->connectSource (rig.device->getSource()));
    rig.backend.setPacketSize (3);
    rig.backend.setRealTimeInterleave (0xFE, 2);

    const Bytes message { 0xF0, 0x01, 0x02, 0x03, 0x04, 0xF7 };
    rig.device->send (message.data(), message.size());
    ASSERT_TRUE (rig.toWrapper.waitForLists (1));

    auto lists = rig.toWrapper.getLists();
    ASSERT_EQ (lists.size(), 1u) << "one send is one packet list";
    const Bytes expected { 0xF0, 0x01, 0xFE, 0x02, 0x03, 0xFE, 0x04, 0xF7, 0xFE };
    EXPECT_EQ (rig.toWrapper.joined(), expected);
    ASSERT_EQ (lists[0].size(), 3u);
    for (const auto& packet : lists[0])
        EXPECT_LE (packet.bytes.size(), 3u);
}

TEST (VirtualBackend, OutputReachesTheDeviceAndCompletesImmediatelyByDefault)
{
    Rig rig;
    const Bytes note { 0x80, 0x40, 0x00 };
    ASSERT_TRUE (rig.output->send (rig.device->getDestination(), note.data(), note.size()));

    CallCounter completions;
    std::atomic<bool> allSent { false };
    const Bytes sysex { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    ASSERT_TRUE (rig.output->sendSysEx (rig.device->getDestination(), sysex, [&] (bool ok) {
        allSent = ok;
        completions.hit();
    }));
    ASSERT_TRUE (completions.waitFor (1));
    EXPECT_TRUE (allSent);

    // The device has the message before the completion is reported.
    Bytes expected = note;
    expected.insert (expected.end(), sysex.begin(), sysex.end());
    EXPECT_EQ (rig.fromWrapper.joined(), expected);
}

TEST (VirtualBackend, RefusesSendsToMissingDestinationsAndBadSysEx)
{
    Rig rig;
    const Bytes sysex { 0xF0, 0x01, 0xF7 };
    bool called = false;
    EXPECT_FALSE (rig.output->sendSysEx (Endpoint {}, sysex, [&] (bool) { called = true; }));
    EXPECT_FALSE (rig.output->sendSysEx (rig.device->getDestination(), Bytes { 0x01, 0xF7 }, [&] (bool) { called = true; }));
    EXPECT_FALSE (rig.output->sendSysEx (rig.device->getDestination(), Bytes {}, [&] (bool) { called = true; }));
    EXPECT_FALSE (rig.output->send (rig.device->getDestination(), nullptr, 0));

    auto onlySource = spec ("Keys");
    onlySource.hasDestination = false;
    PacketRecorder sink;
    auto keys = rig.backend.createDevice (onlySource, sink.callback());
    EXPECT_FALSE (rig.output->send (Endpoint { keys->getSource().id, "", "" }, sysex.data(), sysex.size()));

    rig.backend.waitUntilDelivered();
    EXPECT_FALSE (called);
}

TEST (VirtualBackend, DelayedAndNeverCompletions)
{
    Rig rig;
    const Bytes sysex { 0xF0, 0x01, 0xF7 };
    CallCounter completions;

    rig.backend.setSysExCompletion (VirtualBackend::Completion::delayed, std::chrono::milliseconds (150));
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE (rig.output->sendSysEx (rig.device->getDestination(), sysex, [&] (bool) { completions.hit(); }));
    ASSERT_TRUE (completions.waitFor (1));
    EXPECT_GE (std::chrono::steady_clock::now() - start, std::chrono::milliseconds (140));

    rig.backend.setSysExCompletion (VirtualBackend::Completion::never);
    ASSERT_TRUE (rig.output->sendSysEx (rig.device->getDestination(), sysex, [&] (bool) { completions.hit(); }));
    EXPECT_FALSE (completions.waitFor (2, 300));
    EXPECT_EQ (rig.fromWrapper.joined().size(), 6u) << "the message still arrives";
}

TEST (VirtualBackend, ACompletionDueAfterThePortIsGoneIsDropped)
{
    Rig rig;
    std::atomic<int> completions { 0 };
    rig.backend.setSysExCompletion (VirtualBackend::Completion::delayed, std::chrono::milliseconds (100));
    const Bytes sysex { 0xF0, 0x01, 0xF7 };
    ASSERT_TRUE (rig.output->sendSysEx (rig.device->getDestination(), sysex, [&] (bool) { ++completions; }));
    rig.output.reset();
    std::this_thread::sleep_for (std::chrono::milliseconds (250));
    rig.backend.waitUntilDelivered();
    EXPECT_EQ (completions.load(), 0);
}

TEST (VirtualBackend, SetupChangeNoticesForDevicesAndOtherClients)
{
    Rig rig;
    rig.backend.waitUntilDelivered();
    auto start = rig.notices.get();
    EXPECT_EQ (start, 1) << "the device created after the client";

    PacketRecorder sink;
    auto extra = rig.backend.createDevice (spec ("Extra"), sink.callback());
    ASSERT_TRUE (rig.notices.waitFor (start + 1));
    extra.reset();
    ASSERT_TRUE (rig.notices.waitFor (start + 2));

    CallCounter otherNotices;
    auto other = rig.backend.createClient ("Other", [&] { otherNotices.hit(); });
    ASSERT_TRUE (rig.notices.waitFor (start + 3));
    other.reset();
    ASSERT_TRUE (rig.notices.waitFor (start + 4));

    // Ports are not endpoints: creating them is no setup change.
    auto port = rig.client->createInputPort ("more", sink.callback());
    rig.backend.waitUntilDelivered();
    EXPECT_EQ (rig.notices.get(), start + 4);
    EXPECT_EQ (otherNotices.get(), 0) << "a client is not told of its own start or exit";
}

TEST (VirtualBackend, AReadCallbackMayDestroyItsOwnPort)
{
    Rig rig;
    CallCounter calls;
    std::unique_ptr<InputPort> port;
    port = rig.client->createInputPort ("self", [&] (const PacketList&) {
        port.reset();
        calls.hit();
    });
    ASSERT_TRUE (port->connectSource (rig.device->getSource()));
    const Bytes clock { 0xF8 };
    rig.device->send (clock.data(), clock.size());
    ASSERT_TRUE (calls.waitFor (1));
    rig.device->send (clock.data(), clock.size());
    rig.backend.waitUntilDelivered();
    EXPECT_EQ (calls.get(), 1);
}

TEST (VirtualBackend, DisconnectWaitsForARunningCallback)
{
    Rig rig;
    std::atomic<bool> inside { false };
    std::atomic<bool> finished { false };
    auto port = rig.client->createInputPort ("slow", [&] (const PacketList&) {
        inside = true;
        std::this_thread::sleep_for (std::chrono::milliseconds (100));
        finished = true;
    });
    ASSERT_TRUE (port->connectSource (rig.device->getSource()));
    const Bytes clock { 0xF8 };
    rig.device->send (clock.data(), clock.size());
    while (! inside)
        std::this_thread::yield();
    port->disconnectSource();
    EXPECT_TRUE (finished);
}

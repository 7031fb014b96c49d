// The ALSA backend of the port layer against the kernel sequencer: listing,
// setup-change notices and short messages between this program's client and
// devices published through the layer (the simulated instrument and a plain
// peer that keeps every byte).

#include "SequencerTestSupport.h"

#include "midiport/AlsaBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <thread>

using namespace seqtest;
using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::Not;

namespace
{
struct AlsaBackendVm : ::testing::Test
{
    void SetUp() override { ASSERT_TRUE (backend.isAvailable()) << "no sequencer in this machine"; }

    midiport::AlsaBackend backend;
};

// A device with one source and one destination that records what reaches it.
struct Peer
{
    explicit Peer (midiport::Backend& backend, const std::string& name = "Echo Peer")
    {
        midiport::DeviceSpec spec;
        spec.deviceName = name;
        spec.sourceName = "Peer Out";
        spec.destinationName = "Peer In";
        device = backend.createDevice (spec, received.callback());
    }

    Receiver received;
    std::unique_ptr<midiport::Device> device;
};

// This program's side: one client with an input and an output port.
struct ProgramSide
{
    explicit ProgramSide (midiport::Backend& backend, const std::string& name = "Librarian Under Test")
    {
        client = backend.createClient (name, notices.callback());
        if (client == nullptr)
            return;
        input = client->createInputPort ("Librarian In", received.callback());
        output = client->createOutputPort ("Librarian Out");
    }

    bool isComplete() const { return client != nullptr && input != nullptr && output != nullptr; }

    NoticeCounter notices;
    Receiver received;
    std::unique_ptr<midiport::Client> client;
    std::unique_ptr<midiport::InputPort> input;
    std::unique_ptr<midiport::OutputPort> output;
};

// Lets the announcements of what a test set up arrive before it counts.
int settledCount (NoticeCounter& notices)
{
    for (int seen = notices.get();; seen = notices.get())
        if (! notices.waitForMoreThan (seen, 300ms))
            return seen;
}
}

TEST_F (AlsaBackendVm, ListsDevicesAndKernelPortsWithTheirNamesButNotTheProgramsOwnClients)
{
    ProgramSide program (backend);
    ASSERT_TRUE (program.isComplete());
    sim::SimulatedInstrument instrument (backend);
    ASSERT_TRUE (instrument.isAttached());

    const auto sources = displayNames (backend.getSources());
    const auto destinations = displayNames (backend.getDestinations());

    EXPECT_THAT (sources, Contains ("Solivane Sim - Sim Out"));
    EXPECT_THAT (destinations, Contains ("Solivane Sim - Sim In"));
    EXPECT_THAT (sources, Not (Contains ("Solivane Sim - Sim In")));
    EXPECT_THAT (destinations, Not (Contains ("Solivane Sim - Sim Out")));
    // The kernel's own clients are there under the names the sequencer gives.
    EXPECT_THAT (sources, Contains ("Midi Through - Midi Through Port-0"));
    EXPECT_THAT (destinations, Contains ("Midi Through - Midi Through Port-0"));
    EXPECT_THAT (sources, Contains (HasSubstr ("Virtual Raw MIDI")));
    // Neither this program's client nor the system client is offered.
    EXPECT_THAT (sources, Not (Contains (HasSubstr ("Librarian Under Test"))));
    EXPECT_THAT (destinations, Not (Contains (HasSubstr ("Librarian Under Test"))));
    EXPECT_THAT (sources, Not (Contains (HasSubstr ("System"))));

    const auto listedSource = findByDisplayName (backend.getSources(), "Solivane Sim - Sim Out");
    ASSERT_TRUE (listedSource.has_value());
    EXPECT_EQ (listedSource->id, instrument.getSource().id);
    EXPECT_EQ (listedSource->deviceName, "Solivane Sim");
    EXPECT_EQ (listedSource->endpointName, "Sim Out");
}

TEST_F (AlsaBackendVm, ListsInClientOrderAndKeepsTheOrderOfThePortsAlreadyThere)
{
    // The sequencer numbers a new client with the lowest free number, so a
    // device that appears after another went away can come before the rest.
    auto gone = std::make_unique<Peer> (backend, "Gone Peer");
    Peer first (backend, "First Peer");
    ASSERT_NE (gone->device, nullptr);
    ASSERT_NE (first.device, nullptr);
    gone.reset();
    const auto before = displayNames (backend.getSources());

    Peer second (backend, "Second Peer");
    ASSERT_NE (second.device, nullptr);
    const auto sources = backend.getSources();
    const auto after = displayNames (sources);

    ASSERT_EQ (after.size(), before.size() + 1);
    EXPECT_EQ (without (after, "Second Peer - Peer Out"), before);
    // Endpoint ids follow the sequencer's client and port numbers.
    EXPECT_TRUE (std::is_sorted (sources.begin(), sources.end(),
                                 [] (const auto& a, const auto& b) { return a.id < b.id; }));
}

TEST_F (AlsaBackendVm, SetupChangeNoticesWhenTheInstrumentAppearsAndDisappears)
{
    ProgramSide program (backend);
    ASSERT_TRUE (program.isComplete());
    const int quiet = settledCount (program.notices);

    auto instrument = std::make_unique<sim::SimulatedInstrument> (backend);
    ASSERT_TRUE (instrument->isAttached());
    EXPECT_TRUE (program.notices.waitForMoreThan (quiet, 2s)) << "no notice when the instrument appeared";
    const int appeared = settledCount (program.notices);

    instrument.reset();
    EXPECT_TRUE (program.notices.waitForMoreThan (appeared, 2s)) << "no notice when the instrument went away";
    EXPECT_FALSE (findByDisplayName (backend.getSources(), "Solivane Sim - Sim Out").has_value());
    EXPECT_FALSE (findByDisplayName (backend.getDestinations(), "Solivane Sim - Sim In").has_value());
}

TEST_F (AlsaBackendVm, NoSetupChangeNoticeForTheClientsOwnPorts)
{
    ProgramSide program (backend);
    ASSERT_TRUE (program.isComplete());
    const int quiet = settledCount (program.notices);

    auto extraInput = program.client->createInputPort ("Second In", [] (const midiport::PacketList&) {});
    auto extraOutput = program.client->createOutputPort ("Second Out");
    ASSERT_NE (extraInput, nullptr);
    ASSERT_NE (extraOutput, nullptr);
    extraInput.reset();

    EXPECT_FALSE (program.notices.waitForMoreThan (quiet, 500ms));
}

TEST_F (AlsaBackendVm, ShortMessagesInBothDirectionsArriveInOrder)
{
    ProgramSide program (backend);
    Peer peer (backend);
    ASSERT_TRUE (program.isComplete());
    ASSERT_NE (peer.device, nullptr);
    ASSERT_TRUE (program.input->connectSource (peer.device->getSource()));

    // Note on and off, a controller, a program change, channel pressure, a
    // pitch bend, song position and a tune request, on several channels.
    const Bytes messages { 0x90, 0x3C, 0x64, 0x80, 0x3C, 0x00, 0xB3, 0x07, 0x7F, 0xC5, 0x11,
                           0xDF, 0x40, 0xE0, 0x00, 0x40, 0xF2, 0x10, 0x20, 0xF6 };

    ASSERT_TRUE (program.output->send (peer.device->getDestination(), messages.data(), messages.size()));
    ASSERT_TRUE (peer.received.waitForBytes (messages.size(), 3s));
    EXPECT_EQ (peer.received.getBytes(), messages);

    ASSERT_TRUE (peer.device->send (messages.data(), messages.size()));
    ASSERT_TRUE (program.received.waitForBytes (messages.size(), 3s));
    EXPECT_EQ (program.received.getBytes(), messages);
}

// A request goes out only once everything that reached the input port
// before it has been handed over: a reader that falls behind is waited for.
TEST_F (AlsaBackendVm, WaitingForDeliveryReturnsOnceEverythingReceivedIsHandedOver)
{
    Receiver received;
    auto slowReader = [record = received.callback()] (const midiport::PacketList& packets) {
        std::this_thread::sleep_for (50ms);
        record (packets);
    };
    auto client = backend.createClient ("Librarian Under Test", [] {});
    ASSERT_NE (client, nullptr);
    auto input = client->createInputPort ("Librarian In", slowReader);
    Peer peer (backend);
    ASSERT_NE (input, nullptr);
    ASSERT_NE (peer.device, nullptr);
    ASSERT_TRUE (input->connectSource (peer.device->getSource()));

    constexpr std::size_t count = 20;
    for (std::size_t i = 0; i < count; ++i)
    {
        const Bytes noteOn { 0x90, (std::uint8_t) i, 0x40 };
        ASSERT_TRUE (peer.device->send (noteOn.data(), noteOn.size()));
    }
    // Everything reaches the kernel's queue long before the reader is done.
    std::this_thread::sleep_for (300ms);

    // Meanwhile a wait ends at its deadline, or at a stop, unfinished.
    midiport::StopSignal stop;
    EXPECT_FALSE (input->waitUntilDelivered (std::chrono::steady_clock::now() + 100ms, stop));
    std::thread stopper ([&] {
        std::this_thread::sleep_for (50ms);
        stop.stop();
    });
    EXPECT_FALSE (input->waitUntilDelivered (std::chrono::steady_clock::now() + 10s, stop));
    stopper.join();

    midiport::StopSignal never;
    EXPECT_TRUE (input->waitUntilDelivered (std::chrono::steady_clock::now() + 10s, never));
    EXPECT_EQ (received.getBytes().size(), 3 * count);
}

TEST_F (AlsaBackendVm, DisconnectedInputReceivesNothingAndCanConnectAgain)
{
    ProgramSide program (backend);
    Peer peer (backend);
    ASSERT_TRUE (program.isComplete());
    ASSERT_NE (peer.device, nullptr);

    const Bytes noteOn { 0x91, 0x40, 0x50 };
    ASSERT_TRUE (program.input->connectSource (peer.device->getSource()));
    EXPECT_FALSE (program.input->connectSource (peer.device->getSource())) << "a second connection was accepted";
    program.input->disconnectSource();
    ASSERT_TRUE (peer.device->send (noteOn.data(), noteOn.size()));
    EXPECT_FALSE (program.received.waitForBytes (1, 300ms));

    ASSERT_TRUE (program.input->connectSource (peer.device->getSource()));
    ASSERT_TRUE (peer.device->send (noteOn.data(), noteOn.size()));
    ASSERT_TRUE (program.received.waitForBytes (3, 3s));
    EXPECT_EQ (program.received.getBytes(), noteOn);
}

TEST_F (AlsaBackendVm, SendingToADestinationThatWentAwayFails)
{
    ProgramSide program (backend);
    ASSERT_TRUE (program.isComplete());
    auto peer = std::make_unique<Peer> (backend);
    ASSERT_NE (peer->device, nullptr);
    const auto destination = peer->device->getDestination();
    peer.reset();

    const Bytes noteOn { 0x90, 0x3C, 0x64 };
    EXPECT_FALSE (program.output->send (destination, noteOn.data(), noteOn.size()));
    EXPECT_FALSE (program.output->sendSysEx (destination, makeSysEx (100, 1), [] (bool) {}));
    EXPECT_FALSE (program.input->connectSource (midiport::Endpoint {}));
}

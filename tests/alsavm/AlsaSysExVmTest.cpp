// Large System Exclusive messages through the kernel sequencer: a 64 KiB
// message in both directions between this program's client and the simulated
// instrument, completion, order, the kernel's pass-through port, and the loss
// that an unpaced send suffers (which the backend's pacing prevents).

#include "OtherProgramClient.h"
#include "SequencerTestSupport.h"

#include "midiport/AlsaBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

using namespace seqtest;

namespace
{
constexpr std::size_t largeSize = 64 * 1024;
constexpr auto transferTimeout = 60s;

// One completion call, with what the receiver had when it came.
struct CompletionRecord
{
    std::mutex lock;
    std::condition_variable changed;
    int calls = 0;
    bool allSent = false;
    std::size_t receivedAtCompletion = 0;
    std::chrono::steady_clock::time_point when;

    midiport::CompletionCallback callback (Receiver* receiver = nullptr)
    {
        return [this, receiver] (bool sent) {
            const auto received = receiver != nullptr ? receiver->getByteCount() : 0;
            std::lock_guard<std::mutex> guard (lock);
            ++calls;
            allSent = sent;
            receivedAtCompletion = received;
            when = std::chrono::steady_clock::now();
            changed.notify_all();
        };
    }

    bool wait (std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return calls > 0; });
    }
};

struct Peer
{
    explicit Peer (midiport::Backend& backend)
    {
        midiport::DeviceSpec spec;
        spec.deviceName = "Bulk Peer";
        spec.sourceName = "Peer Out";
        spec.destinationName = "Peer In";
        device = backend.createDevice (spec, received.callback());
    }

    Receiver received;
    std::unique_ptr<midiport::Device> device;
};

struct ProgramSide
{
    explicit ProgramSide (midiport::Backend& backend)
    {
        client = backend.createClient ("Librarian Under Test", [] {});
        if (client == nullptr)
            return;
        input = client->createInputPort ("Librarian In", received.callback());
        output = client->createOutputPort ("Librarian Out");
    }

    bool isComplete() const { return client != nullptr && input != nullptr && output != nullptr; }

    Receiver received;
    std::unique_ptr<midiport::Client> client;
    std::unique_ptr<midiport::InputPort> input;
    std::unique_ptr<midiport::OutputPort> output;
};

long long millisecondsSince (std::chrono::steady_clock::time_point start)
{
    return (long long) std::chrono::duration_cast<std::chrono::milliseconds> (std::chrono::steady_clock::now() - start).count();
}

struct AlsaSysExVm : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE (backend.isAvailable()) << "no sequencer in this machine";
        ASSERT_TRUE (program.isComplete());
    }

    midiport::AlsaBackend backend;
    ProgramSide program { backend };
};
}

TEST_F (AlsaSysExVm, LargeMessageFromTheProgramReachesTheInstrumentWholeAndInOrder)
{
    sim::SimulatedInstrument instrument (backend);
    ASSERT_TRUE (instrument.isAttached());
    const auto message = makeSysEx (largeSize, 1);

    CompletionRecord completion;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE (program.output->sendSysEx (instrument.getDestination(), message, completion.callback()));

    ASSERT_TRUE (instrument.waitForRequests (1, transferTimeout));
    std::printf ("64 KiB from the program to the instrument: %lld ms\n", millisecondsSince (start));
    const auto log = instrument.getRequests();
    ASSERT_EQ (log.size(), 1u);
    EXPECT_TRUE (log[0].bytes == message) << describeDifference (message, log[0].bytes);

    ASSERT_TRUE (completion.wait (5s));
    EXPECT_TRUE (completion.allSent);
}

TEST_F (AlsaSysExVm, LargeMessageFromTheInstrumentReachesTheProgramWholeAndInOrder)
{
    sim::SimulatedInstrument instrument (backend);
    ASSERT_TRUE (instrument.isAttached());
    ASSERT_TRUE (program.input->connectSource (instrument.getSource()));
    const auto message = makeSysEx (largeSize, 2);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE (instrument.sendRaw (message));
    ASSERT_TRUE (program.received.waitForMessages (1, transferTimeout))
        << "received " << program.received.getByteCount() << " bytes";
    std::printf ("64 KiB from the instrument to the program: %lld ms\n", millisecondsSince (start));

    const auto messages = program.received.getMessages();
    ASSERT_EQ (messages.size(), 1u);
    EXPECT_TRUE (messages[0] == message) << describeDifference (message, messages[0]);
    EXPECT_EQ (program.received.getBytes().size(), message.size());
}

TEST_F (AlsaSysExVm, LargeMessagesInBothDirectionsAtOnceArriveWhole)
{
    sim::SimulatedInstrument instrument (backend);
    ASSERT_TRUE (instrument.isAttached());
    ASSERT_TRUE (program.input->connectSource (instrument.getSource()));
    const auto outgoing = makeSysEx (largeSize, 3);
    const auto incoming = makeSysEx (largeSize, 4);

    CompletionRecord completion;
    ASSERT_TRUE (program.output->sendSysEx (instrument.getDestination(), outgoing, completion.callback()));
    ASSERT_TRUE (instrument.sendRaw (incoming));

    ASSERT_TRUE (instrument.waitForRequests (1, transferTimeout));
    ASSERT_TRUE (program.received.waitForMessages (1, transferTimeout));
    EXPECT_TRUE (instrument.getRequests().at (0).bytes == outgoing);
    EXPECT_TRUE (program.received.getMessages().at (0) == incoming);
    ASSERT_TRUE (completion.wait (5s));
    EXPECT_TRUE (completion.allSent);
}

TEST_F (AlsaSysExVm, CompletionComesOnceAfterTheLastByteHasLeft)
{
    Peer peer (backend);
    ASSERT_NE (peer.device, nullptr);
    const auto message = makeSysEx (largeSize, 5);

    CompletionRecord completion;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE (program.output->sendSysEx (peer.device->getDestination(), message, completion.callback (&peer.received)));
    const auto queuedAfter = millisecondsSince (start);

    ASSERT_TRUE (completion.wait (transferTimeout));
    const auto completedAfter = millisecondsSince (start);
    ASSERT_TRUE (peer.received.waitForBytes (message.size(), 10s));
    peer.received.waitUntilQuiet (300ms, 5s);

    EXPECT_TRUE (completion.allSent);
    EXPECT_EQ (completion.calls, 1);
    // The send only queues the message; the completion waits for the bytes.
    EXPECT_LT (queuedAfter, completedAfter);
    // When it came, every event had been handed to the sequencer: at most the
    // receiver's kernel queue (about 18 events of 256 bytes) was still unread.
    EXPECT_GE (completion.receivedAtCompletion + 8 * 1024, message.size())
        << "completion came with only " << completion.receivedAtCompletion << " bytes received";
    EXPECT_TRUE (peer.received.getBytes() == message);
}

TEST_F (AlsaSysExVm, CompletionReportsAnAbandonedSendWhenTheDestinationGoesAway)
{
    auto peer = std::make_unique<Peer> (backend);
    ASSERT_NE (peer->device, nullptr);
    const auto message = makeSysEx (4 * largeSize, 6);

    CompletionRecord completion;
    ASSERT_TRUE (program.output->sendSysEx (peer->device->getDestination(), message, completion.callback()));
    ASSERT_TRUE (peer->received.waitForBytes (8 * 1024, transferTimeout));
    peer.reset();

    ASSERT_TRUE (completion.wait (transferTimeout)) << "no completion after the destination went away";
    EXPECT_FALSE (completion.allSent);
    EXPECT_EQ (completion.calls, 1);
}

TEST_F (AlsaSysExVm, MessagesSentBackToBackLeaveInOrderWithoutInterleaving)
{
    Peer peer (backend);
    ASSERT_NE (peer.device, nullptr);
    const auto destination = peer.device->getDestination();
    const Bytes noteOn { 0x90, 0x3C, 0x64 };

    Bytes expected;
    std::atomic<int> completions { 0 };
    for (std::uint32_t i = 0; i < 3; ++i)
    {
        const auto message = makeSysEx (20 * 1024 + i * 7, 10 + i);
        ASSERT_TRUE (program.output->sendSysEx (destination, message, [&] (bool sent) { completions += sent ? 1 : 100; }));
        ASSERT_TRUE (program.output->send (destination, noteOn.data(), noteOn.size()));
        expected.insert (expected.end(), message.begin(), message.end());
        expected.insert (expected.end(), noteOn.begin(), noteOn.end());
    }

    ASSERT_TRUE (peer.received.waitForBytes (expected.size(), transferTimeout))
        << "received " << peer.received.getByteCount() << " of " << expected.size() << " bytes";
    peer.received.waitUntilQuiet (300ms, 5s);
    EXPECT_TRUE (peer.received.getBytes() == expected) << describeDifference (expected, peer.received.getBytes());
    EXPECT_EQ (peer.received.getMessages().size(), 3u);
    for (int i = 0; i < 50 && completions < 3; ++i)
        std::this_thread::sleep_for (100ms);
    EXPECT_EQ (completions, 3);
}

TEST_F (AlsaSysExVm, LargeMessageThroughTheKernelsPassThroughPortArrivesWhole)
{
    const auto through = findByDisplayName (backend.getDestinations(), "Midi Through - Midi Through Port-0");
    const auto throughOut = findByDisplayName (backend.getSources(), "Midi Through - Midi Through Port-0");
    ASSERT_TRUE (through.has_value() && throughOut.has_value());
    ASSERT_TRUE (program.input->connectSource (*throughOut));
    const auto message = makeSysEx (largeSize, 7);

    CompletionRecord completion;
    ASSERT_TRUE (program.output->sendSysEx (*through, message, completion.callback()));
    ASSERT_TRUE (program.received.waitForMessages (1, transferTimeout))
        << "received " << program.received.getByteCount() << " bytes";
    EXPECT_TRUE (program.received.getMessages().at (0) == message)
        << describeDifference (message, program.received.getMessages().at (0));
    ASSERT_TRUE (completion.wait (5s));
    EXPECT_TRUE (completion.allSent);
}

// Another program's client, with the sequencer's default queue: at the
// backend's own pace a 64 KiB message arrives whole; unpaced it overruns the
// receiver's kernel queue, which then drops what it held, and only part of the
// message arrives.
TEST_F (AlsaSysExVm, UnpacedSendLosesWhatThePacingDelivers)
{
    const auto message = makeSysEx (largeSize, 8);
    auto sendTo = [&] (midiport::OutputPort& output, const char* name) {
        OtherProgramClient other (name);
        EXPECT_TRUE (other.isOpen());
        const auto destination = findByDisplayName (backend.getDestinations(), std::string (name) + " - In");
        EXPECT_TRUE (destination.has_value());
        if (! destination.has_value())
            return std::make_pair (Bytes {}, 0);
        CompletionRecord completion;
        EXPECT_TRUE (output.sendSysEx (*destination, message, completion.callback()));
        EXPECT_TRUE (completion.wait (transferTimeout));
        std::this_thread::sleep_for (500ms);
        return std::make_pair (other.getBytes(), other.getOverflows());
    };

    const auto paced = sendTo (*program.output, "Paced Receiver");
    EXPECT_TRUE (paced.first == message) << describeDifference (message, paced.first);
    EXPECT_EQ (paced.second, 0);

    midiport::AlsaBackend unpacedBackend;
    unpacedBackend.setSysExPauseForTesting (std::chrono::microseconds (0));
    ProgramSide unpaced (unpacedBackend);
    ASSERT_TRUE (unpaced.isComplete());
    const auto lossy = sendTo (*unpaced.output, "Unpaced Receiver");
    std::printf ("unpaced: %zu of %zu bytes arrived, %d overflows\n", lossy.first.size(), message.size(), lossy.second);
    EXPECT_LT (lossy.first.size(), message.size()) << "the unpaced send lost nothing";
    EXPECT_GT (lossy.second, 0);
}

// This program's own receivers keep a larger kernel queue than the default:
// a burst that overfills the default queue several times over is held whole
// even when it comes unpaced.
TEST_F (AlsaSysExVm, ThisProgramsReceiversHoldABurstTooLargeForTheDefaultQueue)
{
    midiport::AlsaBackend unpacedBackend;
    unpacedBackend.setSysExPauseForTesting (std::chrono::microseconds (0));
    ProgramSide unpaced (unpacedBackend);
    ASSERT_TRUE (unpaced.isComplete());
    Peer peer (backend);
    ASSERT_NE (peer.device, nullptr);
    const auto burst = makeSysEx (16 * 1024, 9);

    CompletionRecord completion;
    ASSERT_TRUE (unpaced.output->sendSysEx (peer.device->getDestination(), burst, completion.callback()));
    ASSERT_TRUE (completion.wait (transferTimeout));
    EXPECT_TRUE (completion.allSent);
    ASSERT_TRUE (peer.received.waitForBytes (burst.size(), 10s)) << "received " << peer.received.getByteCount();
    peer.received.waitUntilQuiet (300ms, 5s);
    EXPECT_TRUE (peer.received.getBytes() == burst) << describeDifference (burst, peer.received.getBytes());
}

// A reader that stalls while a long message comes in from a sender that goes
// on once there is room again: the kernel throws away what it had queued when
// the queue was full. What arrives after that must not be glued to the
// beginning already delivered into a message that looks whole; the next
// message arrives whole.
TEST_F (AlsaSysExVm, AReaderThatFellBehindNeverGetsAMessageWithAGap)
{
    OtherProgramClient sender ("Relentless Sender");
    ASSERT_TRUE (sender.isOpen());
    const auto source = findByDisplayName (backend.getSources(), "Relentless Sender - Out");
    ASSERT_TRUE (source.has_value());

    Receiver received;
    std::atomic<bool> stalled { false };
    auto record = received.callback();
    auto client = backend.createClient ("Stalling Reader", [] {});
    ASSERT_NE (client, nullptr);
    auto input = client->createInputPort ("In", [&] (const midiport::PacketList& packets) {
        record (packets);
        if (! stalled.exchange (true))
            std::this_thread::sleep_for (1500ms);
    });
    ASSERT_NE (input, nullptr);
    ASSERT_TRUE (input->connectSource (*source));

    const auto damaged = makeSysEx (2 * largeSize, 11);
    ASSERT_TRUE (sender.sendToSubscribers (damaged, 256));
    received.waitUntilQuiet (500ms, 10s);
    ASSERT_LT (received.getByteCount(), damaged.size()) << "the reader did not fall behind; nothing was tested";
    EXPECT_TRUE (received.getMessages().empty()) << "a message with a gap was delivered as whole: "
                                                 << received.getMessages().front().size() << " bytes";

    const auto next = makeSysEx (1000, 12);
    ASSERT_TRUE (sender.sendToSubscribers (next, 256));
    ASSERT_TRUE (received.waitForMessages (1, 10s));
    EXPECT_TRUE (received.getMessages().front() == next);
}

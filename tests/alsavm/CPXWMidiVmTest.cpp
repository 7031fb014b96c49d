// The program's MIDI wrapper on the ALSA backend, talking to the simulated
// instrument through the kernel sequencer: ports found and opened by index and
// by name, a request answered, a 64 KiB message each way, the sent report,
// and setup-change notices.

#include "SequencerTestSupport.h"

#include "midiport/AlsaBackend.h"
#include "midiport/CPXWMidi.h"
#include "midiport/DefaultBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

using namespace seqtest;

namespace
{
const Bytes identityRequest { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };

// Keeps what the wrapper reports; the wrapper calls it on backend threads.
class RecordingListener : public CPXWMidiListener
{
public:
    void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        record ([&] { shortMessages.emplace_back (message.getBytes(), message.getBytes() + message.getLength()); });
    }

    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        record ([&] { sysEx.emplace_back (message.getBytes(), message.getBytes() + message.getLength()); });
    }

    void sysExProgress (CPXWMidi*, std::uint32_t, const std::uint8_t*) override
    {
        record ([&] { ++progressCalls; });
    }

    void sysExSent (CPXWMidi*, std::uint32_t byteCount) override
    {
        record ([&] { sentCounts.push_back (byteCount); });
    }

    void setupChanged (CPXWMidi*) override
    {
        record ([&] { ++setupChanges; });
    }

    template <typename Condition>
    bool waitFor (Condition condition, std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> guard (lock);
        return changed.wait_for (guard, timeout, [&] { return condition(); });
    }

    std::vector<Bytes> getSysEx() { std::lock_guard<std::mutex> guard (lock); return sysEx; }
    std::vector<Bytes> getShortMessages() { std::lock_guard<std::mutex> guard (lock); return shortMessages; }
    std::vector<std::uint32_t> getSentCounts() { std::lock_guard<std::mutex> guard (lock); return sentCounts; }
    int getSetupChanges() { std::lock_guard<std::mutex> guard (lock); return setupChanges; }
    int getProgressCalls() { std::lock_guard<std::mutex> guard (lock); return progressCalls; }

    std::vector<Bytes> sysEx;
    std::vector<Bytes> shortMessages;
    std::vector<std::uint32_t> sentCounts;
    int setupChanges = 0;
    int progressCalls = 0;

private:
    template <typename Fn>
    void record (Fn&& fn)
    {
        {
            std::lock_guard<std::mutex> guard (lock);
            fn();
        }
        changed.notify_all();
    }

    std::mutex lock;
    std::condition_variable changed;
};

int indexOf (const juce::String& name, int count, juce::String (*nameAt) (int))
{
    for (int i = 0; i < count; ++i)
        if (nameAt (i) == name)
            return i;
    return -1;
}

std::vector<std::string> sourceNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < CPXWMidi::getSourceCount(); ++i)
        names.push_back (CPXWMidi::getSourceName (i).toStdString());
    return names;
}

struct CPXWMidiVm : ::testing::Test
{
    void SetUp() override
    {
        ASSERT_TRUE (backend->isAvailable()) << "no sequencer in this machine";
        midiport::setDefaultBackend (backend);
        ASSERT_TRUE (instrument.isAttached());
        ASSERT_TRUE (midi.createClient ("Librarian Under Test"));
        midi.addListener (&listener);
    }

    void TearDown() override
    {
        midi.removeAllListeners();
        midiport::setDefaultBackend (nullptr);
    }

    std::shared_ptr<midiport::AlsaBackend> backend = std::make_shared<midiport::AlsaBackend>();
    sim::SimulatedInstrument instrument { *backend };
    CPXWMidi midi { backend };
    RecordingListener listener;
};
}

TEST_F (CPXWMidiVm, OpensTheInstrumentByIndexAndGetsItsAnswer)
{
    const int sourceIndex = indexOf ("Solivane Sim - Sim Out", CPXWMidi::getSourceCount(), &CPXWMidi::getSourceName);
    const int destinationIndex = indexOf ("Solivane Sim - Sim In", CPXWMidi::getDestinationCount(), &CPXWMidi::getDestinationName);
    ASSERT_GE (sourceIndex, 0);
    ASSERT_GE (destinationIndex, 0);
    EXPECT_EQ (CPXWMidi::getSourceName (CPXWMidi::getSourceCount()), juce::String());

    ASSERT_TRUE (midi.openInput (sourceIndex));
    ASSERT_TRUE (midi.openOutput (destinationIndex));
    EXPECT_FALSE (midi.openInput (sourceIndex)) << "a second input was opened";

    ASSERT_TRUE (midi.sendSysEx ((std::uint32_t) identityRequest.size(), identityRequest.data()));
    ASSERT_TRUE (listener.waitFor ([&] { return ! listener.sysEx.empty(); }, 5s));
    const auto reply = listener.getSysEx().front();
    ASSERT_EQ (reply.size(), 15u);
    EXPECT_EQ (reply[3], 0x06);
    EXPECT_EQ (reply[4], 0x02);

    ASSERT_TRUE (instrument.waitForRequests (1, 5s));
    EXPECT_EQ (instrument.getRequests().at (0).kind, sim::RequestKind::identityRequest);
}

TEST_F (CPXWMidiVm, OpensTheInstrumentByNameAndExchangesShortMessages)
{
    EXPECT_FALSE (midi.openInputByName ("No Such Device - Nowhere"));
    EXPECT_FALSE (midi.openOutputByName ("Solivane Sim - Sim Out")) << "a source was opened as a destination";
    ASSERT_TRUE (midi.openInputByName ("Solivane Sim - Sim Out"));
    ASSERT_TRUE (midi.openOutputByName ("Solivane Sim - Sim In"));

    // From the instrument: a controller and a program change.
    ASSERT_TRUE (instrument.sendRaw (Bytes { 0xB0, 0x07, 0x64, 0xC0, 0x05 }));
    ASSERT_TRUE (listener.waitFor ([&] { return listener.shortMessages.size() >= 2; }, 5s));
    const auto shortMessages = listener.getShortMessages();
    EXPECT_EQ (shortMessages[0], (Bytes { 0xB0, 0x07, 0x64 }));
    EXPECT_EQ (shortMessages[1], (Bytes { 0xC0, 0x05 }));

    // To the instrument: a short message, then a request it answers.
    EXPECT_TRUE (midi.sendShort (0x90, 0x3C, 0x64));
    ASSERT_TRUE (midi.sendSysEx ((std::uint32_t) identityRequest.size(), identityRequest.data()));
    ASSERT_TRUE (listener.waitFor ([&] { return ! listener.sysEx.empty(); }, 5s));
    ASSERT_TRUE (instrument.waitForRequests (1, 5s));
    EXPECT_EQ (instrument.getRequests().at (0).bytes, identityRequest);
}

TEST_F (CPXWMidiVm, LargeMessagesBothWaysArriveWholeAndTheSendIsReported)
{
    ASSERT_TRUE (midi.openInputByName ("Solivane Sim - Sim Out"));
    ASSERT_TRUE (midi.openOutputByName ("Solivane Sim - Sim In"));
    const auto outgoing = makeSysEx (64 * 1024, 21);
    const auto incoming = makeSysEx (64 * 1024, 22);

    ASSERT_TRUE (midi.sendSysEx ((std::uint32_t) outgoing.size(), outgoing.data()));
    ASSERT_TRUE (listener.waitFor ([&] { return ! listener.sentCounts.empty(); }, 30s));
    EXPECT_EQ (listener.getSentCounts(), (std::vector<std::uint32_t> { (std::uint32_t) outgoing.size() }));
    ASSERT_TRUE (instrument.waitForRequests (1, 30s));
    EXPECT_TRUE (instrument.getRequests().at (0).bytes == outgoing);

    ASSERT_TRUE (instrument.sendRaw (incoming));
    ASSERT_TRUE (listener.waitFor ([&] { return ! listener.sysEx.empty(); }, 30s));
    const auto received = listener.getSysEx();
    ASSERT_EQ (received.size(), 1u);
    EXPECT_TRUE (received[0] == incoming) << describeDifference (incoming, received[0]);
    // The message came in pieces, each reported as progress.
    EXPECT_GT (listener.getProgressCalls(), 1);
}

TEST_F (CPXWMidiVm, SetupChangedWhenAnInstrumentAppearsAndGoesAway)
{
    auto settled = [&] {
        for (int seen = listener.getSetupChanges();; seen = listener.getSetupChanges())
            if (! listener.waitFor ([&] { return listener.setupChanges > seen; }, 300ms))
                return seen;
    };
    const int quiet = settled();
    const auto sourcesBefore = sourceNames();

    sim::Names names;
    names.deviceName = "Second Sim";
    auto second = std::make_unique<sim::SimulatedInstrument> (*backend, sim::InstrumentIdentity {}, names);
    ASSERT_TRUE (second->isAttached());
    EXPECT_TRUE (listener.waitFor ([&] { return listener.setupChanges > quiet; }, 2s));
    // The new source takes its place in the sequencer's numbering, which may
    // be before the others; those keep their order.
    const auto withSecond = sourceNames();
    EXPECT_EQ (withSecond.size(), sourcesBefore.size() + 1);
    EXPECT_EQ (without (withSecond, "Second Sim - Sim Out"), sourcesBefore);
    const int appeared = settled();

    second.reset();
    EXPECT_TRUE (listener.waitFor ([&] { return listener.setupChanges > appeared; }, 2s));
    EXPECT_EQ (sourceNames(), sourcesBefore);
}

#include "library/ProgramData.h"
#include "midi/LivesetBlock.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/SysExGenerator.h"
#include "midiport/CPXWMidi.h"
#include "midiport/VirtualBackend.h"
#include "support/sim/ScopedInstrumentAddress.h"
#include "support/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>

using namespace x48305_midi;
using namespace std::chrono_literals;
using sim::Behaviour;
using sim::Bytes;
using sim::RequestKind;

namespace
{
// Collects the System Exclusive messages that the wrapper delivers.
class Inbox : public CPXWMidiListener
{
public:
    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        std::lock_guard<std::mutex> guard (lock);
        messages.push_back (message);
        changed.notify_all();
    }

    void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage& message) override
    {
        std::lock_guard<std::mutex> guard (lock);
        shortMessages.push_back (message.getStatusByte());
    }

    // The next message, analysed; the "none" information when none came in time.
    AnalyzedInformation next (std::chrono::milliseconds timeout = 2000ms)
    {
        std::unique_lock<std::mutex> guard (lock);
        if (! changed.wait_for (guard, timeout, [this] { return ! messages.empty(); }))
            return AnalyzedInformation::none();
        const auto message = messages.front();
        messages.pop_front();
        guard.unlock();
        return MidiMessageAnalyzer().analyze (message);
    }

    std::size_t pending()
    {
        std::lock_guard<std::mutex> guard (lock);
        return messages.size();
    }

    std::vector<std::uint8_t> getShortMessages()
    {
        std::lock_guard<std::mutex> guard (lock);
        return shortMessages;
    }

private:
    std::mutex lock;
    std::condition_variable changed;
    std::deque<CPXWMidiMessage> messages;
    std::vector<std::uint8_t> shortMessages;
};

Bytes toBytes (const juce::MemoryBlock& block)
{
    const auto* data = static_cast<const std::uint8_t*> (block.getData());
    return Bytes (data, data + block.getSize());
}

struct SimulatedInstrumentOverWrapper : ::testing::Test
{
    sim::ScopedInstrumentAddress address;
    std::shared_ptr<midiport::VirtualBackend> backend = std::make_shared<midiport::VirtualBackend>();
    sim::SimulatedInstrument instrument { *backend };
    CPXWMidi midi { backend };
    Inbox inbox;

    void SetUp() override
    {
        ASSERT_TRUE (midi.createClient ("MidiDevice"));
        ASSERT_TRUE (midi.openInputByName (instrument.getSourceDisplayName()));
        ASSERT_TRUE (midi.openOutputByName (instrument.getDestinationDisplayName()));
        midi.addListener (&inbox);
    }

    void TearDown() override
    {
        midi.removeAllListeners();
        midi.closeInput();
        midi.closeOutput();
    }

    void send (const juce::MemoryBlock& block)
    {
        midi.send (CPXWMidiMessage (static_cast<const std::uint8_t*> (block.getData()),
                                    (std::uint32_t) block.getSize(), 0));
    }
};
}

TEST_F (SimulatedInstrumentOverWrapper, AnswersTheIdentityRequestAndAProgramRequest)
{
    SysExGenerator generator (0);
    send (generator.createIdentityRequest());
    const auto identity = inbox.next();
    ASSERT_EQ (identity.type, AnalyzedMessageType::identityReply);
    const auto reply = toBytes (identity.data);
    EXPECT_EQ (reply[5], 0x7D);
    EXPECT_EQ ((reply[7] << 8) | reply[6], 343);

    send (generator.createProgramDataDumpRequest (421));
    const auto dump = inbox.next();
    ASSERT_EQ (dump.type, AnalyzedMessageType::programDataDump);
    EXPECT_EQ (dump.value, 421);
    EXPECT_EQ (toBytes (dump.data), instrument.getProgram (421));

    const auto log = instrument.getRequests();
    ASSERT_EQ (log.size(), 2u);
    EXPECT_EQ (log[0].kind, RequestKind::identityRequest);
    EXPECT_EQ (log[1].kind, RequestKind::programDumpRequest);
    EXPECT_EQ (log[1].number, 421);
}

TEST_F (SimulatedInstrumentOverWrapper, SpeaksOnlyOnItsChannel)
{
    sim::InstrumentIdentity identity;
    identity.channel = 11;
    instrument.setIdentity (identity);

    send (SysExGenerator (0).createLivesetDataDumpRequest());
    EXPECT_EQ (inbox.next (300ms).type, AnalyzedMessageType::none);

    send (SysExGenerator (11).createLivesetDataDumpRequest());
    const auto block = inbox.next();
    ASSERT_EQ (block.type, AnalyzedMessageType::livesetDataDump);
    EXPECT_EQ (toBytes (block.data), sim::InstrumentMemory::defaultLiveset());
}

TEST_F (SimulatedInstrumentOverWrapper, WritesAProgramAndTheLivesetKeepingItsOwnBytes)
{
    x48305_data::ProgramData program;
    program.setName ("Glass Keys");
    const SysExGenerator generator (0);

    send (generator.createProgramDataDump (17, program));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);
    EXPECT_EQ (instrument.getProgram (17), Bytes (program.getRawData(), program.getRawData() + 336));

    send (generator.createCurrentProgramDataDump (program));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);
    EXPECT_EQ (instrument.getCurrentProgram(), Bytes (program.getRawData(), program.getRawData() + 336));

    // Read, change the numbers, write back.
    send (generator.createLivesetDataDumpRequest());
    const auto received = inbox.next();
    ASSERT_EQ (received.type, AnalyzedMessageType::livesetDataDump);
    LivesetBlock block (received.data);
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            block.setProgramNumber (bank, slot, (std::uint32_t) (499 - bank * 8 - slot));
    block.setProgramNumber (3, 7, 500);

    send (generator.createLivesetDataDump (block.getBytes()));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);

    const auto stored = instrument.getLiveset();
    for (std::size_t i = 0; i < stored.size(); ++i)
    {
        if (! sim::InstrumentMemory::isProgramNumberByte (i))
        {
            EXPECT_EQ (stored[i], sim::InstrumentMemory::ownByte (i)) << i;
        }
    }
    EXPECT_EQ (stored[4] | (stored[5] << 8), 499);
    EXPECT_EQ (stored[114] | (stored[115] << 8), 500);
}

TEST_F (SimulatedInstrumentOverWrapper, UserUnitsMoveBetweenSlots)
{
    const SysExGenerator generator (0);
    send (generator.createUserOscDataRequest (3));
    auto header = inbox.next();
    ASSERT_EQ (header.type, AnalyzedMessageType::userDataHeader);
    EXPECT_EQ (toBytes (header.data), Bytes (32, 0));

    Bytes image (1160, 0);
    const auto unitHeader = sim::InstrumentMemory::makeUnitHeader (4, "Wavetable");
    std::copy (unitHeader.begin(), unitHeader.end(), image.begin());
    image[1020] = 4;
    std::copy_n ("UOSC", 4, image.begin() + 1024);
    image[1030] = 0xC4;

    send (generator.createUserOscDataDump (3, juce::MemoryBlock (image.data(), image.size())));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);
    EXPECT_EQ (instrument.getUnitSlot (4, 3).image, image);

    send (generator.createUserOscSlotSwap (3, 9));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);
    send (generator.createUserOscDataRequest (9));
    header = inbox.next();
    ASSERT_EQ (header.type, AnalyzedMessageType::userDataHeader);
    EXPECT_EQ (toBytes (header.data), unitHeader);

    // A modulation-effect dump of an oscillator image is refused with a unit error.
    send (generator.createUserModFXDataDump (0, juce::MemoryBlock (image.data(), image.size())));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::userCommunicationError);

    send (generator.createUserOscSlotClear (9));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::acknowledge);
    EXPECT_TRUE (instrument.getUnitSlot (4, 9).isEmpty());

    send (generator.createUserRevFXSlotClear (8));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::refusal);
}

TEST_F (SimulatedInstrumentOverWrapper, RepliesInSmallPacketsWithTimingBytesArriveWhole)
{
    instrument.addRule (sim::every (RequestKind::programDumpRequest), Behaviour::inPackets (3, 10));
    send (SysExGenerator (0).createProgramDataDumpRequest (5));
    const auto dump = inbox.next();
    ASSERT_EQ (dump.type, AnalyzedMessageType::programDataDump);
    EXPECT_EQ (toBytes (dump.data), instrument.getProgram (5));
    EXPECT_EQ (inbox.getShortMessages(), std::vector<std::uint8_t> (393 / 10, 0xF8));
}

TEST_F (SimulatedInstrumentOverWrapper, MisbehaviourAtAGivenRequest)
{
    instrument.addRule (sim::atRequest (0), Behaviour::shortened());
    instrument.addRule (sim::atRequest (1), Behaviour::refuse());
    instrument.addRule (sim::atRequest (2), Behaviour::silent());
    instrument.addRule (sim::atRequest (3), Behaviour::duplicated());
    const SysExGenerator generator (0);

    send (generator.createProgramDataDumpRequest (1));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::broken);
    send (generator.createProgramDataDumpRequest (2));
    EXPECT_EQ (inbox.next().type, AnalyzedMessageType::refusal);
    send (generator.createProgramDataDumpRequest (3));
    EXPECT_EQ (inbox.next (300ms).type, AnalyzedMessageType::none);
    send (generator.createProgramDataDumpRequest (4));
    EXPECT_EQ (inbox.next().value, 4);
    EXPECT_EQ (inbox.next().value, 4);
    EXPECT_EQ (inbox.pending(), 0u);
    EXPECT_EQ (instrument.getRequestCount(), 4u);
}

TEST_F (SimulatedInstrumentOverWrapper, DelayedReplyComesAfterTheDelay)
{
    instrument.setDefaultBehaviour (Behaviour::delayed (400ms));
    send (SysExGenerator (0).createIdentityRequest());
    EXPECT_EQ (inbox.next (200ms).type, AnalyzedMessageType::none);
    EXPECT_EQ (inbox.next (2000ms).type, AnalyzedMessageType::identityReply);
}

#include "midiport/VirtualBackend.h"
#include "sim/SimTestPort.h"
#include "support/sim/SimulatedInstrument.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sim;
using namespace std::chrono_literals;

namespace
{
Bytes maker (std::uint8_t function, const Bytes& body = {})
{
    Bytes m { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, function };
    m.insert (m.end(), body.begin(), body.end());
    m.push_back (0xF7);
    return m;
}

const Bytes ack = maker (0x23);
const Bytes refusal = maker (0x24);
const Bytes identityRequest { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };

struct SimulatedInstrumentTest : ::testing::Test
{
    midiport::VirtualBackend backend;
    SimulatedInstrument instrument { backend };
    simtest::TestPort port { backend, instrument.getSource(), instrument.getDestination() };

    Bytes programDump (int number, const Bytes& record)
    {
        Bytes body { (std::uint8_t) (number & 0x7F), (std::uint8_t) (number >> 7) };
        const auto packed = encodeSevenBit (record);
        body.insert (body.end(), packed.begin(), packed.end());
        return maker (0x4C, body);
    }
};
}

TEST_F (SimulatedInstrumentTest, AppearsUnderItsNamesAndAnswersTheIdentityRequest)
{
    ASSERT_TRUE (instrument.isAttached());
    ASSERT_TRUE (port.isConnected());
    EXPECT_EQ (instrument.getSourceDisplayName(), "Solivane Sim - Sim Out");
    EXPECT_EQ (instrument.getDestinationDisplayName(), "Solivane Sim - Sim In");

    const auto sources = backend.getSources();
    EXPECT_TRUE (std::find (sources.begin(), sources.end(), instrument.getSource()) != sources.end());

    ASSERT_TRUE (port.send (identityRequest));
    ASSERT_TRUE (port.waitForMessages (1));
    const auto reply = port.getMessages().front();
    ASSERT_EQ (reply.size(), 15u);
    // Version above the firmware gate by default.
    EXPECT_EQ (Bytes (reply.begin() + 10, reply.begin() + 13), (Bytes { 1, 1, 0 }));

    ASSERT_TRUE (instrument.waitForRequests (1, 1s));
    const auto log = instrument.getRequests();
    ASSERT_EQ (log.size(), 1u);
    EXPECT_EQ (log[0].kind, RequestKind::identityRequest);
    EXPECT_EQ (log[0].bytes, identityRequest);
}

TEST_F (SimulatedInstrumentTest, CustomNamesAndIdentity)
{
    InstrumentIdentity identity;
    identity.channel = 9;
    identity.versionPatch = 12;
    identity.versionMinor = 0;
    Names names;
    names.deviceName = "Second";
    names.sourceName = "Out 2";
    SimulatedInstrument second (backend, identity, names);
    simtest::TestPort secondPort (backend, second.getSource(), second.getDestination());

    EXPECT_EQ (second.getSourceDisplayName(), "Second - Out 2");
    ASSERT_TRUE (secondPort.send (identityRequest));
    ASSERT_TRUE (secondPort.waitForMessages (1));
    const auto reply = secondPort.getMessages().front();
    EXPECT_EQ (reply[2], 9);
    EXPECT_EQ (Bytes (reply.begin() + 10, reply.begin() + 13), (Bytes { 1, 0, 12 }));

    // The first instrument heard nothing.
    EXPECT_EQ (instrument.getRequestCount(), 0u);
}

TEST_F (SimulatedInstrumentTest, WritesAreStoredAndReadBack)
{
    Bytes record = InstrumentMemory::defaultProgram (7);
    record[20] = 0xFF;
    ASSERT_TRUE (port.send (programDump (300, record)));
    ASSERT_TRUE (port.send (maker (0x1C, { 300 & 0x7F, 300 >> 7 })));
    ASSERT_TRUE (port.waitForMessages (2));

    const auto messages = port.getMessages();
    EXPECT_EQ (messages[0], ack);
    EXPECT_EQ (messages[1], programDump (300, record));
    EXPECT_EQ (instrument.getProgram (300), record);

    const auto log = instrument.getRequests();
    ASSERT_EQ (log.size(), 2u);
    EXPECT_EQ (log[0].kind, RequestKind::programDump);
    EXPECT_EQ (log[0].number, 300);
    EXPECT_EQ (log[1].kind, RequestKind::programDumpRequest);
    EXPECT_EQ (log[1].occurrence, 0u);
}

TEST_F (SimulatedInstrumentTest, RulesPickRequestsByIndexKindAndOccurrence)
{
    instrument.addRule (nth (RequestKind::programDumpRequest, 1), Behaviour::refuse());
    instrument.addRule (atRequest (3), Behaviour::userUnitError (0x2B));

    for (int n = 0; n < 4; ++n)
        ASSERT_TRUE (port.send (maker (0x1C, { (std::uint8_t) n, 0 })));
    ASSERT_TRUE (port.waitForMessages (4));

    const auto messages = port.getMessages();
    EXPECT_EQ (messages[0].size(), 394u);
    EXPECT_EQ (messages[1], refusal);
    EXPECT_EQ (messages[2].size(), 394u);
    EXPECT_EQ (messages[3], maker (0x2B));
}

TEST_F (SimulatedInstrumentTest, RefusedWritesChangeNothing)
{
    instrument.addRule (every (RequestKind::programDump), Behaviour::refuse(), 1);
    const auto before = instrument.getProgram (3);
    ASSERT_TRUE (port.send (programDump (3, Bytes (336, 0x11))));
    ASSERT_TRUE (port.send (programDump (4, Bytes (336, 0x22))));
    ASSERT_TRUE (port.waitForMessages (2));
    EXPECT_EQ (port.getMessages()[0], refusal);
    EXPECT_EQ (port.getMessages()[1], ack);
    EXPECT_EQ (instrument.getProgram (3), before);
    EXPECT_EQ (instrument.getProgram (4), Bytes (336, 0x22));
}

TEST_F (SimulatedInstrumentTest, SilentShortAndDuplicatedReplies)
{
    instrument.addRule (atRequest (0), Behaviour::silent());
    instrument.addRule (atRequest (1), Behaviour::shortened (2));
    instrument.addRule (atRequest (2), Behaviour::duplicated());

    ASSERT_TRUE (port.send (maker (0x16)));
    ASSERT_TRUE (port.send (maker (0x16)));
    ASSERT_TRUE (port.send (maker (0x16)));
    ASSERT_TRUE (instrument.waitForRequests (3, 2s));
    ASSERT_TRUE (port.waitForMessages (3));

    const auto messages = port.getMessages();
    ASSERT_EQ (messages.size(), 3u);
    EXPECT_EQ (messages[0].size(), 153u);
    EXPECT_EQ (messages[0].back(), 0xF7);
    EXPECT_EQ (messages[1].size(), 155u);
    EXPECT_EQ (messages[1], messages[2]);
    EXPECT_EQ (instrument.getReplyCount(), 3u);
}

TEST_F (SimulatedInstrumentTest, ALateRepeatComesJustBeforeTheNextAnswer)
{
    instrument.addRule (atRequest (0), Behaviour::repeatedLate());
    ASSERT_TRUE (port.send (maker (0x1C, { 5, 0 })));
    ASSERT_TRUE (instrument.waitForRequests (1, 2s));
    ASSERT_TRUE (port.send (maker (0x1C, { 6, 0 })));
    ASSERT_TRUE (port.waitForMessages (3));

    const auto messages = port.getMessages();
    ASSERT_EQ (messages.size(), 3u);
    EXPECT_EQ (messages[0], messages[1]);
    EXPECT_EQ (messages[0][7], 5);
    EXPECT_EQ (messages[2][7], 6);
}

TEST_F (SimulatedInstrumentTest, DelayedRepliesInSmallPacketsWithTimingBytes)
{
    Behaviour behaviour = Behaviour::inPackets (5, 16);
    behaviour.delay = 150ms;
    instrument.addRule (every (RequestKind::livesetRequest), behaviour);

    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE (port.send (maker (0x16)));
    ASSERT_TRUE (port.waitForMessages (1));
    EXPECT_GE (std::chrono::steady_clock::now() - start, 140ms);

    const auto reply = port.getMessages().front();
    ASSERT_EQ (reply.size(), 155u);
    EXPECT_EQ (decodeSevenBit (reply, 7, 128), InstrumentMemory::defaultLiveset());
    EXPECT_GE (port.getPacketCount(), 155u / 5);
    EXPECT_EQ (port.getRealTimeBytes(), Bytes (154 / 16, 0xF8));
}

TEST_F (SimulatedInstrumentTest, AssemblesRequestsFromPiecesAndSkipsRealTimeBytes)
{
    // A request cut into pieces with real-time bytes inside counts whole.
    ASSERT_TRUE (port.sendRaw ({ 0xF0, 0x7D, 0x30 }));
    ASSERT_TRUE (port.sendRaw ({ 0xFE }));
    ASSERT_TRUE (port.sendRaw ({ 0x00, 0x01, 0x57, 0x1C, 0xF8 }));
    ASSERT_TRUE (port.sendRaw ({ 0x01, 0x00, 0xF7 }));

    // A message cut off by another status byte is dropped; a stray F7 is nothing.
    ASSERT_TRUE (port.sendRaw ({ 0xF0, 0x7D, 0x30, 0x00, 0x90, 0x40, 0x7F }));
    ASSERT_TRUE (port.sendRaw ({ 0xF7, 0x01, 0xF7 }));
    ASSERT_TRUE (port.send (maker (0x16)));

    ASSERT_TRUE (instrument.waitForRequests (2, 2s));
    ASSERT_TRUE (port.waitForMessages (2));
    const auto log = instrument.getRequests();
    ASSERT_EQ (log.size(), 2u);
    EXPECT_EQ (log[0].kind, RequestKind::programDumpRequest);
    EXPECT_EQ (log[0].number, 1);
    EXPECT_EQ (log[1].kind, RequestKind::livesetRequest);
}

TEST_F (SimulatedInstrumentTest, CustomBytesAndUnpromptedSends)
{
    instrument.addRule (every (RequestKind::identityRequest), Behaviour::custom ({ 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x41, 0xF7 }));
    ASSERT_TRUE (port.send (identityRequest));
    ASSERT_TRUE (port.waitForMessages (1));
    EXPECT_EQ (port.getMessages()[0], (Bytes { 0xF0, 0x7E, 0x00, 0x06, 0x02, 0x41, 0xF7 }));

    ASSERT_TRUE (instrument.sendRaw (ack));
    ASSERT_TRUE (port.waitForMessages (2));
    EXPECT_EQ (port.getMessages()[1], ack);
}

TEST_F (SimulatedInstrumentTest, ClosesWhileADelayedReplyIsPending)
{
    auto transient = std::make_unique<SimulatedInstrument> (backend);
    simtest::TestPort transientPort (backend, transient->getSource(), transient->getDestination());
    transient->setDefaultBehaviour (Behaviour::delayed (10s));
    ASSERT_TRUE (transientPort.send (identityRequest));

    // Wait for the request to be logged, then tear down at once.
    for (int i = 0; i < 200 && transient->getRequestCount() == 0; ++i)
        std::this_thread::sleep_for (5ms);
    ASSERT_EQ (transient->getRequestCount(), 1u);

    const auto start = std::chrono::steady_clock::now();
    transient.reset();
    EXPECT_LT (std::chrono::steady_clock::now() - start, 2s);
    EXPECT_TRUE (transientPort.getMessages().empty());
}

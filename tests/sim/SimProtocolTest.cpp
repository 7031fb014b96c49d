#include "support/sim/SimProtocol.h"

#include <gtest/gtest.h>

using namespace sim;

namespace
{
Bytes maker (std::uint8_t function, const Bytes& body = {}, std::uint8_t channelByte = 0x30)
{
    Bytes m { 0xF0, 0x7D, channelByte, 0x00, 0x01, 0x57, function };
    m.insert (m.end(), body.begin(), body.end());
    m.push_back (0xF7);
    return m;
}

const Bytes ack { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x23, 0xF7 };
const Bytes refusal { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x24, 0xF7 };

struct SimProtocolTest : ::testing::Test
{
    InstrumentIdentity identity;
    InstrumentMemory memory;

    Bytes exchange (const Bytes& message)
    {
        const Protocol protocol (identity);
        return protocol.respond (protocol.classify (message), memory);
    }
};
}

TEST_F (SimProtocolTest, IdentityAndSearchRepliesOrderTheFamilyCodeLowByteFirst)
{
    identity.channel = 5;
    identity.memberId = 0x0102;
    identity.versionMajor = 1;
    identity.versionMinor = 0;
    identity.versionPatch = 13;

    EXPECT_EQ (exchange ({ 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }),
               (Bytes { 0xF0, 0x7E, 0x05, 0x06, 0x02, 0x7D, 0x57, 0x01, 0x02, 0x01, 0x01, 0x00, 0x0D, 0x00, 0xF7 }));
    // Addressed to its own device ID it answers; to another one it does not.
    EXPECT_EQ (exchange ({ 0xF0, 0x7E, 0x05, 0x06, 0x01, 0xF7 }).size(), 15u);
    EXPECT_TRUE (exchange ({ 0xF0, 0x7E, 0x06, 0x06, 0x01, 0xF7 }).empty());

    EXPECT_EQ (exchange ({ 0xF0, 0x7D, 0x50, 0x00, 0x03, 0xF7 }),
               (Bytes { 0xF0, 0x7D, 0x50, 0x01, 0x05, 0x03, 0x57, 0x01, 0x02, 0x01, 0x01, 0x00, 0x0D, 0x00, 0xF7 }));

    identity.answerDeviceSearch = false;
    EXPECT_TRUE (exchange ({ 0xF0, 0x7D, 0x50, 0x00, 0x03, 0xF7 }).empty());
}

TEST_F (SimProtocolTest, ProgramRequestsAndWrites)
{
    memory.program (499) = Bytes (336, 0x81);
    const auto reply = exchange (maker (0x1C, { 0x73, 0x03 }));
    ASSERT_EQ (reply.size(), 394u);
    EXPECT_EQ (Bytes (reply.begin(), reply.begin() + 18),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x4C, 0x73, 0x03, 0x7F, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x7F }));

    EXPECT_EQ (exchange (maker (0x1C, { 0x74, 0x03 })), refusal);   // 500
    EXPECT_EQ (exchange (maker (0x1C, { 0x00 })), refusal);         // too short

    // A write of bytes with their top bits set lands in the memory unchanged.
    Bytes record (336);
    for (std::size_t i = 0; i < record.size(); ++i)
        record[i] = (std::uint8_t) (0x80 | (i % 128));
    Bytes body { 0x05, 0x00 };
    const auto packed = encodeSevenBit (record);
    body.insert (body.end(), packed.begin(), packed.end());
    EXPECT_EQ (exchange (maker (0x4C, body)), ack);
    EXPECT_EQ (memory.program (5), record);

    body.pop_back();
    EXPECT_EQ (exchange (maker (0x4C, body)), refusal);
}

TEST_F (SimProtocolTest, CurrentProgramAndLiveset)
{
    const auto record = InstrumentMemory::defaultProgram (42);
    EXPECT_EQ (exchange (maker (0x40, encodeSevenBit (record))), ack);
    EXPECT_EQ (memory.currentProgram, record);

    const auto reply = exchange (maker (0x16));
    ASSERT_EQ (reply.size(), 155u);
    EXPECT_EQ (decodeSevenBit (reply, 7, 128), InstrumentMemory::defaultLiveset());

    // The seeded block: bank 1 slot 2 is program 10, byte 0 is the instrument's own.
    const auto block = InstrumentMemory::defaultLiveset();
    EXPECT_EQ (block[32 + 4 + 4], 10);
    EXPECT_EQ (block[32 + 4 + 5], 0);
    EXPECT_EQ (block[0], InstrumentMemory::ownByte (0));
    EXPECT_TRUE (InstrumentMemory::isProgramNumberByte (36));
    EXPECT_FALSE (InstrumentMemory::isProgramNumberByte (52));

    Bytes changed (128, 0xEE);
    EXPECT_EQ (exchange (maker (0x46, encodeSevenBit (changed))), ack);
    EXPECT_EQ (memory.liveset, changed);
}

TEST_F (SimProtocolTest, UnitHeadersForEmptyAndOccupiedSlots)
{
    EXPECT_EQ (exchange (maker (0x19, { 0x04, 0x03 })), maker (0x49, { 0x04, 0x03 }));

    identity.longEmptySlotReply = true;
    auto reply = exchange (maker (0x19, { 0x04, 0x03 }));
    ASSERT_EQ (reply.size(), 48u);
    EXPECT_EQ (decodeSevenBit (reply, 10, 32), Bytes (32, 0));

    memory.unitSlot (2, 7).header = InstrumentMemory::makeUnitHeader (2, "Echo");
    reply = exchange (maker (0x19, { 0x02, 0x07 }));
    ASSERT_EQ (reply.size(), 48u);
    EXPECT_EQ (Bytes (reply.begin() + 7, reply.begin() + 10), (Bytes { 0x02, 0x07, 0x00 }));
    EXPECT_EQ (decodeSevenBit (reply, 10, 32), memory.unitSlot (2, 7).header);

    EXPECT_EQ (exchange (maker (0x19, { 0x02, 0x08 })), refusal);   // delay slots are 0-7
    EXPECT_EQ (exchange (maker (0x19, { 0x05, 0x00 })), refusal);   // no kind 5
}

TEST_F (SimProtocolTest, UnitDumpsSwapsAndClears)
{
    Bytes image (1160, 0);
    const auto header = InstrumentMemory::makeUnitHeader (4, "Saw");
    std::copy (header.begin(), header.end(), image.begin());
    image[1024] = 'U';

    Bytes payload { 0x88, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 };
    payload.insert (payload.end(), image.begin(), image.end());
    Bytes body { 0x04, 0x02 };
    const auto packed = encodeSevenBit (payload);
    body.insert (body.end(), packed.begin(), packed.end());
    EXPECT_EQ (exchange (maker (0x4A, body)), ack);
    EXPECT_EQ (memory.unitSlot (4, 2).image, image);
    EXPECT_EQ (memory.unitSlot (4, 2).header, header);

    // The same image sent as a modulation effect does not fit the kind.
    body[0] = 0x01;
    EXPECT_EQ (exchange (maker (0x4A, body)), maker (0x28));

    // A size prefix that disagrees with the bytes sent.
    payload[0] = 0x87;
    Bytes badSize { 0x04, 0x03 };
    const auto packedBad = encodeSevenBit (payload);
    badSize.insert (badSize.end(), packedBad.begin(), packedBad.end());
    EXPECT_EQ (exchange (maker (0x4A, badSize)), maker (0x27));
    EXPECT_TRUE (memory.unitSlot (4, 3).isEmpty());

    EXPECT_EQ (exchange (maker (0x1E, { 0x04, 0x02, 0x05 })), ack);
    EXPECT_TRUE (memory.unitSlot (4, 2).isEmpty());
    EXPECT_EQ (memory.unitSlot (4, 5).header, header);

    EXPECT_EQ (exchange (maker (0x1E, { 0x04, 0x05, 0x10 })), refusal);
    EXPECT_EQ (exchange (maker (0x1B, { 0x04, 0x05 })), ack);
    EXPECT_TRUE (memory.unitSlot (4, 5).isEmpty());
}

TEST_F (SimProtocolTest, IgnoresWhatIsNotForIt)
{
    const Protocol protocol (identity);
    EXPECT_EQ (protocol.classify (maker (0x16, {}, 0x31)).kind, RequestKind::other);   // channel 1
    auto otherFamily = maker (0x16);
    otherFamily[5] = 0x58;
    EXPECT_EQ (protocol.classify (otherFamily).kind, RequestKind::other);
    EXPECT_EQ (protocol.classify (maker (0x23)).kind, RequestKind::other);
    EXPECT_TRUE (exchange (maker (0x23)).empty());

    const auto swap = protocol.classify (maker (0x1E, { 0x03, 0x01, 0x06 }));
    EXPECT_EQ (swap.kind, RequestKind::unitSwap);
    EXPECT_EQ (swap.unitKind, 3);
    EXPECT_EQ (swap.number, 1);
    EXPECT_EQ (swap.secondSlot, 6);

    const auto request = protocol.classify (maker (0x1C, { 0x00, 0x01 }));
    EXPECT_EQ (request.kind, RequestKind::programDumpRequest);
    EXPECT_EQ (request.number, 128);
}

#include "midi/SysExGenerator.h"
#include "support/sim/SimSevenBitCodec.h"
#include "sysex/SysExTestBytes.h"

#include <gtest/gtest.h>

using namespace x48305_midi;
using sysextest::Bytes;
using sysextest::toBytes;

namespace
{
const InstrumentAddress solivane { 343, InstrumentAddress::anyMember };

SysExGenerator generator (std::uint32_t channel = 0)
{
    return SysExGenerator (channel, solivane);
}

juce::MemoryBlock blockOf (const Bytes& bytes)
{
    return juce::MemoryBlock (bytes.data(), bytes.size());
}

struct FixedAddress : InstrumentAddressSource
{
    InstrumentAddress address;
    InstrumentAddress getInstrumentAddress() const override { return address; }
};
}

TEST (SysExGenerator, IdentityRequestIsTheSameOnEveryChannel)
{
    const Bytes expected { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 };
    EXPECT_EQ (toBytes (generator (0).createIdentityRequest()), expected);
    EXPECT_EQ (toBytes (generator (15).createIdentityRequest()), expected);
}

TEST (SysExGenerator, ProgramDumpRequests)
{
    EXPECT_EQ (toBytes (generator().createProgramDataDumpRequest (499)),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1C, 0x73, 0x03, 0xF7 }));
    EXPECT_EQ (toBytes (generator().createProgramDataDumpRequest (128)),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1C, 0x00, 0x01, 0xF7 }));
    EXPECT_EQ (toBytes (generator (15).createProgramDataDumpRequest (0)),
               (Bytes { 0xF0, 0x7D, 0x3F, 0x00, 0x01, 0x57, 0x1C, 0x00, 0x00, 0xF7 }));
    EXPECT_EQ (toBytes (generator (7).createProgramDataDumpRequest (127)),
               (Bytes { 0xF0, 0x7D, 0x37, 0x00, 0x01, 0x57, 0x1C, 0x7F, 0x00, 0xF7 }));
}

TEST (SysExGenerator, LivesetMessages)
{
    EXPECT_EQ (toBytes (generator (2).createLivesetDataDumpRequest()),
               (Bytes { 0xF0, 0x7D, 0x32, 0x00, 0x01, 0x57, 0x16, 0xF7 }));

    EXPECT_EQ (toBytes (generator().createLivesetDataDump (blockOf ({ 0x81, 0x7F, 0x80 }))),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x46, 0x05, 0x01, 0x7F, 0x00, 0xF7 }));

    EXPECT_EQ (toBytes (generator().createLivesetDataDump ({})),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x46, 0xF7 }));

    // A whole 128-byte block: 155 bytes, the first group written out by hand.
    auto block = sysextest::highBitPattern (128, 1);
    const Bytes firstGroup { 0x81, 0x02, 0x83, 0x04, 0x85, 0x06, 0x87 };
    std::copy (firstGroup.begin(), firstGroup.end(), block.begin());
    const auto message = toBytes (generator().createLivesetDataDump (blockOf (block)));
    ASSERT_EQ (message.size(), 155u);
    EXPECT_EQ (Bytes (message.begin(), message.begin() + 15),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x46, 0x55, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07 }));
    EXPECT_EQ (message.back(), 0xF7);
    EXPECT_EQ (sim::decodeSevenBit (message, 7, 128), block);
}

TEST (SysExGenerator, UserUnitRequestsSwapsAndClearsForEveryKind)
{
    const auto g = generator();
    EXPECT_EQ (toBytes (g.createUserOscDataRequest (3)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x19, 0x04, 0x03, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserModFXDataRequest (15)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x19, 0x01, 0x0F, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserDelFXDataRequest (0)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x19, 0x02, 0x00, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserRevFXDataRequest (0x185)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x19, 0x03, 0x05, 0xF7 }));

    EXPECT_EQ (toBytes (g.createUserOscSlotSwap (2, 5)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1E, 0x04, 0x02, 0x05, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserModFXSlotSwap (15, 0)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1E, 0x01, 0x0F, 0x00, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserDelFXSlotSwap (7, 1)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1E, 0x02, 0x07, 0x01, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserRevFXSlotSwap (0x83, 0xFF)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1E, 0x03, 0x03, 0x7F, 0xF7 }));

    EXPECT_EQ (toBytes (g.createUserOscSlotClear (9)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1B, 0x04, 0x09, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserModFXSlotClear (1)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1B, 0x01, 0x01, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserDelFXSlotClear (7)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1B, 0x02, 0x07, 0xF7 }));
    EXPECT_EQ (toBytes (g.createUserRevFXSlotClear (4)), (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1B, 0x03, 0x04, 0xF7 }));
}

TEST (SysExGenerator, UserUnitDumpCarriesTheImageBehindASizePrefix)
{
    // Image AA 01 FF: payload 03 00 00 00 00 00 00 | 00 AA 01 FF.
    EXPECT_EQ (toBytes (generator (1).createUserOscDataDump (6, blockOf ({ 0xAA, 0x01, 0xFF }))),
               (Bytes { 0xF0, 0x7D, 0x31, 0x00, 0x01, 0x57, 0x4A, 0x04, 0x06,
                        0x00, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                        0x0A, 0x00, 0x2A, 0x01, 0x7F,
                        0xF7 }));

    // No image: the prefix alone, eight zero bytes packed to ten.
    EXPECT_EQ (toBytes (generator().createUserModFXDataDump (0, {})),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x4A, 0x01, 0x00,
                        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7 }));

    const auto g = generator();
    EXPECT_EQ (toBytes (g.createUserDelFXDataDump (2, blockOf (Bytes (100, 0x11)))).size(), 134u);
    EXPECT_EQ (toBytes (g.createUserDelFXDataDump (2, blockOf (Bytes (100, 0x11))))[7], 0x02);

    // A 1160-byte image: size 0x488, little-endian, 0x88 carries a top bit.
    const auto image = sysextest::highBitPattern (1160, 3);
    const auto message = toBytes (g.createUserRevFXDataDump (7, blockOf (image)));
    ASSERT_EQ (message.size(), sim::encodedSize (1168) + 10);
    EXPECT_EQ (Bytes (message.begin(), message.begin() + 17),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x4A, 0x03, 0x07,
                        0x01, 0x08, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00 }));
    EXPECT_EQ (message.back(), 0xF7);

    auto payload = sim::decodeSevenBit (message, 9, 1168);
    ASSERT_TRUE (payload.has_value());
    EXPECT_EQ (Bytes (payload->begin() + 8, payload->end()), image);
}

TEST (SysExGenerator, FamilyCodeBytesComeFromTheAddress)
{
    // Bits 8 to 14 and bits 0 to 6, each masked to seven bits.
    const auto other = toBytes (SysExGenerator (0, InstrumentAddress { 0x3FFF, 5 }).createLivesetDataDumpRequest());
    EXPECT_EQ (other, (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x3F, 0x7F, 0x16, 0xF7 }));

    // Without an installed address the family code is unknown.
    EXPECT_EQ (toBytes (SysExGenerator (0).createLivesetDataDumpRequest()),
               (Bytes { 0xF0, 0x7D, 0x30, 0x00, 0x7F, 0x7F, 0x16, 0xF7 }));

    FixedAddress source;
    source.address.familyCode = 343;
    setInstrumentAddressSource (&source);
    const SysExGenerator installed (4);
    source.address.familyCode = 0;   // read when the generator was made, not later
    EXPECT_EQ (toBytes (installed.createLivesetDataDumpRequest()),
               (Bytes { 0xF0, 0x7D, 0x34, 0x00, 0x01, 0x57, 0x16, 0xF7 }));
    clearInstrumentAddressSource (&source);
}

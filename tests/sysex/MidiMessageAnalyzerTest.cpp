#include "midi/MidiMessageAnalyzer.h"
#include "midiport/CPXWMidiMessage.h"
#include "support/sim/SimSevenBitCodec.h"
#include "sysex/SysExTestBytes.h"

#include <gtest/gtest.h>

using namespace x48305_midi;
using sysextest::Bytes;

namespace
{
constexpr std::uint32_t familyCode = 343;

// A maker message on channel 0 with the given function and body, closed by F7.
Bytes maker (std::uint8_t function, const Bytes& body = {})
{
    Bytes m { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, function };
    m.insert (m.end(), body.begin(), body.end());
    m.push_back (0xF7);
    return m;
}

// A maker message of exactly length bytes (length >= 8), body zero-filled.
Bytes makerOfLength (std::uint8_t function, std::size_t length)
{
    return maker (function, Bytes (length - 8, 0x00));
}

AnalyzedInformation analyze (const Bytes& bytes, std::uint32_t family = familyCode)
{
    sysextest::ExactMessage exact (bytes);
    MidiMessageAnalyzer analyzer (InstrumentAddress { family, InstrumentAddress::anyMember });
    return analyzer.analyze (exact.data.get(), exact.length);
}

void expectTypeOnly (const AnalyzedInformation& info, std::int32_t type)
{
    EXPECT_EQ (info.type, type);
    EXPECT_EQ (info.value, 0);
    EXPECT_EQ (info.data.getSize(), 0u);
}

Bytes identityReply()
{
    return { 0xF0, 0x7E, 0x03, 0x06, 0x02, 0x7D, 0x57, 0x01, 0x00, 0x00, 0x01, 0x00, 0x0D, 0x00, 0xF7 };
}

struct FixedAddress : InstrumentAddressSource
{
    InstrumentAddress address;
    InstrumentAddress getInstrumentAddress() const override { return address; }
};
}

TEST (MidiMessageAnalyzer, IdentityReplyOnlyWhenExactly15BytesWithSubIds0602)
{
    const auto reply = identityReply();
    const auto info = analyze (reply);
    EXPECT_EQ (info.type, AnalyzedMessageType::identityReply);
    EXPECT_EQ (info.value, 0);
    EXPECT_EQ (sysextest::toBytes (info.data), reply);

    auto longer = reply;
    longer.insert (longer.end() - 1, 0x00);
    expectTypeOnly (analyze (longer), AnalyzedMessageType::none);

    auto shorter = reply;
    shorter.erase (shorter.end() - 2);
    expectTypeOnly (analyze (shorter), AnalyzedMessageType::none);

    auto request = reply;
    request[4] = 0x01;
    expectTypeOnly (analyze (request), AnalyzedMessageType::none);

    auto otherSubId = reply;
    otherSubId[3] = 0x07;
    expectTypeOnly (analyze (otherSubId), AnalyzedMessageType::none);

    // A universal message never reads a byte it does not have.
    expectTypeOnly (analyze ({ 0xF0, 0x7E, 0x7F }), AnalyzedMessageType::none);
}

TEST (MidiMessageAnalyzer, MakerHeaderChecks)
{
    // Seven bytes are too few for any maker message.
    expectTypeOnly (analyze ({ 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x23 }), AnalyzedMessageType::none);

    expectTypeOnly (analyze (maker (0x23)), AnalyzedMessageType::acknowledge);

    auto otherRange = maker (0x23);
    otherRange[2] = 0x40;
    expectTypeOnly (analyze (otherRange), AnalyzedMessageType::none);

    auto lastChannel = maker (0x23);
    lastChannel[2] = 0x3F;
    expectTypeOnly (analyze (lastChannel), AnalyzedMessageType::acknowledge);

    auto otherFamily = maker (0x23);
    otherFamily[5] = 0x58;
    expectTypeOnly (analyze (otherFamily), AnalyzedMessageType::none);

    auto swappedFamily = maker (0x23);
    std::swap (swappedFamily[4], swappedFamily[5]);
    expectTypeOnly (analyze (swappedFamily), AnalyzedMessageType::none);

    auto byte3 = maker (0x23);
    byte3[3] = 0x22;
    expectTypeOnly (analyze (byte3), AnalyzedMessageType::acknowledge);

    // Bit 7 of the function byte is not part of the code.
    expectTypeOnly (analyze (maker (0xA3)), AnalyzedMessageType::acknowledge);

    auto otherMaker = maker (0x23);
    otherMaker[1] = 0x41;
    expectTypeOnly (analyze (otherMaker), AnalyzedMessageType::none);

    expectTypeOnly (analyze ({}), AnalyzedMessageType::none);
    expectTypeOnly (analyze ({ 0xF0 }), AnalyzedMessageType::none);
    EXPECT_EQ (MidiMessageAnalyzer().analyze (nullptr, 12).type, AnalyzedMessageType::none);
}

TEST (MidiMessageAnalyzer, FunctionsWithoutPayload)
{
    const std::pair<std::uint8_t, std::int32_t> table[] = {
        { 0x0E, 8 }, { 0x10, 4 }, { 0x16, 10 }, { 0x23, 18 }, { 0x24, 19 }, { 0x26, 17 },
        { 0x47, 12 }, { 0x48, 13 }, { 0x4A, 15 },
        { 0x27, 22 }, { 0x28, 22 }, { 0x2B, 22 }, { 0x2F, 22 },
        { 0x25, 1 }, { 0x30, 1 }, { 0x00, 1 }, { 0x7F, 1 }, { 0x41, 1 }, { 0x1D, 1 }
    };

    for (const auto& [function, type] : table)
    {
        expectTypeOnly (analyze (maker (function)), type);
        // Longer messages of the same function are classified the same way.
        expectTypeOnly (analyze (makerOfLength (function, 400)), type);
    }
}

TEST (MidiMessageAnalyzer, ProgramDumpRequestCarriesItsNumber)
{
    auto info = analyze (maker (0x1C, { 0x73, 0x03 }));
    EXPECT_EQ (info.type, AnalyzedMessageType::programDataDumpRequest);
    EXPECT_EQ (info.value, 499);

    EXPECT_EQ (analyze (maker (0x1C, { 0x00, 0x01 })).value, 128);

    // An eight-byte message has no byte 8: the missing byte counts as 0.
    info = analyze ({ 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1C, 0x05 });
    EXPECT_EQ (info.type, AnalyzedMessageType::programDataDumpRequest);
    EXPECT_EQ (info.value, 5);
    EXPECT_EQ (info.data.getSize(), 0u);
}

TEST (MidiMessageAnalyzer, ProgramDumpLengthBoundary)
{
    const auto record = sysextest::highBitPattern (336, 4);
    Bytes body { 0x73, 0x03 };
    const auto packed = sim::encodeSevenBit (record);
    body.insert (body.end(), packed.begin(), packed.end());
    const auto whole = maker (0x4C, body);
    ASSERT_EQ (whole.size(), 394u);

    const auto info = analyze (whole);
    EXPECT_EQ (info.type, AnalyzedMessageType::programDataDump);
    EXPECT_EQ (info.value, 499);
    EXPECT_EQ (sysextest::toBytes (info.data), record);

    // Longer messages are still read from byte 9.
    auto longer = whole;
    longer.insert (longer.end() - 1, { 0x11, 0x22 });
    EXPECT_EQ (sysextest::toBytes (analyze (longer).data), record);

    // One byte short, or as short as the header: broken, no number, no data.
    for (std::size_t length : { (std::size_t) 393, (std::size_t) 100, (std::size_t) 10, (std::size_t) 9, (std::size_t) 8 })
    {
        Bytes cut (whole.begin(), whole.begin() + (std::ptrdiff_t) (length - 1));
        cut.push_back (0xF7);
        expectTypeOnly (analyze (cut), AnalyzedMessageType::broken);
    }
}

TEST (MidiMessageAnalyzer, CurrentProgramDumpLengthBoundary)
{
    const auto record = sysextest::highBitPattern (336, 9);
    const auto whole = maker (0x40, sim::encodeSevenBit (record));
    ASSERT_EQ (whole.size(), 392u);

    const auto info = analyze (whole);
    EXPECT_EQ (info.type, AnalyzedMessageType::currentProgramDataDump);
    EXPECT_EQ (sysextest::toBytes (info.data), record);

    expectTypeOnly (analyze (makerOfLength (0x40, 391)), AnalyzedMessageType::broken);
    expectTypeOnly (analyze (makerOfLength (0x40, 8)), AnalyzedMessageType::broken);
}

TEST (MidiMessageAnalyzer, LivesetDumpLengthBoundary)
{
    const auto block = sysextest::highBitPattern (128, 2);
    const auto whole = maker (0x46, sim::encodeSevenBit (block));
    ASSERT_EQ (whole.size(), 155u);

    const auto info = analyze (whole);
    EXPECT_EQ (info.type, AnalyzedMessageType::livesetDataDump);
    EXPECT_EQ (sysextest::toBytes (info.data), block);

    expectTypeOnly (analyze (makerOfLength (0x46, 154)), AnalyzedMessageType::broken);
    expectTypeOnly (analyze (makerOfLength (0x46, 8)), AnalyzedMessageType::broken);
}

TEST (MidiMessageAnalyzer, UserHeaderLengths)
{
    // Exactly 10 bytes: an empty slot, reported as 32 zero bytes.
    auto info = analyze (maker (0x49, { 0x04, 0x03 }));
    EXPECT_EQ (info.type, AnalyzedMessageType::userDataHeader);
    EXPECT_EQ (sysextest::toBytes (info.data), Bytes (32, 0x00));

    // 48 bytes: 32 bytes unpacked from byte 10; bytes 7 to 9 are not examined.
    const auto header = sysextest::highBitPattern (32, 5);
    Bytes body { 0x7F, 0x7F, 0x7F };
    const auto packed = sim::encodeSevenBit (header);
    body.insert (body.end(), packed.begin(), packed.end());
    const auto whole = maker (0x49, body);
    ASSERT_EQ (whole.size(), 48u);
    info = analyze (whole);
    EXPECT_EQ (info.type, AnalyzedMessageType::userDataHeader);
    EXPECT_EQ (sysextest::toBytes (info.data), header);

    for (std::size_t length : { (std::size_t) 8, (std::size_t) 9, (std::size_t) 11, (std::size_t) 30, (std::size_t) 47 })
        expectTypeOnly (analyze (makerOfLength (0x49, length)), AnalyzedMessageType::broken);
}

TEST (MidiMessageAnalyzer, Function51LengthBoundary)
{
    const auto payload = sysextest::highBitPattern (32, 8);
    const auto whole = maker (0x51, sim::encodeSevenBit (payload));
    ASSERT_EQ (whole.size(), 45u);

    const auto info = analyze (whole);
    EXPECT_EQ (info.type, AnalyzedMessageType::function51);
    EXPECT_EQ (sysextest::toBytes (info.data), payload);

    expectTypeOnly (analyze (makerOfLength (0x51, 44)), AnalyzedMessageType::broken);
}

TEST (MidiMessageAnalyzer, FamilyCodeComesFromTheInstalledSourceOnEveryCall)
{
    const auto ack = maker (0x23);
    sysextest::ExactMessage exact (ack);
    MidiMessageAnalyzer analyzer;

    // Nothing installed: the family code is unknown and nothing matches.
    EXPECT_EQ (analyzer.analyze (exact.data.get(), exact.length).type, AnalyzedMessageType::none);

    FixedAddress source;
    source.address.familyCode = familyCode;
    setInstrumentAddressSource (&source);
    EXPECT_EQ (analyzer.analyze (exact.data.get(), exact.length).type, AnalyzedMessageType::acknowledge);

    source.address.familyCode = 344;
    EXPECT_EQ (analyzer.analyze (exact.data.get(), exact.length).type, AnalyzedMessageType::none);

    FixedAddress other;
    clearInstrumentAddressSource (&other);   // not installed: changes nothing
    EXPECT_EQ (getCurrentInstrumentAddress().familyCode, 344u);

    clearInstrumentAddressSource (&source);
    EXPECT_EQ (getCurrentInstrumentAddress().familyCode, InstrumentAddress::unknownFamilyCode);
}

TEST (MidiMessageAnalyzer, TheNoneInformationIsShared)
{
    const auto& none = AnalyzedInformation::none();
    EXPECT_EQ (&none, &AnalyzedInformation::none());
    expectTypeOnly (none, AnalyzedMessageType::none);
}

TEST (MidiMessageAnalyzer, WrapperMessagesAreReadWithinTheirLength)
{
    const MidiMessageAnalyzer analyzer (InstrumentAddress { familyCode, InstrumentAddress::anyMember });
    const auto message = [] (const Bytes& bytes) { return CPXWMidiMessage (bytes.data(), (std::uint32_t) bytes.size(), 0); };

    // A 0x4C message cut after its number: broken, and the number is not read.
    expectTypeOnly (analyzer.analyze (message ({ 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x4C, 0x73, 0x03 })),
                    AnalyzedMessageType::broken);

    const auto request = analyzer.analyze (message ({ 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x1C, 0x09 }));
    EXPECT_EQ (request.type, AnalyzedMessageType::programDataDumpRequest);
    EXPECT_EQ (request.value, 9);

    // A one-byte status message from the wrapper is nothing.
    expectTypeOnly (analyzer.analyze (CPXWMidiMessage (0xF8, 0)), AnalyzedMessageType::none);
    EXPECT_EQ (analyzer.analyze (message (identityReply())).type, AnalyzedMessageType::identityReply);
}

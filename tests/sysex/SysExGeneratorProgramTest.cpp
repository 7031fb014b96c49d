#include "library/ProgramData.h"
#include "midi/MidiMessageAnalyzer.h"
#include "midi/SysExGenerator.h"
#include "sysex/SysExTestBytes.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace x48305_midi;
using sysextest::Bytes;
using sysextest::toBytes;

namespace
{
const InstrumentAddress solivane { 343, InstrumentAddress::anyMember };

// "PROG", the name "Bright Pad 1", 0x80 at byte 16, 0xFE at byte 331, "PRED".
x48305_data::ProgramData sampleProgram()
{
    std::uint8_t record[336] = {};
    std::memcpy (record, "PROGBright Pad 1", 16);
    record[16] = 0x80;
    record[331] = 0xFE;
    std::memcpy (record + 332, "PRED", 4);

    x48305_data::ProgramData program;
    program.setRawData (record);
    return program;
}

// The packed record, group by group, as worked out by hand.
Bytes packedSampleRecord()
{
    Bytes packed {
        0x00, 'P', 'R', 'O', 'G', 'B', 'r', 'i',
        0x00, 'g', 'h', 't', ' ', 'P', 'a', 'd',
        0x04, ' ', '1', 0x00, 0x00, 0x00, 0x00, 0x00,
    };
    packed.resize (packed.size() + 44 * 8, 0x00);   // groups 3 to 46 are all zero
    const Bytes last { 0x04, 0x00, 0x00, 0x7E, 'P', 'R', 'E', 'D' };
    packed.insert (packed.end(), last.begin(), last.end());
    return packed;
}
}

TEST (SysExGeneratorProgram, ProgramDumpBytes)
{
    const auto message = toBytes (SysExGenerator (3, solivane).createProgramDataDump (300, sampleProgram()));

    Bytes expected { 0xF0, 0x7D, 0x33, 0x00, 0x01, 0x57, 0x4C, 0x2C, 0x02 };
    const auto packed = packedSampleRecord();
    ASSERT_EQ (packed.size(), 384u);
    expected.insert (expected.end(), packed.begin(), packed.end());
    expected.push_back (0xF7);

    ASSERT_EQ (message.size(), 394u);
    EXPECT_EQ (message, expected);
}

TEST (SysExGeneratorProgram, CurrentProgramDumpBytes)
{
    const auto message = toBytes (SysExGenerator (0, solivane).createCurrentProgramDataDump (sampleProgram()));

    Bytes expected { 0xF0, 0x7D, 0x30, 0x00, 0x01, 0x57, 0x40 };
    const auto packed = packedSampleRecord();
    expected.insert (expected.end(), packed.begin(), packed.end());
    expected.push_back (0xF7);

    ASSERT_EQ (message.size(), 392u);
    EXPECT_EQ (message, expected);
}

TEST (SysExGeneratorProgram, DumpsReadBackThroughTheAnalyzer)
{
    const auto program = sampleProgram();
    const SysExGenerator generator (0, solivane);
    const MidiMessageAnalyzer analyzer (solivane);
    const Bytes record (program.getRawData(), program.getRawData() + 336);

    for (std::uint32_t number : { 0u, 127u, 128u, 499u })
    {
        const auto dump = toBytes (generator.createProgramDataDump (number, program));
        const auto info = analyzer.analyze (dump.data(), dump.size());
        EXPECT_EQ (info.type, AnalyzedMessageType::programDataDump);
        EXPECT_EQ (info.value, (std::int32_t) number);
        EXPECT_EQ (toBytes (info.data), record);
    }

    const auto current = toBytes (generator.createCurrentProgramDataDump (program));
    const auto info = analyzer.analyze (current.data(), current.size());
    EXPECT_EQ (info.type, AnalyzedMessageType::currentProgramDataDump);
    EXPECT_EQ (toBytes (info.data), record);
}

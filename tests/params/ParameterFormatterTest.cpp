#include "library/ParameterFormatter.h"
#include "library/ParameterTables.h"
#include "library/ParameterValue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

using namespace x48305_data;

namespace
{
ParameterEntry ranged (int valueType, int minValue, int maxValue)
{
    ParameterEntry entry;
    entry.valueType = valueType;
    entry.minValue = static_cast<int16_t> (minValue);
    entry.maxValue = static_cast<int16_t> (maxValue);
    return entry;
}

struct FormatCase
{
    int valueType;
    int minValue, maxValue;
    int value;
    const char* expected;
};

// For every value type: its lowest and highest value, the clamp just past
// each end, and values in between that show padding, signs and names.
const std::vector<FormatCase> formatCases = {
    { 0, -10, 10, -11, "" }, { 0, -10, 10, 0, "" }, { 0, -10, 10, 11, "" },

    { 1, -5, 120, -6, "-5" }, { 1, -5, 120, 0, "00" }, { 1, -5, 120, 7, "07" }, { 1, -5, 120, 120, "120" }, { 1, -5, 120, 121, "120" },
    { 2, 0, 15, -1, "00" }, { 2, 0, 15, 9, "09" }, { 2, 0, 15, 15, "15" }, { 2, 0, 15, 16, "15" },
    { 10, -9, 99, -10, "-9" }, { 10, -9, 99, 3, "03" }, { 10, -9, 99, 99, "99" }, { 10, -9, 99, 100, "99" },

    { 3, -50, 1000, -51, "-50" }, { 3, -50, 1000, -5, "-05" }, { 3, -50, 1000, 0, "000" }, { 3, -50, 1000, 1000, "1000" }, { 3, -50, 1000, 1001, "1000" },
    { 4, 0, 127, -1, "000" }, { 4, 0, 127, 42, "042" }, { 4, 0, 127, 127, "127" }, { 4, 0, 127, 128, "127" },
    { 17, 1, 200, 0, "001" }, { 17, 1, 200, 99, "099" }, { 17, 1, 200, 200, "200" }, { 17, 1, 200, 201, "200" },

    { 5, -1, 3000, -2, "-001" }, { 5, -1, 3000, 0, "0000" }, { 5, -1, 3000, 511, "0511" }, { 5, -1, 3000, 3000, "3000" }, { 5, -1, 3000, 3001, "3000" },

    { 6, -1234, 32767, -1235, "-1234" }, { 6, -1234, 32767, -12, "-0012" }, { 6, -1234, 32767, 0, "00000" }, { 6, -1234, 32767, 32767, "32767" }, { 6, -1234, 32767, 40000, "32767" },
    { 7, 0, 9999, -1, "00000" }, { 7, 0, 9999, 77, "00077" }, { 7, 0, 9999, 9999, "09999" }, { 7, 0, 9999, 10000, "09999" },

    { 8, -3, 12, -4, "-3" }, { 8, -3, 12, 0, "0" }, { 8, -3, 12, 12, "12" }, { 8, -3, 12, 13, "12" },
    { 9, 0, 1, -1, "0" }, { 9, 0, 1, 0, "0" }, { 9, 0, 1, 1, "1" }, { 9, 0, 1, 2, "1" },

    { 11, -100, 127, -101, "-100" }, { 11, -100, 127, -2, "-02" }, { 11, -100, 127, 0, "+00" }, { 11, -100, 127, 1, "+01" }, { 11, -100, 127, 127, "+127" }, { 11, -100, 127, 128, "+127" },
    { 12, -64, 63, -65, "-64" }, { 12, -64, 63, 5, "+05" }, { 12, -64, 63, 63, "+63" }, { 12, -64, 63, 64, "+63" },
    { 13, -9, 9, -10, "-09" }, { 13, -9, 9, 0, "+00" }, { 13, -9, 9, 9, "+09" }, { 13, -9, 9, 10, "+09" },
    { 14, -2, 2, -3, "-02" }, { 14, -2, 2, -2, "-02" }, { 14, -2, 2, 0, "+00" }, { 14, -2, 2, 2, "+02" }, { 14, -2, 2, 3, "+02" },

    { 15, -1000, 1000, -1001, "-1000" }, { 15, -1000, 1000, -7, "-007" }, { 15, -1000, 1000, 0, "+000" }, { 15, -1000, 1000, 1000, "+1000" }, { 15, -1000, 1000, 1001, "+1000" },
    { 16, -512, 511, -513, "-512" }, { 16, -512, 511, -5, "-005" }, { 16, -512, 511, 0, "+000" }, { 16, -512, 511, 511, "+511" }, { 16, -512, 511, 512, "+511" },

    { 18, 0, 127, -1, "001" }, { 18, 0, 127, 0, "001" }, { 18, 0, 127, 9, "010" }, { 18, 0, 127, 127, "128" }, { 18, 0, 127, 128, "128" },

    { 19, 32, 125, 31, " " }, { 19, 32, 125, 32, " " }, { 19, 32, 125, 65, "A" }, { 19, 32, 125, 125, "}" }, { 19, 32, 125, 126, "}" },

    { 20, 0, 1, -1, "Disable" }, { 20, 0, 1, 0, "Disable" }, { 20, 0, 1, 1, "Enable" }, { 20, 0, 1, 2, "Enable" },

    { 21, 0, 8, -1, "POLY SYNTH" }, { 21, 0, 8, 0, "POLY SYNTH" }, { 21, 0, 8, 4, "KEY/BELL" }, { 21, 0, 8, 8, "SFX" }, { 21, 0, 8, 9, "SFX" },
    { 22, 0, 2, -1, "OFF" }, { 22, 0, 2, 1, "DELAY" }, { 22, 0, 2, 2, "REVERB" }, { 22, 0, 2, 3, "REVERB" },
    { 23, 0, 2, -1, "LAYER" }, { 23, 0, 2, 1, "XFADE" }, { 23, 0, 2, 2, "SPLIT" }, { 23, 0, 2, 3, "SPLIT" },
    // A name list starts at the row's minimum, not at zero.
    { 23, 5, 7, 4, "LAYER" }, { 23, 5, 7, 5, "LAYER" }, { 23, 5, 7, 7, "SPLIT" }, { 23, 5, 7, 8, "SPLIT" },
    { 24, 0, 2, -1, "MAIN" }, { 24, 0, 2, 1, "(+)" }, { 24, 0, 2, 2, "SUB" }, { 24, 0, 2, 3, "SUB" },

    { 25, 0, 20, -1, "Global" }, { 25, 0, 20, 0, "Global" }, { 25, 0, 20, 1, "01" }, { 25, 0, 20, 9, "09" }, { 25, 0, 20, 16, "16" },
    { 25, 0, 20, 17, "" }, { 25, 0, 20, 20, "" }, { 25, 0, 20, 21, "" }, { 25, -3, 20, -1, "" },

    { 26, 0, 127, -1, "C -1" }, { 26, 0, 127, 0, "C -1" }, { 26, 0, 127, 11, "B -1" }, { 26, 0, 127, 12, "C 0" }, { 26, 0, 127, 13, "C#0" },
    { 26, 0, 127, 59, "B 3" }, { 26, 0, 127, 60, "C 4" }, { 26, 0, 127, 61, "C#4" }, { 26, 0, 127, 127, "G 9" }, { 26, 0, 127, 128, "G 9" },
    // Below zero the note still comes from its own octave.
    { 26, -13, 0, -1, "B -2" }, { 26, -13, 0, -12, "C -2" }, { 26, -13, 0, -13, "B -3" }, { 26, -13, 0, -14, "B -3" },

    { 27, 0, 2, -1, "SQR" }, { 27, 0, 2, 1, "TRI" }, { 27, 0, 2, 2, "SAW" }, { 27, 0, 2, 3, "SAW" },
    { 28, 0, 3, -1, "2'" }, { 28, 0, 3, 1, "4'" }, { 28, 0, 3, 2, "8'" }, { 28, 0, 3, 3, "16'" }, { 28, 0, 3, 4, "16'" },
    { 29, 0, 2, -1, "VCO1" }, { 29, 0, 2, 1, "VCO1+2" }, { 29, 0, 2, 2, "VCO2" }, { 29, 0, 2, 3, "VCO2" },
    { 30, 0, 2, -1, "RING ON" }, { 30, 0, 2, 1, "OFF" }, { 30, 0, 2, 2, "SYNC ON" }, { 30, 0, 2, 3, "SYNC ON" },
    { 31, 0, 2, -1, "NOISE" }, { 31, 0, 2, 1, "VPM" }, { 31, 0, 2, 2, "USER" }, { 31, 0, 2, 3, "USER" },
    { 32, 0, 2, -1, "0 %" }, { 32, 0, 2, 1, "50 %" }, { 32, 0, 2, 2, "100%" }, { 32, 0, 2, 3, "100%" },
    { 33, 0, 2, -1, "1-SHOT" }, { 33, 0, 2, 1, "SLOW" }, { 33, 0, 2, 2, "FAST" }, { 33, 0, 2, 3, "FAST" },
    { 34, 0, 2, -1, "CUTOFF" }, { 34, 0, 2, 1, "SHAPE" }, { 34, 0, 2, 2, "PITCH" }, { 34, 0, 2, 3, "PITCH" },
    // The Voice Type row stops at 2, so its fourth name is never reached.
    { 35, 0, 2, -1, "POLY" }, { 35, 0, 2, 1, "MONO" }, { 35, 0, 2, 2, "UNISON" }, { 35, 0, 2, 3, "UNISON" },
    { 35, 0, 3, 3, "CHORD" },

    { 36, 0, 255, -1, "---" }, { 36, 0, 255, 0, "---" }, { 36, 0, 255, 1, "@" }, { 36, 0, 255, 255, "@" }, { 36, 0, 255, 256, "@" },

    { 37, 0, 33, -1, "OFF" }, { 37, 0, 33, 0, "OFF" }, { 37, 0, 33, 16, "CUTOFF" }, { 37, 0, 33, 33, "GATE TIME" }, { 37, 0, 33, 34, "GATE TIME" },

    { 38, 0, 1, -1, "Off" }, { 38, 0, 1, 0, "Off" }, { 38, 0, 1, 1, "On" }, { 38, 0, 1, 2, "On" }, { 38, 0, 255, 200, "On" },
};

std::string formatStored (int16_t section, int16_t index, std::vector<uint8_t> bytes, int at)
{
    std::vector<uint8_t> record (programRecordSize, 0);
    std::memcpy (record.data() + at, bytes.data(), bytes.size());

    ParameterEntry entry;
    EXPECT_TRUE (getParameterEntry ({ section, index }, entry));
    return formatParameterValue (entry, getParameterValue (record.data(), { section, index }, entry));
}
} // namespace

TEST (ParameterFormatter, EveryValueTypeAtItsEdges)
{
    for (const auto& c : formatCases)
        EXPECT_EQ (formatParameterValue (ranged (c.valueType, c.minValue, c.maxValue), c.value), c.expected)
            << "value type " << c.valueType << " range " << c.minValue << ".." << c.maxValue << " value " << c.value;
}

TEST (ParameterFormatter, CasesCoverEveryValueType)
{
    std::set<int> covered;
    for (const auto& c : formatCases)
        covered.insert (c.valueType);
    EXPECT_EQ ((int) covered.size(), parameterValueTypeCount);
    EXPECT_EQ (*covered.begin(), 0);
    EXPECT_EQ (*covered.rbegin(), parameterValueTypeCount - 1);
}

TEST (ParameterFormatter, NameListsInFull)
{
    const struct
    {
        int valueType;
        std::vector<std::string> names;
    } lists[] = {
        { 20, { "Disable", "Enable" } },
        { 21, { "POLY SYNTH", "BASS", "LEAD", "PAD/STRINGS", "KEY/BELL", "CHORD", "ARP", "COMBINATION", "SFX" } },
        { 22, { "OFF", "DELAY", "REVERB" } },
        { 23, { "LAYER", "XFADE", "SPLIT" } },
        { 24, { "MAIN", "(+)", "SUB" } },
        { 27, { "SQR", "TRI", "SAW" } },
        { 28, { "2'", "4'", "8'", "16'" } },
        { 29, { "VCO1", "VCO1+2", "VCO2" } },
        { 30, { "RING ON", "OFF", "SYNC ON" } },
        { 31, { "NOISE", "VPM", "USER" } },
        { 32, { "0 %", "50 %", "100%" } },
        { 33, { "1-SHOT", "SLOW", "FAST" } },
        { 34, { "CUTOFF", "SHAPE", "PITCH" } },
        { 35, { "POLY", "MONO", "UNISON", "CHORD" } },
        { 37, { "OFF", "VOLUME", "BALANCE", "PORTAMENTO", "V.SPREAD", "V.M DEPTH", "VCO1 PITCH", "VCO1 SHAPE",
                "VCO2 PITCH", "VCO2 SHAPE", "CROSS MOD", "PITCH EG INT", "MULTI SHAPE", "VCO1 LEVEL", "VCO2 LEVEL",
                "MULTI LEVEL", "CUTOFF", "RESONANCE", "CUTOFF EG INT", "A.EG ATTACK", "A.EG DECAY", "A.EG SUSTAIN",
                "A.EG RELEASE", "EG ATTACK", "EG DECAY", "EG SUSTAIN", "EG RELEASE", "LFO RATE", "LFO INT",
                "MOD FX SPEED", "MOD FX DEPTH", "DL/RV TIME", "DL/RV DEPTH", "GATE TIME" } },
    };

    for (const auto& list : lists)
    {
        const int count = (int) list.names.size();
        // A range wider than the list finds no name past its end.
        const auto entry = ranged (list.valueType, 0, count + 3);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ (formatParameterValue (entry, i), list.names[(size_t) i]) << "value type " << list.valueType;
        EXPECT_EQ (formatParameterValue (entry, count), "") << "value type " << list.valueType;
        EXPECT_EQ (formatParameterValue (entry, count + 3), "") << "value type " << list.valueType;
    }
}

TEST (ParameterFormatter, NoteNamesAcrossEveryOctave)
{
    const char* notes[] = { "C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B " };
    const auto entry = ranged (26, 0, 127);
    for (int value = 0; value <= 127; ++value)
        EXPECT_EQ (formatParameterValue (entry, value), std::string (notes[value % 12]) + std::to_string (value / 12 - 1));
}

TEST (ParameterFormatter, ValueTypesOutsideTheRangeGiveNothing)
{
    for (int valueType : { -1, 39, 40, 1000, -2147483647 - 1 })
        for (int value : { -1, 0, 1, 100 })
            EXPECT_EQ (formatParameterValue (ranged (valueType, -1000, 1000), value), "") << valueType;
}

TEST (ParameterFormatter, AReversedRangeNeverIndexesOutsideAList)
{
    // A malformed descriptor whose minimum lies above its maximum.
    for (int valueType = 0; valueType < parameterValueTypeCount; ++valueType)
        for (int value : { -40000, -1, 0, 5, 40000 })
            (void) formatParameterValue (ranged (valueType, 10, -10), value);
    // Below the minimum clamps to it (the first name); anything else clamps
    // to the maximum, which lies before the list's start.
    EXPECT_EQ (formatParameterValue (ranged (21, 10, -10), 0), "POLY SYNTH");
    EXPECT_EQ (formatParameterValue (ranged (21, 10, -10), 40000), "");
}

TEST (ParameterFormatter, CategoryFromTheRecordIsClampedToItsList)
{
    EXPECT_EQ (formatStored (0, 25, { 4 }, 29), "KEY/BELL");
    EXPECT_EQ (formatStored (0, 25, { 8 }, 29), "SFX");
    EXPECT_EQ (formatStored (0, 25, { 12 }, 29), "SFX");
    EXPECT_EQ (formatStored (0, 25, { 255 }, 29), "SFX");
    EXPECT_EQ (formatStored (0, 25, { 0 }, 29), "POLY SYNTH");
}

TEST (ParameterFormatter, SplitKeyNamesAcrossOctaves)
{
    EXPECT_EQ (formatStored (0, 22, { 60 }, 23), "C 4");
    EXPECT_EQ (formatStored (0, 22, { 0 }, 23), "C -1");
    EXPECT_EQ (formatStored (0, 22, { 13 }, 23), "C#0");
    EXPECT_EQ (formatStored (0, 22, { 11 }, 23), "B -1");
    EXPECT_EQ (formatStored (0, 22, { 12 }, 23), "C 0");
    EXPECT_EQ (formatStored (0, 22, { 59 }, 23), "B 3");
    EXPECT_EQ (formatStored (0, 22, { 61 }, 23), "C 4"); // clamped to 60
}

TEST (ParameterFormatter, OctaveShowsSignedWidth)
{
    EXPECT_EQ (formatStored (0, 16, { 0xFE }, 16), "-02");
    EXPECT_EQ (formatStored (0, 16, { 0x01 }, 16), "+01");
    EXPECT_EQ (formatStored (0, 16, { 0x00 }, 16), "+00");
    EXPECT_EQ (formatStored (0, 16, { 0x02 }, 16), "+02");
    EXPECT_EQ (formatStored (0, 16, { 0x03 }, 16), "+02");
    EXPECT_EQ (formatStored (0, 16, { 0xFD }, 16), "-02");
    EXPECT_EQ (formatStored (0, 16, { 0x80 }, 16), "-02");
}

TEST (ParameterFormatter, ProgramLevelIsClampedToItsRange)
{
    EXPECT_EQ (formatStored (0, 33, { 100 }, 40), "+100");
    EXPECT_EQ (formatStored (0, 33, { 50 }, 40), "+76");
    EXPECT_EQ (formatStored (0, 33, { 75 }, 40), "+76");
    EXPECT_EQ (formatStored (0, 33, { 76 }, 40), "+76");
    EXPECT_EQ (formatStored (0, 33, { 127 }, 40), "+127");
    EXPECT_EQ (formatStored (0, 33, { 128 }, 40), "+127");
}

TEST (ParameterFormatter, LikeMarksAndSwitches)
{
    for (int16_t index = 45; index <= 48; ++index)
    {
        const int at = 76 + (index - 45);
        EXPECT_EQ (formatStored (0, index, { 0 }, at), "---");
        EXPECT_EQ (formatStored (0, index, { 1 }, at), "@");
        EXPECT_EQ (formatStored (0, index, { 255 }, at), "@");
    }
    EXPECT_EQ (formatStored (0, 17, { 0 }, 17), "Off");
    EXPECT_EQ (formatStored (0, 17, { 1 }, 17), "On");
    EXPECT_EQ (formatStored (0, 17, { 9 }, 17), "On");
}

TEST (ParameterFormatter, TwoByteRowsShowTheirWholeValue)
{
    EXPECT_EQ (formatStored (0, 23, { 0xB0, 0x04 }, 24), "1200");
    EXPECT_EQ (formatStored (0, 23, { 0x2B, 0x01 }, 24), "0300"); // 299 clamps to 300
    EXPECT_EQ (formatStored (0, 23, { 0xB8, 0x0B }, 24), "3000");
    EXPECT_EQ (formatStored (0, 23, { 0xB9, 0x0B }, 24), "3000"); // 3001
    EXPECT_EQ (formatStored (1, 1, { 0x00, 0xFE }, 80 + 2), "-512");
    EXPECT_EQ (formatStored (1, 1, { 0xFF, 0x01 }, 80 + 2), "+511");
    EXPECT_EQ (formatStored (1, 1, { 0x00, 0x02 }, 80 + 2), "+511"); // 512
    EXPECT_EQ (formatStored (2, 29, { 0xFD, 0xFF }, 206 + 48), "-003"); // EG Int
    EXPECT_EQ (formatStored (2, 27, { 0xFF, 0x03 }, 206 + 44), "1023"); // Cutoff
}

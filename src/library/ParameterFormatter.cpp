#include "library/ParameterFormatter.h"

#include <array>
#include <cstdio>

namespace x48305_data
{
namespace
{
enum class Style
{
    empty,
    width,       // zero-padded decimal, a minus sign counting as one of the digits
    signedWidth, // as width, with "+" before zero and positive values
    character,
    channel,     // "Global", then the channels 1 to 16
    noteName,
    likeMark,
    onOff,
    names
};

struct NameList
{
    const char* const* names;
    int count;
};

template <size_t n>
constexpr NameList listOf (const std::array<const char*, n>& names)
{
    return { names.data(), static_cast<int> (n) };
}

constexpr std::array<const char*, 2> enableNames { "Disable", "Enable" };
constexpr std::array<const char*, 9> categoryNames { "POLY SYNTH", "BASS", "LEAD", "PAD/STRINGS", "KEY/BELL",
                                                    "CHORD", "ARP", "COMBINATION", "SFX" };
constexpr std::array<const char*, 3> effectTypeNames { "OFF", "DELAY", "REVERB" };
constexpr std::array<const char*, 3> timbreTypeNames { "LAYER", "XFADE", "SPLIT" };
constexpr std::array<const char*, 3> timbreSelectNames { "MAIN", "(+)", "SUB" };
constexpr std::array<const char*, 3> waveNames { "SQR", "TRI", "SAW" };
constexpr std::array<const char*, 4> footageNames { "2'", "4'", "8'", "16'" };
constexpr std::array<const char*, 3> pitchEgTargetNames { "VCO1", "VCO1+2", "VCO2" };
constexpr std::array<const char*, 3> ringSyncNames { "RING ON", "OFF", "SYNC ON" };
constexpr std::array<const char*, 3> multiTypeNames { "NOISE", "VPM", "USER" };
constexpr std::array<const char*, 3> percentNames { "0 %", "50 %", "100%" };
constexpr std::array<const char*, 3> lfoModeNames { "1-SHOT", "SLOW", "FAST" };
constexpr std::array<const char*, 3> lfoTargetNames { "CUTOFF", "SHAPE", "PITCH" };
constexpr std::array<const char*, 4> voiceTypeNames { "POLY", "MONO", "UNISON", "CHORD" };
constexpr std::array<const char*, 34> assignNames {
    "OFF", "VOLUME", "BALANCE", "PORTAMENTO", "V.SPREAD", "V.M DEPTH", "VCO1 PITCH", "VCO1 SHAPE",
    "VCO2 PITCH", "VCO2 SHAPE", "CROSS MOD", "PITCH EG INT", "MULTI SHAPE", "VCO1 LEVEL", "VCO2 LEVEL",
    "MULTI LEVEL", "CUTOFF", "RESONANCE", "CUTOFF EG INT", "A.EG ATTACK", "A.EG DECAY", "A.EG SUSTAIN",
    "A.EG RELEASE", "EG ATTACK", "EG DECAY", "EG SUSTAIN", "EG RELEASE", "LFO RATE", "LFO INT",
    "MOD FX SPEED", "MOD FX DEPTH", "DL/RV TIME", "DL/RV DEPTH", "GATE TIME"
};

struct ValueTypeFormat
{
    Style style;
    int width;
    NameList list;
};

constexpr ValueTypeFormat plain (Style style, int width = 0) { return { style, width, { nullptr, 0 } }; }
constexpr ValueTypeFormat named (NameList list) { return { Style::names, 0, list }; }

// Indexed by value type.
constexpr std::array<ValueTypeFormat, parameterValueTypeCount> valueTypeFormats { {
    plain (Style::empty),             // 0
    plain (Style::width, 2),          // 1
    plain (Style::width, 2),          // 2
    plain (Style::width, 3),          // 3
    plain (Style::width, 3),          // 4
    plain (Style::width, 4),          // 5
    plain (Style::width, 5),          // 6
    plain (Style::width, 5),          // 7
    plain (Style::width, 1),          // 8
    plain (Style::width, 1),          // 9
    plain (Style::width, 2),          // 10
    plain (Style::signedWidth, 3),    // 11
    plain (Style::signedWidth, 3),    // 12
    plain (Style::signedWidth, 3),    // 13
    plain (Style::signedWidth, 3),    // 14
    plain (Style::signedWidth, 4),    // 15
    plain (Style::signedWidth, 4),    // 16
    plain (Style::width, 3),          // 17
    plain (Style::width, 3),          // 18: shown one higher than stored
    plain (Style::character),         // 19
    named (listOf (enableNames)),     // 20
    named (listOf (categoryNames)),   // 21
    named (listOf (effectTypeNames)), // 22
    named (listOf (timbreTypeNames)), // 23
    named (listOf (timbreSelectNames)), // 24
    plain (Style::channel),           // 25
    plain (Style::noteName),          // 26
    named (listOf (waveNames)),       // 27
    named (listOf (footageNames)),    // 28
    named (listOf (pitchEgTargetNames)), // 29
    named (listOf (ringSyncNames)),   // 30
    named (listOf (multiTypeNames)),  // 31
    named (listOf (percentNames)),    // 32
    named (listOf (lfoModeNames)),    // 33
    named (listOf (lfoTargetNames)),  // 34
    named (listOf (voiceTypeNames)),  // 35
    plain (Style::likeMark),          // 36
    named (listOf (assignNames)),     // 37
    plain (Style::onOff)              // 38
} };

constexpr int valueTypeShownOneHigher = 18;

std::string printed (const char* format, int width, int value)
{
    char buffer[32];
    std::snprintf (buffer, sizeof (buffer), format, width, value);
    return buffer;
}

std::string noteName (int value)
{
    static constexpr std::array<const char*, 12> notes { "C ", "C#", "D ", "D#", "E ", "F ",
                                                         "F#", "G ", "G#", "A ", "A#", "B " };
    // Floor division keeps a note below 0 in the octave beneath rather than
    // indexing the names with a negative remainder.
    const int octave = value >= 0 ? value / 12 : -((11 - value) / 12);
    const int note = value - octave * 12;
    return std::string (notes[(size_t) note]) + std::to_string (octave - 1);
}

std::string channel (int value)
{
    if (value == 0)
        return "Global";
    if (value >= 1 && value <= 16)
        return printed ("%0*d", 2, value);
    return {};
}
} // namespace

std::string formatParameterValue (const ParameterEntry& entry, int value)
{
    if (entry.valueType < 0 || entry.valueType >= parameterValueTypeCount)
        return {};

    if (value < entry.minValue)
        value = entry.minValue;
    else if (value > entry.maxValue)
        value = entry.maxValue;

    if (entry.valueType == valueTypeShownOneHigher)
        ++value;

    const auto& format = valueTypeFormats[(size_t) entry.valueType];
    switch (format.style)
    {
        case Style::empty: return {};
        case Style::width: return printed ("%0*d", format.width, value);
        case Style::signedWidth: return printed ("%+0*d", format.width, value);
        case Style::character: return std::string (1, static_cast<char> (value));
        case Style::channel: return channel (value);
        case Style::noteName: return noteName (value);
        case Style::likeMark: return value == 0 ? "---" : "@";
        case Style::onOff: return value == 0 ? "Off" : "On";
        case Style::names:
        {
            const int index = value - entry.minValue;
            if (index < 0 || index >= format.list.count)
                return {};
            return format.list.names[index];
        }
    }
    return {};
}

} // namespace x48305_data

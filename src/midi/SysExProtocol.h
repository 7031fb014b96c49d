#pragma once

#include "formats/UnitHeaderRecord.h"
#include "library/InitialProgram.h"

#include <cstddef>
#include <cstdint>
#include <tuple>

// Byte values of the System Exclusive protocol shared by the message builder
// and the analyzer.
namespace x48305_midi
{
namespace sysex
{
constexpr std::uint8_t start = 0xF0;
constexpr std::uint8_t end = 0xF7;
constexpr std::uint8_t universalNonRealTime = 0x7E;
constexpr std::uint8_t manufacturerId = 0x7D;
constexpr std::uint8_t channelBase = 0x30;   // byte 2 of a maker message: 0x30 + channel

// Offsets in a maker message: F0, maker, 0x30 + channel, 0x00, family code
// bits 8-14, family code bits 0-6, function code, payload ..., F7.
constexpr std::size_t channelOffset = 2;
constexpr std::size_t familyHighOffset = 4;
constexpr std::size_t familyLowOffset = 5;
constexpr std::size_t functionOffset = 6;
constexpr std::size_t payloadOffset = 7;
constexpr std::size_t headerSize = 7;

// The 336-byte program record and the 128-byte live-set block as they travel.
constexpr std::size_t programRecordSize = x48305_data::programRecordSize;
constexpr std::size_t livesetBlockSize = 128;
constexpr std::size_t unitHeaderSummarySize = std::tuple_size<UnitHeaderSummary>::value;
constexpr std::size_t unitDumpPrefixSize = 8;
}

// Function codes (byte 6 of a maker message).
namespace SysExFunction
{
constexpr std::uint8_t livesetDataDumpRequest = 0x16;
constexpr std::uint8_t userDataRequest = 0x19;
constexpr std::uint8_t userSlotClear = 0x1B;
constexpr std::uint8_t programDataDumpRequest = 0x1C;
constexpr std::uint8_t userSlotSwap = 0x1E;
constexpr std::uint8_t acknowledge = 0x23;
constexpr std::uint8_t refusal = 0x24;
constexpr std::uint8_t firstUserCommunicationError = 0x27;
constexpr std::uint8_t lastUserCommunicationError = 0x2F;
constexpr std::uint8_t currentProgramDataDump = 0x40;
constexpr std::uint8_t livesetDataDump = 0x46;
constexpr std::uint8_t userDataHeader = 0x49;
constexpr std::uint8_t userDataDump = 0x4A;
constexpr std::uint8_t programDataDump = 0x4C;
}

// The kind byte of the user-unit messages.
enum class UserUnitKind : std::uint8_t
{
    modulationEffect = 1,
    delayEffect = 2,
    reverbEffect = 3,
    oscillator = 4
};
}

#pragma once

#include <cstdint>

// Field values shared by the archive writer and reader.
namespace zipformat
{
constexpr uint32_t localHeaderSignature = 0x04034B50;
constexpr uint32_t directoryRecordSignature = 0x02014B50;
constexpr uint32_t endRecordSignature = 0x06054B50;

constexpr int localHeaderSize = 30;
constexpr int directoryRecordSize = 46;
constexpr int endRecordSize = 22;

constexpr uint16_t versionNeeded = 10;
constexpr uint16_t versionMadeBy = 20;
constexpr uint16_t methodStored = 0;
constexpr uint16_t methodDeflate = 8;
constexpr uint16_t flagEncrypted = 0x0001;

// 2013-01-01 00:00:00 in MS-DOS form.
constexpr uint16_t fixedTime = 0;
constexpr uint16_t fixedDate = 1 + (1 << 5) + ((2013 - 1980) << 9);
static_assert (fixedDate == 16929, "2013-01-01 in MS-DOS form");

inline uint16_t readUInt16 (const uint8_t* p)
{
    return (uint16_t) (p[0] | (p[1] << 8));
}

inline uint32_t readUInt32 (const uint8_t* p)
{
    return (uint32_t) p[0] | ((uint32_t) p[1] << 8) | ((uint32_t) p[2] << 16) | ((uint32_t) p[3] << 24);
}
} // namespace zipformat

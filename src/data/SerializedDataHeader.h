#pragma once

#include <cstdint>
#include <string>

namespace data
{
// The values of one 32-byte container header (all numbers little-endian on
// disk): tag (8 bytes, zero padded), header size, payload size, three
// reserved 16-bit values, count, a reserved 32-bit value, then 0xFF bytes.
struct SerializedDataHeader
{
    static constexpr int size = 32;
    static constexpr int tagLength = 8;

    std::string tag;
    uint16_t headerSize = size;
    uint32_t payloadSize = 0;
    uint16_t reservedA = 0;
    uint16_t reservedB = 0;
    uint16_t reservedC = 0;
    uint32_t count = 0;
    uint32_t reserved32 = 0;
};
} // namespace data

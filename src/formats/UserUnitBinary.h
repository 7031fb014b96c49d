#pragma once

#include "formats/UnitHeaderRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Layout of a unit image: header record bytes 0-1019, the payload size as a
// little-endian u32 at 1020, the payload from 1024, then a zero tail.
struct UnitImageLayout
{
    static constexpr std::size_t headerBytes = UnitHeaderRecord::payloadSizeOffset;
    static constexpr std::size_t payloadSizeOffset = UnitHeaderRecord::payloadSizeOffset;
    static constexpr std::size_t payloadOffset = UnitHeaderRecord::size;
    static constexpr std::size_t tailSize = 132;
    static constexpr std::size_t overhead = payloadOffset + tailSize;
    static constexpr std::size_t magicSize = 4;
    // The smallest image that the builder can produce: a payload holds at
    // least its module magic.
    static constexpr std::size_t minimumImageSize = overhead + magicSize;
    // Payloads above this are refused; it keeps the image size well inside
    // both size_t and the u32 size field.
    static constexpr std::size_t maxPayloadSize = 16u * 1024u * 1024u;
};

// The four magic bytes that a payload of the given module begins with
// ("UGLB", "UMOD", "UDEL", "UREV", "UOSC"); nullptr for an unknown module.
const char* getUnitModuleMagic (int moduleIndex);

// Builds the image of a payload under a header record. On success the buffer
// holds payloadSize + 1156 bytes and imageSize is set; on failure the result
// is null, imageSize is left alone and errorText says why.
std::unique_ptr<std::uint8_t[]> buildUserUnitBinary (const void* payload, const UnitHeaderRecord& header,
                                                     std::size_t payloadSize, std::size_t& imageSize,
                                                     std::string& errorText);

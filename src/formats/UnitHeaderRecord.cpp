#include "formats/UnitHeaderRecord.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
std::string readBoundedText (const std::uint8_t* bytes, std::size_t maxLength)
{
    std::size_t length = 0;
    while (length < maxLength && bytes[length] != 0)
        ++length;
    return std::string (reinterpret_cast<const char*> (bytes), length);
}

void writeZeroPaddedText (std::uint8_t* field, std::size_t fieldSize, std::size_t maxLength,
                          const std::string& text)
{
    std::memset (field, 0, fieldSize);
    std::memcpy (field, text.data(), std::min (text.size(), maxLength));
}

std::string formatHex8 (std::uint32_t value)
{
    char buffer[16];
    std::snprintf (buffer, sizeof (buffer), "%08X", (unsigned) value);
    return buffer;
}
} // namespace

std::string UnitParamDescriptor::getName() const
{
    return readBoundedText (bytes.data() + nameOffset, maxNameLength);
}

void UnitParamDescriptor::setName (const std::string& name)
{
    writeZeroPaddedText (bytes.data() + nameOffset, maxNameLength, maxNameLength, name);
}

void UnitHeaderRecord::setModuleIndex (int moduleIndex)
{
    bytes[moduleOffset] = (std::uint8_t) ((bytes[moduleOffset] & 0x80) | (moduleIndex & 0x7f));
}

std::string UnitHeaderRecord::getName() const
{
    return readBoundedText (bytes.data() + nameOffset, nameFieldSize);
}

void UnitHeaderRecord::setName (const std::string& name)
{
    writeZeroPaddedText (bytes.data() + nameOffset, nameFieldSize, maxNameLength, name);
}

UnitParamDescriptor UnitHeaderRecord::getParamDescriptor (std::size_t index) const
{
    UnitParamDescriptor descriptor;
    if (index < maxParams)
        std::memcpy (descriptor.data(), bytes.data() + paramsOffset + index * UnitParamDescriptor::size,
                     UnitParamDescriptor::size);
    return descriptor;
}

bool UnitHeaderRecord::setParamDescriptor (std::size_t index, const UnitParamDescriptor& descriptor)
{
    if (index >= maxParams)
        return false;
    std::memcpy (bytes.data() + paramsOffset + index * UnitParamDescriptor::size, descriptor.data(),
                 UnitParamDescriptor::size);
    return true;
}

UnitHeaderSummary UnitHeaderRecord::getSummary() const
{
    UnitHeaderSummary summary;
    std::copy (bytes.begin(), bytes.begin() + (std::ptrdiff_t) summary.size(), summary.begin());
    return summary;
}

std::uint32_t UnitHeaderRecord::getU32 (std::size_t offset) const
{
    if (offset + 4 > size)
        return 0;
    return readUnitU32 (bytes.data() + offset);
}

void UnitHeaderRecord::setU32 (std::size_t offset, std::uint32_t value)
{
    if (offset + 4 > size)
        return;
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = (std::uint8_t) (value >> (8 * i));
}

std::uint32_t UnitHeaderRecord::packVersion (std::uint32_t major, std::uint32_t minor, std::uint32_t patch)
{
    return ((major & 0x7f) << 16) | ((minor & 0x7f) << 8) | (patch & 0x7f);
}

std::uint32_t readUnitU32 (const std::uint8_t* bytes)
{
    return (std::uint32_t) bytes[0] | ((std::uint32_t) bytes[1] << 8) | ((std::uint32_t) bytes[2] << 16)
           | ((std::uint32_t) bytes[3] << 24);
}

std::string readUnitName (const UnitHeaderSummary& header)
{
    return readBoundedText (header.data() + UnitHeaderRecord::nameOffset, UnitHeaderRecord::nameFieldSize);
}

std::string formatVersionTriple (std::uint32_t major, std::uint32_t minor, std::uint32_t patch)
{
    char buffer[32];
    std::snprintf (buffer, sizeof (buffer), "%u.%02u-%u", (unsigned) std::min<std::uint32_t> (major, 99),
                   (unsigned) std::min<std::uint32_t> (minor, 99), (unsigned) std::min<std::uint32_t> (patch, 99));
    return buffer;
}

std::string formatPackedVersion (std::uint32_t packed)
{
    return formatVersionTriple ((packed >> 16) & 0x7f, (packed >> 8) & 0x7f, packed & 0x7f);
}

std::string formatUnitDescription (const UnitHeaderSummary& header)
{
    const auto* bytes = header.data();
    std::string text = "\"";
    text += readUnitName (header);
    text += "\" v";
    text += formatPackedVersion (readUnitU32 (bytes + UnitHeaderRecord::unitVersionOffset));
    text += " api:";
    text += formatPackedVersion (readUnitU32 (bytes + UnitHeaderRecord::apiVersionOffset));
    text += " did:";
    text += formatHex8 (readUnitU32 (bytes + UnitHeaderRecord::developerIdOffset));
    text += " uid:";
    text += formatHex8 (readUnitU32 (bytes + UnitHeaderRecord::unitIdOffset));
    return text;
}

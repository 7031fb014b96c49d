#include "formats/UserUnitBinary.h"

#include <cstring>

namespace
{
// Indexed by module index.
const char* const moduleMagics[UnitModuleLast + 1] = { "UGLB", "UMOD", "UDEL", "UREV", "UOSC" };

bool headerIsValid (const UnitHeaderRecord& header)
{
    const auto* bytes = header.data();
    if (bytes[UnitHeaderRecord::platformOffset] != UnitHeaderRecord::platformSolivane)
        return false;
    if (header.getModuleIndex() > UnitModuleLast)
        return false;

    // The name must end within its field.
    for (std::size_t i = UnitHeaderRecord::nameFieldSize; i-- > 0;)
        if (bytes[UnitHeaderRecord::nameOffset + i] == 0)
            return true;
    return false;
}

bool payloadMatchesModule (const void* payload, std::size_t payloadSize, int moduleIndex)
{
    const char* magic = getUnitModuleMagic (moduleIndex);
    if (magic == nullptr || payload == nullptr || payloadSize < UnitImageLayout::magicSize)
        return false;
    return std::memcmp (payload, magic, UnitImageLayout::magicSize) == 0;
}
} // namespace

const char* getUnitModuleMagic (int moduleIndex)
{
    if (moduleIndex < UnitModuleGlobal || moduleIndex > UnitModuleLast)
        return nullptr;
    return moduleMagics[moduleIndex];
}

std::unique_ptr<std::uint8_t[]> buildUserUnitBinary (const void* payload, const UnitHeaderRecord& header,
                                                     std::size_t payloadSize, std::size_t& imageSize,
                                                     std::string& errorText)
{
    // Checked before anything is allocated, so that no size can wrap.
    if (payloadSize > UnitImageLayout::maxPayloadSize)
    {
        errorText = "Unit payload is too large.";
        return nullptr;
    }

    if (! headerIsValid (header))
    {
        errorText = "Unit binary header is invalid." + formatUnitDescription (header.getSummary());
        return nullptr;
    }

    if (! payloadMatchesModule (payload, payloadSize, header.getModuleIndex()))
    {
        errorText = "Binary magic bytes do not match the manifest's declared target module.";
        return nullptr;
    }

    const std::size_t totalSize = payloadSize + UnitImageLayout::overhead;
    std::unique_ptr<std::uint8_t[]> image (new std::uint8_t[totalSize]);
    std::memcpy (image.get(), header.data(), UnitImageLayout::headerBytes);

    const auto size32 = (std::uint32_t) payloadSize;
    for (std::size_t i = 0; i < 4; ++i)
        image[UnitImageLayout::payloadSizeOffset + i] = (std::uint8_t) (size32 >> (8 * i));

    std::memcpy (image.get() + UnitImageLayout::payloadOffset, payload, payloadSize);
    std::memset (image.get() + UnitImageLayout::payloadOffset + payloadSize, 0, UnitImageLayout::tailSize);

    imageSize = totalSize;
    return image;
}

#pragma once

#include "formats/UnitHeaderRecord.h"
#include "library/UserUnitData.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace unittest
{
// A header that passes the builder's checks for the given module.
inline UnitHeaderRecord makeHeader (int moduleIndex, const std::string& name = "Saw Lead")
{
    UnitHeaderRecord header;
    header.setModuleIndex (moduleIndex);
    header.setPlatform (UnitHeaderRecord::platformSolivane);
    header.setApiVersion (UnitHeaderRecord::packVersion (1, 2, 3));
    header.setDeveloperId (0x1A2B);
    header.setUnitId (7);
    header.setUnitVersion (UnitHeaderRecord::packVersion (2, 5, 0));
    header.setName (name);
    return header;
}

// A payload that starts with the given magic, followed by extra bytes of a
// recognisable pattern.
inline juce::MemoryBlock makePayload (const char* magic, std::size_t extraBytes = 0)
{
    juce::MemoryBlock payload (4 + extraBytes);
    auto* bytes = static_cast<std::uint8_t*> (payload.getData());
    std::memcpy (bytes, magic, 4);
    for (std::size_t i = 0; i < extraBytes; ++i)
        bytes[4 + i] = (std::uint8_t) (0x80 + (i % 97));
    return payload;
}

// A 32-byte header summary as the instrument would report it.
inline UnitHeaderSummary makeSummary (int moduleIndex, const std::string& name)
{
    return makeHeader (moduleIndex, name).getSummary();
}

// The image of a unit of the given module (0 to 4) with extraBytes of
// payload after its magic; empty when the builder refuses it.
inline juce::MemoryBlock makeUnitImage (int moduleIndex, const std::string& name, std::size_t extraBytes = 0)
{
    static const char* const magics[] = { "UGLB", "UMOD", "UDEL", "UREV", "UOSC" };
    if (moduleIndex < 0 || moduleIndex > 4)
        return {};
    return x48305_data::UserUnitData (makeHeader (moduleIndex, name), makePayload (magics[moduleIndex], extraBytes)).getImage();
}
} // namespace unittest

#pragma once

#include "formats/UnitHeaderRecord.h"

#include <juce_core/juce_core.h>

#include <cstdint>
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
    juce::MemoryBlock payload (magic, 4);
    for (std::size_t i = 0; i < extraBytes; ++i)
    {
        auto byte = (std::uint8_t) (0x80 + (i % 97));
        payload.append (&byte, 1);
    }
    return payload;
}

// A 32-byte header summary as the instrument would report it.
inline UnitHeaderSummary makeSummary (int moduleIndex, const std::string& name)
{
    return makeHeader (moduleIndex, name).getSummary();
}
} // namespace unittest

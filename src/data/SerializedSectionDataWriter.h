#pragma once

#include "data/SerializedData.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>

namespace data
{
// Builds a tagged container in the target: a placeholder top header, then
// one section per addSection, and the real top header on finish.
class SerializedSectionDataWriter
{
public:
    explicit SerializedSectionDataWriter (SerializedData& target);
    virtual ~SerializedSectionDataWriter() {}

    bool addSection (const std::string& tag, const void* bytes, std::size_t size,
                     uint16_t a = 0, uint16_t b = 0, uint16_t c = 0);
    bool addSection (const std::string& tag, const juce::MemoryBlock& bytes,
                     uint16_t a = 0, uint16_t b = 0, uint16_t c = 0);
    bool addSection (const std::string& tag, const SerializedData& nested);

    bool finish (const std::string& tag, uint16_t a = 0, uint16_t b = 0, uint16_t c = 0);

private:
    juce::MemoryOutputStream stream;
    juce::int64 start = 0;
    uint32_t payloadTotal = 0;
    uint32_t sectionCount = 0;
};
} // namespace data

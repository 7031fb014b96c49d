#pragma once

#include "data/SerializedData.h"

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <vector>

namespace data
{
// Splits a tagged container into its sections. Sizes and counts in the
// headers are checked against the bytes actually present before anything
// is copied.
class SerializedSectionDataReader
{
public:
    struct Section
    {
        std::string tag;
        uint16_t a = 0, b = 0, c = 0;
        juce::MemoryBlock data;
    };

    explicit SerializedSectionDataReader (const SerializedData& source);
    virtual ~SerializedSectionDataReader() {}

    bool read();

    const std::string& getTag() const { return tag; }
    uint16_t getReservedA() const { return a; }
    uint16_t getReservedB() const { return b; }
    uint16_t getReservedC() const { return c; }
    const std::vector<Section>& getSections() const { return sections; }

private:
    juce::MemoryInputStream stream;
    std::string tag;
    uint16_t a = 0, b = 0, c = 0;
    std::vector<Section> sections;
};
} // namespace data

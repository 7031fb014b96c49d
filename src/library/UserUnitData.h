#pragma once

#include "data/Data.h"
#include "formats/UnitHeaderRecord.h"

#include <juce_core/juce_core.h>

namespace x48305_data
{
// The result of reading one unit package: the built unit image, or an empty
// image and the reason in the status text.
class UserUnitData : public data::Data
{
public:
    UserUnitData();
    UserUnitData (const UnitHeaderRecord& header, const juce::MemoryBlock& payload);
    UserUnitData (const UserUnitData&) = default;
    UserUnitData& operator= (const UserUnitData& other);
    ~UserUnitData() override = default;

    // -1 for an empty image, else the module index of its header.
    int getModuleIndex() const;

    const juce::MemoryBlock& getImage() const { return image; }
    const juce::String& getStatusText() const { return statusText; }

private:
    juce::MemoryBlock image;
    juce::String statusText;
};
} // namespace x48305_data

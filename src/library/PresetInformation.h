#pragma once

#include <juce_core/juce_core.h>

namespace x48305_data
{
// The descriptive information of one installed preset.
class PresetInformation
{
public:
    static constexpr int defaultNumOfProg = 500;

    PresetInformation() = default;
    virtual ~PresetInformation() {}

    PresetInformation (const PresetInformation&) = default;
    PresetInformation& operator= (const PresetInformation&) = default;

    void reset();

    bool operator== (const PresetInformation& other) const;
    bool operator!= (const PresetInformation& other) const { return ! operator== (other); }

    juce::String DataID;
    juce::String Name;
    juce::String Author;
    juce::String Copyright;
    juce::String Date;
    juce::String Prefix;
    int Version = 0;
    int NumOfProg = defaultNumOfProg;
};
} // namespace x48305_data

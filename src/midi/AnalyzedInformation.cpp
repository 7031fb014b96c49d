#include "midi/AnalyzedInformation.h"

namespace x48305_midi
{
AnalyzedInformation::AnalyzedInformation (std::int32_t t, std::int32_t v, const juce::MemoryBlock& d)
    : type (t), value (v), data (d)
{
}

AnalyzedInformation& AnalyzedInformation::operator= (const AnalyzedInformation& other)
{
    juce::MemoryBlock copy (other.data);
    type = other.type;
    value = other.value;
    data.swapWith (copy);
    return *this;
}

const AnalyzedInformation& AnalyzedInformation::none()
{
    static const AnalyzedInformation instance (AnalyzedMessageType::none, 0, {});
    return instance;
}
}

#include "library/ProgramInformation.h"

namespace x48305_data
{
ProgramInformation::ProgramInformation (const juce::String& p, const juce::String& c)
    : programmer (p), comment (c)
{
}

bool ProgramInformation::operator== (const ProgramInformation& other) const
{
    return programmer == other.programmer && comment == other.comment;
}
} // namespace x48305_data

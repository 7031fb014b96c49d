#pragma once

#include <juce_core/juce_core.h>

namespace x48305_data
{
// A program's descriptive texts. They travel with the program but are not
// part of its record or digest.
class ProgramInformation
{
public:
    ProgramInformation() = default;
    ProgramInformation (const juce::String& programmer, const juce::String& comment);
    virtual ~ProgramInformation() {}

    ProgramInformation (const ProgramInformation&) = default;
    ProgramInformation& operator= (const ProgramInformation&) = default;

    const juce::String& getProgrammer() const { return programmer; }
    const juce::String& getComment() const { return comment; }
    void setProgrammer (const juce::String& text) { programmer = text; }
    void setComment (const juce::String& text) { comment = text; }

    bool operator== (const ProgramInformation& other) const;
    bool operator!= (const ProgramInformation& other) const { return ! operator== (other); }

private:
    juce::String programmer;
    juce::String comment;
};
} // namespace x48305_data

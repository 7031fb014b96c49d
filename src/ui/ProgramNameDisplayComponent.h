#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

// The header's two-line program display: white text on the black glass,
// each line indented so that it sits like the instrument's own display.
class ProgramNameDisplayComponent : public juce::Component
{
public:
    ProgramNameDisplayComponent();

    // Stores both lines through padLine and repaints.
    void setText (const juce::String& firstLine, const juce::String& secondLine);

    const juce::String& getFirstLine() const { return firstLine; }
    const juce::String& getSecondLine() const { return secondLine; }

    void paint (juce::Graphics& g) override;
    void resized() override {}

    // Puts 8 - length / 2 spaces (integer part, when positive) in front of
    // the line: a 12-character name gets 2, "Prog 001" gets 4.
    static juce::String padLine (const juce::String& line);

private:
    juce::String firstLine;
    juce::String secondLine;

    JUCE_DECLARE_NON_COPYABLE (ProgramNameDisplayComponent)
};

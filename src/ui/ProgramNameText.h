#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <string>

namespace ui
{
// A program name as the user typed it, reduced to the characters that the
// instrument's display shows: every other character (an underscore, a
// tilde, anything outside ASCII) becomes a space.
struct FilteredProgramName
{
    std::string text;
    int replaced = 0;

    // Nothing of the typed text survived (or nothing was typed).
    bool isUnusable() const { return replaced >= (int) text.size(); }
};

FilteredProgramName filterProgramName (const juce::String& typed);

// Lets the editor take only what a program name holds (12 characters of the
// display's set), so that what the user sees while typing is what is stored.
void restrictToProgramName (juce::TextEditor& editor);
} // namespace ui

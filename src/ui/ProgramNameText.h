#pragma once

#include <juce_core/juce_core.h>

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
} // namespace ui

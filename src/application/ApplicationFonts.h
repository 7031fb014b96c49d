#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace x48305_application
{
// One named interface font and its size in points.
struct NamedFontSize
{
    const char* key;
    int points;
};

// The named fonts of the interface in registration order.
const std::vector<NamedFontSize>& getNamedFontSizes();

// The fonts whose height follows the list row height preference.
const juce::StringArray& getListFontKeys();

// The list font size for a row height: 60 per cent, truncated (25 -> 15).
int listFontSizeForRowHeight (int rowHeight);

// Start-up: the language from the locale, then the default font.
void setUpLanguageAndFonts();

// The font library's default font becomes its typeface, plain, at the third
// size step (16) in every language; the language model and the framework's
// default look-and-feel get the typeface name.
void setUpDefaultFont();

// Registers every named font of the interface in the font library.
void registerFonts();
} // namespace x48305_application

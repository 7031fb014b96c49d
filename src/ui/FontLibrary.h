#pragma once

#include "data/Singleton.h"

#include <juce_graphics/juce_graphics.h>
#include <juce_events/juce_events.h>

#include <array>
#include <map>

namespace ui
{
// The one typeface of the interface. The framework draws a text with a single
// face, so it must cover Latin and Japanese; this one comes from Debian's
// fonts-vlgothic package.
inline constexpr const char* interfaceTypefaceName = "VL PGothic";

// Hands out the interface's fonts by name. Fonts are registered once at
// start-up; later only their heights change (list row height preference).
class FontLibrary : public Singleton<FontLibrary>,
                    public juce::DeletedAtShutdown
{
public:
    FontLibrary();

    // The registered font; an unknown key prints "Font not found: <key>" and
    // gives the default font.
    juce::Font getFont (const juce::String& key) const;

    // Registers a font; a key that is registered already keeps its first font.
    void addFont (const juce::String& key, const juce::Font& font);

    // Sets a registered font's height; an unknown key prints
    // "Font not found: <key>" and changes nothing.
    void setFontHeight (const juce::String& key, int height);

    bool hasFont (const juce::String& key) const { return fonts.count (key) != 0; }

    const juce::String& getTypefaceName() const { return typefaceName; }
    const juce::Font& getDefaultFont() const { return defaultFont; }
    void setDefaultFont (const juce::Font& font) { defaultFont = font; }

    // The six standard sizes 12, 14, 16, 18, 20, 22; index clamped to 0-5.
    float getSizeStep (int index) const;

private:
    static void reportMissing (const juce::String& key);

    juce::String typefaceName;
    juce::Font defaultFont;
    std::array<float, 6> sizeSteps;
    std::map<juce::String, juce::Font> fonts;
};
} // namespace ui

#include "ui/FontLibrary.h"

#include <cstdio>

namespace ui
{
FontLibrary::FontLibrary()
    : typefaceName (interfaceTypefaceName),
      defaultFont (typefaceName, 18.0f, juce::Font::plain),
      sizeSteps { { 12.0f, 14.0f, 16.0f, 18.0f, 20.0f, 22.0f } }
{
}

juce::Font FontLibrary::getFont (const juce::String& key) const
{
    auto it = fonts.find (key);
    if (it != fonts.end())
        return it->second;

    reportMissing (key);
    return defaultFont;
}

void FontLibrary::addFont (const juce::String& key, const juce::Font& font)
{
    fonts.emplace (key, font);
}

void FontLibrary::setFontHeight (const juce::String& key, int height)
{
    auto it = fonts.find (key);
    if (it == fonts.end())
    {
        reportMissing (key);
        return;
    }

    it->second.setHeight ((float) height);
}

float FontLibrary::getSizeStep (int index) const
{
    return sizeSteps[(size_t) juce::jlimit (0, (int) sizeSteps.size() - 1, index)];
}

void FontLibrary::reportMissing (const juce::String& key)
{
    std::printf ("Font not found: %s\n", key.toRawUTF8());
    std::fflush (stdout);
}
} // namespace ui

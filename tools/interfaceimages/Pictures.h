#pragma once

#include <juce_graphics/juce_graphics.h>

// The painters of the single pictures; each fills the whole area it is given
// (the picture's pixel size, from the origin).
namespace panel::pictures
{
void headerButton (juce::Graphics&, juce::Rectangle<float> area, bool pressed);
void headerDecoration (juce::Graphics&, juce::Rectangle<float> area);
void displayBezel (juce::Graphics&, juce::Rectangle<float> area);
void caption (juce::Graphics&, juce::Rectangle<float> area, const juce::String& text);
void favoriteTile (juce::Graphics&, juce::Rectangle<float> area, bool dragOver);
void applicationIcon (juce::Graphics&, juce::Rectangle<float> area);
void aboutPicture (juce::Graphics&, juce::Rectangle<float> area);
} // namespace panel::pictures

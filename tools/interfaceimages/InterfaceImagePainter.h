#pragma once

#include "resources/InterfaceImages.h"

#include <juce_graphics/juce_graphics.h>

namespace panel
{
// Draws one interface picture at its pixel size on a transparent ground.
// The same picture comes out pixel for pixel every time.
juce::Image paintInterfaceImage (x48305_ui::InterfaceImageId id);

// The picture as a PNG file (the same bytes for the same picture).
juce::MemoryBlock encodePng (const juce::Image& image);
} // namespace panel

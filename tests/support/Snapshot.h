#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace testsupport
{
// Writes a PNG of the component into the snapshot folder (SLVN_SNAPSHOT_DIR
// when the test runner sets it, otherwise "snapshots" in the working folder)
// so that a person can look at what a test built. Returns the file written.
juce::File writeSnapshot (juce::Component& component, const juce::String& name);

// The same for an image the test composed itself (a window with what floats
// over it, such as a drag image).
juce::File writeSnapshot (const juce::Image& image, const juce::String& name);
}

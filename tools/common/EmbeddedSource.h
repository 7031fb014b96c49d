#pragma once

#include <juce_core/juce_core.h>

namespace slvntools
{
// The bytes as the body of a C++ array initialiser, 24 numbers a line.
juce::String byteArrayInitialiser (const void* data, std::size_t size);

// Writes a generated source unless the file holds that text already, so that
// an unchanged source keeps its time stamp and nothing that embeds it is
// rebuilt when only the tool was. False (after a message) on failure.
bool writeSourceIfChanged (const juce::File& file, const juce::String& source);
} // namespace slvntools

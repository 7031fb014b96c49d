#pragma once

#include <juce_core/juce_core.h>

namespace slvntools
{
// The bytes as the body of a C++ array initialiser, 24 numbers a line.
juce::String byteArrayInitialiser (const void* data, std::size_t size);

// Writes a generated file unless it holds those bytes already, so that an
// unchanged file keeps its time stamp and nothing made from it is rebuilt
// when only the tool was. False (after a message) on failure.
bool writeIfChanged (const juce::File& file, const juce::MemoryBlock& bytes);

// The same for a generated source, written as UTF-8.
bool writeSourceIfChanged (const juce::File& file, const juce::String& source);
} // namespace slvntools

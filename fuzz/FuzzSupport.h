#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a scratch folder of their own process, input
// files written into it, and a home folder of their own for the readers that
// are bound to the preferences folder.
namespace fuzzsupport
{
// A folder below the system's temporary folder that belongs to this process
// (several fuzzing processes may run at once); removed when the process ends
// normally.
juce::File getScratchFolder();

// Replaces the file's content with the bytes (an empty input gives an empty
// file, not a missing one).
void writeFile (const juce::File& file, const std::uint8_t* data, std::size_t size);

// Writes the bytes to the named file in the scratch folder, replacing what
// an earlier input left there, and returns the file.
juce::File writeInputFile (const juce::String& fileName, const std::uint8_t* data, std::size_t size);

// Points HOME at a folder inside the scratch folder, so that readers which
// find their files through the user's application data folder never see
// or change the real one.
juce::File useTemporaryHome();
} // namespace fuzzsupport

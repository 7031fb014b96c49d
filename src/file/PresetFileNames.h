#pragma once

#include <juce_core/juce_core.h>

namespace x48305_file
{
// The name of an installed preset's file in the preset store, made from its
// DataID. Ordinary DataIDs stay as they are ("Factory Presets" gives
// "Factory Presets.islvnpreset"). Every character that could take the file
// out of the store folder or hide it (path separators, control characters,
// a leading dot) and the escape character '%' itself become "%XX" for each of
// their UTF-8 bytes, so two different DataIDs never share a name; the empty
// DataID, which no other text can produce, becomes a lone "%".
juce::String getInstalledPresetFileName (const juce::String& dataID);

// True when the text names a file directly inside a folder: not empty, not
// "." or "..", and free of path separators and control characters.
bool isPlainFileName (const juce::String& name);

// The file of that name directly inside the folder, or the default
// juce::File when the name could point anywhere else.
juce::File getFileInsideFolder (const juce::File& folder, const juce::String& name);
} // namespace x48305_file

#pragma once

#include <juce_core/juce_core.h>

// File extensions (with their leading dot), the preset store's folder name and
// the entry names inside a user-unit package.
namespace file
{
inline const juce::String libraryFileExtension { ".slvnlib" };
inline const juce::String programFileExtension { ".slvnprog" };
inline const juce::String voicingEditorAllDataFileExtension { ".slvne_all" };
inline const juce::String presetFileExtension { ".slvnpreset" };
inline const juce::String installedPresetFileExtension { ".islvnpreset" };
inline const juce::String userUnitFileExtension { ".slvnunit" };
inline const juce::String presetFolderName { "Preset Data" };
inline const juce::String userUnitManifestEntryName { "manifest.json" };
inline const juce::String userUnitPayloadEntryName { "payload.bin" };
} // namespace file

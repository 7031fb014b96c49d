#pragma once

#include "library/PresetLibrary.h"

namespace x48305_file
{
class PresetFileManager;

// Reads the presets that the preset store lists into a preset library, in
// the store's order. An index edited by hand may name one stored file many
// times: only its first entry adds the preset, read once.
class InstalledPresetsReader
{
public:
    explicit InstalledPresetsReader (const PresetFileManager& store) : store (store) {}

    // Appends the preset of every stored file in order; the first one that
    // does not read stops it, and its ReadResultCode is returned (0 when
    // every one read).
    int read (x48305_data::PresetLibrary& presets) const;

private:
    const PresetFileManager& store;
};
} // namespace x48305_file

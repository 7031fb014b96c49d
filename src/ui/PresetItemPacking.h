#pragma once

#include <limits>

namespace ui
{
// One program of an installed preset, as the preset window's drags carry it:
// bits 0-9 the program number, the bits above it the preset's index in the
// preset library. Presets 0-63 pack as they always have; the preset field
// takes the rest of a non-negative int, so no installed preset ever wraps
// onto another.
struct PresetItem
{
    int presetIndex = -1;
    int programNumber = -1;
};

constexpr int presetItemProgramBits = 10;
constexpr int presetItemProgramMask = (1 << presetItemProgramBits) - 1;
constexpr int presetItemProgramCount = 500;
constexpr int maxPackedPresetIndex = std::numeric_limits<int>::max() >> presetItemProgramBits;

// The packed item, or -1 when the preset index is negative or above
// maxPackedPresetIndex or the program is not 0-499.
int packPresetItem (int presetIndex, int programNumber);

// False (and the result untouched) for an item that no packing gives: a
// negative one or one whose program is not 0-499. Whether the preset is
// installed is for the caller to check.
bool unpackPresetItem (int item, PresetItem& result);
} // namespace ui

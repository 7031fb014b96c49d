#pragma once

#include "library/PresetData.h"

namespace factorypresets
{
constexpr int numFactoryPrograms = 250;

// Fills the preset with the factory preset library: its information, 250
// sounds of our own in programs 0-249 and the initial program in 250-499,
// all with empty programmer and comment texts. The same preset every time.
// False when the sound plan could not fill all 250 programs.
bool buildFactoryPresetLibrary (x48305_data::PresetData& preset);
} // namespace factorypresets

#pragma once

#include <cstddef>

namespace x48305_file
{
// The factory preset library that travels inside the application: a complete
// preset file made at build time by the project's own generator and preset
// writer. Linked in from the library slvn_factory_presets.
const unsigned char* getFactoryPresetLibraryData();
std::size_t getFactoryPresetLibrarySize();
} // namespace x48305_file

#include "library/PresetLibrary.h"

namespace x48305_data
{
bool PresetLibrary::isValidIndex (int index) const
{
    return index >= 0 && index < getNumPresets();
}

PresetData& PresetLibrary::getPreset (int index)
{
    return isValidIndex (index) ? presets[(std::size_t) index] : spare;
}

const PresetData& PresetLibrary::getPreset (int index) const
{
    return isValidIndex (index) ? presets[(std::size_t) index] : spare;
}

void PresetLibrary::addPreset (const PresetData& preset)
{
    presets.push_back (preset);
}

void PresetLibrary::clear()
{
    presets.clear();
}
} // namespace x48305_data

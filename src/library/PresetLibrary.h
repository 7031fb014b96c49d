#pragma once

#include "data/Data.h"
#include "library/PresetData.h"

#include <vector>

namespace x48305_data
{
// The presets installed in the preset store, in installation order.
class PresetLibrary : public data::Data
{
public:
    PresetLibrary() = default;
    ~PresetLibrary() override {}

    int getNumPresets() const { return (int) presets.size(); }

    // The preset at the index; any index outside the list gives the spare
    // preset.
    PresetData& getPreset (int index);
    const PresetData& getPreset (int index) const;

    void addPreset (const PresetData& preset);
    void clear();

private:
    bool isValidIndex (int index) const;

    std::vector<PresetData> presets;
    PresetData spare;
};
} // namespace x48305_data

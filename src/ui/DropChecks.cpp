#include "ui/DropChecks.h"

#include "ui/PresetItemPacking.h"

#include <cstddef>

namespace ui
{
bool areDistinctRows (const std::vector<int>& rows, int count)
{
    if (rows.empty() || count <= 0)
        return false;

    std::vector<bool> seen ((std::size_t) count, false);
    for (auto row : rows)
    {
        if (row < 0 || row >= count || seen[(std::size_t) row])
            return false;
        seen[(std::size_t) row] = true;
    }
    return true;
}

bool isPermutation (const std::vector<int>& order, int count)
{
    return (int) order.size() == count && areDistinctRows (order, count);
}

bool areInstalledPresetItems (const std::vector<int>& packedItems, int numInstalledPresets)
{
    if (packedItems.empty())
        return false;

    for (auto item : packedItems)
    {
        PresetItem unpacked;
        if (! unpackPresetItem (item, unpacked) || unpacked.presetIndex >= numInstalledPresets)
            return false;
    }
    return true;
}
} // namespace ui

#include "ui/DragMappings.h"

#include <algorithm>

namespace ui
{
void DragCopyTarget::buildCopyTargetMap (int targetRow, const std::vector<int>& items)
{
    map.clear();
    const int n = std::min ((int) items.size(), rows);
    if (n <= 0 || targetRow < 0)
        return;

    const int start = std::max (0, std::min (targetRow, rows - n));
    for (int i = 0; i < n; ++i)
        map[start + i] = items[(size_t) i];
}

void DragCopyPreset::buildCopyPresetMap (int targetRow, const std::vector<int>& packedItems)
{
    map.clear();
    if (targetRow < 0 || targetRow >= rows)
        return;

    const int count = std::min ((int) packedItems.size(), rows - targetRow);
    for (int i = 0; i < count; ++i)
        map[targetRow + i] = packedItems[(size_t) i];
}

void DragInsertOrder::buildInsertOrder (int insertionIndex, const std::vector<int>& draggedRows)
{
    order.clear();
    newPositions.clear();

    auto remaining = allRows;
    std::list<int> toFind (draggedRows.begin(), draggedRows.end());
    int gap = std::max (0, insertionIndex);
    int kept = 0;

    // Take the dragged rows out, counting the gap in rows that stay.
    for (auto it = remaining.begin(); it != remaining.end();)
    {
        auto found = std::find (toFind.begin(), toFind.end(), *it);
        if (found == toFind.end())
        {
            ++kept;
            ++it;
            continue;
        }
        toFind.erase (found);
        it = remaining.erase (it);
        if (kept < gap)
            --gap;
    }

    gap = std::min (gap, (int) remaining.size());
    auto split = std::next (remaining.begin(), gap);
    order.insert (order.end(), remaining.begin(), split);
    for (auto row : draggedRows)
    {
        newPositions.push_back ((int) order.size());
        order.push_back (row);
    }
    order.insert (order.end(), split, remaining.end());
}
} // namespace ui

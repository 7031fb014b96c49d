#pragma once

#include <vector>

namespace ui
{
// Checks of what a drop names before anything is edited. A description can
// come from any window (or from a foreign one), so its numbers are checked
// against the list that receives them: a row out of range would reach a
// spare object and a repeated row would make a move lose another one.

// At least one row, each within 0 to count - 1, none twice.
bool areDistinctRows (const std::vector<int>& rows, int count);

// Every row 0 to count - 1 exactly once, and nothing else.
bool isPermutation (const std::vector<int>& order, int count);

// At least one item, each a packed preset item of a program 0-499 of an
// installed preset (index below numInstalledPresets).
bool areInstalledPresetItems (const std::vector<int>& packedItems, int numInstalledPresets);
} // namespace ui

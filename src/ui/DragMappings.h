#pragma once

#include <list>
#include <map>
#include <vector>

namespace ui
{
// Where the rows of a copy drop land: a block starting at the target row,
// moved up so that it ends on the last row when it would run past it.
class DragCopyTarget
{
public:
    explicit DragCopyTarget (int numRows) : rows (numRows) {}
    virtual ~DragCopyTarget() {}

    // destination row -> dragged item. A negative target row maps nothing;
    // more items than rows fill every row with the first ones.
    void buildCopyTargetMap (int targetRow, const std::vector<int>& items);

    const std::map<int, int>& getMap() const { return map; }

private:
    int rows;
    std::map<int, int> map;
};

// Where the programs of a preset drop land: from the target row down, as many
// as fit above the end of the list; the rest are dropped.
class DragCopyPreset
{
public:
    explicit DragCopyPreset (int numRows) : rows (numRows) {}
    virtual ~DragCopyPreset() {}

    // destination row -> packed preset item. A negative target row or one
    // past the list maps nothing.
    void buildCopyPresetMap (int targetRow, const std::vector<int>& packedItems);

    const std::map<int, int>& getMap() const { return map; }

private:
    int rows;
    std::map<int, int> map;
};

// The new order of a list after dragged rows are inserted before a gap.
class DragInsertOrder
{
public:
    explicit DragInsertOrder (std::list<int> allRowNumbers) : allRows (std::move (allRowNumbers)) {}
    virtual ~DragInsertOrder() {}

    // order[i] becomes the row that ends at position i, and newPositions the
    // positions of the dragged rows in their drag order. The insertion index
    // counts gaps of the list as it stands; it is clamped to the list.
    void buildInsertOrder (int insertionIndex, const std::vector<int>& draggedRows);

    const std::vector<int>& getOrder() const { return order; }
    const std::vector<int>& getNewPositions() const { return newPositions; }

private:
    std::list<int> allRows;
    std::vector<int> order;
    std::vector<int> newPositions;
};
} // namespace ui

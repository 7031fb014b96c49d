#include "ui/DragItems.h"
#include "ui/DragMappings.h"
#include "ui/DraggableTableListBox.h"
#include "ui/DropChecks.h"
#include "ui/PresetItemPacking.h"

#include <gtest/gtest.h>

#include <list>
#include <numeric>

namespace
{
juce::var arrayOf (std::initializer_list<juce::var> elements)
{
    return juce::Array<juce::var> (elements);
}

std::vector<int> rangeOf (int first, int count)
{
    std::vector<int> v ((size_t) count);
    std::iota (v.begin(), v.end(), first);
    return v;
}

std::list<int> allRows (int count)
{
    auto v = rangeOf (0, count);
    return { v.begin(), v.end() };
}

std::vector<std::pair<int, int>> pairsOf (const std::map<int, int>& map)
{
    return { map.begin(), map.end() };
}
} // namespace

TEST (DragItems, ListItemsRoundTripAndKeepTheirOwnType)
{
    ui::ProgramListDragItem programs (ui::dragtypes::programList);
    for (int p : { 3, 4, 499 })
        programs.add (p);
    const auto description = programs.toVar();

    const ui::ProgramListDragItem read (description);
    EXPECT_TRUE (read.isValid());
    EXPECT_EQ (read.getType(), "ProgramListDragItem");
    EXPECT_EQ (read.getItems(), (std::vector<int> { 3, 4, 499 }));
    EXPECT_TRUE (ui::ProgramListDragItem::isFrom ("ProgramListDragItem", description));
    EXPECT_FALSE (ui::ProgramListDragItem::isFrom ("programListDragItem", description));
    EXPECT_FALSE (ui::PresetDataDragItem::isFrom (ui::dragtypes::presetData, description));

    // An empty list is a valid description; what it means is the target's call.
    const ui::UserListDragItem empty (ui::UserListDragItem (ui::dragtypes::userList).toVar());
    EXPECT_TRUE (empty.isValid());
    EXPECT_EQ (empty.count(), 0);
}

TEST (DragItems, ForeignDescriptionsAreInvalidAndEmpty)
{
    const juce::var foreign[] = {
        {},
        juce::var ("ProgramListDragItem"),
        arrayOf ({ "ProgramListDragItem" }),
        arrayOf ({ 5, arrayOf ({ 1 }) }),
        arrayOf ({ "ProgramListDragItem", 7 }),
        arrayOf ({ "ProgramListDragItem", arrayOf ({ 1, "two" }) }),
        arrayOf ({ "ProgramListDragItem", arrayOf ({ 1, 2.5 }) }),
        arrayOf ({ "ProgramListDragItem", arrayOf ({ 1, arrayOf ({ 2 }) }) }),
        arrayOf ({ "ProgramListDragItem", arrayOf ({ juce::var ((juce::int64) 1 << 40) }) }),
    };
    for (const auto& description : foreign)
    {
        const ui::ProgramListDragItem item (description);
        EXPECT_FALSE (item.isValid()) << juce::JSON::toString (description);
        EXPECT_EQ (item.count(), 0);
    }

    // Wide integers that fit an int are still numbers.
    const ui::ProgramListDragItem wide (arrayOf ({ "ProgramListDragItem", arrayOf ({ juce::var ((juce::int64) 42) }) }));
    EXPECT_EQ (wide.getItems(), std::vector<int> { 42 });
}

TEST (DragItems, FavouriteItemHasExactlyThreeElementsInTheLiveSet)
{
    const FavoriteDataDragItem made (ui::dragtypes::favoriteData, 3, 7);
    const FavoriteDataDragItem read (made.toVar());
    EXPECT_TRUE (read.isValid());
    EXPECT_EQ (read.getBank(), 3);
    EXPECT_EQ (read.getSlot(), 7);
    EXPECT_TRUE (FavoriteDataDragItem::isFrom ("FavoriteDataDragItem", made.toVar()));
    EXPECT_FALSE (FavoriteDataDragItem::isFrom ("FavoriteDataDRAGItem", made.toVar()));

    for (const auto& bad : { arrayOf ({ "FavoriteDataDragItem", 1 }), arrayOf ({ "FavoriteDataDragItem", 1, 2, 3 }),
                             arrayOf ({ "FavoriteDataDragItem", 4, 0 }), arrayOf ({ "FavoriteDataDragItem", 0, 8 }),
                             arrayOf ({ "FavoriteDataDragItem", -1, 0 }), arrayOf ({ "FavoriteDataDragItem", "1", 2 }) })
    {
        EXPECT_FALSE (FavoriteDataDragItem (bad).isValid()) << juce::JSON::toString (bad);
        EXPECT_FALSE (FavoriteDataDragItem::isFrom ("FavoriteDataDragItem", bad));
    }
}

// Presets 0-63 keep the packing every description has used; presets past 63
// no longer wrap onto preset 0.
TEST (PresetItemPacking, PacksEveryInstalledPresetDistinctly)
{
    EXPECT_EQ (ui::packPresetItem (2, 17), 2065);
    EXPECT_EQ (ui::packPresetItem (63, 499), (63 << 10) + 499);
    EXPECT_EQ (ui::packPresetItem (0, 0), 0);
    EXPECT_NE (ui::packPresetItem (64, 0), ui::packPresetItem (0, 0));
    EXPECT_EQ (ui::packPresetItem (64, 17), 65553);

    for (auto [preset, program] : { std::pair { 2, 17 }, { 64, 0 }, { 65, 499 }, { 1000, 250 },
                                    { ui::maxPackedPresetIndex, 499 } })
    {
        ui::PresetItem item;
        ASSERT_TRUE (ui::unpackPresetItem (ui::packPresetItem (preset, program), item));
        EXPECT_EQ (item.presetIndex, preset);
        EXPECT_EQ (item.programNumber, program);
    }

    for (auto [preset, program] : { std::pair { -1, 0 }, { 0, -1 }, { 0, 500 }, { ui::maxPackedPresetIndex + 1, 0 } })
        EXPECT_EQ (ui::packPresetItem (preset, program), -1) << preset << "/" << program;

    ui::PresetItem untouched;
    EXPECT_FALSE (ui::unpackPresetItem (-1, untouched));
    EXPECT_FALSE (ui::unpackPresetItem (500, untouched));
    EXPECT_FALSE (ui::unpackPresetItem ((3 << 10) | 1023, untouched));
    EXPECT_EQ (untouched.presetIndex, -1);
}

TEST (DropChecks, RowsPermutationsAndPresetItems)
{
    EXPECT_TRUE (ui::areDistinctRows ({ 0, 499, 7 }, 500));
    EXPECT_FALSE (ui::areDistinctRows ({}, 500));
    EXPECT_FALSE (ui::areDistinctRows ({ 3, 3 }, 500));
    EXPECT_FALSE (ui::areDistinctRows ({ 500 }, 500));
    EXPECT_FALSE (ui::areDistinctRows ({ -1 }, 500));

    auto order = rangeOf (0, 500);
    std::swap (order[3], order[400]);
    EXPECT_TRUE (ui::isPermutation (order, 500));
    order[3] = 401; // 401 twice, 400 lost
    EXPECT_FALSE (ui::isPermutation (order, 500));
    EXPECT_FALSE (ui::isPermutation (rangeOf (0, 499), 500));
    EXPECT_FALSE (ui::isPermutation (rangeOf (0, 501), 500));

    EXPECT_TRUE (ui::areInstalledPresetItems ({ ui::packPresetItem (65, 499) }, 66));
    EXPECT_FALSE (ui::areInstalledPresetItems ({ ui::packPresetItem (66, 0) }, 66));
    EXPECT_FALSE (ui::areInstalledPresetItems ({ 0, 500 }, 66));
    EXPECT_FALSE (ui::areInstalledPresetItems ({}, 66));
}

TEST (DragMappings, CopyBlocksMoveUpToFitAndPresetCopiesAreCut)
{
    ui::DragCopyTarget units (16);
    units.buildCopyTargetMap (10, { 7, 8, 9 });
    EXPECT_EQ (pairsOf (units.getMap()), (std::vector<std::pair<int, int>> { { 10, 7 }, { 11, 8 }, { 12, 9 } }));
    units.buildCopyTargetMap (15, { 7, 8, 9 });
    EXPECT_EQ (pairsOf (units.getMap()), (std::vector<std::pair<int, int>> { { 13, 7 }, { 14, 8 }, { 15, 9 } }));
    units.buildCopyTargetMap (-1, { 7 });
    EXPECT_TRUE (units.getMap().empty());
    units.buildCopyTargetMap (3, rangeOf (0, 20)); // more items than rows: never a negative row
    EXPECT_EQ (units.getMap().size(), 16u);
    EXPECT_EQ (units.getMap().begin()->first, 0);

    ui::DragCopyPreset programs (500);
    programs.buildCopyPresetMap (15, { 100, 101, 102 });
    EXPECT_EQ (pairsOf (programs.getMap()), (std::vector<std::pair<int, int>> { { 15, 100 }, { 16, 101 }, { 17, 102 } }));
    programs.buildCopyPresetMap (499, { 100, 101, 102 });
    EXPECT_EQ (pairsOf (programs.getMap()), (std::vector<std::pair<int, int>> { { 499, 100 } }));
    programs.buildCopyPresetMap (500, { 100 });
    EXPECT_TRUE (programs.getMap().empty());
}

TEST (DragMappings, InsertOrders)
{
    struct Case
    {
        int rows;
        std::vector<int> dragged;
        int index;
        std::vector<int> order;
        std::vector<int> newPositions;
    };
    const Case cases[] = {
        { 6, { 4, 1 }, 3, { 0, 2, 4, 1, 3, 5 }, { 2, 3 } },
        { 6, { 3, 4 }, 1, { 0, 3, 4, 1, 2, 5 }, { 1, 2 } },
        { 6, { 1, 2 }, 6, { 0, 3, 4, 5, 1, 2 }, { 4, 5 } },
        { 6, { 4 }, 0, { 4, 0, 1, 2, 3, 5 }, { 0 } },
        { 9, { 7 }, 7, { 0, 1, 2, 3, 4, 5, 6, 7, 8 }, { 7 } },
        { 9, { 7 }, 8, { 0, 1, 2, 3, 4, 5, 6, 7, 8 }, { 7 } },
        { 4, { 2 }, 99, { 0, 1, 3, 2 }, { 3 } },
    };
    for (const auto& c : cases)
    {
        ui::DragInsertOrder insert (allRows (c.rows));
        insert.buildInsertOrder (c.index, c.dragged);
        EXPECT_EQ (insert.getOrder(), c.order) << "index " << c.index;
        EXPECT_EQ (insert.getNewPositions(), c.newPositions) << "index " << c.index;
    }
}

TEST (DraggableTableListBox, AutoScrollSpeedByPosition)
{
    // Row height 25 (h = 12), header 28, list 400 high.
    const auto speed = [] (int y) { return ui::DraggableTableListBox::autoScrollSpeed (y, 25, 28, 400); };
    EXPECT_DOUBLE_EQ (speed (0), -144.0 / 3600.0);
    EXPECT_DOUBLE_EQ (speed (27), -144.0 / 3600.0);
    EXPECT_DOUBLE_EQ (speed (28), -144.0 / 3600.0);
    EXPECT_DOUBLE_EQ (speed (34), -36.0 / 3600.0);
    EXPECT_DOUBLE_EQ (speed (40), 0.0);
    EXPECT_DOUBLE_EQ (speed (200), 0.0);
    EXPECT_DOUBLE_EQ (speed (388), 0.0);
    EXPECT_DOUBLE_EQ (speed (389), 4.0 / 3600.0);
    EXPECT_DOUBLE_EQ (speed (399), 144.0 / 3600.0);
}

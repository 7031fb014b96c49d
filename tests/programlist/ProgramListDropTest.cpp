#include "ProgramListFixture.h"

#include "library/CurrentProgramData.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/DragItems.h"
#include "ui/PresetItemPacking.h"
#include "ui/SelectedProgramStatus.h"

using namespace programlisttest;

namespace
{
juce::var presetDescription (std::initializer_list<std::pair<int, int>> programs)
{
    ui::PresetDataDragItem item (ui::dragtypes::presetData);
    for (auto [preset, program] : programs)
        item.add (ui::packPresetItem (preset, program));
    return item.toVar();
}

juce::var listOf (const juce::String& type, juce::Array<juce::var> items)
{
    return juce::Array<juce::var> { type, items };
}
} // namespace

class ProgramListDrop : public ProgramListTest
{
protected:
    void SetUp() override
    {
        ProgramListTest::SetUp();
        other = std::make_unique<OtherWindow> (juce::Point<int> (0, 560));
    }

    void TearDown() override
    {
        other.reset();
        ProgramListTest::TearDown();
    }

    std::unique_ptr<OtherWindow> other;
};

TEST_F (ProgramListDrop, PresetProgramsFromAnotherWindowAreCopiedIn)
{
    makeEarlierEdit();
    auto before = libraryImage();

    // Preset 64 is past the old six-bit preset field: its program must not
    // come from preset 0.
    other->source.description = presetDescription ({ { 64, 17 }, { 1, 5 }, { 65, 499 } });
    other->dragFromSourceTo (list(), cellCentre (20, 3));
    EXPECT_EQ (nameOf (20), presetProgramName (64, 17));
    EXPECT_EQ (nameOf (21), presetProgramName (1, 5));
    EXPECT_EQ (nameOf (22), presetProgramName (65, 499));
    EXPECT_EQ (nameOf (23), "Prog 023");
    EXPECT_EQ (selectedRows(), (std::vector<int> { 20, 21, 22 }));
    expectUndoRestores ("DragCopyPreset", before);

    // On the last row only the first program fits.
    makeEarlierEdit();
    before = libraryImage();
    other->dragFromSourceTo (list(), cellCentre (499, 3));
    EXPECT_EQ (nameOf (499), presetProgramName (64, 17));
    EXPECT_EQ (nameOf (498), "Prog 498");
    expectUndoRestores ("DragCopyPreset", before);
}

TEST_F (ProgramListDrop, ForeignOrBrokenDescriptionsAreRefusedWithoutAnEdit)
{
    clickCell (5, 3);
    makeEarlierEdit();
    const auto before = libraryImage();

    const juce::var refused[] = {
        presetDescription ({ { 66, 0 } }),                                          // no such preset installed
        listOf ("PresetDataDragItem", { ui::packPresetItem (0, 1), 500 }),           // program 500 of preset 0
        listOf ("PresetDataDragItem", { -5 }),
        listOf ("PresetDataDragItem", {}),
        listOf ("ProgramListDragItem", { 3, 3 }),                                   // would lose a program
        listOf ("ProgramListDragItem", { 3, 500 }),
        listOf ("ProgramListDragItem", { -1 }),
        listOf ("ProgramListDragItem", { 3, "4" }),
        listOf ("programlistdragitem", { 3 }),
        listOf ("UserListDragItem", { 3 }),
        juce::var ("ProgramListDragItem"),
    };
    for (const auto& description : refused)
    {
        SCOPED_TRACE (juce::JSON::toString (description, true));
        other->source.description = description;
        for (bool alt : { false, true })
        {
            other->dragFromSourceTo (list(), gapAbove (8), alt ? juce::ModifierKeys::altModifier : juce::ModifierKeys());
            EXPECT_TRUE (libraryImage() == before);
            EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
            EXPECT_EQ (selectedRows(), std::vector<int> { 5 });
        }
    }
}

TEST_F (ProgramListDrop, DragsReachTheProgramsOtherWindows)
{
    clickCell (5, 3);
    clickCell (6, 3, juce::ModifierKeys::shiftModifier);
    const auto before = libraryImage();
    const auto expected = listOf ("ProgramListDragItem", { 5, 6 });
    const auto targetCentre = list().getLocalPoint (&other->target, other->target.getLocalBounds().getCentre()).toFloat();

    // From the name cell (this list starts the drag) and from another cell
    // (the table starts it): both arrive in the other window.
    for (int column : { 2, 5 })
    {
        pressAndDragTo (5, column, targetCentre);
        EXPECT_FALSE (box().isDragging());
        release();
        ASSERT_EQ (other->target.dropped.size(), 1u) << "column " << column;
        EXPECT_TRUE (other->target.dropped[0] == expected) << juce::JSON::toString (other->target.dropped[0], true);
        other->target.dropped.clear();
    }

    // Held outside every window of the program (past the time after which
    // the framework would offer the drag to other programs), then released:
    // nothing is dropped anywhere and the drag ends.
    pressAndDragTo (5, 2, list().getLocalPoint (nullptr, juce::Point<int> (1250, 1000)).toFloat());
    testsupport::runMessageLoop (900);
    release();
    EXPECT_TRUE (other->target.dropped.empty());
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([this] { return ! list().isDragAndDropActive(); }, 2000));

    EXPECT_TRUE (libraryImage() == before);
    EXPECT_FALSE (undoManager().canUndo());
    EXPECT_EQ (selectedRows(), (std::vector<int> { 5, 6 }));
}

TEST_F (ProgramListDrop, HeldAtTheBottomEdgeTheListScrollsAndStopsAtTheDrop)
{
    clickCell (2, 3);
    makeEarlierEdit();
    const auto before = libraryImage();
    ASSERT_EQ (box().getVerticalPosition(), 0.0);

    const juce::Point<float> nearBottom (cellCentre (2, 3).x, (float) box().getHeight() - 3.0f);
    pressAndDragTo (2, 3, nearBottom);
    EXPECT_GT (box().getScrollSpeed(), 0.0);
    testsupport::runMessageLoop (1000);
    const double scrolled = box().getVerticalPosition();
    // About 0.03 a tick, ten ticks a second: well under the whole list, and
    // at least a few ticks even on a busy machine.
    EXPECT_GT (scrolled, 0.05);
    EXPECT_LT (scrolled, 0.6);

    // The drop lands in the gap under the pointer as the list stands now.
    const int gap = box().getInsertionIndexForPosition ((int) nearBottom.x, (int) nearBottom.y);
    EXPECT_EQ (box().getInsertionIndex(), gap);
    EXPECT_GT (gap, 20);
    release();
    EXPECT_EQ (nameOf (gap - 1), "Prog 002");
    EXPECT_EQ (nameOf (2), "Prog 003");
    EXPECT_EQ (selectedRows(), std::vector<int> { gap - 1 });

    testsupport::runMessageLoop (400);
    EXPECT_EQ (box().getVerticalPosition(), scrolled);
    EXPECT_EQ (box().getScrollSpeed(), 0.0);
    expectUndoRestores ("DragInsert", before);
}

TEST_F (ProgramListDrop, SelectionAndTheCurrentProgramFollowEachOther)
{
    auto* status = ui::SelectedProgramStatus::getInstance();
    auto* current = x48305_data::CurrentProgramData::getInstance();

    clickCell (3, 3);
    EXPECT_EQ (status->getAllSelected(), std::vector<int> { 3 });
    EXPECT_EQ (current->getKind(), x48305_data::CurrentProgramData::libraryProgram);
    EXPECT_EQ (current->getProgramNumber(), 3);
    EXPECT_EQ (sent, std::vector<std::string> { "Prog 003" });

    clickCell (6, 2, juce::ModifierKeys::shiftModifier);
    EXPECT_EQ (status->getAllSelected(), (std::vector<int> { 3, 4, 5, 6 }));
    EXPECT_FALSE (current->hasCurrentProgram());

    clickCell (5, 2, juce::ModifierKeys::commandModifier);
    EXPECT_EQ (status->getAllSelected(), (std::vector<int> { 3, 4, 6 }));

    // The status selects rows in the list, without choosing a program.
    status->setSelected ({ 42 });
    testsupport::runMessageLoop (30);
    EXPECT_EQ (selectedRows(), std::vector<int> { 42 });
    EXPECT_FALSE (current->hasCurrentProgram());

    // Keys move the selection as clicks do. The key follows the click at
    // once: windows of tests running beside this one may take the focus.
    const auto row42 = cellCentre (42, 3);
    for (int attempt = 0; attempt < 5; ++attempt)
    {
        testsupport::click (list(), row42);
        if (box().hasKeyboardFocus (true))
            break;
        testsupport::runMessageLoop (100);
    }
    ASSERT_TRUE (box().hasKeyboardFocus (true));
    sent.clear();
    testsupport::pressKey (list(), juce::KeyPress (juce::KeyPress::downKey));
    testsupport::runMessageLoop (30);
    EXPECT_EQ (status->getAllSelected(), std::vector<int> { 43 });
    EXPECT_EQ (sent, std::vector<std::string> { "Prog 043" });

    // An undo of an unrelated edit sends the one selected program again; with
    // two selected nothing stays current.
    makeEarlierEdit();
    EXPECT_TRUE (undoManager().undo());
    testsupport::runMessageLoop (30);
    EXPECT_EQ (sent, std::vector<std::string> { "Prog 043" });
    EXPECT_EQ (current->getProgramNumber(), 43);

    clickCell (44, 3, juce::ModifierKeys::shiftModifier);
    EXPECT_TRUE (undoManager().redo());
    testsupport::runMessageLoop (30);
    EXPECT_FALSE (current->hasCurrentProgram());
}

#include "ProgramListFixture.h"

#include "support/MessageLoop.h"
#include "support/NameEditing.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/SelectedProgramStatus.h"

#include <optional>

using namespace programlisttest;

namespace
{
const juce::Colour black (0xff000000);
const juce::Colour selectedFill = black.overlaidWith (juce::Colour (0x44aaaaaa));

std::vector<std::string> namesOf (int first, int count)
{
    std::vector<std::string> names;
    for (int p = first; p < first + count; ++p)
        names.push_back (nameOf (p));
    return names;
}

std::vector<unsigned> firstBank()
{
    const auto& liveSet = x48305_data::DataCenter::getInstance()->getLibraryData().getFavoriteData();
    std::vector<unsigned> bank;
    for (int slot = 0; slot < 8; ++slot)
        bank.push_back (liveSet.getProgramNumber (0, slot));
    return bank;
}

} // namespace

class ProgramListEdit : public ProgramListTest
{
protected:
    juce::Label& nameLabel (int row)
    {
        auto* wrapper = dynamic_cast<ProgramListItemComponentWrapper*> (box().getCellComponent (2, row));
        EXPECT_NE (wrapper, nullptr);
        return wrapper->getLabel();
    }

    void startEditing (int row) { ASSERT_TRUE (testsupport::openNameEditor (list(), row)); }

    void type (const juce::String& text)
    {
        for (auto c : text)
            testsupport::pressKey (list(), juce::KeyPress ((int) c, {}, c));
    }

    // Replaces the name by typing and presses Return; what the editor showed
    // just before.
    juce::String rename (int row, const juce::String& typed)
    {
        startEditing (row);
        if (typed.isEmpty())
            testsupport::pressKey (list(), juce::KeyPress (juce::KeyPress::backspaceKey));
        type (typed);
        auto* editor = testsupport::findDescendantOfType<juce::TextEditor> (list());
        const auto shown = editor != nullptr ? editor->getText() : juce::String ("(no editor)");
        testsupport::pressKey (list(), juce::KeyPress (juce::KeyPress::returnKey));
        testsupport::runMessageLoop (30);
        return shown;
    }
};

TEST_F (ProgramListEdit, RenameByDoubleClickTypingAndReturn)
{
    // The editor takes only what the name can hold: what it shows is stored.
    struct Case
    {
        juce::String typed;
        juce::String shown;
        std::optional<std::string> stored; // none: the name stays and no undo step is added
    };
    const Case cases[] = {
        { "New_Name", "NewName", "NewName" },
        { juce::CharPointer_UTF8 ("\xc3\x9cnic\xc3\xb6" "de"), "nicde", "nicde" },
        { juce::CharPointer_UTF8 ("Caf\xc3\xa9 Noir Extra"), "Caf Noir Ext", "Caf Noir Ext" },
        { "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKL", "ABCDEFGHIJKL" },
        { "~~~", "", std::nullopt },
        { "", "", std::nullopt },
        { "Prog 007", "Prog 007", std::nullopt }, // the stored name pads it to what it already is
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.typed);
        makeEarlierEdit();
        const auto before = libraryImage();
        EXPECT_EQ (rename (7, c.typed), c.shown);
        EXPECT_FALSE (nameLabel (7).isBeingEdited());

        if (! c.stored)
        {
            EXPECT_TRUE (libraryImage() == before);
            EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
            EXPECT_EQ (nameLabel (7).getText(), "Prog 007    ");
            continue;
        }
        EXPECT_EQ (nameOf (7), *c.stored);
        EXPECT_EQ (nameLabel (7).getText().trimEnd(), juce::String (*c.stored));
        expectUndoRestores ("PasteProgramName", before);
        EXPECT_EQ (nameLabel (7).getText(), "Prog 007    ");
    }

    // Clicking elsewhere while editing throws the edit away.
    makeEarlierEdit();
    const auto before = libraryImage();
    startEditing (7);
    type ("Lost");
    clickCell (9, 3);
    EXPECT_FALSE (nameLabel (7).isBeingEdited());
    EXPECT_TRUE (libraryImage() == before);
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
}

TEST_F (ProgramListEdit, DragFromTheNameCellMovesRowsAndTheLiveSetFollows)
{
    clickCell (3, 3);
    clickCell (4, 3, juce::ModifierKeys::shiftModifier);
    ASSERT_EQ (selectedRows(), (std::vector<int> { 3, 4 }));
    makeEarlierEdit();
    const auto before = libraryImage();

    pressAndDragTo (3, 2, gapAbove (1));
    ASSERT_TRUE (box().isDragging());
    EXPECT_EQ (box().getInsertionIndex(), 1);
    const auto shown = screenOfList();
    // A light line on the dark rows.
    const juce::Colour line (0xffd3d3d3);
    EXPECT_EQ (fillerPixel (shown, 1, 0), line);
    EXPECT_EQ (fillerPixel (shown, 1, 1), line);
    EXPECT_EQ (fillerPixel (shown, 1, 2), black);
    EXPECT_EQ (fillerPixel (shown, 2, 0), black);
    EXPECT_EQ (fillerPixel (shown, 0, 0), black);
    EXPECT_EQ (fillerPixel (shown, 3, 0), selectedFill); // the dragged rows are no marker
    testsupport::writeSnapshot (screenOfList(), "program-list-mid-drag");
    release();

    EXPECT_FALSE (box().isDragging());
    EXPECT_EQ (namesOf (0, 6), (std::vector<std::string> { "Prog 000", "Prog 003", "Prog 004", "Prog 001", "Prog 002", "Prog 005" }));
    EXPECT_EQ (firstBank(), (std::vector<unsigned> { 0, 3, 4, 1, 2, 7, 499, 500 }));
    EXPECT_EQ (selectedRows(), (std::vector<int> { 1, 2 }));
    testsupport::runMessageLoop (20);
    EXPECT_EQ (ui::SelectedProgramStatus::getInstance()->getAllSelected(), (std::vector<int> { 1, 2 }));

    expectUndoRestores ("DragInsert", before);
}

TEST_F (ProgramListEdit, DragFromAnotherCellInsertsAndADropInPlaceDoesNothing)
{
    clickCell (10, 3);
    makeEarlierEdit();
    const auto before = libraryImage();

    // The lower half of row 12 is the gap before row 13.
    const auto lowerHalf = cellCentre (12, 5) + juce::Point<float> (0.0f, 6.0f);
    pressAndDragTo (10, 5, lowerHalf);
    EXPECT_EQ (box().getInsertionIndex(), 13);
    // The line lies below the pointer, where the drag image would hang.
    const auto shown = screenOfList();
    EXPECT_EQ (fillerPixel (shown, 13, 0), juce::Colour (0xffd3d3d3));
    EXPECT_EQ (fillerPixel (shown, 13, 1), juce::Colour (0xffd3d3d3));
    testsupport::writeSnapshot (shown, "program-list-mid-drag-below-pointer");
    release();

    EXPECT_EQ (namesOf (9, 5), (std::vector<std::string> { "Prog 009", "Prog 011", "Prog 012", "Prog 010", "Prog 013" }));
    EXPECT_EQ (firstBank(), (std::vector<unsigned> { 0, 1, 2, 3, 4, 7, 499, 500 }));
    EXPECT_EQ (selectedRows(), std::vector<int> { 12 });
    expectUndoRestores ("DragInsert", before);

    // Row 7 dropped just before or just after itself stays where it is.
    clickCell (7, 3);
    for (auto to : { gapAbove (7), cellCentre (7, 5) + juce::Point<float> (0.0f, 6.0f) })
    {
        pressAndDragTo (7, 3, to);
        release();
        EXPECT_TRUE (libraryImage() == before);
        EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    }
}

TEST_F (ProgramListEdit, AltDragCopiesOverlappingBlocksFromTheOldData)
{
    clickCell (494, 3);
    clickCell (498, 3, juce::ModifierKeys::shiftModifier);
    ASSERT_EQ (selectedRows(), (std::vector<int> { 494, 495, 496, 497, 498 }));
    makeEarlierEdit();
    const auto before = libraryImage();

    {
        const testsupport::ScopedModifierKeys alt (juce::ModifierKeys::altModifier);
        pressAndDragTo (494, 3, cellCentre (498, 3));
        EXPECT_EQ (box().getRowUnderMouse(), 498);
        const auto shown = screenOfList();
        const auto target = selectedFill.overlaidWith (juce::Colour (0xdd333333));
        EXPECT_EQ (fillerPixel (shown, 498, 3), target);
        EXPECT_EQ (fillerPixel (shown, 498, 20), target);
        EXPECT_EQ (fillerPixel (shown, 497, 12), selectedFill);
        testsupport::writeSnapshot (screenOfList(), "program-list-mid-alt-drag");
        release();
    }

    EXPECT_EQ (namesOf (493, 7), (std::vector<std::string> { "Prog 493", "Prog 494", "Prog 494", "Prog 495", "Prog 496",
                                                             "Prog 497", "Prog 498" }));
    EXPECT_EQ (selectedRows(), (std::vector<int> { 495, 496, 497, 498, 499 }));
    EXPECT_EQ (firstBank(), (std::vector<unsigned> { 0, 1, 2, 3, 4, 7, 499, 500 }));
    expectUndoRestores ("DragCopy", before);
}

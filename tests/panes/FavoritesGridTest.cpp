#include "PanesFixture.h"

#include "action/DataChangeBroadcaster.h"
#include "action/LibraryActions.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/OtherWindow.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/DragItems.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/PresetItemPacking.h"

using namespace panestest;

namespace
{
juce::var listOf (const juce::String& type, juce::Array<juce::var> items)
{
    return juce::Array<juce::var> { type, items };
}

int countDifferentPixels (const juce::Image& a, const juce::Image& b)
{
    int different = 0;
    for (int y = 0; y < a.getHeight(); ++y)
        for (int x = 0; x < a.getWidth(); ++x)
            if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                ++different;
    return different;
}
// Puts the display's own pointer (which the events of the tests do not
// move) on a point of a component for the scope, and back afterwards.
class ScopedDisplayPointer
{
public:
    ScopedDisplayPointer (juce::Component& component, juce::Point<float> at)
        : previous (juce::Desktop::getMousePosition())
    {
        juce::Desktop::setMousePosition (component.localPointToGlobal (at).roundToInt());
        // The display reports the move (and any crossing before it) later.
        testsupport::runMessageLoop (150);
    }

    ~ScopedDisplayPointer() { juce::Desktop::setMousePosition (previous); }

private:
    juce::Point<int> previous;
};
} // namespace

class FavoritesGrid : public testing::Test
{
protected:
    void SetUp() override
    {
        resetLibrary();
        shown = std::make_unique<ShownWindow> (std::make_unique<ProgramTab>(), juce::Point<int> (0, 0), "program tab");
        ASSERT_NE (grid(), nullptr);
    }

    void TearDown() override
    {
        shown.reset();
        undoManager().clearUndoHistory();
    }

    ProgramTab& tab() { return static_cast<ProgramTab&> (shown->content()); }
    FavoriteEditComponent* grid() { return dynamic_cast<FavoriteEditComponent*> (tab().right.getPage()); }
    FavoriteDisplayComponent& tile (int bank, int slot) { return grid()->getTile (bank, slot); }
    ProgramListComponent& list() { return *tab().left.getProgramListComponent(); }

    static unsigned entry (int bank, int slot) { return library().getFavoriteData().getProgramNumber (bank, slot); }

    void setEntry (int bank, int slot, unsigned number)
    {
        library().getFavoriteData().setProgramNumber (bank, slot, number);
        data::DataChangeBroadcaster::getInstance()->notify();
        testsupport::runMessageLoop (20);
    }

    // Brings the pointer onto a tile from the grid's margin, so that the
    // tile sees it enter at that point.
    void enterTile (int bank, int slot, juce::Point<float> at)
    {
        testsupport::mouseMove (*grid(), { 2.0f, 2.0f });
        testsupport::mouseMove (tile (bank, slot), at);
        testsupport::runMessageLoop (10);
    }

    // Drags one tile onto another the way a person would: in, a little
    // movement, press, over to the other tile, release.
    void dragTile (int fromBank, int fromSlot, int toBank, int toSlot, juce::ModifierKeys held = {})
    {
        const testsupport::ScopedModifierKeys keys (held);
        auto& source = tile (fromBank, fromSlot);
        enterTile (fromBank, fromSlot, { 20.0f, 20.0f });
        const auto target = source.getLocalPoint (&tile (toBank, toSlot), juce::Point<float> (42.0f, 20.0f));
        testsupport::drag (source, { 28.0f, 20.0f }, target);
        testsupport::runMessageLoop (50);
        EXPECT_TRUE (testsupport::waitForDragEnd (tab()));
    }

    // The centre of a program list cell, in the list's coordinates.
    juce::Point<float> cellCentre (int row, int columnId)
    {
        auto& box = list().getListBox();
        box.scrollToEnsureRowIsOnscreen (row);
        testsupport::runMessageLoop (10);
        auto& header = box.getHeader();
        const auto column = header.getColumnPosition (header.getIndexOfColumnId (columnId, true));
        const auto rowArea = list().getLocalArea (&box, box.getRowPosition (row, true));
        return { (float) column.getCentreX(), (float) rowArea.getCentreY() };
    }

    void clickCell (int row, int columnId, juce::ModifierKeys held = {})
    {
        const auto point = cellCentre (row, columnId);
        const testsupport::ScopedModifierKeys keys (held);
        testsupport::click (list(), point);
        testsupport::runMessageLoop (10);
    }

    std::unique_ptr<ShownWindow> shown;
};

TEST_F (FavoritesGrid, ShowsTheLiveSetInFourLabelledRowsOfTiles)
{
    EXPECT_EQ (grid()->getBounds(), juce::Rectangle<int> (0, 0, 1110, 240));
    const char* const bankNames[] = { "LIVE SET A", "LIVE SET B", "LIVE SET C", "LIVE SET D" };
    const int tileX[] = { 85, 182, 279, 376, 473, 570, 667, 764 };
    for (int bank = 0; bank < 4; ++bank)
    {
        EXPECT_EQ (grid()->getBankLabel (bank).getText(), bankNames[bank]);
        EXPECT_EQ (grid()->getBankLabel (bank).getBounds(), juce::Rectangle<int> (5, 16 + 48 * bank, 80, 24));
        for (int slot = 0; slot < 8; ++slot)
        {
            EXPECT_EQ (tile (bank, slot).getBounds(), juce::Rectangle<int> (tileX[slot], 7 + 48 * bank, 84, 40));
            EXPECT_EQ (tile (bank, slot).getName(), "Favorite " + juce::String (bank) + ":" + juce::String (slot));
            EXPECT_EQ (tile (bank, slot).getNumberText(), "---");
        }
    }

    // Entries past the last program (500 is the empty mark; a damaged file
    // may hold anything) never reach the library.
    setEntry (0, 0, 0);
    setEntry (0, 1, 499);
    setEntry (0, 2, 500);
    setEntry (0, 3, 70000);
    const std::pair<const char*, const char*> shownTexts[] = {
        { "001", "Prog 000" }, { "500", "Prog 499" }, { "---", "------" }, { "---", "------" }
    };
    for (int slot = 0; slot < 4; ++slot)
    {
        EXPECT_EQ (tile (0, slot).getNumberText(), shownTexts[slot].first) << slot;
        EXPECT_EQ (tile (0, slot).getNameText().trimEnd(), shownTexts[slot].second) << slot;
    }

    // A library change reaches the tiles: a renamed program, through undo.
    undoManager().beginNewTransaction ("Rename");
    undoManager().perform (new x48305_action::SetProgramNameAction (499, "Big Strings", library().getProgram (499)));
    testsupport::runMessageLoop (30);
    EXPECT_EQ (tile (0, 1).getNameText().trimEnd(), "Big Strings");
    undoManager().undo();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (tile (0, 1).getNameText().trimEnd(), "Prog 499");

    // The language does not change the bank names.
    {
        testsupport::ScopedInterfaceLanguage japanese (true);
        FavoriteEditComponent other;
        for (int bank = 0; bank < 4; ++bank)
            EXPECT_EQ (other.getBankLabel (bank).getText(), bankNames[bank]);
    }

    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            library().getFavoriteData().setProgramNumber (bank, slot, (unsigned) ((bank * 8 + slot) * 15 % 500));
    library().getFavoriteData().setProgramNumber (2, 6, 500);
    data::DataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop (30);
    EXPECT_EQ (tile (3, 7).getNumberText(), "466");
    testsupport::writeSnapshot (tab().right, "favorites-grid-filled");
}

TEST_F (FavoritesGrid, ProgramsDraggedFromTheListSetATileToTheFirstOfThem)
{
    makeEarlierEdit();
    clickCell (7, 3);
    clickCell (9, 3, juce::ModifierKeys::shiftModifier);
    ASSERT_EQ (list().getListBox().getNumSelectedRows(), 3);

    // From the name cell (the list starts the drag) and from another cell
    // (the table does).
    for (int column : { 2, 5 })
    {
        SCOPED_TRACE (column);
        const auto target = list().getLocalPoint (&tile (1, 2), juce::Point<float> (42.0f, 20.0f));
        testsupport::drag (list(), cellCentre (8, column), target);
        testsupport::runMessageLoop (50);
        EXPECT_TRUE (testsupport::waitForDragEnd (list()));

        EXPECT_EQ (entry (1, 2), 7u);
        EXPECT_EQ (tile (1, 2).getNumberText(), "008");
        EXPECT_EQ (tile (1, 2).getNameText().trimEnd(), "Prog 007");
        EXPECT_FALSE (tile (1, 2).isDragOver());
        expectOneUndoStep ("SetFavoriteData");
        EXPECT_EQ (entry (1, 2), 500u);
    }
    EXPECT_EQ (nameOf (7), "Prog 007");
}

TEST_F (FavoritesGrid, TilesSwapCopyAndEmptyAsNamedUndoSteps)
{
    setEntry (0, 0, 10);
    setEntry (1, 3, 20);
    setEntry (2, 5, 42);
    makeEarlierEdit();

    dragTile (0, 0, 1, 3);
    EXPECT_EQ (entry (1, 3), 10u);
    EXPECT_EQ (entry (0, 0), 20u);
    EXPECT_EQ (tile (0, 0).getNumberText(), "021");
    expectOneUndoStep ("SwapFavoriteData");
    EXPECT_EQ (entry (0, 0), 10u);
    EXPECT_EQ (entry (1, 3), 20u);

    dragTile (0, 0, 1, 3, juce::ModifierKeys::altModifier);
    EXPECT_EQ (entry (1, 3), 10u);
    EXPECT_EQ (entry (0, 0), 10u);
    expectOneUndoStep ("CopyFavoriteData");
    EXPECT_EQ (entry (1, 3), 20u);

    testsupport::doubleClick (tile (2, 5), { 42.0f, 20.0f });
    testsupport::runMessageLoop (30);
    EXPECT_EQ (entry (2, 5), 500u);
    EXPECT_EQ (tile (2, 5).getNumberText(), "---");
    EXPECT_EQ (tile (2, 5).getNameText(), "------");
    expectOneUndoStep ("NoAssignFavoriteData");
    EXPECT_EQ (entry (2, 5), 42u);
    EXPECT_EQ (tile (2, 5).getNumberText(), "043");

    // An empty tile gets the same step.
    testsupport::doubleClick (tile (3, 0), { 42.0f, 20.0f });
    testsupport::runMessageLoop (30);
    EXPECT_EQ (entry (3, 0), 500u);
    expectOneUndoStep ("NoAssignFavoriteData");
}

TEST_F (FavoritesGrid, ADragStartsFivePixelsFromWhereThePointerEntered)
{
    setEntry (0, 0, 10);
    auto& source = tile (0, 0);

    // Pressed where the pointer came in, 3 pixels of movement: no drag.
    enterTile (0, 0, { 20.0f, 20.0f });
    testsupport::mouseDown (source, { 20.0f, 20.0f });
    testsupport::mouseDrag (source, { 23.0f, 20.0f });
    EXPECT_FALSE (tab().isDragAndDropActive());
    testsupport::mouseUp (source, { 23.0f, 20.0f });

    // Moved 5 pixels first, then pressed: the first drag event starts it.
    // The framework looks where the pointer really is when a drag ends, so
    // the display's pointer rests on the tile too.
    const ScopedDisplayPointer resting (source, { 25.0f, 20.0f });
    enterTile (0, 0, { 20.0f, 20.0f });
    testsupport::mouseMove (source, { 25.0f, 20.0f });
    testsupport::mouseDown (source, { 25.0f, 20.0f });
    testsupport::mouseDrag (source, { 25.0f, 21.0f });
    EXPECT_TRUE (tab().isDragAndDropActive());
    testsupport::mouseUp (source, { 25.0f, 21.0f });
    EXPECT_TRUE (testsupport::waitForDragEnd (tab()));


    // Without leaving the tile, no second drag; after leaving and coming
    // back, there is one.
    testsupport::mouseDown (source, { 25.0f, 20.0f });
    testsupport::mouseDrag (source, { 40.0f, 20.0f });
    EXPECT_FALSE (tab().isDragAndDropActive());
    testsupport::mouseUp (source, { 40.0f, 20.0f });

    enterTile (0, 0, { 20.0f, 20.0f });
    testsupport::mouseDown (source, { 20.0f, 20.0f });
    testsupport::mouseDrag (source, { 26.0f, 20.0f });
    EXPECT_TRUE (tab().isDragAndDropActive());
    testsupport::mouseUp (source, { 26.0f, 20.0f });
    EXPECT_TRUE (testsupport::waitForDragEnd (tab()));

    // A drag dropped back on its own tile changes nothing.
    EXPECT_EQ (entry (0, 0), 10u);
    EXPECT_FALSE (undoManager().canUndo());
}

TEST_F (FavoritesGrid, ATileShowsItsDropImageWhileADragIsOverIt)
{
    setEntry (0, 0, 10);
    setEntry (1, 3, 20);
    auto& target = tile (1, 3);
    const auto normal = target.createComponentSnapshot (target.getLocalBounds());

    auto& source = tile (0, 0);
    enterTile (0, 0, { 20.0f, 20.0f });
    testsupport::mouseMove (source, { 28.0f, 20.0f });
    testsupport::mouseDown (source, { 28.0f, 20.0f });
    const auto over = source.getLocalPoint (&target, juce::Point<float> (42.0f, 20.0f));
    for (int i = 1; i <= 8; ++i)
        testsupport::mouseDrag (source, juce::Point<float> (28.0f, 20.0f) + (over - juce::Point<float> (28.0f, 20.0f)) * (float) i / 8.0f);
    testsupport::runMessageLoop (50);

    EXPECT_TRUE (target.isDragOver());
    const auto dropping = target.createComponentSnapshot (target.getLocalBounds());
    EXPECT_GT (countDifferentPixels (normal, dropping), 84 * 40 / 4);
    // No drag image over it hides the drop picture (compared where the
    // tile is opaque: its rounded corners show what lies behind).
    const auto seen = tab().createComponentSnapshot (testsupport::boundsRelativeTo (target, tab()));
    int hidden = 0;
    for (int y = 0; y < dropping.getHeight(); ++y)
        for (int x = 0; x < dropping.getWidth(); ++x)
            hidden += dropping.getPixelAt (x, y).isOpaque() && dropping.getPixelAt (x, y) != seen.getPixelAt (x, y);
    EXPECT_EQ (hidden, 0);
    testsupport::writeSnapshot (dropping, "favorite-tile-drag-over");
    testsupport::writeSnapshot (normal, "favorite-tile-normal");

    // Off the tile again (onto a bank label): the normal picture, and a
    // release there drops nothing.
    const auto away = source.getLocalPoint (&grid()->getBankLabel (2), juce::Point<float> (20.0f, 12.0f));
    testsupport::mouseDrag (source, away);
    testsupport::runMessageLoop (50);
    EXPECT_FALSE (target.isDragOver());
    EXPECT_EQ (countDifferentPixels (normal, target.createComponentSnapshot (target.getLocalBounds())), 0);
    testsupport::mouseUp (source, away);
    testsupport::runMessageLoop (50);
    EXPECT_TRUE (testsupport::waitForDragEnd (tab()));
    EXPECT_EQ (entry (0, 0), 10u);
    EXPECT_EQ (entry (1, 3), 20u);
    EXPECT_FALSE (undoManager().canUndo());
}

TEST_F (FavoritesGrid, DescriptionsThatNameNoTileOrNoProgramAreRefused)
{
    setEntry (1, 3, 20);
    setEntry (3, 7, 30);
    makeEarlierEdit();
    testsupport::OtherWindow other ({ 0, 680 });
    const auto onTarget = tab().getLocalPoint (&tile (1, 3), juce::Point<float> (42.0f, 20.0f));

    const juce::var refused[] = {
        juce::Array<juce::var> { "FavoriteDataDragItem", 4, 0 },
        juce::Array<juce::var> { "FavoriteDataDragItem", 0, 8 },
        juce::Array<juce::var> { "FavoriteDataDragItem", -1, 2 },
        juce::Array<juce::var> { "FavoriteDataDragItem", 0, 2, 9 },
        juce::Array<juce::var> { "FavoriteDataDragItem", "0", 2 },
        juce::Array<juce::var> { "FavoriteDataDragItem", 1, 3 }, // the tile itself
        juce::Array<juce::var> { "favoritedatadragitem", 0, 2 },
        listOf ("ProgramListDragItem", { 500 }),
        listOf ("ProgramListDragItem", { -1 }),
        listOf ("ProgramListDragItem", { 3, 70000 }),
        listOf ("ProgramListDragItem", {}),
        listOf ("ProgramListDragItem", { "3" }),
        listOf ("programlistdragitem", { 3 }),
        listOf ("PresetDataDragItem", { ui::packPresetItem (0, 3) }),
        listOf ("UserListDragItem", { 3 }),
        juce::var ("ProgramListDragItem"),
    };
    // Every other one with Alt held, which asks a tile for a copy.
    bool alt = false;
    for (const auto& description : refused)
    {
        SCOPED_TRACE (juce::JSON::toString (description, true));
        other.source.description = description;
        EXPECT_TRUE (other.dragFromSourceTo (tab(), onTarget, alt ? juce::ModifierKeys::altModifier : juce::ModifierKeys()));
        EXPECT_EQ (entry (1, 3), 20u);
        EXPECT_EQ (entry (3, 7), 30u);
        EXPECT_FALSE (tile (1, 3).isDragOver());
        EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
        alt = ! alt;
    }

    // What names a tile or library programs is taken, from any window.
    other.source.description = juce::Array<juce::var> { "FavoriteDataDragItem", 3, 7 };
    EXPECT_TRUE (other.dragFromSourceTo (tab(), onTarget));
    EXPECT_EQ (entry (1, 3), 30u);
    EXPECT_EQ (entry (3, 7), 20u);
    expectOneUndoStep ("SwapFavoriteData");

    other.source.description = listOf ("ProgramListDragItem", { 499, 0 });
    EXPECT_TRUE (other.dragFromSourceTo (tab(), onTarget));
    EXPECT_EQ (entry (1, 3), 499u);
    expectOneUndoStep ("SetFavoriteData");
}

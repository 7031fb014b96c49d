#include "PanesFixture.h"

#include "application/ApplicationFonts.h"
#include "application/ApplicationMenuManager.h"
#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "application/PreferencesDataUpdater.h"
#include "file/FileResultCodes.h"
#include "formats/UserUnitBinary.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/OtherWindow.h"
#include "support/PackageFixtures.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/FontLibrary.h"
#include "ui/ModalDialogState.h"
#include "ui/PreferencesEditComponent.h"
#include "ui/UserPaneComponent.h"

#include <functional>

using namespace panestest;

namespace
{
UnitHeaderSummary unitHeader (int module, const std::string& name, std::uint32_t version = UnitHeaderRecord::packVersion (1, 5, 3))
{
    UnitHeaderRecord header;
    header.setModuleIndex (module);
    header.setPlatform (UnitHeaderRecord::platformSolivane);
    header.setApiVersion (UnitHeaderRecord::packVersion (1, 2, 0));
    header.setUnitVersion (version);
    header.setName (name);
    return header.getSummary();
}

struct KindCase
{
    const char* listName;
    int rows;
    int module;
    std::function<std::unique_ptr<UserPaneComponent>()> makePane;
    std::function<const x48305_data::UserUnitSlotData&(std::uint32_t)> slot;
    std::function<void (std::uint32_t, const UnitHeaderSummary&)> put;
    std::function<std::vector<int>()> selection;
    const char* snapshotName;
};

template <typename Pane, typename Slot, typename Selection>
KindCase kindCase (const char* listName, int rows, int module, Slot& (x48305_data::UserData::*accessor) (const std::uint32_t&),
                   const char* snapshotName)
{
    return { listName,
             rows,
             module,
             [] { return std::make_unique<Pane>(); },
             [accessor] (std::uint32_t i) -> const x48305_data::UserUnitSlotData& { return (units().*accessor) (i); },
             [accessor] (std::uint32_t i, const UnitHeaderSummary& header) { (units().*accessor) (i) = Slot (i, header); },
             [] { return Selection::getInstance()->getAllSelected(); },
             snapshotName };
}

const KindCase& oscCase()
{
    static const auto c = kindCase<UserOscPaneComponent, x48305_data::UserOscData, ui::SelectedUserOscStatus> (
        "User Osc. List", 16, UnitModuleOscillator, &x48305_data::UserData::getUserOscData, "user-osc-list");
    return c;
}

const KindCase& delayCase()
{
    static const auto c = kindCase<UserDelFXPaneComponent, x48305_data::UserDelFXData, ui::SelectedUserDelFXStatus> (
        "User DelFX List", 8, UnitModuleDelayEffect, &x48305_data::UserData::getUserDelFXData, "user-delfx-list");
    return c;
}

const KindCase& reverbCase()
{
    static const auto c = kindCase<UserRevFXPaneComponent, x48305_data::UserRevFXData, ui::SelectedUserRevFXStatus> (
        "User RevFX List", 8, UnitModuleReverbEffect, &x48305_data::UserData::getUserRevFXData, "user-revfx-list");
    return c;
}

const KindCase& modulationCase()
{
    static const auto c = kindCase<UserModFXPaneComponent, x48305_data::UserModFXData, ui::SelectedUserModFXStatus> (
        "User ModFX List", 16, UnitModuleModulationEffect, &x48305_data::UserData::getUserModFXData, "user-modfx-list");
    return c;
}

// The brightest grey in an area of an image (text is drawn in one grey over
// a darker ground).
int brightestIn (const juce::Image& image, juce::Rectangle<int> area)
{
    int brightest = 0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            brightest = juce::jmax (brightest, (int) image.getPixelAt (x, y).getRed());
    return brightest;
}

bool dropFiles (juce::Component& target, juce::Point<int> position, const juce::StringArray& files)
{
    auto* peer = target.getPeer();
    if (peer == nullptr)
        return false;
    juce::ComponentPeer::DragInfo info;
    info.files = files;
    info.position = peer->getComponent().getLocalPoint (&target, position);
    return peer->handleDragDrop (info);
}
} // namespace

class UserLists : public testing::Test
{
protected:
    void SetUp() override { resetLibrary(); }

    void TearDown() override
    {
        shown.clear();
        undoManager().clearUndoHistory();
        units() = x48305_data::UserData();
    }

    // A kind's pane in a window of its own, at the given width.
    UserListComponent& show (const KindCase& kind, juce::Point<int> topLeft, int width = 790)
    {
        auto pane = kind.makePane();
        pane->setSize (width, pane->getHeight());
        shown.push_back (std::make_unique<ShownWindow> (std::move (pane), topLeft, kind.listName));
        return static_cast<UserPaneComponent&> (shown.back()->content()).getList();
    }

    static void fill (const KindCase& kind, const char* prefix)
    {
        for (int i = 0; i < kind.rows; ++i)
            kind.put ((std::uint32_t) i, unitHeader (kind.module, prefix + std::to_string (i)));
    }

    static std::vector<std::string> namesOf (const KindCase& kind)
    {
        std::vector<std::string> names;
        for (int i = 0; i < kind.rows; ++i)
            names.push_back (kind.slot ((std::uint32_t) i).getName());
        return names;
    }

    static juce::Rectangle<int> cellArea (UserListComponent& list, int row, int columnId)
    {
        auto& box = list.getListBox();
        auto& header = box.getHeader();
        const auto column = header.getColumnPosition (header.getIndexOfColumnId (columnId, true));
        const auto rowArea = list.getLocalArea (&box, box.getRowPosition (row, true));
        return { column.getX(), rowArea.getY(), column.getWidth(), rowArea.getHeight() };
    }

    static juce::Point<float> cellCentre (UserListComponent& list, int row, int columnId = 2)
    {
        return cellArea (list, row, columnId).getCentre().toFloat();
    }

    static void clickRow (UserListComponent& list, int row, juce::ModifierKeys held = {})
    {
        const testsupport::ScopedModifierKeys keys (held);
        testsupport::click (list, cellCentre (list, row));
        testsupport::runMessageLoop (20);
    }

    static void dragRows (UserListComponent& from, int row, juce::Component& onto, juce::Point<float> at,
                          juce::ModifierKeys held = {})
    {
        const testsupport::ScopedModifierKeys keys (held);
        testsupport::drag (from, cellCentre (from, row), from.getLocalPoint (&onto, at));
        testsupport::runMessageLoop (60);
        EXPECT_TRUE (testsupport::waitForDragEnd (from));
    }

    static std::vector<int> selectedRows (UserListComponent& list)
    {
        std::vector<int> rows;
        const auto set = list.getListBox().getSelectedRows();
        for (int i = 0; i < set.size(); ++i)
            rows.push_back (set[i]);
        return rows;
    }

    std::vector<std::unique_ptr<ShownWindow>> shown;
};

TEST_F (UserLists, EachListShowsTheSlotsOfItsKind)
{
    for (const auto* kind : { &oscCase(), &modulationCase(), &delayCase(), &reverbCase() })
    {
        SCOPED_TRACE (kind->listName);
        // Filled as a user's would be, with a gap.
        const char* const names[] = { "Saw Lead", "Grit Box", "Wave Fold", "Sub Thump", "Glass Bell", "Noise Air",
                                      "Pulse Width", "Formant Vox" };
        for (int i = 0; i < kind->rows; ++i)
            if (i != 3 && i != kind->rows - 2)
                kind->put ((std::uint32_t) i, unitHeader (kind->module, names[i % 8] + std::string (i >= 8 ? " 2" : ""),
                                                          UnitHeaderRecord::packVersion (1 + i % 3, (i * 7) % 12, i % 4)));

        auto& list = show (*kind, { 0, 0 });
        testsupport::runMessageLoop (30);
        EXPECT_EQ (list.getName(), kind->listName);
        EXPECT_EQ (list.getListBox().getParentComponent(), &list);
        EXPECT_EQ (list.getNumRows(), kind->rows);
        EXPECT_EQ (list.getListBox().getRowHeight(), 25);
        EXPECT_EQ (list.getParentComponent()->getHeight(), 530);
        EXPECT_EQ (kind->selection(), std::vector<int> { 0 });
        EXPECT_EQ (selectedRows (list), std::vector<int> { 0 });

        auto& header = list.getListBox().getHeader();
        EXPECT_EQ (header.getNumColumns (true), 4);
        EXPECT_EQ (header.getColumnName (2), "Name");
        EXPECT_EQ (header.getColumnName (3), "Version");
        EXPECT_EQ (header.getColumnName (4), "API");

        const auto image = list.createComponentSnapshot (list.getLocalBounds());
        testsupport::writeSnapshot (image, kind->snapshotName);

        // The selected row's name stays white; the other columns light up
        // from dark grey only when selected.
        EXPECT_GE (brightestIn (image, cellArea (list, 0, 2)), 0xf0);
        EXPECT_GE (brightestIn (image, cellArea (list, 1, 2)), 0xf0);
        for (int column : { 1, 3, 4 })
        {
            const int selected = brightestIn (image, cellArea (list, 0, column));
            const int unselected = brightestIn (image, cellArea (list, 1, column));
            EXPECT_TRUE (selected > 0xc0 && selected <= 0xd3) << column << ": " << selected;
            EXPECT_TRUE (unselected > 0x70 && unselected <= 0x80) << column << ": " << unselected;
        }
        shown.clear();
        units() = x48305_data::UserData();
    }
}

TEST_F (UserLists, CellTextsOfFilledAndEmptySlots)
{
    delayCase().put (0, unitHeader (UnitModuleDelayEffect, "Tape Echo", UnitHeaderRecord::packVersion (1, 5, 3)));
    x48305_ui::UserDelFXListView view (units());
    const std::vector<std::vector<juce::String>> expected {
        { "1", "Tape Echo", "1.05-3", "1.02-0" },
        { "2", "---", "---", "---" },
        { "8", "---", "---", "---" },
    };
    const int rows[] = { 0, 1, 7 };
    for (size_t i = 0; i < expected.size(); ++i)
        for (int column = 1; column <= 4; ++column)
            EXPECT_EQ (view.getCellText (rows[i], column), expected[i][(size_t) column - 1]) << rows[i] << "/" << column;
    EXPECT_EQ (view.getColumnWidth (1), 48);
    EXPECT_EQ (view.getColumnWidth (2), 180);
    EXPECT_EQ (view.getColumnWidth (4), 80);
    EXPECT_EQ (view.getColumnWidth (9), 100);
    EXPECT_EQ (view.getNumRows(), 8);
    EXPECT_EQ (x48305_ui::UserOscListView (units()).getNumRows(), 16);
}

TEST_F (UserLists, RowsMoveAndAltCopyWithinAListAsOneUndoStep)
{
    fill (delayCase(), "Delay ");
    auto& list = show (delayCase(), { 0, 0 });
    makeEarlierEdit();
    const auto before = units();

    // Row 0 dragged below the last row: every unit moves up one slot.
    const auto belowLast = cellArea (list, 7, 3).getBottomLeft().toFloat() + juce::Point<float> (20.0f, -4.0f);
    dragRows (list, 0, list, belowLast);
    EXPECT_EQ (namesOf (delayCase()), (std::vector<std::string> { "Delay 1", "Delay 2", "Delay 3", "Delay 4", "Delay 5",
                                                                    "Delay 6", "Delay 7", "Delay 0" }));
    EXPECT_EQ (selectedRows (list), std::vector<int> { 7 });
    EXPECT_EQ (delayCase().selection(), std::vector<int> { 7 });
    expectOneUndoStep ("DragInsert");
    EXPECT_TRUE (units() == before);

    // Rows 0-2 copied with Alt onto row 7: the block ends on the last row.
    clickRow (list, 0);
    clickRow (list, 2, juce::ModifierKeys::shiftModifier);
    dragRows (list, 1, list, cellCentre (list, 7), juce::ModifierKeys::altModifier);
    EXPECT_EQ (namesOf (delayCase()), (std::vector<std::string> { "Delay 0", "Delay 1", "Delay 2", "Delay 3", "Delay 4",
                                                                    "Delay 0", "Delay 1", "Delay 2" }));
    EXPECT_EQ (selectedRows (list), (std::vector<int> { 5, 6, 7 }));
    EXPECT_EQ (delayCase().selection(), (std::vector<int> { 5, 6, 7 }));
    expectOneUndoStep ("DragCopy");
    EXPECT_TRUE (units() == before);

    // A row dropped on its own place (either gap beside it): no step.
    clickRow (list, 3);
    const auto row3 = cellArea (list, 3, 3);
    for (float y : { (float) row3.getY() + 2.0f, (float) row3.getBottom() - 3.0f })
    {
        dragRows (list, 3, list, { (float) row3.getCentreX(), y });
        EXPECT_TRUE (units() == before);
        EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    }

    // When the main window's tab changes, the list hands its selection over
    // again; the model never writes the list.
    ui::SelectedUserDelFXStatus::getInstance()->setSelected ({ 0, 1 });
    testsupport::runMessageLoop (20);
    EXPECT_EQ (selectedRows (list), std::vector<int> { 3 });
    list.changeListenerCallback (nullptr);
    EXPECT_EQ (delayCase().selection(), std::vector<int> { 3 });
}

TEST_F (UserLists, RowsOfAnotherListOrWindowAreRefused)
{
    fill (oscCase(), "Osc ");
    fill (reverbCase(), "Reverb ");
    auto& osc = show (oscCase(), { 0, 0 }, 620);
    auto& reverb = show (reverbCase(), { 640, 0 }, 620);
    makeEarlierEdit();
    const auto before = units();

    // All four lists share one description type: a drag from the
    // oscillators names oscillator slots, which are no reverb rows.
    clickRow (osc, 0);
    clickRow (osc, 1, juce::ModifierKeys::shiftModifier);
    for (bool alt : { false, true })
    {
        dragRows (osc, 0, reverb, cellCentre (reverb, 5), alt ? juce::ModifierKeys::altModifier : juce::ModifierKeys());
        EXPECT_TRUE (units() == before);
        EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
        EXPECT_FALSE (reverb.getListBox().isDragging());
    }

    testsupport::OtherWindow other ({ 0, 600 });
    other.source.description = juce::Array<juce::var> { "UserListDragItem", juce::Array<juce::var> { 0, 1 } };
    for (bool alt : { false, true })
    {
        EXPECT_TRUE (other.dragFromSourceTo (reverb, cellCentre (reverb, 5),
                                             alt ? juce::ModifierKeys::altModifier : juce::ModifierKeys()));
        EXPECT_TRUE (units() == before);
        EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    }

    // The controller itself takes only a permutation of its own slots, and
    // copies only between them.
    x48305_ui::UserRevFXListController controller (units());
    const std::vector<std::vector<int>> badOrders { { 1, 2, 3, 4, 5, 6, 7, 7 }, { 1, 2, 3, 4, 5, 6, 7 },
                                                    { 1, 2, 3, 4, 5, 6, 7, 0, 8 }, { 0, 1, 2, 3, 4, 5, 6, -1 },
                                                    { 0, 1, 2, 3, 4, 5, 6, 8 }, {} };
    for (const auto& order : badOrders)
        EXPECT_FALSE (controller.moveRows (order));
    const std::vector<std::map<int, int>> badCopies { { { 8, 0 } }, { { 0, 8 } }, { { -1, 0 } }, { { 2, -3 } }, {} };
    for (const auto& copies : badCopies)
        EXPECT_FALSE (controller.copyRows (copies));
    EXPECT_TRUE (units() == before);
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");

    EXPECT_TRUE (controller.moveRows ({ 1, 0, 2, 3, 4, 5, 6, 7 }));
    EXPECT_EQ (units().getUserRevFXData (0).getName(), "Reverb 1");
    EXPECT_EQ (units().getUserRevFXData (1).getName(), "Reverb 0");
    EXPECT_EQ (units().getUserOscData (0).getName(), "Osc 0");
    expectOneUndoStep ("DragInsert");
}

class UserListFileDrop : public UserLists
{
protected:
    juce::File writePackage (const juce::String& fileName, const std::string& module, int moduleIndex,
                             const std::string& unitName)
    {
        pkgtest::ManifestText manifest (module, unitName);
        if (moduleIndex == UnitModuleOscillator)
            manifest.withParams ({});
        const auto content = pkgtest::buildPackage (manifest.str(), pkgtest::payloadWithMagic (getUnitModuleMagic (moduleIndex)));
        const auto file = folder.getChildFile (fileName);
        EXPECT_TRUE (file.replaceWithData (content.getData(), content.getSize()));
        return file;
    }

    juce::Point<int> rowCentre (UserListComponent& list, int row)
    {
        return cellArea (list, row, 3).getCentre();
    }

    juce::TemporaryFile temporary;
    juce::File folder { temporary.getFile() };

    void SetUp() override
    {
        UserLists::SetUp();
        folder.createDirectory();
    }

    void TearDown() override
    {
        folder.deleteRecursively();
        UserLists::TearDown();
    }
};

TEST_F (UserListFileDrop, APackageDroppedOnARowLoadsIntoThatSlot)
{
    auto& list = show (oscCase(), { 0, 0 });
    auto& pane = *list.getParentComponent();
    auto* target = dynamic_cast<juce::FileDragAndDropTarget*> (&pane);
    ASSERT_NE (target, nullptr);
    makeEarlierEdit();

    const auto notes = folder.getChildFile ("notes.txt");
    notes.replaceWithText ("not a unit");
    const auto package = writePackage ("Saw.SLVNUNIT", "osc", UnitModuleOscillator, "Saw Lead");
    EXPECT_FALSE (target->isInterestedInFileDrag ({ notes.getFullPathName() }));
    EXPECT_TRUE (target->isInterestedInFileDrag ({ notes.getFullPathName(), package.getFullPathName() }));

    // The package second in the list, dropped on row 3.
    ASSERT_TRUE (dropFiles (list, rowCentre (list, 3), { notes.getFullPathName(), package.getFullPathName() }));
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return oscCase().slot (3).getState() != UnitSlotState::Empty; }));
    EXPECT_EQ (oscCase().slot (3).getState(), UnitSlotState::FromFile);
    EXPECT_EQ (oscCase().slot (3).getName(), "Saw Lead");
    testsupport::runMessageLoop (30);
    EXPECT_EQ (list.getListBox().getNumRows(), 16);
    expectOneUndoStep ("LoadUserOscData");
    EXPECT_EQ (oscCase().slot (3).getState(), UnitSlotState::Empty);

    // Below the last row, or while a dialog is open: nothing.
    const auto below = list.getLocalBounds().getBottomLeft() + juce::Point<int> (100, -10);
    EXPECT_EQ (list.getListBox().getRowContainingPosition (below.x, below.y), -1);
    dropFiles (list, below, { package.getFullPathName() });
    // Nor on the header, also with the first row half scrolled under it.
    auto& box = list.getListBox();
    const juce::Point<int> onHeader (rowCentre (list, 3).x, box.getHeaderHeight() / 2);
    dropFiles (list, onHeader, { package.getFullPathName() });
    box.getViewport()->setViewPosition (0, box.getRowHeight() / 2);
    dropFiles (list, onHeader, { package.getFullPathName() });
    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    EXPECT_FALSE (target->isInterestedInFileDrag ({ package.getFullPathName() }));
    target->filesDropped ({ package.getFullPathName() }, rowCentre (list, 5).x, rowCentre (list, 5).y);
    ui::ModalDialogState::getInstance()->setDialogOpen (false);
    testsupport::runMessageLoop (100);
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    for (std::uint32_t slot = 0; slot < 16; ++slot)
        EXPECT_EQ (oscCase().slot (slot).getState(), UnitSlotState::Empty) << slot;
}

TEST_F (UserListFileDrop, AUnitOfAnotherKindShowsTheErrorAndLeavesTheSlot)
{
    oscCase().put (4, unitHeader (UnitModuleOscillator, "Kept"));
    auto& list = show (oscCase(), { 0, 0 });
    makeEarlierEdit();
    const auto before = units();
    const auto package = writePackage ("chorus.slvnunit", "modfx", UnitModuleModulationEffect, "Chorus");

    juce::String message;
    testsupport::ModalDialogDriver driver (testsupport::andThen (
        [&message] (juce::Component& dialog) {
            if (auto* content = testsupport::dialogContent (dialog))
                if (auto* editor = testsupport::findDescendantAs<juce::TextEditor> (*content, "message"))
                    message = editor->getText();
        },
        testsupport::clickButton ("yes")));
    ASSERT_TRUE (dropFiles (list, rowCentre (list, 4), { package.getFullPathName() }));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&driver] { return driver.hasActed(); }));
    testsupport::runMessageLoop (50);

    EXPECT_EQ (driver.getDialogTitle(), getLocalizedText ("CommonErrorDialogTitle"));
    EXPECT_TRUE (message.contains (x48305_file::getReadErrorText (file::ReadErrorUserUnitFileWrongModule))) << message;
    EXPECT_TRUE (units() == before);
    EXPECT_EQ (oscCase().slot (4).getName(), "Kept");
    EXPECT_EQ (undoManager().getUndoDescription(), "Earlier");
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

TEST_F (UserLists, RowHeightOfAllFourListsFollowsThePreference)
{
    std::vector<std::unique_ptr<UserPaneComponent>> panes;
    for (const auto* kind : { &oscCase(), &modulationCase(), &delayCase(), &reverbCase() })
        panes.push_back (kind->makePane());

    // The panes pass every command on to the application's commands.
    auto& commands = x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget();
    for (auto& pane : panes)
    {
        EXPECT_EQ (pane->getNextCommandTarget(), &commands);
        EXPECT_FALSE (pane->perform (juce::ApplicationCommandTarget::InvocationInfo (1)));
    }

    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    for (int height : { 40, 25 })
    {
        preferences->setInt (x48305_preferences::keys::programListHeight, height);
        application::PreferencesDataChangeBroadcaster::getInstance()->notify();
        testsupport::runMessageLoop (30);
        for (auto& pane : panes)
            EXPECT_EQ (pane->getList().getListBox().getRowHeight(), height) << pane->getList().getName();
    }
}

// A number or version cut short reads as another: at every offered row height
// those cells fit their columns in their fonts; the default keeps the usual widths.
TEST_F (UserLists, NumbersAndVersionsShowWholeAtEveryOfferedSize)
{
    const std::uint32_t parts[][3] = { { 99, 99, 99 }, { 12, 34, 56 }, { 1, 5, 3 }, { 127, 127, 127 } };
    for (std::uint32_t i = 0; i < std::size (parts); ++i)
        oscCase().put (i, unitHeader (UnitModuleOscillator, "Version " + std::to_string (i),
                                      UnitHeaderRecord::packVersion (parts[i][0], parts[i][1], parts[i][2])));
    oscCase().put (4, unitHeader (UnitModuleOscillator, "WWWWWWWWWWWWW"));
    library().getProgram (498).setName ("WWWWWWWWWWWW");
    auto& unitList = show (oscCase(), { 0, 0 });
    shown.push_back (std::make_unique<ShownWindow> (std::make_unique<LeftPaneComponent>(), juce::Point<int> { 0, 560 },
                                                    "Program List"));
    auto& programList = *static_cast<LeftPaneComponent&> (shown.back()->content()).getProgramListComponent();

    const auto number = [] (int row) { return juce::String (row + 1); };
    const auto slot = [] (int row) -> const x48305_data::UserUnitSlotData& { return oscCase().slot ((std::uint32_t) row); };
    const std::tuple<juce::TableListBox&, int, const char*, int, std::function<juce::String (int)>> columns[] = {
        { programList.getListBox(), 1, "ProgramListNumber", 48, number },
        { unitList.getListBox(), 1, "ProgramListNumber", 48, number },
        { unitList.getListBox(), 3, "ProgramListCategory", 80, [slot] (int row) { return juce::String (slot (row).getVersionText()); } },
        { unitList.getListBox(), 4, "ProgramListCategory", 80, [slot] (int row) { return juce::String (slot (row).getApiVersionText()); } },
    };
    const auto setRowHeight = [] (int height)
    {
        x48305_preferences::PreferencesData::getInstance()->setInt (x48305_preferences::keys::programListHeight, height);
        x48305_preferences::PreferencesDataUpdater().applyFontSettings();
        testsupport::runMessageLoop (30);
    };
    for (const int height : PreferencesEditComponent::rowHeights)
    {
        setRowHeight (height);
        for (const auto& [box, id, fontKey, usualWidth, text] : columns)
        {
            SCOPED_TRACE (box.getName() + " column " + juce::String (id) + " at height " + juce::String (height));
            const auto font = ui::FontLibrary::getInstance()->getFont (fontKey);
            ASSERT_EQ (font.getHeight(), (float) x48305_application::listFontSizeForRowHeight (height));
            const int width = box.getHeader().getColumnWidth (id);
            EXPECT_TRUE (height != 25 || width == usualWidth);
            for (int row = 0; row < box.getModel()->getNumRows(); ++row)
                EXPECT_LE (12.0f + font.getStringWidthFloat (text (row)), (float) width) << "row " << row;
        }
    }

    // Long texts of other columns end with an ellipsis.
    programList.getListBox().scrollToEnsureRowIsOnscreen (499);
    testsupport::runMessageLoop (30);
    testsupport::writeSnapshot (unitList, "user-osc-list-largest");
    testsupport::writeSnapshot (programList, "program-list-largest");
    setRowHeight (25);
}

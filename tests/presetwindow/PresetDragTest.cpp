#include "PresetWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "library/DataCenter.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/DragItems.h"
#include "ui/LeftPaneComponent.h"
#include "ui/PresetListComponent.h"

namespace
{
using namespace presetwindowtest;

using Bytes = std::vector<juce::uint8>;

Bytes bytesOf (const x48305_data::ProgramData& program)
{
    return { program.getRawData(), program.getRawData() + x48305_data::programRecordSize };
}

x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

x48305_data::PresetLibrary& presets()
{
    return x48305_data::DataCenter::getInstance()->getPresetLibrary();
}

std::vector<Bytes> libraryRecords()
{
    std::vector<Bytes> records;
    for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
        records.push_back (bytesOf (library().getProgram (p)));
    return records;
}

juce::var presetDescription (std::initializer_list<int> packed)
{
    ui::PresetDataDragItem item (ui::dragtypes::presetData);
    for (auto p : packed)
        item.add (p);
    return item.toVar();
}

// The preset window beside the main window's program list, over a library of
// programs named "Lib NNN" and an empty undo history.
class PresetDragTest : public PresetWindowTest
{
protected:
    void SetUp() override
    {
        PresetWindowTest::SetUp();
        library() = x48305_data::LibraryData();
        for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
            library().getProgram (p).setName (juce::String::formatted ("Lib %03d", p).toStdString());
        undoManager().clearUndoHistory();

        pane = std::make_unique<LeftPaneComponent>();
        mainWindow.setContentNonOwned (pane.get(), true);
        mainWindow.setTopLeftPosition (0, 0);
        mainWindow.setVisible (true);

        // Side by side: the preset window below the list's right end.
        auto* preferences = x48305_preferences::PreferencesData::getInstance();
        preferences->setInt (x48305_preferences::keys::presetWindowPositionX, 1010);
        preferences->setInt (x48305_preferences::keys::presetWindowPositionY, 440);
        openWindow();
    }

    void TearDown() override
    {
        PresetWindowTest::TearDown();
        mainWindow.clearContentComponent();
        pane.reset();
        undoManager().clearUndoHistory();
        library() = x48305_data::LibraryData();
    }

    static application::ApplicationUndoManager& undoManager()
    {
        return *application::ApplicationUndoManager::getInstance();
    }

    ui::DraggableTableListBox& programList() { return pane->getProgramListComponent()->getListBox(); }

    // A point in the middle of a row of the program list.
    juce::Point<float> listRowCentre (int row)
    {
        programList().scrollToEnsureRowIsOnscreen (row);
        testsupport::runMessageLoop();
        return programList().getRowPosition (row, true).toFloat().getCentre();
    }

    // Presses on a row of the tree and drags, through real mouse events, to
    // a row of the program list in the other window, and lets go there.
    void dragRowOntoProgramList (juce::TreeViewItem& row, int listRow)
    {
        const auto from = rowCentre (row);
        const auto to = tree().getLocalPoint (&programList(), listRowCentre (listRow));
        testsupport::mouseMove (tree(), from);
        testsupport::mouseDown (tree(), from);
        constexpr int steps = 10;
        for (int i = 1; i <= steps; ++i)
            testsupport::mouseDrag (tree(), from + (to - from) * ((float) i / (float) steps));
        testsupport::runMessageLoop (30);
        dragWasActive = pane->getProgramListComponent()->isDragAndDropActive()
                        || dynamic_cast<PresetListComponent*> (manager().getWindow()->getContentComponent())
                               ->isDragAndDropActive();
        testsupport::mouseUp (tree(), to);
        testsupport::runMessageLoop (50);
    }

    void selectWithModifier (juce::TreeViewItem& row, juce::ModifierKeys held)
    {
        const auto point = rowCentre (row);
        const testsupport::ScopedModifierKeys keys (held);
        testsupport::click (tree(), point);
        testsupport::runMessageLoop();
    }

    std::unique_ptr<LeftPaneComponent> pane;
    juce::DocumentWindow mainWindow { "programs", juce::Colours::black, 0, true };
    bool dragWasActive = false;
};

TEST_F (PresetDragTest, ThreeSelectedRowsDraggedOntoTheProgramListAreCopiedAsOneStep)
{
    const auto before = libraryRecords();
    clickOpenBox (presetRow (factory));
    clickRow (programRow (factory, 10));
    selectWithModifier (programRow (factory, 12), juce::ModifierKeys::shiftModifier);
    clickOpenBox (presetRow (zeroPrograms));
    selectWithModifier (presetRow (zeroPrograms), juce::ModifierKeys::commandModifier);
    ASSERT_EQ (tree().getNumSelectedItems(), 4);

    // What the tree hands the framework: the three programs, not the preset.
    EXPECT_EQ (programRow (factory, 11).getDragSourceDescription(), presetDescription ({ 10, 11, 12 }));

    dragRowOntoProgramList (programRow (factory, 11), 100);
    EXPECT_TRUE (dragWasActive);
    EXPECT_EQ (undoManager().getUndoDescription(), "DragCopyPreset");

    const auto after = libraryRecords();
    for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
    {
        if (p >= 100 && p <= 102)
            EXPECT_EQ (after[(size_t) p], bytesOf (factoryPreset().getProgram (p - 90))) << p;
        else
            EXPECT_EQ (after[(size_t) p], before[(size_t) p]) << p;
    }

    // The preset window's selection is untouched by the drop.
    EXPECT_EQ (tree().getNumSelectedItems(), 4);

    // One undo takes the whole drop back.
    EXPECT_TRUE (undoManager().undo());
    EXPECT_TRUE (libraryRecords() == before);
    EXPECT_FALSE (undoManager().canUndo());
}

TEST_F (PresetDragTest, PresetsPastTheSixtyFourthAreDescribedAndCopiedAsThemselves)
{
    for (int p = presets().getNumPresets(); p <= 65; ++p)
        presets().addPreset (makePreset ("Extra " + juce::String (p), "Extra " + juce::String (p), 20,
                                         "P" + std::to_string (p)));
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    ASSERT_EQ (tree().getRootItem()->getNumSubItems(), 66);

    clickOpenBox (presetRow (64));
    clickRow (programRow (64, 5));
    EXPECT_EQ (programRow (64, 5).getDragSourceDescription(), presetDescription ({ (64 << 10) + 5 }));

    // A program of preset 2 added: 2053 as always, and the tree's order.
    clickOpenBox (presetRow (2));
    selectWithModifier (programRow (2, 5), juce::ModifierKeys::commandModifier);
    EXPECT_EQ (programRow (64, 5).getDragSourceDescription(), presetDescription ({ 2053, (64 << 10) + 5 }));
    selectWithModifier (programRow (2, 5), juce::ModifierKeys::commandModifier);

    dragRowOntoProgramList (programRow (64, 5), 7);
    EXPECT_EQ (undoManager().getUndoDescription(), "DragCopyPreset");
    EXPECT_EQ (bytesOf (library().getProgram (7)), bytesOf (presets().getPreset (64).getProgram (5)));
    EXPECT_NE (bytesOf (library().getProgram (7)), bytesOf (presets().getPreset (0).getProgram (5)));
    EXPECT_EQ (juce::String (library().getProgram (7).getName()).trimEnd(), "P64 5");
}

TEST_F (PresetDragTest, APresetRowStartsNoDrag)
{
    const auto before = libraryRecords();
    EXPECT_TRUE (presetRow (factory).getDragSourceDescription().isVoid());
    dragRowOntoProgramList (presetRow (sixHundredPrograms), 3);
    EXPECT_FALSE (dragWasActive);
    EXPECT_TRUE (libraryRecords() == before);
    EXPECT_FALSE (undoManager().canUndo());
}
} // namespace

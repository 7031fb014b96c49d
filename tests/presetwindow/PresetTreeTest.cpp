#include "PresetWindowFixture.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "action/PresetDataChangeBroadcaster.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/SelectedProgramStatus.h"

namespace
{
using namespace presetwindowtest;

std::vector<juce::uint8> bytesOf (const x48305_data::ProgramData& program)
{
    return { program.getRawData(), program.getRawData() + x48305_data::programRecordSize };
}

const x48305_data::PresetData& storedPreset (int index)
{
    return x48305_data::DataCenter::getInstance()->getPresetLibrary().getPreset (index);
}

struct ShownPreset
{
    int index;
    juce::String dataID;
    int rows;
    juce::String firstText;
    juce::String lastText;
};

TEST_F (PresetWindowTest, EveryPresetShowsItsProgramsNumberedFromOne)
{
    openWindow();
    auto* root = tree().getRootItem();
    ASSERT_NE (root, nullptr);
    EXPECT_FALSE (tree().isRootItemVisible());
    ASSERT_EQ (root->getNumSubItems(), 3);

    const std::vector<ShownPreset> expected {
        { factory, "Factory Presets", 250, "[001] " + juce::String (factoryPreset().getProgram (0).getName()),
          "[250] " + juce::String (factoryPreset().getProgram (249).getName()) },
        { zeroPrograms, "Zero", 500, "[001] ZERO 0      ", "[500] ZERO 499    " },
        { sixHundredPrograms, "Six Hundred", 500, "[001] SIX 0       ", "[500] SIX 499     " },
    };
    for (const auto& shown : expected)
    {
        SCOPED_TRACE (shown.dataID);
        auto& preset = presetRow (shown.index);
        EXPECT_EQ (preset.getUniqueName(), shown.dataID);
        EXPECT_FALSE (preset.isOpen());
        ASSERT_EQ (preset.getNumSubItems(), shown.rows);
        EXPECT_EQ (programRow (shown.index, 0).getText(), shown.firstText);
        EXPECT_EQ (programRow (shown.index, shown.rows - 1).getText(), shown.lastText);
        EXPECT_EQ (programRow (shown.index, 7).getUniqueName(), "Preset:" + juce::String (shown.index) + "-7");
        for (int q = 0; q < shown.rows; ++q)
            ASSERT_EQ (programRow (shown.index, q).getText(),
                       juce::String::formatted ("[%03d] ", q + 1)
                           + juce::String (storedPreset (shown.index).getProgram (q).getName()))
                << q;
    }

    // Only the three preset rows show until one is opened by its box.
    EXPECT_EQ (tree().getNumRowsInTree(), 3);
    clickOpenBox (presetRow (factory));
    EXPECT_TRUE (presetRow (factory).isOpen());
    EXPECT_EQ (tree().getNumRowsInTree(), 253);
    EXPECT_EQ (tree().getItemOnRow (1), &programRow (factory, 0));
    EXPECT_EQ (tree().getItemOnRow (250), &programRow (factory, 249));
    EXPECT_EQ (tree().getItemOnRow (251), &presetRow (zeroPrograms));
    EXPECT_EQ (rowArea (programRow (factory, 1)).getY() - rowArea (programRow (factory, 0)).getY(), 25);
}

TEST_F (PresetWindowTest, ClickingAProgramRowMakesThatPresetProgramCurrent)
{
    openWindow();
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 3, 4 });
    testsupport::runMessageLoop();

    // A preset row is no program: nothing changes.
    clickRow (presetRow (sixHundredPrograms));
    EXPECT_TRUE (presetRow (sixHundredPrograms).isSelected());
    auto* current = x48305_data::CurrentProgramData::getInstance();
    EXPECT_EQ (current->getKind(), x48305_data::CurrentProgramData::libraryProgram);
    EXPECT_TRUE (sent.empty());

    clickOpenBox (presetRow (zeroPrograms));
    clickRow (programRow (zeroPrograms, 41));
    EXPECT_TRUE (programRow (zeroPrograms, 41).isSelected());
    EXPECT_FALSE (presetRow (sixHundredPrograms).isSelected());
    EXPECT_EQ (current->getKind(), x48305_data::CurrentProgramData::presetProgram);
    EXPECT_EQ (current->getPresetIndex(), zeroPrograms);
    EXPECT_EQ (current->getProgramNumber(), 41);
    ASSERT_EQ (sent.size(), 1u);
    EXPECT_EQ (sent[0], bytesOf (storedPreset (zeroPrograms).getProgram (41)));
    EXPECT_EQ (ui::SelectedProgramStatus::getInstance()->getNumSelected(), 0);

    // The same row again, and the key that moves the selection down.
    clickRow (programRow (zeroPrograms, 41));
    EXPECT_EQ (sent.size(), 1u);
    EXPECT_TRUE (pressKeyInTree (juce::KeyPress (juce::KeyPress::downKey)));
    EXPECT_EQ (current->getProgramNumber(), 42);
    ASSERT_EQ (sent.size(), 2u);
    EXPECT_EQ (sent[1], bytesOf (storedPreset (zeroPrograms).getProgram (42)));
}

TEST_F (PresetWindowTest, ANoticeBuildsTheTreeAnewWithoutSelectionOrOpenRows)
{
    openWindow();
    clickOpenBox (presetRow (factory));
    clickRow (programRow (factory, 2));
    ASSERT_EQ (tree().getNumSelectedItems(), 1);
    auto* firstRoot = tree().getRootItem();

    // A preferences change: the row height comes from there.
    x48305_preferences::PreferencesData::getInstance()->setInt (x48305_preferences::keys::programListHeight, 30);
    application::PreferencesDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    EXPECT_NE (tree().getRootItem(), firstRoot);
    EXPECT_EQ (tree().getNumSelectedItems(), 0);
    EXPECT_EQ (tree().getNumRowsInTree(), 3);
    EXPECT_EQ (rowArea (presetRow (zeroPrograms)).getY(), 30);

    // The current program stays what it was: a rebuild selects nothing.
    auto* current = x48305_data::CurrentProgramData::getInstance();
    EXPECT_EQ (current->getPresetIndex(), factory);
    EXPECT_EQ (current->getProgramNumber(), 2);

    // A preset store change: a preset more, one row more.
    x48305_data::DataCenter::getInstance()->getPresetLibrary().addPreset (makePreset ("Fourth", "Four", 3, "FOUR"));
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    ASSERT_EQ (tree().getRootItem()->getNumSubItems(), 4);
    EXPECT_EQ (presetRow (3).getUniqueName(), "Fourth");
    EXPECT_EQ (presetRow (3).getNumSubItems(), 3);

    // And the store emptied: an empty tree, no stale rows.
    x48305_data::DataCenter::getInstance()->getPresetLibrary().clear();
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    EXPECT_EQ (tree().getRootItem()->getNumSubItems(), 0);
    EXPECT_EQ (tree().getNumRowsInTree(), 0);
}

// What a person sees: the factory library open with a program selected.
TEST_F (PresetWindowTest, SnapshotWithAPresetOpen)
{
    auto& window = openWindow();
    clickOpenBox (presetRow (factory));
    clickRow (programRow (factory, 4));
    testsupport::runMessageLoop (50);
    const auto file = testsupport::writeSnapshot (window, "preset-window");
    EXPECT_TRUE (file.existsAsFile());

    // The selected row is lighter than the ground, and carries light text.
    const auto image = window.createComponentSnapshot (window.getLocalBounds());
    const auto row = rowArea (programRow (factory, 4));
    const auto rowTop = row.getY() + tree().getY();
    EXPECT_EQ (image.getPixelAt (tree().getWidth() - 20, rowTop + 2).getARGB(), 0xff333333u);
    EXPECT_EQ (image.getPixelAt (tree().getWidth() - 20, rowTop + row.getHeight() + 2).getARGB(), 0xff111111u);
}
} // namespace

namespace
{
using namespace presetwindowtest;

// The framework's tree remembers the open/close box under the mouse and used
// to keep that memory after the box's row component was deleted (its row
// scrolled away, or the tree was rebuilt): the next mouse move then read freed
// memory, which the sanitizer reports. Each way of losing the row, with the
// mouse resting on a box.
class HoveredBoxTest : public PresetWindowTest
{
protected:
    void hoverBoxOf (PresetRootItem& row)
    {
        const auto area = rowArea (row);
        boxPoint = { (float) (area.getX() - tree().getIndentSize() / 2), (float) area.getCentreY() };
        testsupport::mouseMove (tree(), boxPoint);
        testsupport::runMessageLoop();
    }

    void moveTheMouseOn()
    {
        testsupport::mouseMove (tree(), boxPoint + juce::Point<float> (0.0f, 3.0f));
        testsupport::mouseMove (tree(), { 150.0f, 100.0f });
        testsupport::runMessageLoop();
    }

    juce::Point<float> boxPoint;
};

TEST_F (HoveredBoxTest, TheWheelScrollsTheHoveredRowAway)
{
    openWindow();
    clickOpenBox (presetRow (factory));
    hoverBoxOf (presetRow (factory));
    for (int i = 0; i < 10 && rowArea (presetRow (factory)).getBottom() > 0; ++i)
    {
        testsupport::wheel (tree(), boxPoint, -1.0f);
        testsupport::runMessageLoop();
    }
    ASSERT_LE (rowArea (presetRow (factory)).getBottom(), 0);
    moveTheMouseOn();
    EXPECT_TRUE (presetRow (factory).isOpen());
}

TEST_F (HoveredBoxTest, TheKeysScrollTheHoveredRowAway)
{
    openWindow();
    clickOpenBox (presetRow (factory));
    clickRow (programRow (factory, 0));
    hoverBoxOf (presetRow (factory));
    EXPECT_TRUE (pressKeyInTree (juce::KeyPress (juce::KeyPress::endKey)));
    ASSERT_LT (rowArea (presetRow (factory)).getBottom(), 0);
    moveTheMouseOn();
    EXPECT_TRUE (presetRow (sixHundredPrograms).isSelected());
}

TEST_F (HoveredBoxTest, TheTreeIsRebuiltUnderTheMouse)
{
    openWindow();
    hoverBoxOf (presetRow (zeroPrograms));
    application::PreferencesDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    moveTheMouseOn();

    hoverBoxOf (presetRow (zeroPrograms));
    x48305_data::DataCenter::getInstance()->getPresetLibrary().clear();
    data::PresetDataChangeBroadcaster::getInstance()->notify();
    testsupport::runMessageLoop();
    moveTheMouseOn();
    EXPECT_EQ (tree().getNumRowsInTree(), 0);
}

TEST_F (HoveredBoxTest, TheWindowShrinksBelowTheHoveredRow)
{
    auto& window = openWindow();
    clickOpenBox (presetRow (factory));
    clickOpenBox (presetRow (zeroPrograms));
    tree().scrollToKeepItemVisible (&presetRow (zeroPrograms));
    testsupport::runMessageLoop();
    hoverBoxOf (presetRow (zeroPrograms));
    ASSERT_GT (rowArea (presetRow (zeroPrograms)).getY(), 250);
    window.setSize (250, 200);
    testsupport::runMessageLoop();
    ASSERT_GT (rowArea (presetRow (zeroPrograms)).getY(), tree().getHeight());
    moveTheMouseOn();
}
} // namespace

#include "PresetWindowFixture.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "formats/PresetFile.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "resources/FactoryPresetLibrary.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/TemporaryHome.h"
#include "support/UserInput.h"
#include "ui/PresetListComponent.h"
#include "ui/SelectedProgramStatus.h"

namespace presetwindowtest
{
namespace
{
namespace keys = x48305_preferences::keys;

x48305_data::PresetData readFactoryPreset()
{
    const auto file = testsupport::processHome().get().getChildFile ("factory.slvnpreset");
    EXPECT_TRUE (file.replaceWithData (x48305_file::getFactoryPresetLibraryData(),
                                       x48305_file::getFactoryPresetLibrarySize()));
    x48305_data::PresetData preset;
    x48305_file::PresetFileReader reader (&preset);
    EXPECT_EQ (reader.read (file), 0);
    return preset;
}

std::vector<juce::uint8> bytesOf (const x48305_data::ProgramData& program)
{
    return { program.getRawData(), program.getRawData() + x48305_data::programRecordSize };
}
} // namespace

const x48305_data::PresetData& factoryPreset()
{
    static const auto preset = readFactoryPreset();
    return preset;
}

x48305_data::PresetData makePreset (const juce::String& dataID, const juce::String& name, int numOfProg,
                                    const std::string& marker)
{
    x48305_data::PresetData preset;
    auto& information = preset.getInformation();
    information.DataID = dataID;
    information.Name = name;
    information.NumOfProg = numOfProg;
    for (int i = 0; i < x48305_data::PresetData::numPrograms; ++i)
        preset.getProgram (i).setName (marker + " " + std::to_string (i));
    return preset;
}

void PresetWindowTest::SetUp()
{
    // The preferences store and the preset files live below $HOME, one home
    // for the whole program (the store writes its file at shutdown).
    testsupport::processHome();
    testsupport::setUpInterfaceFonts();

    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    preferences->setInt (keys::programListHeight, 25);
    preferences->setInt (keys::presetWindowPositionX, -1);
    preferences->setInt (keys::presetWindowPositionY, -1);
    preferences->setInt (keys::presetWindowWidth, 250);
    preferences->setInt (keys::presetWindowHeight, 500);
    preferences->setBool (keys::showPresetWindow, false);

    auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();
    presets.clear();
    presets.addPreset (factoryPreset());
    presets.addPreset (makePreset ("Zero", "No Count", 0, "ZERO"));
    presets.addPreset (makePreset ("Six Hundred", "Too Many", 600, "SIX"));

    auto* current = x48305_data::CurrentProgramData::getInstance();
    x48305_data::CurrentProgramData::setBackgroundSender (
        [this] (const x48305_data::ProgramData& program) { sent.push_back (bytesOf (program)); });
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 0 });
    current->selectLibraryProgram (0);
    testsupport::runMessageLoop();
    sent.clear();
}

void PresetWindowTest::TearDown()
{
    if (manager().isWindowOpen())
    {
        manager().closeWindow();
        testsupport::runMessageLoopUntil ([] { return ! manager().isWindowOpen(); });
    }
    x48305_data::CurrentProgramData::setBackgroundSender ({});
    x48305_data::CurrentProgramData::getInstance()->clearCurrentProgram();
    x48305_data::DataCenter::getInstance()->getPresetLibrary().clear();
    testsupport::runMessageLoop();
}

x48305_ui::PresetWindow& PresetWindowTest::openWindow()
{
    manager().openWindow();
    testsupport::runMessageLoop (50);
    return *manager().getWindow();
}

juce::TreeView& PresetWindowTest::tree()
{
    auto* list = dynamic_cast<PresetListComponent*> (manager().getWindow()->getContentComponent());
    return list->getTreeView();
}

PresetRootItem& PresetWindowTest::presetRow (int presetIndex)
{
    return *dynamic_cast<PresetRootItem*> (tree().getRootItem()->getSubItem (presetIndex));
}

PresetDataItem& PresetWindowTest::programRow (int presetIndex, int programIndex)
{
    return *dynamic_cast<PresetDataItem*> (presetRow (presetIndex).getSubItem (programIndex));
}

juce::Rectangle<int> PresetWindowTest::rowArea (juce::TreeViewItem& row)
{
    return row.getItemPosition (true).withHeight (row.getItemHeight());
}

juce::Point<float> PresetWindowTest::rowCentre (juce::TreeViewItem& row)
{
    tree().scrollToKeepItemVisible (&row);
    testsupport::runMessageLoop();
    const auto area = rowArea (row);
    return { (float) area.getX() + 30.0f, (float) area.getCentreY() };
}

void PresetWindowTest::clickOpenBox (PresetRootItem& row)
{
    tree().scrollToKeepItemVisible (&row);
    testsupport::runMessageLoop();
    const auto area = rowArea (row);
    testsupport::click (tree(), { (float) (area.getX() - tree().getIndentSize() / 2), (float) area.getCentreY() });
    testsupport::runMessageLoop();
}

bool PresetWindowTest::pressKeyInTree (const juce::KeyPress& key)
{
    const auto used = tree().keyPressed (key);
    testsupport::runMessageLoop();
    return used;
}

void PresetWindowTest::clickRow (juce::TreeViewItem& row)
{
    testsupport::click (tree(), rowCentre (row));
    testsupport::runMessageLoop();
}
} // namespace presetwindowtest

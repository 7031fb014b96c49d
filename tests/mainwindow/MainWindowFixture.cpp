#include "MainWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationMenuManager.h"
#include "application/FileAccessProcessor.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataUpdater.h"
#include "formats/PresetFile.h"
#include "formats/UserUnitBinary.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "resources/FactoryPresetLibrary.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/PackageFixtures.h"
#include "support/PrivateHome.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"

namespace mainwindowtest
{
namespace
{
namespace keys = x48305_preferences::keys;

[[maybe_unused]] testing::Environment* const home = testing::AddGlobalTestEnvironment (new testsupport::PrivateHome);

x48305_data::PresetData readFactoryPreset()
{
    const auto file = workFolder().getChildFile ("factory.slvnpreset");
    EXPECT_TRUE (file.replaceWithData (x48305_file::getFactoryPresetLibraryData(),
                                       x48305_file::getFactoryPresetLibrarySize()));
    x48305_data::PresetData preset;
    EXPECT_EQ (x48305_file::PresetFileReader (&preset).read (file), 0);
    return preset;
}

struct Unit
{
    int kind;
    const char* module;
    int slot;
    const char* name;
};

const Unit filledUnits[] = {
    { UnitModuleOscillator, "osc", 0, "Wavefolder" },   { UnitModuleOscillator, "osc", 1, "Super Saw" },
    { UnitModuleOscillator, "osc", 2, "FM Bell" },      { UnitModuleOscillator, "osc", 5, "Noise Pad" },
    { UnitModuleOscillator, "osc", 15, "Formant" },     { UnitModuleModulationEffect, "modfx", 0, "Deep Chorus" },
    { UnitModuleModulationEffect, "modfx", 1, "Flanger" }, { UnitModuleModulationEffect, "modfx", 3, "Ring Mod" },
    { UnitModuleDelayEffect, "delfx", 0, "Tape Echo" }, { UnitModuleDelayEffect, "delfx", 1, "Ping Pong" },
    { UnitModuleDelayEffect, "delfx", 7, "Dub Delay" }, { UnitModuleReverbEffect, "revfx", 0, "Plate Verb" },
    { UnitModuleReverbEffect, "revfx", 2, "Shimmer" },  { UnitModuleReverbEffect, "revfx", 3, "Hall" },
};
} // namespace

const x48305_data::PresetData& factoryPreset()
{
    static const auto preset = readFactoryPreset();
    return preset;
}

juce::File workFolder()
{
    auto folder = juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile ("work");
    folder.createDirectory();
    return folder;
}

juce::File writeUnitPackage (const juce::String& fileName, const std::string& module, const std::string& unitName)
{
    static const std::pair<std::string, int> modules[] = { { "osc", UnitModuleOscillator },
                                                           { "modfx", UnitModuleModulationEffect },
                                                           { "delfx", UnitModuleDelayEffect },
                                                           { "revfx", UnitModuleReverbEffect } };
    int moduleIndex = UnitModuleOscillator;
    for (const auto& [text, index] : modules)
        if (text == module)
            moduleIndex = index;

    pkgtest::ManifestText manifest (module, unitName);
    if (moduleIndex == UnitModuleOscillator)
        manifest.withParams ({});
    const auto content = pkgtest::buildPackage (manifest.str(), pkgtest::payloadWithMagic (getUnitModuleMagic (moduleIndex)));
    const auto file = workFolder().getChildFile (fileName);
    EXPECT_TRUE (file.replaceWithData (content.getData(), content.getSize()));
    return file;
}

CommandRecorder::CommandRecorder()
{
    x48305_menu::ApplicationMenuManager::getInstance()->getCommandManager().addListener (this);
}

CommandRecorder::~CommandRecorder()
{
    x48305_menu::ApplicationMenuManager::getInstance()->getCommandManager().removeListener (this);
}

void MainWindowTest::SetUp()
{
    testsupport::setUpInterfaceFonts();
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    x48305_preferences::setUpPreferenceDefaults (*preferences);
    preferences->setBool (keys::warnBeforeWriting, true);
    x48305_preferences::PreferencesDataUpdater().applyFontSettings();
    storeWindowPlace (-1, -1, 0);

    auto* store = x48305_data::DataCenter::getInstance();
    store->getPresetLibrary().clear();
    store->getPresetLibrary().addPreset (factoryPreset());
    auto& library = store->getLibraryData();
    library = x48305_data::LibraryData();
    for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
        library.getProgram (p) = factoryPreset().getProgram (p);
    fillLiveSet();
    fillUnits();

    ui::ModalDialogState::getInstance()->setDialogOpen (false);
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 0 });
    x48305_data::CurrentProgramData::setBackgroundSender ([] (const x48305_data::ProgramData&) {});
    x48305_data::CurrentProgramData::getInstance()->selectLibraryProgram (0);
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    application::DataEditStatus::getInstance()->clearEdited();
    application::LastSavedFileStatus::getInstance()->setFile (juce::File());
    testsupport::runMessageLoop();
}

void MainWindowTest::TearDown()
{
    closeWindow();
    x48305_data::CurrentProgramData::setBackgroundSender ({});
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    testsupport::runMessageLoop();
}

MainAppWindow& MainWindowTest::openWindow()
{
    window = std::make_unique<MainAppWindow>();
    testsupport::runMessageLoop (50);
    return *window;
}

void MainWindowTest::closeWindow()
{
    window.reset();
    testsupport::runMessageLoop();
}

juce::Image MainWindowTest::screen()
{
    return window->createComponentSnapshot (window->getLocalBounds(), true, 1.0f);
}

void MainWindowTest::fillLiveSet()
{
    auto& liveSet = x48305_data::DataCenter::getInstance()->getLibraryData().getFavoriteData();
    for (int bank = 0; bank < x48305_data::FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < x48305_data::FavoriteData::numSlots; ++slot)
            liveSet.setProgramNumber (bank, slot, (unsigned) (bank * 37 + slot * 5));
    liveSet.setProgramNumber (3, 7, 500);
}

void MainWindowTest::fillUnits()
{
    x48305_data::DataCenter::getInstance()->getUserData() = x48305_data::UserData();
    for (const auto& unit : filledUnits)
    {
        const auto file = writeUnitPackage (juce::String (unit.name) + ".slvnunit", unit.module, unit.name);
        EXPECT_EQ (x48305_application::FileAccessProcessor().loadUserUnitData (file, unit.slot, unit.kind), 0)
            << unit.name;
    }
}

void MainWindowTest::storeWindowPlace (int x, int y, int height)
{
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    preferences->setInt (keys::mainWindowPositionX, x);
    preferences->setInt (keys::mainWindowPositionY, y);
    preferences->setInt (keys::mainWindowHeight, height);
}
} // namespace mainwindowtest

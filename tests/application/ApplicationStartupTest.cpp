#include "ScenarioProcess.h"
#include "ScenarioSupport.h"

#include "action/DataEditStatus.h"
#include "application/ApplicationMenuManager.h"
#include "application/CPXWResource.h"
#include "application/DebugModeModel.h"
#include "application/SolivaneLibrarianApplication.h"
#include "midi/MidiDeviceManager.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/TemporaryHome.h"
#include "ui/MainAppWindow.h"
#include "ui/MainWindowManager.h"
#include "ui/ModalDialogState.h"
#include "ui/PresetWindowManager.h"

#include <gtest/gtest.h>

namespace
{
using namespace apptest;

bool quitRequested()
{
    return juce::MessageManager::getInstance()->hasStopMessageBeenSent();
}

// The marker files.

// The item ids of one menu of the menu bar, "|" for a separator.
juce::String menuItems (int menuIndex)
{
    juce::StringArray items;
    const auto menu = x48305_menu::ApplicationMenuManager::getInstance()->getMenuForIndex (menuIndex, {});
    for (juce::PopupMenu::MenuItemIterator it (menu); it.next();)
        items.add (it.getItem().isSeparator ? juce::String ("|") : juce::String (it.getItem().itemID));
    return items.joinIntoString (" ");
}

constexpr int fileMenu = 0;
constexpr int optionMenu = 3;

TEST (ApplicationStartupTest, MarkerFilesSwitchTheDeveloperAndDebugMenus)
{
    {
        testsupport::TemporaryFolder home;
        writePreferences (home.get(), quietStart);
        const auto folder = preferencesFolderIn (home.get());
        folder.getChildFile ("DeveloperMode_48305.txt").create();
        // Only a plain file counts.
        folder.getChildFile ("DebugMode.txt").createDirectory();
        runScenario ("DeveloperMarker", home.get());
    }
    {
        testsupport::TemporaryFolder home;
        writePreferences (home.get(), quietStart);
        // Its content is never read.
        preferencesFolderIn (home.get()).getChildFile ("DebugMode.txt").replaceWithText ("0");
        runScenario ("DebugMarker", home.get());
    }
}

// What a marker file turns on, and the menus that follow from it.
struct ExpectedModes
{
    bool developerMode, debugMenu, debugPage;
    const char* fileItems;
    const char* optionItems;
};

void startAndExpectModes (const ExpectedModes& expected)
{
    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise ({});

    auto* modes = x48305_application::DebugModeModel::getInstance();
    EXPECT_EQ (modes->developerMode, expected.developerMode);
    EXPECT_EQ (modes->debugMenu, expected.debugMenu);
    EXPECT_EQ (modes->debugPage, expected.debugPage);
    EXPECT_EQ (menuItems (fileMenu), expected.fileItems);
    EXPECT_EQ (menuItems (optionMenu), expected.optionItems);
    app.shutdown();
}

TEST (ApplicationScenario, DISABLED_DeveloperMarker)
{
    startAndExpectModes ({ true, false, false, "1 2 3 4 | 5 6 | 7 | 9 | 10", "22 | 21 | 23 | 24" });
}

TEST (ApplicationScenario, DISABLED_DebugMarker)
{
    startAndExpectModes ({ false, true, true, "1 2 3 4 | 5 6 | 7 | 10", "22 | 21 | 23 | 24 | 25" });
}

// Quitting.

TEST (ApplicationStartupTest, QuitWaitsForDialogsSearchesAndUnsavedEdits)
{
    testsupport::TemporaryFolder home;
    auto preferences = quietStart;
    preferences.push_back ({ "ShowPresetWindow", "1" });
    writePreferences (home.get(), preferences);
    runScenario ("QuitRules", home.get());
}

TEST (ApplicationScenario, DISABLED_QuitRules)
{
    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise ({});
    testsupport::runMessageLoop (50);

    // The preset window was open last time: it is open again, behind the
    // main window.
    auto* presetWindows = x48305_ui::PresetWindowManager::getInstance();
    ASSERT_TRUE (presetWindows->isWindowOpen());
    auto* mainWindow = x48305_ui::MainWindowManager::getInstance()->getMainWindow();
    ASSERT_NE (mainWindow, nullptr);
    EXPECT_TRUE (mainWindow->isVisible());
    EXPECT_TRUE (presetWindows->getWindow()->isVisible());

    // A dialog holds the application: nothing happens, not even a question,
    // unsaved edits or not.
    testsupport::markLibraryEdited();
    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    {
        testsupport::ModalDialogDriver driver (testsupport::clickButton ("no"), 300);
        app.systemRequestedQuit();
        testsupport::runMessageLoop (50);
        EXPECT_FALSE (driver.hasActed());
    }
    ui::ModalDialogState::getInstance()->setDialogOpen (false);
    application::DataEditStatus::getInstance()->clearEdited();
    EXPECT_FALSE (quitRequested());

    // A device search is running (the instrument takes its time to answer):
    // the request is dropped without a word.
    world.instrument.addRule (sim::every (sim::RequestKind::deviceSearch), sim::Behaviour::delayed (std::chrono::milliseconds (800)));
    auto* devices = midi::MidiDeviceManager::getInstance();
    devices->startScan();
    ASSERT_FALSE (midi::deviceScanFinished.load());
    app.systemRequestedQuit();
    EXPECT_FALSE (quitRequested());
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return midi::deviceScanFinished.load(); }, 10000));

    // Unsaved edits: the user is asked; Cancel keeps the application.
    testsupport::markLibraryEdited();
    {
        testsupport::ModalDialogDriver driver (testsupport::clickButton ("cancel"));
        app.systemRequestedQuit();
        EXPECT_TRUE (driver.hasActed());
        EXPECT_EQ (driver.getDialogTitle(), getLocalizedText ("FileDiscardCheckTitle"));
    }
    EXPECT_FALSE (quitRequested());

    // No: the edits are thrown away and the application quits.
    {
        testsupport::ModalDialogDriver driver (testsupport::clickButton ("no"));
        app.systemRequestedQuit();
        EXPECT_TRUE (driver.hasActed());
    }
    EXPECT_TRUE (quitRequested());
    app.shutdown();
}
} // namespace

#include "ScenarioProcess.h"
#include "ScenarioSupport.h"

#include "action/DataEditStatus.h"
#include "application/CPXWResource.h"
#include "application/DebugModeModel.h"
#include "application/SolivaneLibrarianApplication.h"
#include "midi/MidiDeviceManager.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/TemporaryHome.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

namespace
{
using namespace apptest;

bool quitRequested()
{
    return juce::MessageManager::getInstance()->hasStopMessageBeenSent();
}

// The marker files.

TEST (ApplicationStartupTest, MarkerFilesSwitchTheDeveloperAndDebugExtras)
{
    testsupport::TemporaryFolder home;
    writePreferences (home.get(), quietStart);
    const auto folder = preferencesFolderIn (home.get());
    folder.getChildFile ("DeveloperMode_48305.txt").create();
    // Only a plain file counts.
    folder.getChildFile ("DebugMode.txt").createDirectory();
    runScenario ("Markers", home.get());
}

TEST (ApplicationScenario, Markers)
{
    if (! isScenario ("Markers"))
        GTEST_SKIP() << "runs in a process of its own";

    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise ({});

    auto* modes = x48305_application::DebugModeModel::getInstance();
    EXPECT_TRUE (modes->developerMode);
    EXPECT_FALSE (modes->debugMenu);
    EXPECT_FALSE (modes->debugPage);
    app.shutdown();
}

// Quitting.

TEST (ApplicationStartupTest, QuitWaitsForDialogsSearchesAndUnsavedEdits)
{
    testsupport::TemporaryFolder home;
    writePreferences (home.get(), quietStart);
    runScenario ("QuitRules", home.get());
}

TEST (ApplicationScenario, QuitRules)
{
    if (! isScenario ("QuitRules"))
        GTEST_SKIP() << "runs in a process of its own";

    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise ({});
    testsupport::runMessageLoop (50);

    // A dialog holds the application: nothing happens, not even a question,
    // unsaved edits or not.
    application::DataEditStatus::getInstance()->setEdited();
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
    application::DataEditStatus::getInstance()->setEdited();
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

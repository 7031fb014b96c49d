#include "ScenarioProcess.h"
#include "ScenarioSupport.h"

#include "action/ApplicationUndoManager.h"
#include "application/InstanceSocket.h"
#include "application/PreferencesData.h"
#include "application/SingleInstanceGuard.h"
#include "application/SolivaneLibrarianApplication.h"
#include "formats/ProgramFile.h"
#include "library/DataCenter.h"
#include "support/MessageLoop.h"
#include "support/SpawnedProcess.h"
#include "support/TemporaryHome.h"
#include "ui/SelectedProgramStatus.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

namespace
{
using namespace apptest;
using testsupport::SpawnedProcess;

SpawnedProcess::Options withHome (const juce::File& home, const juce::File& workingFolder = {})
{
    SpawnedProcess::Options options;
    options.workingFolder = workingFolder;
    options.environment = { { "HOME", home.getFullPathName().toStdString() }, { "XDG_CONFIG_HOME", std::nullopt } };
    return options;
}

// True once an instance listens on the channel of that home.
bool waitUntilListening (const juce::File& home, SpawnedProcess& process, int timeoutMilliseconds)
{
    const auto name = x48305_application::instance_socket::nameFor (preferencesFolderIn (home));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMilliseconds);
    while (std::chrono::steady_clock::now() < deadline && process.isRunning())
    {
        if (x48305_application::instance_socket::connectTo (name, 1000).isValid())
            return true;
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
    }
    return false;
}

TEST (SecondLaunchTest, ASecondStartHandsOverARelativeProgramPathAndEnds)
{
    testsupport::TemporaryFolder home;
    writePreferences (home.get(), quietStart);
    runScenario ("FirstInstanceTakesASecondLaunch", home.get());
}

TEST (ApplicationScenario, DISABLED_FirstInstanceTakesASecondLaunch)
{
    // This process starts as the process entry starts the application.
    InstrumentWorld world;
    x48305_application::SingleInstanceGuard guard (x48305_preferences::PreferencesData::getFolder());
    ASSERT_EQ (guard.claim ({ "/", {} }), x48305_application::SingleInstanceGuard::Outcome::firstInstance);
    solivaneLibrarianApplication app;
    app.initialise ({});
    ui::SelectedProgramStatus::getInstance()->setSelected ({ 5 });
    testsupport::runMessageLoop (50);

    testsupport::TemporaryFolder launchFolder;
    x48305_data::ProgramData program;
    program.setName ("Forwarded");
    // Quotes, spaces and letters beyond ASCII reach the first instance as given.
    const auto relativePath = juce::String::fromUTF8 ("sub/q\"lead tone \xc3\xa9.slvnprog");
    const auto programFile = launchFolder.get().getChildFile (relativePath);
    programFile.getParentDirectory().createDirectory();
    ASSERT_EQ (x48305_file::ProgramFileWriter (&program).write (programFile), 0);

    const auto home = juce::File::getSpecialLocation (juce::File::userHomeDirectory);
    const auto before = describeTree (home);
    const auto launchBefore = describeTree (launchFolder.get());

    // The built application, started from another folder with a relative path.
    SpawnedProcess second ({ applicationExecutable().getFullPathName(), "-NSDocumentRevisionsDebugMode", "YES",
                             relativePath },
                           withHome (home, launchFolder.get()));
    ASSERT_TRUE (second.hasStarted());
    const auto exitCode = second.waitForExit (5000);
    ASSERT_TRUE (exitCode.has_value()) << "the second start did not end within 5 s";
    EXPECT_EQ (*exitCode, 0) << second.getOutput();
    // Not a line: it opened no MIDI client (which reports a missing sequencer
    // here) and no window, and the sanitisers found nothing.
    EXPECT_EQ (withoutFrameworkBanner (second.getOutput()), "");
    EXPECT_EQ (describeTree (home), before);
    EXPECT_EQ (describeTree (launchFolder.get()), launchBefore);

    // The first instance loads the file into the selected program.
    auto* undo = application::ApplicationUndoManager::getInstance();
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return undo->canUndo(); }, 5000));
    testsupport::runMessageLoop (100);
    EXPECT_EQ (undo->getUndoDescriptions(), juce::StringArray { "LoadProgram" });
    EXPECT_EQ (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (5).getName(), "Forwarded   ");
    app.shutdown();
}

TEST (SecondLaunchTest, AStartAfterTheFirstWasKilledBecomesTheFirst)
{
    testsupport::TemporaryFolder home;
    writePreferences (home.get(), quietStart);
    const auto executable = applicationExecutable().getFullPathName();

    SpawnedProcess first ({ executable }, withHome (home.get()));
    ASSERT_TRUE (waitUntilListening (home.get(), first, 60000)) << first.getOutput();
    first.sendSignal (SIGKILL);
    EXPECT_EQ (first.waitForExit (5000), std::optional<int> (-SIGKILL));

    // Neither its lock nor its socket is left to block the next start.
    SpawnedProcess next ({ executable }, withHome (home.get()));
    ASSERT_TRUE (waitUntilListening (home.get(), next, 60000)) << next.getOutput();
    std::this_thread::sleep_for (std::chrono::milliseconds (500));
    EXPECT_TRUE (next.isRunning()) << next.getOutput();

    // It is the running instance now: a further start hands over to it.
    SpawnedProcess further ({ executable }, withHome (home.get()));
    EXPECT_EQ (further.waitForExit (5000), std::optional<int> (0)) << further.getOutput();
    EXPECT_TRUE (next.isRunning());

    next.sendSignal (SIGKILL);
    next.waitForExit (5000);
}
} // namespace

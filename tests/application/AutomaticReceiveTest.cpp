#include "ScenarioProcess.h"
#include "ScenarioSupport.h"

#include "action/ApplicationUndoManager.h"
#include "application/SolivaneLibrarianApplication.h"
#include "file/PresetFileManager.h"
#include "formats/ProgramFile.h"
#include "library/DataCenter.h"
#include "midi/MidiDeviceManager.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/TemporaryHome.h"
#include "ui/MainAppWindow.h"
#include "ui/MainWindowManager.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

namespace juce
{
// Where the framework's main keeps the process arguments.
extern const char* const* juce_argv;
extern int juce_argc;
} // namespace juce

namespace
{
using namespace apptest;

// Runs the message loop (and with it the transfers' modal dialogs) until the
// start-up has finished and no dialog is open any more.
bool waitForStartup (solivaneLibrarianApplication& app)
{
    return testsupport::runMessageLoopUntil ([&] {
        return app.getStartupProcess().isStartupFinished() && ! ui::ModalDialogState::getInstance()->dialogOpen;
    }, 120000);
}

juce::String programName (int number)
{
    return juce::String (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number).getName()).trimEnd();
}

// The whole first start.

TEST (AutomaticReceiveTest, FirstStartWritesDefaultsInstallsFactoryPresetsSearchesAndReceivesEverything)
{
    testsupport::TemporaryFolder home;
    runScenario ("FirstStart", home.get());

    // The defaults, written to the file when the application ended.
    const std::pair<const char*, const char*> defaults[] = {
        { "MidiPortAutoScan", "1" }, { "AutoReceive", "1" },   { "WarnBeforeWriting", "1" },
        { "MidiInPort", "" },        { "MidiOutPort", "" },    { "LastSavedFolder", "" },
        { "ShowPresetWindow", "0" }, { "ProgramListHeight", "25" },
    };
    for (const auto& [key, value] : defaults)
        EXPECT_EQ (readPreference (home.get(), key), value) << key;

    // The factory library went into the preset store.
    const auto store = preferencesFolderIn (home.get()).getChildFile ("Preset Data");
    EXPECT_TRUE (store.getChildFile ("PresetFileInformation.xml").existsAsFile());
    EXPECT_EQ (store.getNumberOfChildFiles (juce::File::findFiles, "*.islvnpreset"), 1);
}

TEST (ApplicationScenario, DISABLED_FirstStart)
{
    InstrumentWorld world;
    sim::InstrumentMemory::UnitSlot chorus;
    chorus.header = sim::InstrumentMemory::makeUnitHeader (1, "Chorus");
    world.instrument.setUnitSlot (sim::InstrumentMemory::modulationEffect, 2, chorus);
    solivaneLibrarianApplication app;
    app.initialise ({});

    // The search has started; the transfers wait for its end.
    EXPECT_FALSE (midi::deviceScanFinished.load());
    ASSERT_TRUE (waitForStartup (app));

    EXPECT_EQ (summariseBeforeBackgroundSends (world.instrument),
               "device search x1, identity request x1, program dump request x500, live-set request x1, "
               "identity request x1, " + unitReceiveSummary (world.instrument));
    EXPECT_EQ (currentProgramName (world.instrument), "Sim Prog 000") << "the selected program, sent back";

    // The instrument's programs are the library now, one undoable step.
    EXPECT_EQ (programName (0), "Sim Prog 000");
    EXPECT_EQ (programName (499), "Sim Prog 499");
    auto* undo = application::ApplicationUndoManager::getInstance();
    EXPECT_TRUE (undo->getUndoDescriptions().contains ("Receive Library"));

    // The window shows what was received.
    auto* window = x48305_ui::MainWindowManager::getInstance()->getMainWindow();
    ASSERT_NE (window, nullptr);
    testsupport::runMessageLoop (200);
    testsupport::writeSnapshot (*window, "application-after-first-start");

    // And its units are the unit store.
    const auto& units = x48305_data::DataCenter::getInstance()->getUserData();
    EXPECT_EQ (units.getUserModFXData (2).getName(), "Chorus");
    EXPECT_FALSE (units.getUserModFXData (1).hasUnit());

    // The factory presets were installed and loaded.
    EXPECT_EQ (x48305_file::PresetFileManager::getInstance()->getNumPresets(), 1);
    EXPECT_EQ (x48305_data::DataCenter::getInstance()->getPresetLibrary().getNumPresets(), 1);

    // A later search (from the preferences dialog) receives nothing.
    world.instrument.clearLog();
    midi::MidiDeviceManager::getInstance()->startScan();
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return midi::deviceScanFinished.load(); }, 10000));
    testsupport::runMessageLoop (200);
    EXPECT_EQ (summariseRequests (world.instrument.getRequests()), "device search x1");
    app.shutdown();
}

// Manual ports.

TEST (AutomaticReceiveTest, WithoutAutomaticSearchTheReceiveStartsRightAway)
{
    testsupport::TemporaryFolder home;
    writePreferences (home.get(), { { "MidiPortAutoScan", "0" },
                                    { "MidiInPort", "Solivane Sim - Sim Out" },
                                    { "MidiOutPort", "Solivane Sim - Sim In" } });
    runScenario ("NoSearch", home.get());
}

TEST (ApplicationScenario, DISABLED_NoSearch)
{
    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise ({});
    ASSERT_TRUE (waitForStartup (app));

    EXPECT_EQ (summariseBeforeBackgroundSends (world.instrument),
               "identity request x1, program dump request x500, live-set request x1, "
               "identity request x1, " + unitReceiveSummary (world.instrument));
    EXPECT_EQ (programName (7), "Sim Prog 007");
    app.shutdown();
}

// The command line.

TEST (AutomaticReceiveTest, AProgramFileOnTheCommandLineTakesThePlaceOfAutomaticReceive)
{
    testsupport::TemporaryFolder home;
    runScenario ("ProgramOnCommandLine", home.get());
}

TEST (ApplicationScenario, DISABLED_ProgramOnCommandLine)
{
    testsupport::TemporaryFolder files;
    x48305_data::ProgramData program;
    program.setName ("From Disk");
    // A name that the framework's joined command line does not carry intact.
    const auto file = files.get().getChildFile (juce::String::fromUTF8 ("my \"q\" s\xc3\xb6und.slvnprog"));
    ASSERT_EQ (x48305_file::ProgramFileWriter (&program).write (file), 0);

    // The process arguments as the framework's main keeps them.
    const std::string path = file.getFullPathName().toStdString();
    const char* const arguments[] = { "solivane-librarian", "-NSDocumentRevisionsDebugMode", "YES", path.c_str() };
    juce::juce_argv = arguments;
    juce::juce_argc = 4;

    InstrumentWorld world;
    solivaneLibrarianApplication app;
    app.initialise (app.getCommandLineParameters());
    ASSERT_TRUE (waitForStartup (app));

    // The search ran; nothing was received over the loaded program, which
    // went to the instrument as the current program.
    EXPECT_EQ (summariseBeforeBackgroundSends (world.instrument), "device search x1");
    EXPECT_EQ (currentProgramName (world.instrument), "From Disk");
    EXPECT_EQ (programName (0), "From Disk");
    EXPECT_EQ (application::ApplicationUndoManager::getInstance()->getUndoDescriptions(),
               juce::StringArray { "LoadProgram" });
    app.shutdown();
    juce::juce_argc = 0;
    juce::juce_argv = nullptr;
}
} // namespace

#include "CommandsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "action/LibraryActions.h"
#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "file/PresetFileManager.h"
#include "support/PrivateTemporaryFolder.h"
#include "formats/LibraryFile.h"
#include "library/DataCenter.h"
#include "midi/MidiDeviceManager.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/DebugWindow.h"
#include "ui/ModalDialogState.h"
#include "ui/PresetWindowManager.h"

namespace commandstest
{
namespace
{
using testsupport::DialogScript;
using testsupport::pressCancel;
using testsupport::pressNo;

// A library with texts, a current file and one undo step, edited.
void makeEditedLibrary (int seed)
{
    CommandsTest::library() = makeLibrary (seed);
    application::LastSavedFileStatus::getInstance()->setFile (juce::File ("/tmp/somewhere.slvnlib"));
    auto* undoManager = application::ApplicationUndoManager::getInstance();
    undoManager->beginNewTransaction ("Edit");
    undoManager->perform (new x48305_action::InitializeProgramDataAction (499));
}

juce::String discardTitle()
{
    return getLocalizedText ("FileDiscardCheckTitle");
}

using FileAndOptionCommands = CommandsTest;
} // namespace

// New asks about unsaved edits; Cancel keeps everything, No starts a new
// library: initial programs without texts, no file, nothing edited, no
// history.
TEST_F (FileAndOptionCommands, NewAsksThenStartsAfresh)
{
    makeEditedLibrary (4);
    const auto edited = fingerprint (library());
    {
        DialogScript script ({ pressCancel() });
        ASSERT_TRUE (invoke (commandFileNew));
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, discardTitle());
    }
    EXPECT_EQ (fingerprint (library()), edited);
    EXPECT_TRUE (isEdited());
    EXPECT_TRUE (canUndo());

    {
        DialogScript script ({ pressNo() });
        ASSERT_TRUE (invoke (commandFileNew));
        EXPECT_TRUE (script.isComplete());
    }
    EXPECT_EQ (fingerprint (library()), fingerprint (x48305_data::LibraryData()));
    EXPECT_TRUE (library().getProgram (7).getInformation().getComment().isEmpty());
    EXPECT_FALSE (isEdited());
    EXPECT_EQ (currentFile(), juce::File());
    EXPECT_FALSE (canUndo());

    // Nothing unsaved: no question.
    library().getProgram (3).setName ("Unsaved?");
    DialogScript none ({});
    ASSERT_TRUE (invoke (commandFileNew));
    EXPECT_EQ (nameOf (3), "Init Program");
}

// Exit and Init apply the quit rules: unsaved edits are asked about, and a
// running device search drops the request silently. Init removes the preset
// store before it quits.
TEST_F (FileAndOptionCommands, ExitAndInitFollowTheQuitRules)
{
    const auto presetFolder = x48305_file::PresetFileManager::getPresetFolder();
    ASSERT_TRUE (presetFolder.getChildFile ("marker.txt").replaceWithText ("x"));

    struct Case
    {
        const char* name;
        int command;
        bool edited;
        bool searching;
        std::vector<testsupport::ModalDialogDriver::Action> answers;
        int quits;
    };
    const Case cases[] = {
        { "exit", commandFileExit, false, false, {}, 1 },
        { "exit, edited, cancel", commandFileExit, true, false, { pressCancel() }, 0 },
        { "exit, edited, discard", commandFileExit, true, false, { pressNo() }, 1 },
        { "exit while searching", commandFileExit, false, true, {}, 0 },
        { "exit, edited, discard while searching", commandFileExit, true, true, { pressNo() }, 0 },
        { "init, edited, cancel", commandOptionInit, true, false, { pressCancel() }, 0 },
        { "init while searching", commandOptionInit, false, true, {}, 0 },
        { "init, edited, discard", commandOptionInit, true, false, { pressNo() }, 1 },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        if (c.edited)
            markEdited();
        midi::deviceScanFinished = ! c.searching;
        quitRequests = 0;
        {
            DialogScript script (c.answers);
            ASSERT_TRUE (invoke (c.command));
            EXPECT_TRUE (script.isComplete());
        }
        EXPECT_EQ (quitRequests, c.quits);
        // The preset store goes only when Init quits.
        EXPECT_EQ (presetFolder.isDirectory(), c.command != commandOptionInit || c.quits == 0);
        application::DataEditStatus::getInstance()->clearEdited();
    }
}

// The preferences dialog saves the preferences file on OK only. While it is
// open the commands, shortcuts and buttons do nothing.
TEST_F (FileAndOptionCommands, PreferencesDialogSavesOnOkOnly)
{
    const auto file = x48305_preferences::PreferencesData::getFile();
    file.deleteFile();
    // OK applies the MIDI settings; without automatic ports no device search
    // starts behind the test's back.
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::midiPortAutoScan, false);
    library().getProgram (0) = makeProgram ("Stays", "", "");

    auto tryCommands = [this] (juce::Component&)
    {
        EXPECT_TRUE (ui::ModalDialogState::getInstance()->dialogOpen);
        for (int command : { commandEditClear, commandMidiReceiveLibrary, commandFileNew })
        {
            EXPECT_FALSE (isEnabled (command));
            EXPECT_FALSE (invoke (command));
        }
    };
    {
        DialogScript script ({ testsupport::andThen (tryCommands, testsupport::clickButton ("cancelButton")) });
        ASSERT_TRUE (invoke (commandOptionPreferences));
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("PreferencesDialogTitle"));
    }
    EXPECT_FALSE (file.existsAsFile());
    EXPECT_EQ (nameOf (0), "Stays");

    {
        DialogScript script ({ testsupport::clickButton ("okButton") });
        ASSERT_TRUE (invoke (commandOptionPreferences));
        EXPECT_TRUE (script.isComplete());
    }
    EXPECT_TRUE (file.existsAsFile());
}

TEST_F (FileAndOptionCommands, AboutPresetAndDebugWindows)
{
    {
        DialogScript script ({ testsupport::pressEscape() });
        ASSERT_TRUE (invoke (commandOptionAbout));
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("AboutDialogTitle"));
    }

    auto* presets = x48305_ui::PresetWindowManager::getInstance();
    ASSERT_FALSE (presets->isWindowOpen());
    ASSERT_TRUE (invoke (commandOptionOpenPresetWindow));
    ASSERT_TRUE (presets->isWindowOpen());
    auto* window = presets->getWindow();
    testsupport::runMessageLoop (50);
    // Again: the same window, not a second one.
    ASSERT_TRUE (invoke (commandOptionOpenPresetWindow));
    EXPECT_EQ (presets->getWindow(), window);
    presets->closeWindow();
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([presets] { return ! presets->isWindowOpen(); }));

    auto* debug = x48305_debug::DebugWindowManager::getInstance();
    ASSERT_EQ (debug->getWindow(), nullptr);
    ASSERT_TRUE (invoke (commandOptionOpenDebugWindow));
    ASSERT_NE (debug->getWindow(), nullptr);
    EXPECT_TRUE (debug->getWindow()->isVisible());
    debug->getWindow()->closeButtonPressed();
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([debug] { return debug->getWindow() == nullptr; }));
}

// The file commands reach the file operations, which ask the chooser.
TEST_F (FileAndOptionCommands, OpenAndSaveAsUseTheFileOperations)
{
    testsupport::PrivateTemporaryFolder folder;
    const auto source = folder.getFolder().getChildFile ("source.slvnlib");
    const auto stored = makeLibrary (8);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&stored).write (source), 0);

    chooser.willChoose (source);
    ASSERT_TRUE (invoke (commandFileOpen));
    EXPECT_EQ (fingerprint (library()), fingerprint (stored));
    EXPECT_EQ (currentFile(), source);

    const auto copy = folder.getFolder().getChildFile ("copy.slvnlib");
    chooser.willChoose (copy);
    ASSERT_TRUE (invoke (commandFileSaveAs));
    EXPECT_TRUE (copy.existsAsFile());
    EXPECT_EQ (currentFile(), copy);
    EXPECT_EQ (chooser.getQuestions().size(), 2u);
}

// With a dialog open every command is taken and dropped: nothing changes,
// nothing is shown or asked, nothing quits.
TEST_F (FileAndOptionCommands, EveryCommandDoesNothingWhileADialogIsOpen)
{
    makeEditedLibrary (6);
    selectPrograms ({ 3, 4 });
    const auto before = fingerprint (library());
    const auto steps = undoSteps();
    auto& target = menus().getCommandTarget();

    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    {
        DialogScript none ({});
        for (int command = 1; command <= 28; ++command)
        {
            SCOPED_TRACE (command);
            EXPECT_TRUE (target.perform (juce::ApplicationCommandTarget::InvocationInfo (command)));
            EXPECT_FALSE (invoke (command));
        }
        testsupport::runMessageLoop (100);
        EXPECT_TRUE (none.getShown().empty());
    }
    ui::ModalDialogState::getInstance()->setDialogOpen (false);

    EXPECT_FALSE (target.perform (juce::ApplicationCommandTarget::InvocationInfo (0)));
    EXPECT_FALSE (target.perform (juce::ApplicationCommandTarget::InvocationInfo (29)));
    EXPECT_EQ (fingerprint (library()), before);
    EXPECT_EQ (undoSteps(), steps);
    EXPECT_TRUE (isEdited());
    EXPECT_EQ (quitRequests, 0);
    EXPECT_TRUE (chooser.getQuestions().empty());
    EXPECT_FALSE (x48305_ui::PresetWindowManager::getInstance()->isWindowOpen());
    EXPECT_EQ (x48305_debug::DebugWindowManager::getInstance()->getWindow(), nullptr);
    EXPECT_TRUE (x48305_file::PresetFileManager::getPresetFolder().isDirectory());
}
} // namespace commandstest

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LastSavedFileStatus.h"
#include "application/ApplicationStartupProcess.h"
#include "application/CommandLineProcessor.h"
#include "application/ForwardedCommandLine.h"
#include "file/PresetFileManager.h"
#include "formats/LibraryFile.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "library/DataCenter.h"
#include "support/InterfaceSetUp.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/TemporaryHome.h"
#include "support/midi/JobRig.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedProgramStatus.h"

#include <gtest/gtest.h>

namespace
{
using x48305_application::ApplicationStartupProcess;
using x48305_application::CommandLineProcessor;

// The data store, the preset store (below the home folder) and the start-up
// process's flag, as a command line leaves them.
class CommandLineProcessorTest : public testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::processHome();
        testsupport::setUpInterfaceFonts();
        store().getLibraryData() = x48305_data::LibraryData();
        application::ApplicationUndoManager::getInstance()->clearUndoHistory();
        application::DataEditStatus::getInstance()->clearEdited();
        application::LastSavedFileStatus::getInstance()->setFile ({});
        ui::SelectedProgramStatus::getInstance()->setSelected ({ 3, 7 });
        ui::ModalDialogState::getInstance()->setDialogOpen (false);
        testsupport::runMessageLoop (5);
    }

    void TearDown() override
    {
        EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
        testsupport::runMessageLoop (5);
    }

    static x48305_data::DataCenter& store() { return *x48305_data::DataCenter::getInstance(); }
    static std::string programName (int number) { return store().getLibraryData().getProgram (number).getName(); }

    juce::File writeLibrary (const juce::String& path, const std::string& firstName) const
    {
        x48305_data::LibraryData library;
        library.getProgram (0).setName (firstName);
        const auto file = folder.get().getChildFile (path);
        file.getParentDirectory().createDirectory();
        EXPECT_EQ (x48305_file::LibraryFileWriter (&library).write (file), 0);
        return file;
    }

    juce::File writeProgram (const juce::String& path, const std::string& name) const
    {
        x48305_data::ProgramData program;
        program.setName (name);
        const auto file = folder.get().getChildFile (path);
        file.getParentDirectory().createDirectory();
        EXPECT_EQ (x48305_file::ProgramFileWriter (&program).write (file), 0);
        return file;
    }

    juce::File writePreset (const juce::String& path, const juce::String& dataID) const
    {
        x48305_data::PresetData preset;
        preset.getInformation().DataID = dataID;
        preset.getInformation().Name = "Preset " + dataID;
        const auto file = folder.get().getChildFile (path);
        EXPECT_EQ (x48305_file::PresetFileWriter (&preset).write (file), 0);
        return file;
    }

    // Runs the arguments with the files' folder as the working folder.
    void process (const juce::StringArray& arguments)
    {
        CommandLineProcessor (&startup).processArguments (arguments, folder.get());
        testsupport::runMessageLoop (5);
    }

    static juce::String undoSteps()
    {
        auto* undo = application::ApplicationUndoManager::getInstance();
        return undo->canUndo() ? undo->getUndoDescriptions().joinIntoString ("|") : juce::String();
    }

    testsupport::TemporaryFolder folder;
    // The start-up process registers with the device manager, which is made
    // on the virtual backend here.
    midi::MidiDeviceManager& devices = devicetest::JobRig::manager();
    ApplicationStartupProcess startup;
};

TEST_F (CommandLineProcessorTest, SkipsSystemOptionsAndOpensALibraryPath)
{
    const auto library = writeLibrary ("My Files/night set.slvnlib", "NightPad");
    process ({ "-NSDocumentRevisionsDebugMode", "YES", "-psn_0_12345", library.getFullPathName() });

    EXPECT_EQ (programName (0), "NightPad    ");
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), library);
    EXPECT_TRUE (startup.isOpenedFromCommandLine());
    EXPECT_EQ (undoSteps(), "") << "opening a library leaves no undo history";
}

// Each argument is one path exactly as given, also after forwarding: quotes,
// spaces, a leading dash and non-ASCII letters stay; a relative "-..." is an option.
TEST_F (CommandLineProcessorTest, ArgumentsArePathsExactlyAsGiven)
{
    struct Case
    {
        const char* fileName;
        bool relative;
        const char* opened; // the first program's name afterwards; null: nothing opened
    } const cases[] = {
        { "q\"x.slvnlib", true, "Quote" },
        { "\"quoted all\".slvnlib", false, "Quoted" },
        { "two  spaces .slvnlib", true, "Spaces" },
        { "-dash.slvnlib", false, "Dash" },
        { "-dash.slvnlib", true, nullptr },
        { "\xc3\x9c ber \xd0\x96 \xe9\x9f\xb3.slvnlib", true, "Letters" },
    };
    for (const bool forwarded : { false, true })
        for (const auto& c : cases)
        {
            const auto name = juce::String::fromUTF8 (c.fileName);
            SCOPED_TRACE (name + (forwarded ? " (forwarded)" : ""));
            store().getLibraryData() = x48305_data::LibraryData();
            const auto file = writeLibrary (name, c.opened != nullptr ? c.opened : "Unexpected");
            x48305_application::ForwardedCommandLine line { folder.get().getFullPathName(),
                { "-NSDocumentRevisionsDebugMode", "YES", c.relative ? name : file.getFullPathName() } };
            if (forwarded)
            {
                const auto decoded = x48305_application::ForwardedCommandLine::decode (line.encode());
                ASSERT_TRUE (decoded.has_value());
                line = *decoded;
            }
            CommandLineProcessor (&startup).processArguments (line.arguments, juce::File (line.folder));
            testsupport::runMessageLoop (5);

            EXPECT_EQ (juce::String (programName (0)).trimEnd(), c.opened != nullptr ? c.opened : "Init Program");
            EXPECT_TRUE (c.opened == nullptr || application::LastSavedFileStatus::getInstance()->getFile() == file);
        }
}

TEST_F (CommandLineProcessorTest, ExtensionsAreComparedIgnoringCaseAndRelativePathsMeanTheSendersFolder)
{
    writeLibrary ("sub/LOUD.SLVNLIB", "Capitals");
    process ({ "sub/LOUD.SLVNLIB" });
    EXPECT_EQ (programName (0), "Capitals    ");
    EXPECT_EQ (application::LastSavedFileStatus::getInstance()->getFile(), folder.get().getChildFile ("sub/LOUD.SLVNLIB"));
}

TEST_F (CommandLineProcessorTest, TheFirstKnownExtensionWinsAndTheRestIsIgnored)
{
    writeProgram ("lead.slvnprog", "LeadOne");
    writeLibrary ("set.slvnlib", "Library");
    folder.write ("notes.txt", "not a sound");

    // A file of another kind before it is passed over; a second file is not
    // looked at.
    process ({ "notes.txt", "-v", "lead.slvnprog", "set.slvnlib" });
    EXPECT_EQ (programName (3), "LeadOne     ") << "the first selected program";
    EXPECT_NE (programName (0), "Library     ");
    EXPECT_NE (programName (7), "LeadOne     ");
    EXPECT_EQ (undoSteps(), "LoadProgram");
    EXPECT_TRUE (startup.isOpenedFromCommandLine());
    EXPECT_FALSE (application::LastSavedFileStatus::getInstance()->hasFile());
}

TEST_F (CommandLineProcessorTest, TwoFilesOpenOnlyTheFirst)
{
    writeLibrary ("a.slvnlib", "FromA");
    writeProgram ("b.slvnprog", "FromB");
    process ({ "a.slvnlib", "b.slvnprog" });
    EXPECT_EQ (programName (0), "FromA       ");
    EXPECT_EQ (programName (3), "Init Program") << "the program file was not loaded";
    EXPECT_EQ (undoSteps(), "");
}

TEST_F (CommandLineProcessorTest, APresetFileIsImportedAndLeavesAutomaticReceiveOn)
{
    auto* presets = x48305_file::PresetFileManager::getInstance();
    const int before = presets->getNumPresets();

    writePreset ("extra.slvnpreset", "CMDLINE-PRESET");
    process ({ "extra.slvnpreset" });

    EXPECT_EQ (presets->getNumPresets(), before + 1);
    const auto& library = store().getPresetLibrary();
    ASSERT_EQ (library.getNumPresets(), before + 1);
    EXPECT_EQ (library.getPreset (before).getInformation().DataID, "CMDLINE-PRESET");
    EXPECT_FALSE (startup.isOpenedFromCommandLine());
}

TEST_F (CommandLineProcessorTest, AProgramFileWithoutSelectionStillCountsAsOpened)
{
    writeProgram ("lead.slvnprog", "LeadOne");
    ui::SelectedProgramStatus::getInstance()->setSelected ({});
    process ({ "lead.slvnprog" });
    EXPECT_EQ (undoSteps(), "");
    EXPECT_TRUE (startup.isOpenedFromCommandLine());
}

TEST_F (CommandLineProcessorTest, NothingHappensWhileADialogIsOpen)
{
    writeLibrary ("a.slvnlib", "FromA");
    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    process ({ "a.slvnlib" });
    ui::ModalDialogState::getInstance()->setDialogOpen (false);

    EXPECT_NE (programName (0), "FromA       ");
    EXPECT_FALSE (startup.isOpenedFromCommandLine());
}

TEST_F (CommandLineProcessorTest, AFileThatDoesNotReadIsShownAndChangesNothing)
{
    folder.write ("broken.slvnlib", "this is no zip container");
    writeProgram ("ok.slvnprog", "Untouched");

    testsupport::ModalDialogDriver driver (testsupport::clickButton ("yes"));
    process ({ "broken.slvnlib", "ok.slvnprog" });
    EXPECT_TRUE (driver.hasActed()) << "the read-error dialog";
    EXPECT_EQ (programName (3), "Init Program");
    EXPECT_FALSE (application::LastSavedFileStatus::getInstance()->hasFile());
    EXPECT_TRUE (startup.isOpenedFromCommandLine()) << "the user asked for a file: no automatic receive";
}

TEST_F (CommandLineProcessorTest, UnsavedEditsAreAskedAboutBeforeALibraryReplacesThem)
{
    writeLibrary ("a.slvnlib", "FromA");
    store().getLibraryData().getProgram (0).setName ("Unsaved");
    testsupport::markLibraryEdited();

    {
        testsupport::ModalDialogDriver driver (testsupport::clickButton ("cancel"));
        process ({ "a.slvnlib" });
        EXPECT_TRUE (driver.hasActed());
    }
    EXPECT_EQ (programName (0), "Unsaved     ");

    {
        testsupport::ModalDialogDriver driver (testsupport::clickButton ("no"));
        process ({ "a.slvnlib" });
        EXPECT_TRUE (driver.hasActed());
    }
    EXPECT_EQ (programName (0), "FromA       ");
    EXPECT_FALSE (application::DataEditStatus::getInstance()->isEdited());
}
} // namespace

#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "application/CPXWResource.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "file/FileResultCodes.h"
#include "formats/ProgramFile.h"
#include "ui/AlertDialogComponent.h"

using namespace fileopstest;
using x48305_application::FileAccessProcessor;
using x48305_application::FileDialogProcessor;

namespace
{
class ProgramFileOps : public FileOpsTest
{
protected:
    FileDialogProcessor dialogs() { return FileDialogProcessor (chooser); }

    static std::string programNameIn (const juce::File& source)
    {
        x48305_data::ProgramData program;
        if (x48305_file::ProgramFileReader (&program).read (source) != 0)
            return {};
        return nameOf (program);
    }
};
} // namespace

TEST_F (ProgramFileOps, LoadingIsOneUndoableStepIntoTheFirstSelectedProgram)
{
    putLibrary (makeLibrary (1));
    const auto before = fingerprint (library());
    const auto source = writeProgramFile ("Pad.slvnprog", "Warm Pad");
    selectPrograms ({ 7, 3 });

    chooser.willChoose (source);
    EXPECT_EQ (dialogs().loadProgram(), 1);
    notices.settle();
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (false, "FileLoadProgramTitle", ".slvnprog")));

    EXPECT_EQ (nameOf (library().getProgram (7)), "Warm Pad");
    EXPECT_EQ (library().getProgram (7).getInformation().getComment(), "from Pad.slvnprog");
    EXPECT_EQ (nameOf (library().getProgram (3)), "L1-3");
    EXPECT_TRUE (isEdited());
    EXPECT_EQ (undoName(), "LoadProgram");
    EXPECT_EQ (currentFile(), juce::File());
    EXPECT_GE (notices.dataChanges, 1);

    ASSERT_TRUE (application::ApplicationUndoManager::getInstance()->undo());
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_FALSE (isEdited());
}

TEST_F (ProgramFileOps, LoadingNeedsASelectionAndAReadableFile)
{
    putLibrary (makeLibrary (1));
    const auto before = fingerprint (library());

    selectPrograms ({});
    EXPECT_EQ (dialogs().loadProgram(), 0);
    EXPECT_EQ (dialogs().saveProgram(), 0);
    EXPECT_TRUE (chooser.getQuestions().empty());

    selectPrograms ({ 2 });
    const auto wrong = file ("Text.slvnprog");
    ASSERT_TRUE (wrong.replaceWithText ("not a program"));
    const int code = file::ReadErrorFailedToUncompressZipFile;
    chooser.willChoose (wrong);
    DialogScript script ({ pressOk() });
    EXPECT_EQ (dialogs().loadProgram(), 0);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("CommonErrorDialogTitle"));
    EXPECT_EQ (script.getShown()[0].message, x48305_file::getReadErrorText (code));
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (application::ApplicationUndoManager::getInstance()->canUndo());
}

TEST_F (ProgramFileOps, ADroppedProgramFileLoadsOnlyIntoASingleSelection)
{
    putLibrary (makeLibrary (1));
    const auto before = fingerprint (library());
    const auto source = writeProgramFile ("Lead.slvnprog", "Drop Lead");

    selectPrograms ({ 4, 5 });
    EXPECT_EQ (dialogs().loadProgramByFile (source), 0);
    EXPECT_TRUE (fingerprint (library()) == before);
    EXPECT_FALSE (canUndo());

    selectPrograms ({ 5 });
    EXPECT_EQ (dialogs().loadProgramByFile (source), 1);
    EXPECT_EQ (nameOf (library().getProgram (5)), "Drop Lead");
    EXPECT_EQ (undoName(), "LoadProgram");
    EXPECT_TRUE (chooser.getQuestions().empty());
}

TEST_F (ProgramFileOps, SavingWritesTheFirstSelectedProgramAndChangesNoStatus)
{
    putLibrary (makeLibrary (2));
    selectPrograms ({ 9, 1 });
    chooser.willChoose (file ("Single"));
    EXPECT_EQ (dialogs().saveProgram(), 1);
    notices.settle();

    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (true, "FileSaveProgramTitle", ".slvnprog")));
    EXPECT_EQ (programNameIn (file ("Single.slvnprog")), "L2-9");
    EXPECT_FALSE (isEdited());
    EXPECT_EQ (currentFile(), juce::File());
    EXPECT_EQ (notices.currentFileChanges + notices.editStatusChanges + notices.dataChanges, 0);
}

// The chooser asks about the name as typed; when the forced extension makes
// it another existing file, the user is asked again.
TEST_F (ProgramFileOps, AForcedNameThatHitsAnExistingFileIsConfirmedFirst)
{
    const struct
    {
        const char* name;
        const char* extension;
        int (FileDialogProcessor::*operation)();
    } cases[] = { { "Save As", ".slvnlib", &FileDialogProcessor::saveAs },
                  { "Save Program", ".slvnprog", &FileDialogProcessor::saveProgram } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        putLibrary (makeLibrary (3));
        setCurrentFile ({});
        markEdited();
        const auto existing = file (juce::String ("Keep") + c.extension);
        ASSERT_TRUE (existing.replaceWithText ("precious bytes"));

        for (auto refuse : { pressCancel(), pressEscape() })
        {
            chooser.willChoose (file ("Keep"));
            DialogScript script ({ refuse });
            auto processor = dialogs();
            EXPECT_EQ ((processor.*c.operation)(), 0);
            ASSERT_TRUE (script.isComplete());
            EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("FileReplaceCheckTitle"));
            EXPECT_EQ (script.getShown()[0].message,
                       existing.getFileName() + "\n" + getLocalizedText ("FileReplaceCheckMessage"));
            EXPECT_EQ (script.getShown()[0].alertKind, AlertDialogComponent::okCancel);
            EXPECT_EQ (existing.loadFileAsString(), "precious bytes");
            EXPECT_FALSE (file ("Keep").exists());
            EXPECT_EQ (currentFile(), juce::File());
            EXPECT_TRUE (isEdited());
        }

        chooser.willChoose (file ("Keep"));
        DialogScript script ({ snapshotThen ("fileops-replace-question", pressOk()) });
        auto processor = dialogs();
        EXPECT_EQ ((processor.*c.operation)(), 1);
        EXPECT_TRUE (script.isComplete());
        EXPECT_NE (existing.loadFileAsString(), "precious bytes");

        // A typed name that already has the extension was asked about by the
        // chooser itself.
        chooser.willChoose (existing);
        DialogScript none ({});
        EXPECT_EQ ((processor.*c.operation)(), 1);
    }
}

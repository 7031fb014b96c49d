#include "support/DialogScript.h"
#include "FileOpsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/DataEditStatus.h"
#include "action/LibraryActions.h"
#include "application/CPXWResource.h"
#include "application/FileAccessProcessor.h"
#include "application/FileDialogProcessor.h"
#include "application/FileDiscardChecker.h"
#include "file/FileResultCodes.h"
#include "formats/LibraryFile.h"
#include "ui/AlertDialogComponent.h"
#include "ui/ModalDialogGuard.h"

using namespace fileopstest;
using x48305_application::FileAccessProcessor;
using x48305_application::FileDialogProcessor;

namespace
{
class LibraryFileOps : public FileOpsTest
{
protected:
    // Library 1 with one undoable edit on it: edited, with a history.
    void editLibrary()
    {
        putLibrary (makeLibrary (1));
        auto* undoManager = application::ApplicationUndoManager::getInstance();
        undoManager->beginNewTransaction ("Rename");
        undoManager->perform (new x48305_action::SetProgramNameAction (0, "Edited", library().getProgram (0)));
        ASSERT_TRUE (isEdited());
        editedFingerprint = fingerprint (library());
        notices.reset();
    }

    // Library file content as read back, "" when it does not read.
    static std::string contentOf (const juce::File& source)
    {
        x48305_data::LibraryData read;
        if (x48305_file::LibraryFileReader (&read).read (source) != 0)
            return {};
        return fingerprint (read);
    }

    void expectUntouchedEditedLibrary (const juce::File& expectedFile = {})
    {
        EXPECT_TRUE (fingerprint (library()) == editedFingerprint);
        EXPECT_TRUE (isEdited());
        EXPECT_EQ (undoName(), "Rename");
        EXPECT_EQ (currentFile(), expectedFile);
    }

    FileDialogProcessor dialogs() { return FileDialogProcessor (chooser); }

    std::string editedFingerprint;
};

juce::String text (const char* key)
{
    return getLocalizedText (key);
}
} // namespace

TEST_F (LibraryFileOps, OpeningReplacesTheLibraryAndStartsCleanWithoutHistory)
{
    const auto source = writeLibraryFile ("Bank.slvnlib", 2);
    editLibrary();

    EXPECT_EQ (FileAccessProcessor().openLibrary (source), 0);
    notices.settle();
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (2)));
    EXPECT_EQ (currentFile(), source);
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (canUndo());
    EXPECT_GE (notices.dataChanges, 1);
    EXPECT_EQ (notices.currentFileChanges, 1);
    EXPECT_EQ (notices.editStatusChanges, 1);
    // The current library program has new content.
    EXPECT_GE (notices.currentProgramChanges, 1);
    EXPECT_EQ (nameOf (currentProgram().getProgramData()), "L2-0");

    // Through the chooser on a clean library: no discard question. With no
    // program current, nobody is told of one.
    currentProgram().clearCurrentProgram();
    notices.reset();
    const auto other = writeLibraryFile ("Other.slvnlib", 3);
    chooser.willChoose (other);
    {
        DialogScript none ({});
        EXPECT_EQ (dialogs().openLibrary(), 1);
    }
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (3)));
    EXPECT_EQ (currentFile(), other);
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (false, "FileOpenLibraryTitle", ".slvnlib")));
    notices.settle();
    EXPECT_EQ (notices.currentProgramChanges, 0);
    EXPECT_FALSE (currentProgram().hasCurrentProgram());

    // A dropped library file asks the same discard question and no chooser.
    markEdited();
    DialogScript script ({ pressNo() });
    EXPECT_EQ (dialogs().openLibraryByFile (source), 1);
    EXPECT_TRUE (script.isComplete());
    EXPECT_EQ (chooser.getQuestions().size(), 1u);
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (2)));
    EXPECT_EQ (currentFile(), source);
    EXPECT_FALSE (isEdited());
}

TEST_F (LibraryFileOps, AFileThatDoesNotReadIsReportedAndChangesNothing)
{
    const auto notZip = file ("Broken.slvnlib");
    ASSERT_TRUE (notZip.replaceWithText ("not an archive"));
    const auto current = writeLibraryFile ("Current.slvnlib", 9);

    const struct
    {
        juce::File source;
        int code;
    } cases[] = { { notZip, file::ReadErrorFailedToUncompressZipFile },
                  { file ("Missing.slvnlib"), file::ReadErrorOpenFile } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.source.getFileName());
        editLibrary();
        setCurrentFile (current);
        EXPECT_EQ (FileAccessProcessor().openLibrary (c.source), c.code);
        expectUntouchedEditedLibrary (current);

        // The dialog operation shows the code's text in one alert.
        DialogScript script ({ pressNo(), pressOk() });
        chooser.willChoose (c.source);
        EXPECT_EQ (dialogs().openLibrary(), 0);
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[1].title, "Error");
        EXPECT_EQ (script.getShown()[1].message, x48305_file::getReadErrorText (c.code));
        EXPECT_EQ (script.getShown()[1].alertKind, AlertDialogComponent::message);
        expectUntouchedEditedLibrary (current);
    }
}

TEST_F (LibraryFileOps, OpenChoosersKeepTheChosenNameAsItIs)
{
    // On a case-sensitive file system these are two files.
    const auto upper = writeLibraryFile ("Bank.SLVNLIB", 4);
    writeLibraryFile ("Bank.slvnlib", 5);
    const auto noExtension = writeLibraryFile ("Plain", 6);

    chooser.willChoose (upper);
    EXPECT_EQ (dialogs().openLibrary(), 1);
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (4)));
    EXPECT_EQ (currentFile(), upper);

    chooser.willChoose (noExtension);
    EXPECT_EQ (dialogs().openLibrary(), 1);
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (6)));
    EXPECT_EQ (currentFile(), noExtension);
}

TEST_F (LibraryFileOps, DiscardCheckCancelEscapeOrCloseStopsBeforeTheChooser)
{
    for (auto answer : { pressCancel(), pressEscape(), testsupport::clickCloseButton() })
    {
        editLibrary();
        DialogScript script ({ answer });
        EXPECT_EQ (dialogs().openLibrary(), 0);
        ASSERT_TRUE (script.isComplete());
        EXPECT_EQ (script.getShown()[0].title, text ("FileDiscardCheckTitle"));
        EXPECT_EQ (script.getShown()[0].message, text ("FileDiscardCheckMessage"));
        EXPECT_EQ (script.getShown()[0].alertKind, AlertDialogComponent::yesNoCancel);
        EXPECT_TRUE (chooser.getQuestions().empty());
        expectUntouchedEditedLibrary();
    }
}

TEST_F (LibraryFileOps, DiscardCheckNoDiscardsTheEdits)
{
    const auto current = writeLibraryFile ("Current.slvnlib", 7);
    const auto before = current.loadFileAsString();
    const auto source = writeLibraryFile ("Next.slvnlib", 8);
    editLibrary();
    setCurrentFile (current);

    DialogScript script ({ pressNo() });
    chooser.willChoose (source);
    EXPECT_EQ (dialogs().openLibrary(), 1);
    EXPECT_TRUE (script.isComplete());
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (8)));
    EXPECT_EQ (current.loadFileAsString(), before);
    EXPECT_EQ (currentFile(), source);
    EXPECT_FALSE (isEdited());
    EXPECT_FALSE (canUndo());
}

TEST_F (LibraryFileOps, DiscardCheckYesSavesToTheCurrentFileFirst)
{
    const auto current = writeLibraryFile ("Current.slvnlib", 7);
    const auto source = writeLibraryFile ("Next.slvnlib", 8);
    editLibrary();
    setCurrentFile (current);

    DialogScript script ({ pressYes() });
    chooser.willChoose (source);
    EXPECT_EQ (dialogs().openLibrary(), 1);
    EXPECT_TRUE (script.isComplete());
    EXPECT_TRUE (contentOf (current) == editedFingerprint);
    EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (false, "FileOpenLibraryTitle", ".slvnlib")));
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (8)));
    EXPECT_EQ (currentFile(), source);
}

TEST_F (LibraryFileOps, DiscardCheckYesWithoutAFileAsksWhereToSave)
{
    const auto source = writeLibraryFile ("Next.slvnlib", 8);
    editLibrary();

    {
        // The save is cancelled: nothing is opened.
        DialogScript script ({ pressYes() });
        chooser.willCancel();
        EXPECT_EQ (dialogs().openLibrary(), 0);
        EXPECT_EQ (chooser.getAsked(), juce::StringArray (asked (true, "FileSaveLibraryTitle", ".slvnlib")));
        expectUntouchedEditedLibrary();
    }

    DialogScript script ({ pressYes() });
    chooser.willChoose (file ("Saved"));
    chooser.willChoose (source);
    EXPECT_EQ (dialogs().openLibrary(), 1);
    EXPECT_EQ (chooser.getAsked(),
               juce::StringArray (asked (true, "FileSaveLibraryTitle", ".slvnlib"),
                                  asked (true, "FileSaveLibraryTitle", ".slvnlib"),
                                  asked (false, "FileOpenLibraryTitle", ".slvnlib")));
    EXPECT_TRUE (contentOf (file ("Saved.slvnlib")) == editedFingerprint);
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (8)));
    EXPECT_EQ (currentFile(), source);
}

TEST_F (LibraryFileOps, DiscardCheckYesWithAFailingSaveShowsTheErrorAndStops)
{
    // A folder where the current file should be cannot be replaced.
    const auto current = file ("Folder.slvnlib");
    ASSERT_TRUE (current.createDirectory());
    editLibrary();
    setCurrentFile (current);

    DialogScript script ({ pressYes(), pressOk() });
    EXPECT_EQ (dialogs().openLibrary(), 0);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (script.getShown()[1].title, text ("CommonErrorDialogTitle"));
    EXPECT_EQ (script.getShown()[1].message, x48305_file::getWriteErrorText (file::WriteErrorDeleteFile));
    EXPECT_TRUE (chooser.getQuestions().empty());
    EXPECT_TRUE (current.isDirectory());
    expectUntouchedEditedLibrary (current);
}

TEST_F (LibraryFileOps, DiscardCheckAnswersWithoutAQuestion)
{
    DialogScript none ({});
    EXPECT_EQ (application::FileDiscardChecker (chooser).check(), 0) << "nothing to lose";

    editLibrary();
    ModalDialogGuard otherDialog;
    EXPECT_EQ (application::FileDiscardChecker (chooser).check(), 1) << "the question cannot be asked";
    // Every chooser operation stays away while another dialog is open.
    otherDialog.leave();
    application::DataEditStatus::getInstance()->clearEdited();
    otherDialog.enter();
    auto processor = dialogs();
    for (auto operation : { &FileDialogProcessor::openLibrary, &FileDialogProcessor::saveAs,
                            &FileDialogProcessor::loadProgram, &FileDialogProcessor::saveProgram,
                            &FileDialogProcessor::importPresetFile, &FileDialogProcessor::importVoicingEditorFile,
                            &FileDialogProcessor::savePreset })
        EXPECT_EQ ((processor.*operation)(), 0);
    EXPECT_TRUE (chooser.getQuestions().empty());
}

TEST_F (LibraryFileOps, SaveForcesTheExtensionAndKeepsTheHistory)
{
    const struct
    {
        const char* typed;
        const char* written;
    } cases[] = { { "Mine", "Mine.slvnlib" }, { "Other.txt", "Other.slvnlib" }, { "Kept.slvnlib", "Kept.slvnlib" },
                  { "My.Bank.txt", "My.Bank.slvnlib" } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.typed);
        editLibrary();
        setCurrentFile ({});
        notices.reset();
        chooser.willChoose (file (c.typed));
        DialogScript none ({});
        EXPECT_EQ (dialogs().save(), 1);
        notices.settle();
        EXPECT_TRUE (contentOf (file (c.written)) == editedFingerprint);
        if (juce::String (c.typed) != c.written)
        {
            EXPECT_FALSE (file (c.typed).exists());
        }
        EXPECT_EQ (currentFile(), file (c.written));
        EXPECT_FALSE (isEdited());
        EXPECT_EQ (undoName(), "Rename");
        EXPECT_TRUE (fingerprint (library()) == editedFingerprint);
        EXPECT_EQ (notices.currentFileChanges, 1);
        EXPECT_EQ (notices.editStatusChanges, 1);
    }

    // With a current file, Save writes there without asking.
    const auto questionsBefore = chooser.getQuestions().size();
    editLibrary();
    setCurrentFile (file ("Kept.slvnlib"));
    EXPECT_EQ (dialogs().save(), 1);
    EXPECT_EQ (chooser.getQuestions().size(), questionsBefore);
    EXPECT_TRUE (contentOf (file ("Kept.slvnlib")) == editedFingerprint);
    EXPECT_FALSE (isEdited());

    // Save As always asks.
    chooser.willChoose (file ("Copy"));
    EXPECT_EQ (dialogs().saveAs(), 1);
    EXPECT_EQ (currentFile(), file ("Copy.slvnlib"));
}

TEST_F (LibraryFileOps, AFailingSaveShowsTheErrorAndChangesNoStatus)
{
    ASSERT_TRUE (file ("Folder.slvnlib").createDirectory());
    editLibrary();
    chooser.willChoose (file ("Folder.slvnlib"));
    DialogScript script ({ pressOk() });
    EXPECT_EQ (dialogs().saveAs(), 0);
    ASSERT_TRUE (script.isComplete());
    EXPECT_EQ (script.getShown()[0].message, x48305_file::getWriteErrorText (file::WriteErrorDeleteFile));
    expectUntouchedEditedLibrary();
}

#include "support/FrameworkChooserDriver.h"
#include "FileOpsFixture.h"

#include "action/LastSavedFileStatus.h"
#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
#include "formats/LibraryFile.h"
#include "support/ChildProcessRunner.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/ModalDialogDriver.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/ModalDialogState.h"

#include <juce_gui_basics/juce_gui_basics.h>

using namespace fileopstest;

namespace
{
struct ChooserView
{
    bool modalFlagSet = false;
    juce::String title;
    bool ownDialog = false;
    int listedFiles = -1;
};

// What the dialog shows just before its Open button is clicked.
std::function<void (juce::Component&)> lookAt (ChooserView& view)
{
    return [&view] (juce::Component& dialog)
    {
        view.modalFlagSet = ui::ModalDialogState::getInstance()->dialogOpen;
        view.title = dialog.getName();
        view.ownDialog = dynamic_cast<juce::FileChooserDialogBox*> (&dialog) != nullptr;
        if (auto* list = testsupport::findDescendantOfType<juce::FileListComponent> (dialog))
            view.listedFiles = list->getModel()->getNumRows();
        testsupport::writeSnapshot (dialog, "fileops-framework-chooser-open");
    };
}

// The texts of every button and label inside a window.
juce::StringArray shownTexts (juce::Component& root)
{
    juce::StringArray texts;
    if (auto* button = dynamic_cast<juce::Button*> (&root))
        texts.add (button->getButtonText());
    if (auto* label = dynamic_cast<juce::Label*> (&root))
        texts.add (label->getText());
    for (auto* child : root.getChildren())
        texts.addArray (shownTexts (*child));
    return texts;
}

using FrameworkChooser = FileOpsTest;
using FrameworkDialog = x48305_application::FrameworkFileChooserDialog;
} // namespace

// The real chooser, not the tests' stand-in: the framework's own dialog
// (whatever desktop chooser is installed), driven here with mouse and keys.
TEST_F (FrameworkChooser, OpensALibraryThroughTheFrameworksOwnDialog)
{
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage english (false);

    const auto source = writeLibraryFile ("Chosen Bank.slvnlib", 11);
    ASSERT_TRUE (file ("Readme.txt").replaceWithText ("not offered"));
    ChooserView view;
    testsupport::ModalDialogDriver driver (testsupport::chooseInFrameworkDialog (source, "Open", lookAt (view)), 10000);

    FrameworkDialog ownDialog (FrameworkDialog::Kind::frameworksOwn);
    EXPECT_EQ (x48305_application::FileDialogProcessor (ownDialog).openLibrary(), 1);
    EXPECT_TRUE (driver.hasActed());
    EXPECT_TRUE (view.ownDialog);
    EXPECT_EQ (view.title, getLocalizedText ("FileOpenLibraryTitle"));
    EXPECT_TRUE (view.modalFlagSet);
    EXPECT_EQ (view.listedFiles, 1) << "only library files are offered";
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    EXPECT_TRUE (fingerprint (library()) == fingerprint (makeLibrary (11)));
    EXPECT_EQ (currentFile(), source);
    EXPECT_FALSE (isEdited());
}

// The framework's own chooser and its overwrite question show Japanese words only.
TEST_F (FrameworkChooser, SavesOverAFileAfterAQuestionInJapanese)
{
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage japanese (true);
    const auto target = writeLibraryFile ("Older Bank.slvnlib", 5);
    putLibrary (makeLibrary (2));

    juce::StringArray shown;
    const auto lookAtChooser = [&shown] (juce::Component& dialog)
    {
        shown.addArray (shownTexts (dialog));
        testsupport::writeSnapshot (dialog, "fileops-framework-chooser-save-ja");
    };
    const auto answerQuestion = [&shown] (juce::Component&)
    {
        const auto modal = [] { return dynamic_cast<juce::AlertWindow*> (juce::ModalComponentManager::getInstance()->getModalComponent (0)); };
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return modal() != nullptr; }, 3000)) << "no overwrite question";
        testsupport::runMessageLoop (50);
        auto* question = modal();
        shown.add (question->getName());
        shown.addArray (shownTexts (*question));
        testsupport::writeSnapshot (*question, "fileops-framework-chooser-overwrite-ja");
        testsupport::click (*testsupport::findDescendantOfType<juce::TextButton> (
            *question, [] (juce::TextButton& b) { return b.getButtonText() == juce::translate ("Overwrite"); }));
    };
    testsupport::ModalDialogDriver driver (
        testsupport::andThen (testsupport::chooseInFrameworkDialog (target, juce::translate ("Save"), lookAtChooser),
                              answerQuestion),
        10000);

    FrameworkDialog ownDialog (FrameworkDialog::Kind::frameworksOwn);
    EXPECT_EQ (x48305_application::FileDialogProcessor (ownDialog).saveAs(), 1);
    EXPECT_TRUE (driver.hasActed());
    for (auto* word : { "Save", "Cancel", "New Folder", "file:", "Overwrite", "File already exists" })
    {
        EXPECT_NE (juce::translate (word), word) << word << " has no Japanese mapping";
        EXPECT_TRUE (shown.contains (juce::translate (word))) << word << " in " << shown.joinIntoString ("|");
    }
    x48305_data::LibraryData written;
    EXPECT_EQ (x48305_file::LibraryFileReader (&written).read (target), 0);
    EXPECT_TRUE (fingerprint (written) == fingerprint (makeLibrary (2)));
}

// The first chooser of a run opens in the home folder, not the start folder;
// every later one where the last file was chosen.
TEST_F (FrameworkChooser, StartsInTheFolderOfTheLastChosenFile)
{
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage english (false);
    const auto source = writeLibraryFile ("Chosen Bank.slvnlib", 11);
    FrameworkDialog chooser (FrameworkDialog::Kind::frameworksOwn);
    x48305_application::FileDialogProcessor processor (chooser);
    std::vector<juce::String> startFolders;
    const auto noteFolder = [&startFolders] (juce::Component& dialog)
    {
        auto* browser = testsupport::findDescendantOfType<juce::FileBrowserComponent> (dialog);
        startFolders.push_back (browser != nullptr ? browser->getRoot().getFullPathName() : juce::String());
    };
    {
        testsupport::ModalDialogDriver driver (
            testsupport::andThen (noteFolder, testsupport::chooseInFrameworkDialog (source, "Open")), 10000);
        EXPECT_EQ (processor.openLibrary(), 1);
    }
    {
        testsupport::ModalDialogDriver driver (
            testsupport::andThen (noteFolder, [] (juce::Component& dialog) { dialog.exitModalState (0); }), 10000);
        EXPECT_EQ (processor.saveAs(), 0);
    }
    EXPECT_EQ (startFolders,
               (std::vector<juce::String> { juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName(),
                                            source.getParentDirectory().getFullPathName() }));
}

// The framework's own save dialog offers the library's file name (or the
// untitled name) with the keyboard in the name box, where Escape cancels.
TEST_F (FrameworkChooser, TheOwnSaveDialogOffersTheNameWithTheKeyboardInItAndEscapeCancels)
{
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage english (false);
    const auto saved = writeLibraryFile ("Older Bank.slvnlib", 5);
    const std::pair<juce::File, juce::String> cases[] = {
        { juce::File(), getLocalizedText ("CommonUntitledFileName") + ".slvnlib" },
        { saved, "Older Bank.slvnlib" },
    };
    for (const auto& [current, offered] : cases)
    {
        SCOPED_TRACE (offered);
        application::LastSavedFileStatus::getInstance()->setFile (current);
        juce::String shownName;
        bool nameHasKeyboard = false;
        testsupport::ModalDialogDriver driver ([&] (juce::Component& dialog) {
            testsupport::runMessageLoop (50);
            if (auto* nameBox = testsupport::findDescendantOfType<juce::TextEditor> (
                    dialog, [] (juce::TextEditor& editor) { return ! editor.isReadOnly() && editor.isShowing(); }))
            {
                shownName = nameBox->getText();
                nameHasKeyboard = nameBox->hasKeyboardFocus (false);
            }
            testsupport::pressKey (dialog, juce::KeyPress (juce::KeyPress::escapeKey));
        }, 10000);

        FrameworkDialog ownDialog (FrameworkDialog::Kind::frameworksOwn);
        EXPECT_EQ (x48305_application::FileDialogProcessor (ownDialog).saveAs(), 0);
        EXPECT_TRUE (driver.hasActed());
        EXPECT_EQ (shownName, offered);
        EXPECT_TRUE (nameHasKeyboard);
    }
    EXPECT_EQ (folder.getFolder().getNumberOfChildFiles (juce::File::findFiles, "*.slvnlib"), 1) << "nothing saved";
}

// With zenity on the path the application asks zenity (here a stand-in that
// notes its arguments and cancels): to open a library, and to save one under
// the untitled name. The framework looks for it once per process, so each
// operation runs in a child process with that path.
TEST_F (FrameworkChooser, TheApplicationAsksZenityWhereItIsInstalled)
{
    const auto zenity = file ("zenity");
    ASSERT_TRUE (zenity.replaceWithText ("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/asked\"\nexit 1\n",
                                         false, false, "\n"));
    ASSERT_TRUE (zenity.setExecutePermission (true));

    const std::pair<const char*, juce::StringArray> runs[] = {
        { "FrameworkChooser.DISABLED_OpenLibraryWithTheApplicationsChooser",
          { "--file-selection", "--file-filter=*.slvnlib" } },
        { "FrameworkChooser.DISABLED_SaveLibraryWithTheApplicationsChooser",
          { "--file-selection", "--save", "--file-filter=*.slvnlib", "--filename=Untitled.slvnlib" } },
    };
    for (const auto& [childTest, expected] : runs)
    {
        SCOPED_TRACE (childTest);
        int exitCode = -1;
        const auto output = testsupport::runTestInChildProcess (
            childTest,
            { "PATH=" + folder.getFolder().getFullPathName() + ":" + juce::SystemStats::getEnvironmentVariable ("PATH", {}),
              "KDE_FULL_SESSION=" },
            exitCode, 60000);
        EXPECT_EQ (exitCode, 0) << output;
        EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
        const auto asked = juce::StringArray::fromLines (file ("asked").loadFileAsString());
        for (const auto& argument : expected)
            EXPECT_TRUE (asked.contains (argument)) << asked.joinIntoString (" ");
    }
}

TEST_F (FrameworkChooser, DISABLED_OpenLibraryWithTheApplicationsChooser)
{
    EXPECT_TRUE (juce::FileChooser::isPlatformDialogAvailable());
    EXPECT_EQ (x48305_application::FileDialogProcessor().openLibrary(), 0) << "cancelled";
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

TEST_F (FrameworkChooser, DISABLED_SaveLibraryWithTheApplicationsChooser)
{
    testsupport::ScopedInterfaceLanguage english (false);
    EXPECT_EQ (x48305_application::FileDialogProcessor().saveAs(), 0) << "cancelled";
}

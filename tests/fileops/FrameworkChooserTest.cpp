#include "support/FrameworkChooserDriver.h"
#include "FileOpsFixture.h"

#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
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

using FrameworkChooser = FileOpsTest;
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

    x48305_application::FrameworkFileChooserDialog ownDialog (
        x48305_application::FrameworkFileChooserDialog::Kind::frameworksOwn);
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

// With zenity on the path the application's chooser is zenity: here a
// stand-in that notes its arguments and answers at once as a person who
// cancelled. The framework looks for a desktop chooser once per process, so
// the file operation runs in a child process with that path.
TEST_F (FrameworkChooser, TheApplicationAsksZenityWhereItIsInstalled)
{
    const auto zenity = file ("zenity");
    ASSERT_TRUE (zenity.replaceWithText ("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/asked\"\nexit 1\n",
                                         false, false, "\n"));
    ASSERT_TRUE (zenity.setExecutePermission (true));

    int exitCode = -1;
    const auto output = testsupport::runTestInChildProcess (
        "FrameworkChooser.DISABLED_OpenLibraryWithTheApplicationsChooser",
        { "PATH=" + folder.getFolder().getFullPathName() + ":" + juce::SystemStats::getEnvironmentVariable ("PATH", {}),
          "KDE_FULL_SESSION=" },
        exitCode, 60000);
    EXPECT_EQ (exitCode, 0) << output;
    EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
    juce::StringArray asked;
    asked.addLines (file ("asked").loadFileAsString());
    EXPECT_TRUE (asked.contains ("--file-selection")) << asked.joinIntoString (" ");
    EXPECT_TRUE (asked.contains ("--file-filter=*.slvnlib")) << asked.joinIntoString (" ");
}

TEST_F (FrameworkChooser, DISABLED_OpenLibraryWithTheApplicationsChooser)
{
    EXPECT_TRUE (juce::FileChooser::isPlatformDialogAvailable());
    EXPECT_EQ (x48305_application::FileDialogProcessor().openLibrary(), 0) << "cancelled";
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

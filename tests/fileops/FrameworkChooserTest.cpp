#include "support/FrameworkChooserDriver.h"
#include "FileOpsFixture.h"

#include "application/CPXWResource.h"
#include "application/FileDialogProcessor.h"
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

// The real chooser, not the tests' stand-in: without zenity and kdialog the
// framework shows its own dialog, which is driven here with mouse and keys.
TEST_F (FrameworkChooser, OpensALibraryThroughTheFrameworksOwnDialog)
{
    ASSERT_FALSE (juce::FileChooser::isPlatformDialogAvailable())
        << "zenity or kdialog is installed: the framework would not use its own dialog";
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage english (false);

    const auto source = writeLibraryFile ("Chosen Bank.slvnlib", 11);
    ASSERT_TRUE (file ("Readme.txt").replaceWithText ("not offered"));
    ChooserView view;
    testsupport::ModalDialogDriver driver (testsupport::chooseInFrameworkDialog (source, "Open", lookAt (view)), 10000);

    EXPECT_EQ (x48305_application::FileDialogProcessor().openLibrary(), 1);
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

// The first chooser of a run opens in the home folder, not the folder the
// program was started from; every later one where the last file was chosen.
TEST_F (FrameworkChooser, StartsInTheFolderOfTheLastChosenFile)
{
    ASSERT_FALSE (juce::FileChooser::isPlatformDialogAvailable());
    testsupport::setUpInterfaceFonts();
    testsupport::ScopedInterfaceLanguage english (false);

    const auto source = writeLibraryFile ("Chosen Bank.slvnlib", 11);
    std::vector<juce::String> startFolders;
    const auto noteFolder = [&startFolders] (juce::Component& dialog)
    {
        auto* browser = testsupport::findDescendantOfType<juce::FileBrowserComponent> (dialog);
        startFolders.push_back (browser != nullptr ? browser->getRoot().getFullPathName() : juce::String());
    };
    x48305_application::FrameworkFileChooserDialog chooser;
    x48305_application::FileDialogProcessor processor (chooser);
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

#include "support/DialogScript.h"
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
template <typename T>
T* findChildOfType (juce::Component& root, const std::function<bool (T&)>& matches)
{
    for (auto* child : root.getChildren())
    {
        if (auto* typed = dynamic_cast<T*> (child); typed != nullptr && matches (*typed))
            return typed;
        if (auto* found = findChildOfType<T> (*child, matches))
            return found;
    }
    return nullptr;
}

struct ChooserView
{
    bool modalFlagSet = false;
    juce::String title;
    bool ownDialog = false;
    int listedFiles = -1;
};

// Types the file's full path into the name box, confirms it with Return,
// then clicks the dialog's Open button, as a person would.
testsupport::ModalDialogDriver::Action openThroughTheDialog (const juce::File& target, ChooserView& view)
{
    return [target, &view] (juce::Component& dialog)
    {
        view.modalFlagSet = ui::ModalDialogState::getInstance()->dialogOpen;
        view.title = dialog.getName();
        view.ownDialog = dynamic_cast<juce::FileChooserDialogBox*> (&dialog) != nullptr;

        auto* nameBox = findChildOfType<juce::TextEditor> (dialog, [] (juce::TextEditor& editor)
        {
            return ! editor.isReadOnly() && editor.findParentComponentOfClass<juce::FileBrowserComponent>() != nullptr
                   && dynamic_cast<juce::Label*> (editor.getParentComponent()) == nullptr;
        });
        auto* openButton = findChildOfType<juce::TextButton> (dialog, [] (juce::TextButton& button)
        {
            return button.getButtonText() == "Open";
        });
        if (nameBox == nullptr || openButton == nullptr)
        {
            ADD_FAILURE() << "the chooser has no name box or no Open button";
            dialog.exitModalState (0);
            return;
        }

        testsupport::typeText (*nameBox, target.getFullPathName());
        testsupport::pressKey (*nameBox, juce::KeyPress (juce::KeyPress::returnKey));
        // The dialog takes Return, moves to the file's folder and enables
        // its Open button on later messages.
        testsupport::runMessageLoopUntil ([openButton] { return openButton->isEnabled(); }, 3000);
        testsupport::runMessageLoop (100);
        if (auto* list = findChildOfType<juce::FileListComponent> (dialog, [] (auto&) { return true; }))
            view.listedFiles = list->getModel()->getNumRows();
        testsupport::writeSnapshot (dialog, "fileops-framework-chooser-open");
        testsupport::click (*openButton);
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
    testsupport::ModalDialogDriver driver (openThroughTheDialog (source, view), 10000);

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

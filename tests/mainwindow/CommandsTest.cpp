#include "MainWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "application/CPXWResource.h"
#include "library/DataCenter.h"
#include "support/DialogScript.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/ModalDialogGuard.h"
#include "ui/ModalDialogState.h"
#include "ui/ProgramPaneComponent.h"

namespace
{
using namespace mainwindowtest;

class MainWindowCommandsTest : public MainWindowTest
{
protected:
    // Clicks a header button and catches the command it invokes. The command
    // reaches the command target on the next turn of the message loop; it is
    // taken there as if a dialog had opened meanwhile, so that no transfer
    // starts.
    std::vector<int> clickWithoutRunning (int buttonIndex)
    {
        CommandRecorder recorder;
        testsupport::click (header().getButton (buttonIndex));
        auto* state = ui::ModalDialogState::getInstance();
        state->dialogOpen = true;
        testsupport::runMessageLoop();
        // The buttons asked for their commands' state meanwhile; the notice
        // enables them again.
        state->setDialogOpen (false);
        testsupport::runMessageLoop();
        return recorder.invoked;
    }

    // Pixels of the six buttons' captions in their full colour.
    int brightCaptionPixels()
    {
        const auto image = header().createComponentSnapshot (header().getLocalBounds(), true, 1.0f);
        int count = 0;
        for (int i = 0; i < HeaderComponent::numButtons; ++i)
        {
            const auto area = header().getButton (i).getBounds();
            for (int y = area.getY(); y < area.getBottom(); ++y)
                for (int x = area.getX(); x < area.getRight(); ++x)
                    if (image.getPixelAt (x, y).getBrightness() > 0.7f)
                        ++count;
        }
        return count;
    }

    juce::String programName (int number)
    {
        return x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number).getName();
    }

    void renameProgram (int number, const std::string& name)
    {
        auto* undo = application::ApplicationUndoManager::getInstance();
        undo->beginNewTransaction ("Rename");
        undo->perform (new x48305_action::SetProgramNameAction (
            number, name, x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number)));
        testsupport::runMessageLoop();
    }
};

TEST_F (MainWindowCommandsTest, EachHeaderButtonInvokesItsTransferCommand)
{
    openWindow();
    const int expected[] = { 18, 20, 19, 17, 28, 27 };
    for (int i = 0; i < HeaderComponent::numButtons; ++i)
    {
        SCOPED_TRACE (header().getButton (i).getButtonText());
        EXPECT_TRUE (header().getButton (i).isEnabled());
        EXPECT_EQ (clickWithoutRunning (i), std::vector<int> { expected[i] });
    }

    // The write buttons run as far as their confirmation, which is declined.
    const std::pair<int, const char*> writes[] = { { HeaderComponent::librarySend, "WriteWarningDialogTitle" },
                                                   { HeaderComponent::programSend, "WriteWarningDialogTitle" },
                                                   { HeaderComponent::userDataSend, "WriteUserDataWarningDialogTitle" } };
    for (const auto& [button, title] : writes)
    {
        testsupport::DialogScript script ({ testsupport::pressEscape() });
        testsupport::click (header().getButton (button));
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return script.isComplete(); }));
        testsupport::runMessageLoop();
        EXPECT_EQ (script.getShown().front().title, getLocalizedText (title));
    }
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
}

TEST_F (MainWindowCommandsTest, ShortcutsReachTheirCommandsThroughTheWindowsKeyMappings)
{
    openWindow();
    const auto before = programName (10);
    renameProgram (10, "Changed");

    // Focus in the program list; Command-Z (Ctrl on Linux) undoes.
    auto& list = *mainComponent().getProgramPane().getLeftPane()->getProgramListComponent();
    auto& box = list.getListBox();
    const auto row = list.getLocalArea (&box, box.getRowPosition (2, true));
    testsupport::click (list, { 150.0f, (float) row.getCentreY() });
    {
        CommandRecorder recorder;
        EXPECT_TRUE (testsupport::pressKey (list, juce::KeyPress ('z', juce::ModifierKeys::commandModifier, 0)));
        testsupport::runMessageLoop();
        EXPECT_EQ (recorder.invoked, std::vector<int> { 11 });
    }
    EXPECT_EQ (programName (10), before);

    // Command-Shift-Z redoes, from the window itself.
    {
        CommandRecorder recorder;
        EXPECT_TRUE (testsupport::pressKey (*window, juce::KeyPress ('z', juce::ModifierKeys::commandModifier
                                                                               | juce::ModifierKeys::shiftModifier, 0)));
        testsupport::runMessageLoop();
        EXPECT_EQ (recorder.invoked, std::vector<int> { 12 });
    }
    EXPECT_EQ (programName (10).trimEnd(), "Changed");
}

TEST_F (MainWindowCommandsTest, WhileADialogIsOpenButtonsAndShortcutsDoNothing)
{
    openWindow();
    const auto before = programName (10);
    renameProgram (10, "Changed");

    CommandRecorder recorder;
    {
        ModalDialogGuard dialog;
        testsupport::runMessageLoop();
        for (int i = 0; i < HeaderComponent::numButtons; ++i)
        {
            EXPECT_FALSE (header().getButton (i).isEnabled()) << i;
            testsupport::click (header().getButton (i));
        }
        // The captions fade with the buttons.
        testsupport::writeSnapshot (header(), "mainwindow-header-while-dialog-open");
        EXPECT_LT (brightCaptionPixels(), 5);
        testsupport::pressKey (*window, juce::KeyPress ('z', juce::ModifierKeys::commandModifier, 0));
        testsupport::runMessageLoop();
    }
    EXPECT_TRUE (recorder.invoked.empty());
    EXPECT_EQ (programName (10).trimEnd(), "Changed");

    // Once the dialog is gone, they work again.
    testsupport::runMessageLoop();
    for (int i = 0; i < HeaderComponent::numButtons; ++i)
        EXPECT_TRUE (header().getButton (i).isEnabled()) << i;
    EXPECT_GT (brightCaptionPixels(), 100);
    testsupport::pressKey (*window, juce::KeyPress ('z', juce::ModifierKeys::commandModifier, 0));
    testsupport::runMessageLoop();
    EXPECT_EQ (programName (10), before);
}
} // namespace

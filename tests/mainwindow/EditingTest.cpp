#include "MainWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "application/ApplicationMenuManager.h"
#include "application/ApplicationQuitRules.h"
#include "application/CPXWResource.h"
#include "library/DataCenter.h"
#include "support/DialogScript.h"
#include "support/LibraryFixtures.h"
#include "support/MessageLoop.h"
#include "support/ScriptedChooser.h"
#include "support/UserInput.h"
#include "ui/ProgramListItemComponents.h"
#include "ui/ProgramPaneComponent.h"

namespace
{
using namespace mainwindowtest;

const auto cmd = juce::ModifierKeys::commandModifier;
const auto shift = juce::ModifierKeys::shiftModifier;

// Renaming, saving, undoing and quitting through the window as a person does:
// keys and mouse on the window, the file chooser answered by the script.
class MainWindowEditingTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        x48305_application::ApplicationQuitRules::setQuitAction ([this] { ++quits; });
        x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget().setFileChooser (&chooser);
        openWindow();
    }

    void TearDown() override
    {
        x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget().setFileChooser (nullptr);
        x48305_application::ApplicationQuitRules::setQuitAction ({});
        MainWindowTest::TearDown();
    }

    ProgramListComponent& list() { return *mainComponent().getProgramPane().getLeftPane()->getProgramListComponent(); }

    juce::Label& nameLabel (int row)
    {
        auto* wrapper = dynamic_cast<ProgramListItemComponentWrapper*> (list().getListBox().getCellComponent (2, row));
        EXPECT_NE (wrapper, nullptr);
        return wrapper->getLabel();
    }

    // Double-clicks the name until its editor has the keyboard focus.
    void startEditing (int row)
    {
        auto& box = list().getListBox();
        auto& columns = box.getHeader();
        const auto cell = columns.getColumnPosition (columns.getIndexOfColumnId (2, true));
        const auto rowArea = list().getLocalArea (&box, box.getRowPosition (row, true));
        for (int attempt = 0; attempt < 5; ++attempt)
        {
            testsupport::doubleClick (list(), { (float) cell.getCentreX(), (float) rowArea.getCentreY() });
            auto* editor = nameLabel (row).getCurrentTextEditor();
            if (editor != nullptr && editor->hasKeyboardFocus (false))
                return;
            testsupport::runMessageLoop (100);
        }
        FAIL() << "the name editor never got the keyboard focus";
    }

    // A key to whatever has the focus; shortcuts reach their commands on the
    // next turn of the message loop.
    void press (int key, juce::ModifierKeys held = {})
    {
        testsupport::pressKey (list(), juce::KeyPress (key, held, held.isAnyModifierKeyDown() ? 0 : (juce::juce_wchar) key));
        testsupport::runMessageLoop (30);
    }

    void type (const juce::String& text)
    {
        for (auto c : text)
            press ((int) c);
    }

    bool titleShowsEdited() { return window->getName().endsWith (getLocalizedText ("CommonWindowTitleModified")); }

    static std::string nameOf (int number)
    {
        return testsupport::nameOf (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number));
    }

    testsupport::ScriptedChooser chooser;
    int quits = 0;
};

// Rename program 2, Save As, then undo: the library differs from the saved
// file again, and the title and the quit question say so. Redo brings it
// back to the saved state.
TEST_F (MainWindowEditingTest, AnEditUndoneAfterASaveIsNotThrownAwayUnasked)
{
    const auto original = nameOf (2);
    startEditing (2);
    type ("Renamed");
    press (juce::KeyPress::returnKey);
    ASSERT_EQ (nameOf (2), "Renamed");

    chooser.willChoose (workFolder().getChildFile ("saved.slvnlib"));
    press ('s', cmd | shift);
    ASSERT_TRUE (workFolder().getChildFile ("saved.slvnlib").existsAsFile());
    EXPECT_FALSE (titleShowsEdited());

    press ('z', cmd);
    EXPECT_EQ (nameOf (2), original);
    EXPECT_TRUE (titleShowsEdited()) << window->getName();
    {
        testsupport::DialogScript script ({ testsupport::pressCancel() });
        press ('q', cmd);
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return script.isComplete(); }));
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("FileDiscardCheckTitle"));
    }
    EXPECT_EQ (quits, 0);

    press ('z', cmd | shift);
    EXPECT_EQ (nameOf (2), "Renamed");
    EXPECT_FALSE (titleShowsEdited()) << window->getName();
    testsupport::DialogScript none ({});
    press ('q', cmd);
    EXPECT_EQ (quits, 1);
}
} // namespace

#include "MainWindowFixture.h"

#include "action/ApplicationUndoManager.h"
#include "application/ApplicationCommandIDs.h"
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

#include <functional>
#include <vector>

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

    static std::vector<std::string> allNames()
    {
        std::vector<std::string> names;
        for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
            names.push_back (nameOf (p));
        return names;
    }

    static juce::StringArray undoSteps()
    {
        return application::ApplicationUndoManager::getInstance()->getUndoDescriptions();
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

// A command never acts beneath an open name editor: the editor ends first,
// as a loss of focus ends it, and its text is stored nowhere. The editor's
// own text keys stay inside it and invoke no command.
TEST_F (MainWindowEditingTest, ACommandNeverActsBeneathAnOpenNameEditor)
{
    struct Case
    {
        const char* what;
        std::function<void()> keys; // typed into the open editor of program 2
        const char* stored;         // program 2's name afterwards; null: as before
        std::vector<int> commands;
        const char* newStep;        // the undo step added, if any
        const char* clipboard;      // the clipboard text afterwards, if checked
    };
    const Case cases[] = {
        { "Clear while typing", [this] { type ("Bar"); press ('k', cmd); press (juce::KeyPress::returnKey); },
          "Init Program", { x48305_menu::commandEditClear }, "ClearProgramData", nullptr },
        { "select all, cut and paste in the text",
          [this] { type ("Bar"); press ('a', cmd); press ('x', cmd); press ('v', cmd); press ('v', cmd);
                   press (juce::KeyPress::returnKey); },
          "BarBar", {}, "PasteProgramName", nullptr },
        { "undo in the text", [this] { type ("Bar"); press ('z', cmd); press (juce::KeyPress::returnKey); },
          nullptr, {}, nullptr, nullptr },
        { "copy in the text", [this] { type ("Bar"); press ('a', cmd); press ('c', cmd); press (juce::KeyPress::escapeKey); },
          nullptr, {}, nullptr, "Bar" },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        const auto before = nameOf (2);
        const auto steps = undoSteps();
        auto othersBefore = allNames();
        othersBefore.erase (othersBefore.begin() + 2);
        startEditing (2);
        CommandRecorder recorder;
        c.keys();

        EXPECT_FALSE (nameLabel (2).isBeingEdited());
        EXPECT_EQ (nameOf (2), c.stored != nullptr ? std::string (c.stored) : before);
        EXPECT_EQ (recorder.invoked, c.commands);
        auto expectedSteps = steps;
        if (c.newStep != nullptr)
            expectedSteps.insert (0, c.newStep);
        EXPECT_EQ (undoSteps().joinIntoString ("|"), expectedSteps.joinIntoString ("|"));
        if (c.clipboard != nullptr)
        {
            EXPECT_EQ (juce::SystemClipboard::getTextFromClipboard(), c.clipboard);
        }
        // No other program took the text either.
        auto others = allNames();
        others.erase (others.begin() + 2);
        EXPECT_EQ (others, othersBefore);
    }
}
} // namespace

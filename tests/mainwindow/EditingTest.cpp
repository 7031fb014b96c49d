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
#include "support/NameEditing.h"
#include "support/ScriptedChooser.h"
#include "support/UserInput.h"
#include "ui/ProgramPaneComponent.h"

#include <functional>

namespace
{
using namespace mainwindowtest;

const auto cmd = juce::ModifierKeys::commandModifier;
const auto shift = juce::ModifierKeys::shiftModifier;
const auto enter = juce::KeyPress::returnKey;

// Keys and mouse on the window as a person uses them; the chooser answered by script.
class MainWindowEditingTest : public MainWindowTest
{
protected:
    static auto& target() { return x48305_menu::ApplicationMenuManager::getInstance()->getCommandTarget(); }

    void SetUp() override
    {
        MainWindowTest::SetUp();
        x48305_application::ApplicationQuitRules::setQuitAction ([this] { ++quits; });
        target().setFileChooser (&chooser);
        openWindow();
    }

    void TearDown() override
    {
        target().setFileChooser (nullptr);
        x48305_application::ApplicationQuitRules::setQuitAction ({});
        MainWindowTest::TearDown();
    }

    ProgramListComponent& list() { return *mainComponent().getProgramPane().getLeftPane()->getProgramListComponent(); }

    juce::TextEditor* nameEditor() { return testsupport::findDescendantOfType<juce::TextEditor> (list()); }

    void startEditing (int row) { ASSERT_TRUE (testsupport::openNameEditor (list(), row)); }

    // Shortcuts reach their commands on the next turn of the message loop.
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

    static std::vector<std::string> allNames()
    {
        std::vector<std::string> names;
        for (int p = 0; p < x48305_data::LibraryData::numPrograms; ++p)
            names.push_back (testsupport::nameOf (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (p)));
        return names;
    }

    static juce::String undoSteps()
    {
        return application::ApplicationUndoManager::getInstance()->getUndoDescriptions().joinIntoString ("|");
    }

    testsupport::ScriptedChooser chooser;
    int quits = 0;
};

// Undoing past a save makes the library differ from the file again; redo (either key) brings it back.
TEST_F (MainWindowEditingTest, AnEditUndoneAfterASaveIsNotThrownAwayUnasked)
{
    const auto original = allNames()[2];
    startEditing (2);
    type ("Renamed");
    chooser.willChoose (workFolder().getChildFile ("saved.slvnlib"));
    press (enter);
    press ('s', cmd | shift);
    ASSERT_TRUE (workFolder().getChildFile ("saved.slvnlib").existsAsFile());
    EXPECT_FALSE (titleShowsEdited());

    press ('z', cmd);
    EXPECT_EQ (allNames()[2], original);
    EXPECT_TRUE (titleShowsEdited()) << window->getName();
    {
        testsupport::DialogScript script ({ testsupport::pressCancel() });
        press ('q', cmd);
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return script.isComplete(); }));
        EXPECT_EQ (script.getShown()[0].title, getLocalizedText ("FileDiscardCheckTitle"));
    }
    EXPECT_EQ (quits, 0);

    press ('z', cmd | shift);
    EXPECT_EQ (allNames()[2], "Renamed");
    // Ctrl+Y redoes as well.
    press ('z', cmd);
    press ('y', cmd);
    EXPECT_EQ (allNames()[2], "Renamed") << "Ctrl+Y";
    EXPECT_FALSE (titleShowsEdited()) << window->getName();
    testsupport::DialogScript none ({});
    press ('q', cmd);
    EXPECT_EQ (quits, 1);
}

// A command ends an open name editor first, whose text is stored nowhere;
// the editor's own text keys stay inside it.
TEST_F (MainWindowEditingTest, ACommandNeverActsBeneathAnOpenNameEditor)
{
    struct Case
    {
        const char* what;
        std::function<void()> keys; // after "Bar" typed into the open editor of program 2
        const char* stored;         // program 2's name afterwards; null: as before
        std::vector<int> commands;
        const char* newStep;        // the undo step added, if any
        const char* clipboard;      // the clipboard text afterwards, if checked
    } const cases[] = {
        { "Clear while typing", [this] { press ('k', cmd); press (enter); }, "Init Program", { x48305_menu::commandEditClear },
          "ClearProgramData", nullptr },
        { "select all, cut and paste in the text",
          [this] { press ('a', cmd); press ('x', cmd); press ('v', cmd); press ('v', cmd); press (enter); },
          "BarBar", {}, "PasteProgramName", nullptr },
        { "undo in the text", [this] { press ('z', cmd); press (enter); }, nullptr, {}, nullptr, nullptr },
        { "copy in the text", [this] { press ('a', cmd); press ('c', cmd); press (juce::KeyPress::escapeKey); },
          nullptr, {}, nullptr, "Bar" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        auto expected = allNames();
        const auto steps = undoSteps();
        startEditing (2);
        CommandRecorder recorder;
        type ("Bar");
        c.keys();

        EXPECT_EQ (nameEditor(), nullptr);
        if (c.stored != nullptr)
            expected[2] = c.stored;
        EXPECT_EQ (allNames(), expected);
        EXPECT_EQ (recorder.invoked, c.commands);
        EXPECT_EQ (undoSteps(), c.newStep == nullptr ? steps : steps.isEmpty() ? juce::String (c.newStep) : c.newStep + ("|" + steps));
        EXPECT_TRUE (c.clipboard == nullptr || juce::SystemClipboard::getTextFromClipboard() == c.clipboard);
    }
}
} // namespace

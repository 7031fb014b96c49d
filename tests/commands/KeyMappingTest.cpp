#include "CommandsFixture.h"

#include "application/ProgramClipboard.h"
#include "support/MessageLoop.h"
#include "support/UserInput.h"
#include "ui/ModalDialogState.h"

namespace commandstest
{
namespace
{
// A window that carries the command manager's key mappings, as the main
// window does.
class MappedWindow : public juce::DocumentWindow
{
public:
    MappedWindow() : juce::DocumentWindow ("Keys", juce::Colours::black, 0)
    {
        content.setSize (300, 200);
        content.setWantsKeyboardFocus (true);
        setContentNonOwned (&content, true);
        addKeyListener (CommandsTest::commandManager().getKeyMappings());
        setVisible (true);
        addToDesktop();
    }

    ~MappedWindow() override { removeKeyListener (CommandsTest::commandManager().getKeyMappings()); }

    juce::Component content;
};

juce::String programOnClipboard()
{
    x48305_data::ProgramData program;
    if (! x48305_application::ProgramClipboard().paste (program))
        return "nothing";
    return juce::String (program.getName()).trimEnd();
}

using KeyMapping = CommandsTest;
} // namespace

// A real Ctrl+C reaches Copy through the window's key mappings, Ctrl+K
// clears and Ctrl+Z undoes; while a dialog is open the keys do nothing.
TEST_F (KeyMapping, ShortcutsPerformTheirCommands)
{
    library().getProgram (21) = makeProgram ("By Keys", "", "");
    selectPrograms ({ 21 });
    juce::SystemClipboard::copyTextToClipboard ("empty");

    MappedWindow window;
    testsupport::runMessageLoop (100);
    const auto ctrl = juce::ModifierKeys::ctrlModifier;

    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    testsupport::pressKey (window.content, juce::KeyPress ('c', ctrl, 'c'));
    testsupport::runMessageLoop (50);
    EXPECT_EQ (programOnClipboard(), "nothing");
    ui::ModalDialogState::getInstance()->setDialogOpen (false);

    testsupport::pressKey (window.content, juce::KeyPress ('c', ctrl, 'c'));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([] { return programOnClipboard() == "By Keys"; }, 2000));
    EXPECT_TRUE (undoSteps().isEmpty());

    testsupport::pressKey (window.content, juce::KeyPress ('k', ctrl, 'k'));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([] { return nameOf (21) == "Init Program"; }, 2000));
    testsupport::pressKey (window.content, juce::KeyPress ('z', ctrl, 'z'));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([] { return nameOf (21) == "By Keys"; }, 2000));
    EXPECT_TRUE (undoSteps().isEmpty());
}
} // namespace commandstest

#include "CommandsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "application/CPXWClipboard.h"
#include "application/ProgramClipboard.h"
#include "library/DataCenter.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

namespace commandstest
{
namespace
{
using Tab = ui::SelectedTabStatus;

x48305_data::UserData& units()
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}

// A unit as the instrument reports it in a slot: its first header byte
// marks it, so that every slot differs.
template <typename Unit>
Unit unitInSlot (std::uint32_t slot)
{
    std::uint8_t header[32] = {};
    header[0] = (std::uint8_t) (slot + 1);
    header[1] = 0x5a;
    return Unit (slot, header, sizeof (header));
}

// The kinds' slots as text: "o" for an occupied slot, "." for an empty one.
std::string occupancy()
{
    std::string text;
    auto mark = [&text] (const x48305_data::UserUnitSlotData& unit) { text += unit.hasUnit() ? 'o' : '.'; };
    for (std::uint32_t s = 0; s < x48305_data::UserOscKind::numSlots; ++s)
        mark (units().getUserOscData (s));
    text += " ";
    for (std::uint32_t s = 0; s < x48305_data::UserModFXKind::numSlots; ++s)
        mark (units().getUserModFXData (s));
    text += " ";
    for (std::uint32_t s = 0; s < x48305_data::UserDelFXKind::numSlots; ++s)
        mark (units().getUserDelFXData (s));
    text += " ";
    for (std::uint32_t s = 0; s < x48305_data::UserRevFXKind::numSlots; ++s)
        mark (units().getUserRevFXData (s));
    return text;
}

void fillEveryUnitSlot()
{
    for (std::uint32_t s = 0; s < x48305_data::UserOscKind::numSlots; ++s)
        units().getUserOscData (s) = unitInSlot<x48305_data::UserOscData> (s);
    for (std::uint32_t s = 0; s < x48305_data::UserModFXKind::numSlots; ++s)
        units().getUserModFXData (s) = unitInSlot<x48305_data::UserModFXData> (s);
    for (std::uint32_t s = 0; s < x48305_data::UserDelFXKind::numSlots; ++s)
        units().getUserDelFXData (s) = unitInSlot<x48305_data::UserDelFXData> (s);
    for (std::uint32_t s = 0; s < x48305_data::UserRevFXKind::numSlots; ++s)
        units().getUserRevFXData (s) = unitInSlot<x48305_data::UserRevFXData> (s);
}

using EditCommands = CommandsTest;
} // namespace

// Cut of program 12 and Paste onto program 40 are two named steps; undoing
// them brings both programs back, texts included. Copy is no step.
TEST_F (EditCommands, CutCopyAndPasteAreNamedUndoSteps)
{
    library().getProgram (12) = makeProgram ("Cut Me", "Ann", "warm pad");
    library().getProgram (40) = makeProgram ("Target", "Bob", "bell");
    const auto original12 = library().getProgram (12);
    const auto original40 = library().getProgram (40);

    selectPrograms ({ 12 });
    ASSERT_TRUE (invoke (commandEditCut));
    EXPECT_EQ (nameOf (12), "Init Program");
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "CutProgramData" }));

    selectPrograms ({ 40 });
    ASSERT_TRUE (invoke (commandEditPaste));
    const auto& pasted = library().getProgram (40);
    EXPECT_EQ (pasted.getDigest(), original12.getDigest());
    EXPECT_EQ (pasted.getInformation(), original12.getInformation());
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "CutProgramData", "PasteProgramData" }));

    undo();
    EXPECT_EQ (library().getProgram (40).getDigest(), original40.getDigest());
    EXPECT_EQ (library().getProgram (40).getInformation(), original40.getInformation());
    undo();
    EXPECT_EQ (library().getProgram (12).getDigest(), original12.getDigest());

    // Copy leaves the library and the history alone; the clipboard then
    // holds the copied program.
    selectPrograms ({ 40 });
    const auto stepsBefore = undoSteps();
    ASSERT_TRUE (invoke (commandEditCopy));
    EXPECT_EQ (undoSteps(), stepsBefore);
    x48305_data::ProgramData onClipboard;
    ASSERT_TRUE (x48305_application::ProgramClipboard().paste (onClipboard));
    EXPECT_EQ (onClipboard.getDigest(), original40.getDigest());
    EXPECT_EQ (onClipboard.getInformation(), original40.getInformation());
}

// Cut, Copy and Paste work on the program list's tab only; a paste with
// nothing of the program's kind on the clipboard does nothing.
TEST_F (EditCommands, ClipboardCommandsNeedTheProgramTab)
{
    library().getProgram (3) = makeProgram ("Three", "", "");
    selectPrograms ({ 3 });
    ASSERT_TRUE (invoke (commandEditCopy));

    library().getProgram (3) = makeProgram ("Changed", "", "");
    auto& target = menus().getCommandTarget();
    selectTab (Tab::userOscTab);
    for (int command : { commandEditCut, commandEditCopy, commandEditPaste })
        EXPECT_TRUE (target.perform (juce::ApplicationCommandTarget::InvocationInfo (command)));
    EXPECT_EQ (nameOf (3), "Changed");
    EXPECT_TRUE (undoSteps().isEmpty());

    selectTab (Tab::programListTab);
    ASSERT_TRUE (invoke (commandEditPaste));
    EXPECT_EQ (nameOf (3), "Three");

    EXPECT_TRUE (CPXWClipboard().hasData (x48305_application::ProgramClipboard::programDataType));
    juce::SystemClipboard::copyTextToClipboard ("plain text from elsewhere");
    EXPECT_FALSE (CPXWClipboard().hasData (x48305_application::ProgramClipboard::programDataType));
    selectPrograms ({ 4 });
    ASSERT_TRUE (invoke (commandEditPaste));
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "PasteProgramData" }));
}

// Clear on each tab empties what the tab's list has selected, in one step
// of the tab's name; undo brings everything back. Nothing selected: no step.
TEST_F (EditCommands, ClearOnEveryTabIsOneNamedStep)
{
    for (int number : { 2, 7 })
        library().getProgram (number) = makeProgram ("P" + std::to_string (number), "", "");
    fillEveryUnitSlot();
    const auto fullUnits = occupancy();
    ASSERT_EQ (fullUnits, "oooooooooooooooo oooooooooooooooo oooooooo oooooooo");

    struct Case
    {
        int tab;
        std::vector<int> selection;
        const char* step;
        const char* unitsAfter;
    };
    const Case cases[] = {
        { Tab::userOscTab, { 5, 3 }, "ClearUserOscData", "ooo.o.oooooooooo oooooooooooooooo oooooooo oooooooo" },
        { Tab::userModFXTab, { 15 }, "ClearUserModFXData", "oooooooooooooooo ooooooooooooooo. oooooooo oooooooo" },
        { Tab::userDelFXTab, { 0, 7 }, "ClearUserDelFXData", "oooooooooooooooo oooooooooooooooo .oooooo. oooooooo" },
        { Tab::userRevFXTab, { 4 }, "ClearUserRevFXData", "oooooooooooooooo oooooooooooooooo oooooooo oooo.ooo" },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.step);
        // Every list has a selection; only the current tab's is cleared.
        ui::SelectedUserOscStatus::getInstance()->setSelected (c.tab == Tab::userOscTab ? c.selection : std::vector<int> { 1 });
        ui::SelectedUserModFXStatus::getInstance()->setSelected (c.tab == Tab::userModFXTab ? c.selection : std::vector<int> { 1 });
        ui::SelectedUserDelFXStatus::getInstance()->setSelected (c.tab == Tab::userDelFXTab ? c.selection : std::vector<int> { 1 });
        ui::SelectedUserRevFXStatus::getInstance()->setSelected (c.tab == Tab::userRevFXTab ? c.selection : std::vector<int> { 1 });
        selectTab (c.tab);
        selectPrograms ({ 2, 7 });

        ASSERT_TRUE (invoke (commandEditClear));
        EXPECT_EQ (occupancy(), c.unitsAfter);
        EXPECT_EQ (nameOf (2), "P2");
        EXPECT_EQ (undoSteps(), juce::StringArray ({ c.step }));
        undo();
        EXPECT_EQ (occupancy(), fullUnits);
        application::ApplicationUndoManager::getInstance()->clearUndoHistory();
    }

    selectTab (Tab::programListTab);
    selectPrograms ({ 7, 2 });
    ASSERT_TRUE (invoke (commandEditClear));
    EXPECT_EQ (nameOf (2), "Init Program");
    EXPECT_EQ (nameOf (7), "Init Program");
    EXPECT_EQ (undoSteps(), juce::StringArray ({ "ClearProgramData" }));
    undo();
    EXPECT_EQ (nameOf (2), "P2");
    EXPECT_EQ (nameOf (7), "P7");
    application::ApplicationUndoManager::getInstance()->clearUndoHistory();

    // Nothing selected on the tab: no step at all, even when invoked
    // directly on the target.
    selectTab (Tab::userDelFXTab);
    ui::SelectedUserDelFXStatus::getInstance()->setSelected ({});
    EXPECT_TRUE (menus().getCommandTarget().perform (juce::ApplicationCommandTarget::InvocationInfo (commandEditClear)));
    selectTab (Tab::programListTab);
    selectPrograms ({});
    EXPECT_TRUE (menus().getCommandTarget().perform (juce::ApplicationCommandTarget::InvocationInfo (commandEditClear)));
    EXPECT_TRUE (menus().getCommandTarget().perform (juce::ApplicationCommandTarget::InvocationInfo (commandEditCut)));
    EXPECT_EQ (occupancy(), fullUnits);
    EXPECT_TRUE (undoSteps().isEmpty());
}
} // namespace commandstest

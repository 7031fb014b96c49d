#include "CommandsFixture.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "application/CPXWResource.h"
#include "ui/ModalDialogState.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

#include <set>

namespace commandstest
{
namespace
{
using Tab = ui::SelectedTabStatus;

std::set<int> disabledCommands()
{
    std::set<int> disabled;
    for (int id = 1; id <= 28; ++id)
        if (! CommandsTest::isEnabled (id))
            disabled.insert (id);
    return disabled;
}

std::string describe (const std::set<int>& ids)
{
    std::string text;
    for (int id : ids)
        text += std::to_string (id) + " ";
    return text;
}

void selectUnits (int tab, const std::vector<int>& slots)
{
    switch (tab)
    {
        case Tab::userOscTab: ui::SelectedUserOscStatus::getInstance()->setSelected (slots); break;
        case Tab::userModFXTab: ui::SelectedUserModFXStatus::getInstance()->setSelected (slots); break;
        case Tab::userDelFXTab: ui::SelectedUserDelFXStatus::getInstance()->setSelected (slots); break;
        case Tab::userRevFXTab: ui::SelectedUserRevFXStatus::getInstance()->setSelected (slots); break;
        default: break;
    }
}

using CommandRules = CommandsTest;
} // namespace

// The manager knows the 28 commands, each with its text, category and
// default key; keys use the platform's command key (Ctrl here).
TEST_F (CommandRules, TableGivesTextsCategoriesAndKeys)
{
    constexpr int cmd = juce::ModifierKeys::commandModifier;
    constexpr int shift = juce::ModifierKeys::shiftModifier;
    struct Row
    {
        int id;
        const char* text;
        const char* category;
        int key;
        int modifiers;
    };
    const Row rows[] = {
        { 1, "MenuFileNew", "File", 'n', cmd },
        { 2, "MenuFileOpen", "File", 'o', cmd },
        { 3, "MenuFileSave", "File", 's', cmd },
        { 4, "MenuFileSaveAs", "File", 's', cmd | shift },
        { 5, "MenuFileLoadProgram", "File", 0, 0 },
        { 6, "MenuFileSaveProgram", "File", 0, 0 },
        { 7, "MenuFileImportPresetFile", "File", 0, 0 },
        { 8, "MenuFileImportVoicingEditorFile", "File", 0, 0 },
        { 9, "MenuFileSavePreset", "File", 0, 0 },
        { 10, "MenuFileExit", "File", 'q', cmd },
        { 11, "MenuEditUndo", "Edit", 'z', cmd },
        { 12, "MenuEditRedo", "Edit", 'z', cmd | shift },
        { 13, "MenuEditCut", "Edit", 'x', cmd },
        { 14, "MenuEditCopy", "Edit", 'c', cmd },
        { 15, "MenuEditPaste", "Edit", 'v', cmd },
        { 16, "MenuEditClear", "Edit", 'k', cmd },
        { 17, "MenuMidiReceiveLibrary", "MIDI", 'l', cmd },
        { 18, "MenuMidiWriteLibrary", "MIDI", 't', cmd },
        { 19, "MenuMidiReceiveProgram", "MIDI", 0, 0 },
        { 20, "MenuMidiWriteProgram", "MIDI", 0, 0 },
        { 21, "MenuOptionPreferences", "Option", ',', cmd },
        { 22, "MenuOptionOpenPresetWindow", "Option", 'p', cmd },
        { 23, "MenuOptionAbout", "Option", 0, 0 },
        { 24, "MenuOptionInit", "Option", 0, 0 },
        { 25, nullptr, "Option", 0, 0 },
        { 26, "MenuMidiReceiveUserEnv", "MIDI", 0, 0 },
        { 27, "MenuMidiReceiveUserData", "MIDI", 0, 0 },
        { 28, "MenuMidiWriteUserData", "MIDI", 0, 0 },
    };

    ASSERT_EQ (commandManager().getNumCommands(), 28);
    EXPECT_EQ (commandManager().getCommandForID (29), nullptr);
    EXPECT_EQ (commandManager().getFirstCommandTarget (1), &menus().getCommandTarget());

    auto* mappings = commandManager().getKeyMappings();
    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.id);
        const auto* info = commandManager().getCommandForID (row.id);
        ASSERT_NE (info, nullptr);
        EXPECT_EQ (info->shortName, row.text != nullptr ? getLocalizedText (row.text) : "Open Debug Window");
        EXPECT_TRUE (info->shortName.isNotEmpty());
        EXPECT_EQ (info->categoryName, row.category);
        EXPECT_TRUE (info->description.isEmpty());

        const auto keys = mappings->getKeyPressesAssignedToCommand (row.id);
        if (row.key == 0)
        {
            EXPECT_TRUE (keys.isEmpty());
            continue;
        }
        // Redo takes Ctrl+Y as well, after the key the menu shows.
        ASSERT_EQ (keys.size(), row.id == 12 ? 2 : 1);
        EXPECT_TRUE (row.id != 12 || keys[1] == juce::KeyPress ('y', juce::ModifierKeys (cmd), 0));
        EXPECT_EQ (keys[0], juce::KeyPress (row.key, juce::ModifierKeys (row.modifiers), 0))
            << keys[0].getTextDescription();
        EXPECT_EQ (mappings->findCommandForKeyPress (juce::KeyPress (row.key, juce::ModifierKeys (row.modifiers), 0)),
                   row.id);
    }
    EXPECT_EQ (mappings->getKeyPressesAssignedToCommand (commandFileSaveAs)[0].getTextDescription(), "ctrl + shift + S");
}

// The enable rules for no, one and two selected programs on each tab, with
// and without a selection in the tab's own list; the undo history; an open
// dialog disables everything.
TEST_F (CommandRules, EnableRulesFollowSelectionTabHistoryAndDialogs)
{
    struct Scenario
    {
        const char* name;
        std::vector<int> programs;
        int tab;
        std::vector<int> slotsOnTab;   // the selection of the tab's unit list
        std::set<int> disabled;
    };
    const Scenario scenarios[] = {
        { "no program", {}, Tab::programListTab, {}, { 5, 6, 11, 12, 13, 14, 15, 16, 19, 20 } },
        { "one program", { 7 }, Tab::programListTab, {}, { 11, 12 } },
        { "two programs", { 2, 7 }, Tab::programListTab, {}, { 5, 6, 11, 12, 13, 14, 15 } },
        { "oscillators, none", { 7 }, Tab::userOscTab, {}, { 11, 12, 13, 14, 15, 16 } },
        { "oscillators 3 and 5", { 7 }, Tab::userOscTab, { 3, 5 }, { 11, 12, 13, 14, 15 } },
        { "modulation, none", { 2, 7 }, Tab::userModFXTab, {}, { 5, 6, 11, 12, 13, 14, 15, 16 } },
        { "modulation 1", {}, Tab::userModFXTab, { 1 }, { 5, 6, 11, 12, 13, 14, 15, 19, 20 } },
        { "delay, none", { 7 }, Tab::userDelFXTab, {}, { 11, 12, 13, 14, 15, 16 } },
        { "delay 7", { 7 }, Tab::userDelFXTab, { 7 }, { 11, 12, 13, 14, 15 } },
        { "reverb, none", { 7 }, Tab::userRevFXTab, {}, { 11, 12, 13, 14, 15, 16 } },
        { "reverb 0", { 7 }, Tab::userRevFXTab, { 0 }, { 11, 12, 13, 14, 15 } },
        { "no such tab", { 7 }, 5, {}, { 11, 12, 13, 14, 15, 16 } },
    };

    for (const auto& scenario : scenarios)
    {
        SCOPED_TRACE (scenario.name);
        // Every other list keeps a selection, so only the tab's own counts.
        for (int tab = Tab::userOscTab; tab <= Tab::userRevFXTab; ++tab)
            selectUnits (tab, tab == scenario.tab ? scenario.slotsOnTab : std::vector<int> { 0 });
        selectPrograms (scenario.programs);
        selectTab (scenario.tab);
        EXPECT_EQ (describe (disabledCommands()), describe (scenario.disabled));
    }

    selectPrograms ({ 7 });
    selectTab (Tab::programListTab);
    auto* undoManager = application::ApplicationUndoManager::getInstance();
    undoManager->beginNewTransaction ("Edit");
    undoManager->perform (new x48305_action::InitializeProgramDataAction (7));
    EXPECT_EQ (describe (disabledCommands()), describe ({ 12 }));
    undoManager->undo();
    EXPECT_EQ (describe (disabledCommands()), describe ({ 11 }));

    ui::ModalDialogState::getInstance()->setDialogOpen (true);
    EXPECT_EQ (disabledCommands().size(), 28u);
    ui::ModalDialogState::getInstance()->setDialogOpen (false);
    EXPECT_EQ (describe (disabledCommands()), describe ({ 11 }));
}
} // namespace commandstest

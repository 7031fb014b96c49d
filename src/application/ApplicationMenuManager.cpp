#include "application/ApplicationMenuManager.h"

#include "action/ApplicationUndoManager.h"
#include "application/ApplicationCommandIDs.h"
#include "application/CPXWResource.h"
#include "application/DebugModeModel.h"
#include "ui/ModalDialogState.h"

namespace x48305_menu
{
namespace
{
enum MenuIndex
{
    fileMenu = 0,
    editMenu = 1,
    midiMenu = 2,
    optionMenu = 3
};

// Commands in groups; a separator stands between two groups.
using Groups = std::vector<std::vector<int>>;

Groups menuGroups (int topLevelMenuIndex)
{
    const auto* modes = x48305_application::DebugModeModel::getInstance();
    switch (topLevelMenuIndex)
    {
        case fileMenu:
        {
            Groups groups { { commandFileNew, commandFileOpen, commandFileSave, commandFileSaveAs },
                            { commandFileLoadProgram, commandFileSaveProgram },
                            { commandFileImportPresetFile } };
            if (modes->developerMode)
                groups.push_back ({ commandFileSavePreset });
            // Linux desktops have no application menu that would carry Quit:
            // the File menu ends with it, its shortcut shown.
            groups.push_back ({ commandFileExit });
            return groups;
        }
        case editMenu:
            return { { commandEditUndo, commandEditRedo },
                     { commandEditCut, commandEditCopy, commandEditPaste, commandEditClear } };
        case midiMenu:
            return { { commandMidiReceiveLibrary, commandMidiWriteLibrary },
                     { commandMidiReceiveProgram, commandMidiWriteProgram },
                     { commandMidiReceiveUserData, commandMidiWriteUserData } };
        case optionMenu:
        {
            Groups groups { { commandOptionOpenPresetWindow }, { commandOptionPreferences },
                            { commandOptionAbout }, { commandOptionInit } };
            if (modes->debugMenu)
                groups.push_back ({ commandOptionOpenDebugWindow });
            return groups;
        }
        default:
            return {};
    }
}
} // namespace

detail::WatchedModelsFirst::WatchedModelsFirst()
{
    ui::SelectedProgramStatus::getInstance();
    ui::ModalDialogState::getInstance();
    juce::Desktop::getInstance();
}

ApplicationMenuManager::ApplicationMenuManager()
{
    commandManager.registerAllCommandsForTarget (&commands);
    setApplicationCommandManagerToWatch (&commandManager);
    commandManager.setFirstCommandTarget (&commands);

    ui::SelectedProgramStatus::getInstance()->addListener (this);
    ui::ModalDialogState::getInstance()->addListener (this);
    application::ApplicationUndoManager::getInstance()->addChangeListener (this);
}

ApplicationMenuManager::~ApplicationMenuManager()
{
    // This object may be registered for deletion at shutdown before the undo
    // manager and so be deleted after it.
    if (application::ApplicationUndoManager::isAlive())
        application::ApplicationUndoManager::getInstance()->removeChangeListener (this);
    ui::ModalDialogState::getInstance()->removeListener (this);
    ui::SelectedProgramStatus::getInstance()->removeListener (this);
    // The menu bar model's own destructor runs after the command manager has
    // gone: it must not find it still watched.
    setApplicationCommandManagerToWatch (nullptr);
    commandManager.setFirstCommandTarget (nullptr);
}

juce::StringArray ApplicationMenuManager::getMenuBarNames()
{
    return { getLocalizedText ("MenuCategoryFile"), getLocalizedText ("MenuCategoryEdit"),
             getLocalizedText ("MenuCategoryMidi"), getLocalizedText ("MenuCategoryOption") };
}

juce::PopupMenu ApplicationMenuManager::getMenuForIndex (int topLevelMenuIndex, const juce::String&)
{
    auto menu = buildMenu (topLevelMenuIndex);
    menu.setLookAndFeel (&lookAndFeel);
    return menu;
}

juce::PopupMenu ApplicationMenuManager::buildMenu (int topLevelMenuIndex)
{
    juce::PopupMenu menu;
    for (const auto& group : menuGroups (topLevelMenuIndex))
    {
        if (menu.getNumItems() > 0)
            menu.addSeparator();
        for (int command : group)
            menu.addCommandItem (&commandManager, command);
    }
    return menu;
}

void ApplicationMenuManager::menuItemSelected (int, int)
{
}

void ApplicationMenuManager::selectedProgramChanged()
{
    commandManager.commandStatusChanged();
}

void ApplicationMenuManager::changeListenerCallback (juce::ChangeBroadcaster* source)
{
    if (application::ApplicationUndoManager::isAlive() && source == application::ApplicationUndoManager::getInstance())
        commandManager.commandStatusChanged();
}

void ApplicationMenuManager::modalDialogStateChanged()
{
    commandManager.commandStatusChanged();
}
} // namespace x48305_menu

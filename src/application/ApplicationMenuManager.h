#pragma once

#include "application/ApplicationMenuCommands.h"
#include "data/Singleton.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/ModalDialogStateObserver.h"
#include "ui/SelectedProgramStatus.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_menu
{
namespace detail
{
// Creates what the menu manager leaves in its destructor (the models it
// watches, and the desktop, which its command manager watches for focus
// changes) before the manager registers for deletion at shutdown, so that
// they are deleted after it. A base of the manager, ahead of
// juce::DeletedAtShutdown.
struct WatchedModelsFirst
{
    WatchedModelsFirst();
};
} // namespace detail

// Owns the application's commands: the command manager with the command
// target, and the menu bar model with its four menus. The main window shows
// the menu bar (getMenuBarModel); every window of the program installs the
// key mappings (getCommandManager().getKeyMappings(), through
// x48305_ui::CommandShortcuts); views whose commands are not their
// own pass them on to getCommandTarget(); buttons and start-up invoke
// commands through getCommandManager().
//
// The menus' enabled states follow the program selection, the modal-dialog
// state and the undo history as they change; tab changes and the unit lists'
// selections take effect the next time a menu opens or a key is pressed,
// when the rules are asked again.
class ApplicationMenuManager : private detail::WatchedModelsFirst,
                               public Singleton<ApplicationMenuManager>,
                               public ui::SelectedProgramStatusObserver,
                               public ui::ModalDialogStateObserver,
                               public juce::ChangeListener,
                               public juce::MenuBarModel,
                               public juce::DeletedAtShutdown
{
public:
    ~ApplicationMenuManager() override;

    juce::ApplicationCommandManager& getCommandManager() { return commandManager; }
    juce::MenuBarModel& getMenuBarModel() { return *this; }
    ApplicationMenuCommands& getCommandTarget() { return commands; }

    juce::StringArray getMenuBarNames() override;
    juce::PopupMenu getMenuForIndex (int topLevelMenuIndex, const juce::String& menuName) override;
    void menuItemSelected (int menuItemID, int topLevelMenuIndex) override;

    void selectedProgramChanged() override;
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;
    void modalDialogStateChanged() override;

private:
    friend class Singleton<ApplicationMenuManager>;
    ApplicationMenuManager();

    juce::PopupMenu buildMenu (int topLevelMenuIndex);

    juce::ApplicationCommandManager commandManager;
    ApplicationMenuCommands commands;
    x48305_ui::DefaultLookAndFeel lookAndFeel;

    JUCE_DECLARE_NON_COPYABLE (ApplicationMenuManager)
};
} // namespace x48305_menu

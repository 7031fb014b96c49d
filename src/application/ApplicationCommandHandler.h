#pragma once

#include "application/FileChooserDialog.h"

namespace x48305_menu
{
// The commands of the File and Option menus that are not file operations:
// a new library, quitting, the initial state, and the windows and dialogs.
// A stack object.
class ApplicationCommandHandler
{
public:
    // Saving unsaved edits first asks with this chooser when the library has
    // no current file.
    explicit ApplicationCommandHandler (x48305_application::FileChooserDialog& chooser);

    void newLibrary();
    void exit();
    // Removes the preset store and quits: the factory presets come back at
    // the next start.
    void init();
    void showPreferences();
    void showPresetWindow();
    void showAbout();
    void showDebugWindow();

private:
    x48305_application::FileChooserDialog& chooser;
};
} // namespace x48305_menu

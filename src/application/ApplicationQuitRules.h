#pragma once

#include "application/FileChooserDialog.h"

#include <functional>

namespace x48305_application
{
// The checks before the application quits, shared by the quit request of the
// window system and the Exit and Init commands: unsaved library edits are
// saved or discarded first (the user may cancel), and while a device search
// runs the request is dropped silently. A stack object.
class ApplicationQuitRules
{
public:
    // Saving without a current file asks with the framework's chooser...
    ApplicationQuitRules();
    // ... or with this one.
    explicit ApplicationQuitRules (FileChooserDialog& chooser);

    // True when the application may quit now. Asks the user about unsaved
    // edits first (a question that cannot be asked because another dialog
    // is open counts as Cancel).
    bool mayQuit();

    // Ends the application through the framework (or what a test put in its
    // place).
    static void quit();

    // Replaces what quit does; an empty function restores the framework's.
    static void setQuitAction (std::function<void()> action);

private:
    FileChooserDialog& chooser;
};
} // namespace x48305_application

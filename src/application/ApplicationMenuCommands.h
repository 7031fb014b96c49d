#pragma once

#include "application/FileChooserDialog.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_menu
{
// The command target of the application's 28 numbered commands (see
// ApplicationCommandIDs.h). Every command is disabled, and does nothing,
// while a modal dialog is open; otherwise each follows its own enable rule
// (the selection, the tab, the undo history).
class ApplicationMenuCommands : public juce::ApplicationCommandTarget
{
public:
    ApplicationMenuCommands() = default;
    ~ApplicationMenuCommands() override = default;

    // The running application, which gets the commands this target does not
    // know.
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>& commands) override;
    void getCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& info) override;
    // True for every command of the target (done, or refused while a dialog
    // is open); false for other ids.
    bool perform (const InvocationInfo& info) override;

    // Fills the info from the command table, without the enable rule.
    static void setCommandInfo (juce::CommandID commandID, juce::ApplicationCommandInfo& info);

    // The command's enable rule; false for every command while a modal
    // dialog is open.
    static bool isCommandActive (juce::CommandID commandID);

    // The chooser that the file commands ask with; null restores the
    // framework's.
    void setFileChooser (x48305_application::FileChooserDialog* chooser);

private:
    // Runs the command's handler; false for ids outside the table.
    bool performCommand (juce::CommandID commandID);
    x48305_application::FileChooserDialog& chooser() const;

    x48305_application::FileChooserDialog* fileChooser = nullptr;

    JUCE_DECLARE_NON_COPYABLE (ApplicationMenuCommands)
};
} // namespace x48305_menu

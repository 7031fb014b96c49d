#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// Gives a window of the program the command manager's key mappings for the
// object's lifetime, so that the menu bar's shortcuts (Ctrl+Q, Ctrl+, and
// every other command's) work while that window has the keyboard, as they
// do in the main window. A member of the window.
class CommandShortcuts
{
public:
    explicit CommandShortcuts (juce::Component& window);
    ~CommandShortcuts();

private:
    juce::Component& window;
    // Kept: the menu manager may be gone by the time the window goes.
    juce::KeyPressMappingSet* mappings;

    JUCE_DECLARE_NON_COPYABLE (CommandShortcuts)
};
} // namespace x48305_ui

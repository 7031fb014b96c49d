#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// A command target with no commands of its own: whatever the command manager
// asks of it goes on to the application's command target, which acts on the
// current selection. The main window's content and its tabs are such targets,
// so that a key pressed with any of them focused reaches the commands.
class CommandForwardingTarget : public juce::ApplicationCommandTarget
{
public:
    juce::ApplicationCommandTarget* getNextCommandTarget() override;
    void getAllCommands (juce::Array<juce::CommandID>&) override {}
    void getCommandInfo (juce::CommandID, juce::ApplicationCommandInfo&) override {}
    bool perform (const InvocationInfo&) override { return false; }
};
} // namespace ui

#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <memory>
#include <vector>

namespace x48305_action
{
// Performs the actions, in order, as one named undo step of the application's
// undo manager, which owns each action from then on (and deletes one that
// refuses to perform). True when every action performed. Without actions
// nothing happens, not even an empty step.
bool performAsStep (const juce::String& name, std::vector<std::unique_ptr<juce::UndoableAction>> actions);

// One action as a step of its own.
bool performAsStep (const juce::String& name, std::unique_ptr<juce::UndoableAction> action);
} // namespace x48305_action

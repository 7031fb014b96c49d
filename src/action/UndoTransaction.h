#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <memory>
#include <vector>

namespace application
{
// Performs the actions on the application's undo manager as one named
// transaction, which one undo takes back whole. Nothing at all (not even an
// empty step) when there are none.
void performTransaction (const juce::String& name, std::vector<std::unique_ptr<juce::UndoableAction>> actions);
} // namespace application

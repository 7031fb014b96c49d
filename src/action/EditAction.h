#pragma once

#include <juce_data_structures/juce_data_structures.h>

namespace x48305_action
{
// Base of the edit actions: keeps the library's edited flag as it stood when
// the action was last performed. Perform sets the flag; undo clears it only
// when it had been clear, so an undo never marks a saved library as edited.
class EditAction : public juce::UndoableAction
{
protected:
    // Records the flag, then sets it.
    void markEdited();
    // Clears the flag when it was clear at the last perform.
    void restoreEdited() const;

    bool wasEdited = false;
};
} // namespace x48305_action

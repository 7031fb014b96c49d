#pragma once

#include "action/DataEditStatus.h"

#include <juce_data_structures/juce_data_structures.h>

namespace x48305_action
{
// Base of the edit actions: keeps the states of the data (as the edited flag
// numbers them) before and after the action. Perform moves the flag to the
// state after, undo back to the state before, so the flag is clear exactly
// when the data is back at the state last saved or opened.
class EditAction : public juce::UndoableAction
{
protected:
    // On the first perform the state before is recorded and the state after
    // made; a redo returns to that same state after.
    void markEdited();
    void restoreEdited() const;

private:
    application::DataEditStatus::State stateBefore = 0;
    application::DataEditStatus::State stateAfter = 0;
    bool performedOnce = false;
};

// An action that puts a new value where target() refers and the old value
// back on undo. The place is looked up again on every perform and undo.
template <typename Value>
class ReplaceAction : public EditAction
{
public:
    bool perform() override
    {
        auto& place = target();
        oldValue = place;
        markEdited();
        place = newValue;
        return true;
    }

    bool undo() override
    {
        target() = oldValue;
        restoreEdited();
        return true;
    }

protected:
    explicit ReplaceAction (const Value& value) : newValue (value) {}

private:
    virtual Value& target() const = 0;

    const Value newValue;
    Value oldValue;
};
} // namespace x48305_action

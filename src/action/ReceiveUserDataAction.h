#pragma once

#include "action/SetUserDataAction.h"
#include "library/UserUnitsMatch.h"

namespace x48305_action
{
// Applies the units received from the instrument. Besides the store it
// carries whether unit writes are allowed: undo brings back the state from
// before the receive (a write that had lost track is refused again), and
// perform and redo leave the state that a receive of every slot sets.
class ReceiveUserDataAction : public SetUserDataAction
{
public:
    // `beforeReceive`: the state read before the receive job ran.
    ReceiveUserDataAction (const x48305_data::UserData& received, x48305_data::UserUnitsMatch::State beforeReceive)
        : SetUserDataAction (received), stateBefore (beforeReceive)
    {
    }

    bool perform() override;
    bool undo() override;

private:
    const x48305_data::UserUnitsMatch::State stateBefore;
};
} // namespace x48305_action

#pragma once

#include "action/EditAction.h"
#include "library/UserData.h"

namespace x48305_action
{
// Replaces the whole unit store of the data store (its 48 regular slots).
class SetUserDataAction : public ReplaceAction<x48305_data::UserData>
{
public:
    static constexpr int sizeInUnits = 6672;

    explicit SetUserDataAction (const x48305_data::UserData& store) : ReplaceAction (store) {}
    int getSizeInUnits() override { return sizeInUnits; }

private:
    x48305_data::UserData& target() const override;
};
} // namespace x48305_action

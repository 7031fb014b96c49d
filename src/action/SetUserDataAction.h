#pragma once

#include "action/EditAction.h"
#include "library/UserData.h"

namespace x48305_action
{
// Replaces the whole unit store of the data store (its 48 regular slots).
class SetUserDataAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 6672;

    explicit SetUserDataAction (const x48305_data::UserData& store);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return sizeInUnits; }

private:
    const x48305_data::UserData newData;
    x48305_data::UserData oldData;
};
} // namespace x48305_action

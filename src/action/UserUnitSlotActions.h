#pragma once

#include "action/EditAction.h"
#include "library/DataCenter.h"
#include "library/UserData.h"

#include <cstdint>

namespace x48305_action
{
// Puts a copy of the given unit into one slot of the data store's unit
// store. An index past the kind's last slot is refused by perform and undo
// alike, and nothing changes.
template <typename Kind>
class SetUserUnitAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 132;

    SetUserUnitAction (const std::uint32_t& slot, const typename Kind::Slot& unit) : slotIndex (slot), newData (unit) {}

    bool perform() override
    {
        if (slotIndex >= Kind::numSlots)
            return false;

        auto& target = getTarget();
        oldData = target;
        markEdited();
        target = newData;
        return true;
    }

    bool undo() override
    {
        if (slotIndex >= Kind::numSlots)
            return false;

        getTarget() = oldData;
        restoreEdited();
        return true;
    }

    int getSizeInUnits() override { return sizeInUnits; }

private:
    typename Kind::Slot& getTarget() const
    {
        return x48305_data::DataCenter::getInstance()->getUserData().template slot<Kind> (slotIndex);
    }

    const std::uint32_t slotIndex;
    const typename Kind::Slot newData;
    typename Kind::Slot oldData;
};

// Empties one slot.
template <typename Kind>
class ClearUserUnitAction : public SetUserUnitAction<Kind>
{
public:
    explicit ClearUserUnitAction (const std::uint32_t& slot) : SetUserUnitAction<Kind> (slot, {}) {}
};

using SetUserOscDataAction = SetUserUnitAction<x48305_data::UserOscKind>;
using SetUserModFXDataAction = SetUserUnitAction<x48305_data::UserModFXKind>;
using SetUserDelFXDataAction = SetUserUnitAction<x48305_data::UserDelFXKind>;
using SetUserRevFXDataAction = SetUserUnitAction<x48305_data::UserRevFXKind>;
using ClearUserOscDataAction = ClearUserUnitAction<x48305_data::UserOscKind>;
using ClearUserModFXDataAction = ClearUserUnitAction<x48305_data::UserModFXKind>;
using ClearUserDelFXDataAction = ClearUserUnitAction<x48305_data::UserDelFXKind>;
using ClearUserRevFXDataAction = ClearUserUnitAction<x48305_data::UserRevFXKind>;
} // namespace x48305_action

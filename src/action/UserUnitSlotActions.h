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
class SetUserUnitAction : public ReplaceAction<typename Kind::Slot>
{
public:
    static constexpr int sizeInUnits = 132;

    SetUserUnitAction (const std::uint32_t& slot, const typename Kind::Slot& unit)
        : ReplaceAction<typename Kind::Slot> (unit), slotIndex (slot)
    {
    }

    bool perform() override { return slotIndex < Kind::numSlots && ReplaceAction<typename Kind::Slot>::perform(); }
    bool undo() override { return slotIndex < Kind::numSlots && ReplaceAction<typename Kind::Slot>::undo(); }
    int getSizeInUnits() override { return sizeInUnits; }

private:
    typename Kind::Slot& target() const override
    {
        return x48305_data::DataCenter::getInstance()->getUserData().template slot<Kind> (slotIndex);
    }

    const std::uint32_t slotIndex;
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

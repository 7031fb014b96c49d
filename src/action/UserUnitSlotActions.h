#pragma once

#include "action/EditAction.h"
#include "library/DataCenter.h"
#include "library/UserData.h"

#include <cstdint>

namespace x48305_action
{
// Replaces one slot of the data store's unit store. An index past the kind's
// last slot is refused by perform and undo alike, and nothing changes.
template <typename SlotData, SlotData& (x48305_data::UserData::*getSlot) (const std::uint32_t&), std::uint32_t lastSlot>
class UserUnitSlotAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 132;

    UserUnitSlotAction (const std::uint32_t& slot, const SlotData& unit) : slotIndex (slot), newData (unit) {}

    bool perform() override
    {
        if (slotIndex > lastSlot)
            return false;

        auto& target = getTarget();
        oldData = target;
        markEdited();
        target = newData;
        return true;
    }

    bool undo() override
    {
        if (slotIndex > lastSlot)
            return false;

        getTarget() = oldData;
        restoreEdited();
        return true;
    }

    int getSizeInUnits() override { return sizeInUnits; }

private:
    SlotData& getTarget() const
    {
        return (x48305_data::DataCenter::getInstance()->getUserData().*getSlot) (slotIndex);
    }

    const std::uint32_t slotIndex;
    const SlotData newData;
    SlotData oldData;
};

using UserOscSlotAction = UserUnitSlotAction<x48305_data::UserOscData, &x48305_data::UserData::getUserOscData,
                                             x48305_data::UserData::numOscSlots - 1>;
using UserModFXSlotAction = UserUnitSlotAction<x48305_data::UserModFXData, &x48305_data::UserData::getUserModFXData,
                                               x48305_data::UserData::numModFXSlots - 1>;
using UserDelFXSlotAction = UserUnitSlotAction<x48305_data::UserDelFXData, &x48305_data::UserData::getUserDelFXData,
                                               x48305_data::UserData::numDelFXSlots - 1>;
using UserRevFXSlotAction = UserUnitSlotAction<x48305_data::UserRevFXData, &x48305_data::UserData::getUserRevFXData,
                                               x48305_data::UserData::numRevFXSlots - 1>;

// Empties an oscillator slot.
class ClearUserOscDataAction : public UserOscSlotAction
{
public:
    explicit ClearUserOscDataAction (const std::uint32_t& slot) : UserOscSlotAction (slot, {}) {}
};

class ClearUserModFXDataAction : public UserModFXSlotAction
{
public:
    explicit ClearUserModFXDataAction (const std::uint32_t& slot) : UserModFXSlotAction (slot, {}) {}
};

class ClearUserDelFXDataAction : public UserDelFXSlotAction
{
public:
    explicit ClearUserDelFXDataAction (const std::uint32_t& slot) : UserDelFXSlotAction (slot, {}) {}
};

class ClearUserRevFXDataAction : public UserRevFXSlotAction
{
public:
    explicit ClearUserRevFXDataAction (const std::uint32_t& slot) : UserRevFXSlotAction (slot, {}) {}
};

// Puts a copy of the given unit into an oscillator slot.
class SetUserOscDataAction : public UserOscSlotAction
{
public:
    SetUserOscDataAction (const std::uint32_t& slot, const x48305_data::UserOscData& unit)
        : UserOscSlotAction (slot, unit) {}
};

class SetUserModFXDataAction : public UserModFXSlotAction
{
public:
    SetUserModFXDataAction (const std::uint32_t& slot, const x48305_data::UserModFXData& unit)
        : UserModFXSlotAction (slot, unit) {}
};

class SetUserDelFXDataAction : public UserDelFXSlotAction
{
public:
    SetUserDelFXDataAction (const std::uint32_t& slot, const x48305_data::UserDelFXData& unit)
        : UserDelFXSlotAction (slot, unit) {}
};

class SetUserRevFXDataAction : public UserRevFXSlotAction
{
public:
    SetUserRevFXDataAction (const std::uint32_t& slot, const x48305_data::UserRevFXData& unit)
        : UserRevFXSlotAction (slot, unit) {}
};
} // namespace x48305_action

#pragma once

#include "action/UserUnitSlotActions.h"
#include "formats/UnitHeaderRecord.h"
#include "library/UserData.h"
#include "ui/SelectedUserUnitStatus.h"

#include <cstdint>

namespace x48305_ui
{
// What tells the four user-unit lists apart: the slots of the store they
// show, the action that sets one, the selection model they publish to, the
// name of the list and the unit kind a dropped package must be.
struct UserOscKind
{
    using SetSlotAction = x48305_action::SetUserOscDataAction;
    using Selection = ui::SelectedUserOscStatus;
    static constexpr int numRows = (int) x48305_data::UserData::numOscSlots;
    static constexpr int fileDropKind = UnitModuleOscillator;
    static constexpr const char* listName = "User Osc. List";

    static const x48305_data::UserOscData& slot (const x48305_data::UserData& store, std::uint32_t index)
    {
        return store.getUserOscData (index);
    }
};

struct UserModFXKind
{
    using SetSlotAction = x48305_action::SetUserModFXDataAction;
    using Selection = ui::SelectedUserModFXStatus;
    static constexpr int numRows = (int) x48305_data::UserData::numModFXSlots;
    static constexpr int fileDropKind = UnitModuleModulationEffect;
    static constexpr const char* listName = "User ModFX List";

    static const x48305_data::UserModFXData& slot (const x48305_data::UserData& store, std::uint32_t index)
    {
        return store.getUserModFXData (index);
    }
};

struct UserDelFXKind
{
    using SetSlotAction = x48305_action::SetUserDelFXDataAction;
    using Selection = ui::SelectedUserDelFXStatus;
    static constexpr int numRows = (int) x48305_data::UserData::numDelFXSlots;
    static constexpr int fileDropKind = UnitModuleDelayEffect;
    static constexpr const char* listName = "User DelFX List";

    static const x48305_data::UserDelFXData& slot (const x48305_data::UserData& store, std::uint32_t index)
    {
        return store.getUserDelFXData (index);
    }
};

struct UserRevFXKind
{
    using SetSlotAction = x48305_action::SetUserRevFXDataAction;
    using Selection = ui::SelectedUserRevFXStatus;
    static constexpr int numRows = (int) x48305_data::UserData::numRevFXSlots;
    static constexpr int fileDropKind = UnitModuleReverbEffect;
    static constexpr const char* listName = "User RevFX List";

    static const x48305_data::UserRevFXData& slot (const x48305_data::UserData& store, std::uint32_t index)
    {
        return store.getUserRevFXData (index);
    }
};
} // namespace x48305_ui

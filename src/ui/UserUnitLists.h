#pragma once

#include "library/UserUnitKinds.h"
#include "ui/SelectedUserUnitStatus.h"

namespace x48305_ui
{
// What the user-unit lists add to a unit kind: the selection model they
// publish to and the name of the list.
template <typename UnitKind, typename SelectionModel>
struct UserUnitList
{
    using Unit = UnitKind;
    using Selection = SelectionModel;
};

struct UserOscList : UserUnitList<x48305_data::UserOscKind, ui::SelectedUserOscStatus>
{
    static constexpr const char* listName = "User Osc. List";
};

struct UserModFXList : UserUnitList<x48305_data::UserModFXKind, ui::SelectedUserModFXStatus>
{
    static constexpr const char* listName = "User ModFX List";
};

struct UserDelFXList : UserUnitList<x48305_data::UserDelFXKind, ui::SelectedUserDelFXStatus>
{
    static constexpr const char* listName = "User DelFX List";
};

struct UserRevFXList : UserUnitList<x48305_data::UserRevFXKind, ui::SelectedUserRevFXStatus>
{
    static constexpr const char* listName = "User RevFX List";
};
} // namespace x48305_ui

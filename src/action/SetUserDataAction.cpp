#include "action/SetUserDataAction.h"

#include "library/DataCenter.h"

namespace x48305_action
{
SetUserDataAction::SetUserDataAction (const x48305_data::UserData& store) : newData (store) {}

bool SetUserDataAction::perform()
{
    auto& target = x48305_data::DataCenter::getInstance()->getUserData();
    oldData = target;
    markEdited();
    target = newData;
    return true;
}

bool SetUserDataAction::undo()
{
    x48305_data::DataCenter::getInstance()->getUserData() = oldData;
    restoreEdited();
    return true;
}
} // namespace x48305_action

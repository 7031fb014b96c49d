#include "action/SetUserDataAction.h"

#include "library/DataCenter.h"

namespace x48305_action
{
x48305_data::UserData& SetUserDataAction::target() const
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}
} // namespace x48305_action

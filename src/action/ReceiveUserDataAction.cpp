#include "action/ReceiveUserDataAction.h"

#include "library/DataCenter.h"

namespace x48305_action
{
namespace
{
x48305_data::UserUnitsMatch& unitsMatch()
{
    return x48305_data::DataCenter::getInstance()->getUserUnitsMatch();
}
} // namespace

bool ReceiveUserDataAction::perform()
{
    if (! SetUserDataAction::perform())
        return false;
    unitsMatch().everySlotReceived();
    return true;
}

bool ReceiveUserDataAction::undo()
{
    if (! SetUserDataAction::undo())
        return false;
    unitsMatch().returnTo (stateBefore);
    return true;
}
} // namespace x48305_action

#include "action/EditAction.h"

namespace x48305_action
{
void EditAction::markEdited()
{
    auto* status = application::DataEditStatus::getInstance();
    if (! performedOnce)
    {
        stateBefore = status->getState();
        stateAfter = status->makeNewState();
        performedOnce = true;
    }
    status->moveTo (stateAfter);
}

void EditAction::restoreEdited() const
{
    application::DataEditStatus::getInstance()->moveTo (stateBefore);
}
} // namespace x48305_action

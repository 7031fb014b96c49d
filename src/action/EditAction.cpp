#include "action/EditAction.h"

#include "action/DataEditStatus.h"

namespace x48305_action
{
void EditAction::markEdited()
{
    auto* status = application::DataEditStatus::getInstance();
    wasEdited = status->isEdited();
    status->setEdited();
}

void EditAction::restoreEdited() const
{
    if (! wasEdited)
        application::DataEditStatus::getInstance()->clearEdited();
}
} // namespace x48305_action

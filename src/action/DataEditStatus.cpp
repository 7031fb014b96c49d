#include "action/DataEditStatus.h"

namespace application
{
DataEditStatus::~DataEditStatus()
{
    cancelPendingUpdate();
}

void DataEditStatus::clearEdited()
{
    saved = current;
    update();
}

void DataEditStatus::moveTo (State state)
{
    current = state;
    update();
}

void DataEditStatus::update()
{
    const bool nowEdited = current != saved;
    if (nowEdited == edited)
        return;
    edited = nowEdited;
    triggerAsyncUpdate();
}

void DataEditStatus::handleAsyncUpdate()
{
    const bool nowEdited = edited;
    callListeners ([nowEdited] (DataEditStatusListener& listener) { listener.editStatusChanged (nowEdited); });
}
} // namespace application

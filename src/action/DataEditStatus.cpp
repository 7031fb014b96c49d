#include "action/DataEditStatus.h"

namespace application
{
DataEditStatus::~DataEditStatus()
{
    cancelPendingUpdate();
}

void DataEditStatus::setEdited()
{
    if (edited)
        return;
    edited = true;
    triggerAsyncUpdate();
}

void DataEditStatus::clearEdited()
{
    if (! edited)
        return;
    edited = false;
    triggerAsyncUpdate();
}

void DataEditStatus::handleAsyncUpdate()
{
    const bool current = edited;
    callListeners ([current] (DataEditStatusListener& listener) { listener.editStatusChanged (current); });
}
} // namespace application

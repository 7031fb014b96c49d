#include "ui/ModalDialogState.h"

namespace ui
{
ModalDialogState::~ModalDialogState()
{
    cancelPendingUpdate();
}

void ModalDialogState::setDialogOpen (bool open)
{
    dialogOpen = open;
    triggerAsyncUpdate();
}

void ModalDialogState::handleAsyncUpdate()
{
    callListeners ([] (ModalDialogStateObserver& observer) { observer.modalDialogStateChanged(); });
}
} // namespace ui

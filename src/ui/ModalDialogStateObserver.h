#pragma once

namespace ui
{
// Told after the modal-dialog flag has changed; reads ModalDialogState::dialogOpen.
class ModalDialogStateObserver
{
public:
    virtual ~ModalDialogStateObserver() {}
    virtual void modalDialogStateChanged() = 0;
};
} // namespace ui

#include "ui/ModalDialogGuard.h"

#include "ui/ModalDialogState.h"

ModalDialogGuard::ModalDialogGuard()
{
    enter();
}

ModalDialogGuard::~ModalDialogGuard()
{
    leave();
}

void ModalDialogGuard::enter()
{
    if (holdsFlag)
        return;

    auto* state = ui::ModalDialogState::getInstance();
    wasOpen = state->dialogOpen;
    if (! wasOpen)
    {
        state->setDialogOpen (true);
        holdsFlag = true;
    }
}

void ModalDialogGuard::leave()
{
    // Clearing twice could end another dialog that set the flag in between.
    if (! holdsFlag)
        return;

    holdsFlag = false;
    ui::ModalDialogState::getInstance()->setDialogOpen (false);
}

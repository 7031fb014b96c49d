#pragma once

// Marks a modal dialog as open for the guard's scope. When another dialog is
// open already, the guard leaves the flag alone and the caller shows nothing:
//
//     ModalDialogGuard guard;
//     if (guard.wasAlreadyOpen())
//         return 0;
//     ... run the dialog ...
//
// Only the guard that set the flag clears it, once, so a nested guard never
// ends the outer dialog's state.
class ModalDialogGuard
{
public:
    // Enters at once.
    ModalDialogGuard();
    ~ModalDialogGuard();

    // Sets the flag when it is clear; otherwise remembers that another dialog
    // holds it. Entering a guard that holds the flag does nothing.
    void enter();

    // Clears the flag when this guard set it; does nothing otherwise, and
    // nothing the second time.
    void leave();

    bool wasAlreadyOpen() const { return wasOpen; }

private:
    bool wasOpen = false;
    bool holdsFlag = false;

    ModalDialogGuard (const ModalDialogGuard&) = delete;
    ModalDialogGuard& operator= (const ModalDialogGuard&) = delete;
};

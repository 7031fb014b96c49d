#include "ui/AlertDialog.h"

#include "ui/AlertDialogComponent.h"
#include "ui/DialogContent.h"
#include "ui/ModalDialogGuard.h"

void AlertDialog::showMessage (const juce::String& title, const juce::String& message)
{
    show (AlertDialogComponent::message, title, message);
}

bool AlertDialog::showOkCancel (const juce::String& title, const juce::String& message)
{
    return show (AlertDialogComponent::okCancel, title, message) == 1;
}

int AlertDialog::showYesNoCancel (const juce::String& title, const juce::String& message)
{
    return show (AlertDialogComponent::yesNoCancel, title, message);
}

int AlertDialog::show (int kind, const juce::String& title, const juce::String& message)
{
    ModalDialogGuard guard;
    if (guard.wasAlreadyOpen())
        return 0;

    auto content = std::make_unique<AlertDialogComponent> (kind, message);
    const auto result = x48305_ui::runModalDialog (title, *content);
    content.reset();
    guard.leave();

    // Only the dialog's own buttons give 1 or 2; anything else is Cancel.
    return (result == 1 || result == 2) ? result : 0;
}

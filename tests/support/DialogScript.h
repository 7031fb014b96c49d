#pragma once

#include "support/ModalDialogDriver.h"

#include <memory>
#include <vector>

namespace testsupport
{
// What one modal dialog showed: its window title and, for an alert, its
// message and kind (-1 for any other dialog).
struct ShownDialog
{
    juce::String title;
    juce::String message;
    int alertKind = -1;
};

// Answers the next modal dialogs one after another, each with its own action,
// and records what each showed. Create it before the call that runs them. A
// dialog after the last expected one is a test failure and is closed, so a
// test never hangs on it; DialogScript ({}) expects no dialog at all.
class DialogScript
{
public:
    explicit DialogScript (std::vector<testsupport::ModalDialogDriver::Action> actions);

    const std::vector<ShownDialog>& getShown() const { return shown; }

    // Every action ran on a dialog of its own.
    bool isComplete() const { return shown.size() == actions.size(); }

private:
    void expectDialog (size_t index);
    void refuseFurtherDialogs();

    std::vector<testsupport::ModalDialogDriver::Action> actions;
    std::vector<std::unique_ptr<testsupport::ModalDialogDriver>> drivers;
    std::vector<ShownDialog> shown;
};

// The alert buttons by name.
testsupport::ModalDialogDriver::Action pressYes();
testsupport::ModalDialogDriver::Action pressNo();
testsupport::ModalDialogDriver::Action pressCancel();
testsupport::ModalDialogDriver::Action pressOk();
testsupport::ModalDialogDriver::Action pressEscape();

// Writes a snapshot of the dialog, then runs the action.
testsupport::ModalDialogDriver::Action snapshotThen (const juce::String& name,
                                                     testsupport::ModalDialogDriver::Action action);
} // namespace testsupport

#include "support/DialogScript.h"

#include "support/Snapshot.h"
#include "support/UserInput.h"
#include "ui/AlertDialogComponent.h"

#include <gtest/gtest.h>

namespace testsupport
{
DialogScript::DialogScript (std::vector<testsupport::ModalDialogDriver::Action> actionsToRun)
    : actions (std::move (actionsToRun))
{
    if (actions.empty())
        refuseFurtherDialogs();
    else
        expectDialog (0);
}

void DialogScript::refuseFurtherDialogs()
{
    drivers.push_back (std::make_unique<testsupport::ModalDialogDriver> ([] (juce::Component& dialog)
    {
        ADD_FAILURE() << "an unexpected dialog \"" << dialog.getName() << "\" was shown";
        dialog.exitModalState (0);
    }, 2000));
}

void DialogScript::expectDialog (size_t index)
{
    // The next driver starts only once this dialog has been answered, so it
    // never acts on the same one.
    drivers.push_back (std::make_unique<testsupport::ModalDialogDriver> ([this, index] (juce::Component& dialog)
    {
        ShownDialog seen;
        seen.title = dialog.getName();
        if (auto* alert = dynamic_cast<AlertDialogComponent*> (testsupport::dialogContent (dialog)))
        {
            seen.message = alert->getMessage();
            seen.alertKind = alert->getKind();
        }
        shown.push_back (seen);
        actions[index](dialog);
        if (index + 1 < actions.size())
            expectDialog (index + 1);
        else
            refuseFurtherDialogs();
    }));
}

testsupport::ModalDialogDriver::Action pressYes()
{
    return testsupport::clickButton ("yes");
}

testsupport::ModalDialogDriver::Action pressNo()
{
    return testsupport::clickButton ("no");
}

testsupport::ModalDialogDriver::Action pressCancel()
{
    return testsupport::clickButton ("cancel");
}

testsupport::ModalDialogDriver::Action pressOk()
{
    // The alerts' first button is OK (or Yes).
    return testsupport::clickButton ("yes");
}

testsupport::ModalDialogDriver::Action pressEscape()
{
    return testsupport::pressKeyInDialog (juce::KeyPress (juce::KeyPress::escapeKey));
}

testsupport::ModalDialogDriver::Action snapshotThen (const juce::String& name,
                                                     testsupport::ModalDialogDriver::Action action)
{
    return testsupport::andThen ([name] (juce::Component& dialog) { testsupport::writeSnapshot (dialog, name); },
                                 std::move (action));
}
} // namespace testsupport

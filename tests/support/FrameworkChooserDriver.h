#pragma once

#include "support/ModalDialogDriver.h"

#include <functional>

namespace testsupport
{
// An action for the framework's own file chooser (the dialog it shows when no
// desktop chooser is installed), as a person would use it: types the file's
// full path over whatever the name box holds, confirms it with Return, waits for the
// confirming button ("Open" or "Save") to be enabled, lets beforeConfirm look
// at the dialog, then clicks the button. A chooser without a name box or
// without that button is a test failure and is closed unanswered.
ModalDialogDriver::Action chooseInFrameworkDialog (const juce::File& target, const juce::String& buttonText,
                                                   std::function<void (juce::Component& dialog)> beforeConfirm = {});
} // namespace testsupport

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace testsupport
{
// Acts on the next modal dialog from inside its modal loop, the way a person
// would. Create the driver before the call that runs the dialog:
//
//     ModalDialogDriver driver (clickButton ("no"));
//     auto result = AlertDialog().showYesNoCancel ("Title", "Message");
//     EXPECT_TRUE (driver.hasActed());
//
// The driver watches (on the message thread) for a modal window to show and
// then runs the action once with that window. A dialog that is still open a
// while after the action (a button was missing, a click went nowhere) is a
// test failure, and the driver then dismisses it so the test can never hang.
// A dialog that never shows leaves hasActed() false.
class ModalDialogDriver : private juce::Timer
{
public:
    using Action = std::function<void (juce::Component& dialog)>;

    explicit ModalDialogDriver (Action action, int waitForDialogMilliseconds = 5000);
    ~ModalDialogDriver() override;

    bool hasActed() const { return acted; }

    // What the dialog showed, captured just before the action ran.
    juce::String getDialogTitle() const { return title; }

private:
    void timerCallback() override;

    Action action;
    juce::uint32 deadline;
    juce::Component::SafePointer<juce::Component> dialog;
    juce::String title;
    bool acted = false;
    bool dismissed = false;
};

// Actions for the driver.

// Clicks the dialog's descendant of this component name.
ModalDialogDriver::Action clickButton (const juce::String& componentName);

// Presses a key in the dialog.
ModalDialogDriver::Action pressKeyInDialog (const juce::KeyPress& key);

// Clicks the close button of the dialog's own title bar.
ModalDialogDriver::Action clickCloseButton();

// Asks the dialog to close as the windowing system does when the user closes it.
ModalDialogDriver::Action closeFromWindowSystem();

// Runs first, then second (look at the dialog, then end it).
ModalDialogDriver::Action andThen (ModalDialogDriver::Action first, ModalDialogDriver::Action second);

// The dialog's content component (inside its window frame); null when the
// modal component is no dialog window.
juce::Component* dialogContent (juce::Component& dialog);
} // namespace testsupport

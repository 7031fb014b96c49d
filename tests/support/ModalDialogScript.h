#pragma once

#include "support/ModalDialogDriver.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <vector>

namespace testsupport
{
// Acts on the next modal dialog in several steps, each when the dialog
// shows what the step waits for, the way a person watching a progress
// dialog would. Create the script before the call that runs the dialog:
//
//     ModalDialogScript script;
//     script.then ("the job has ended", isEnabled ("Button"), clickButton ("Button"));
//     auto result = runTheDialog();
//     EXPECT_TRUE (script.isFinished());
//
// Steps run in order on the message thread, inside the dialog's modal loop.
// A step whose condition does not hold within the step time-out is a test
// failure; the script then ends the dialog's modal state from outside (as a
// quitting application would), so a test never hangs.
class ModalDialogScript : private juce::Timer
{
public:
    using Condition = std::function<bool (juce::Component& dialog)>;
    using Action = ModalDialogDriver::Action;

    explicit ModalDialogScript (int stepTimeoutMilliseconds = 10000);
    ~ModalDialogScript() override;

    // Adds a step that runs once the previous steps have run and the
    // condition holds for the modal dialog.
    ModalDialogScript& then (const juce::String& description, Condition condition, Action action);

    // True when every step has run.
    bool isFinished() const { return next == steps.size(); }
    int getStepsRun() const { return (int) next; }

private:
    struct Step
    {
        juce::String description;
        Condition condition;
        Action action;
    };

    void timerCallback() override;

    std::vector<Step> steps;
    std::size_t next = 0;
    int stepTimeout;
    juce::uint32 deadline;
    bool acting = false;
};

// Conditions.

// The dialog's descendant of this name is showing and enabled.
ModalDialogScript::Condition isEnabled (const juce::String& componentName);

// The dialog's descendant of this name is showing.
ModalDialogScript::Condition isShowing (const juce::String& componentName);

// A condition that does not look at the dialog.
ModalDialogScript::Condition when (std::function<bool()> condition);

// Actions.

// Does something that does not need the dialog.
ModalDialogScript::Action justDo (std::function<void()> action);

// Ends the dialog's modal state from outside with the given value.
ModalDialogScript::Action endModalLoop (int value);
} // namespace testsupport

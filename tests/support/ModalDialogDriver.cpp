#include "support/ModalDialogDriver.h"

#include "support/UserInput.h"

#include <gtest/gtest.h>

namespace testsupport
{
namespace
{
// How long a dialog may stay open after the action before the driver calls
// it stuck.
constexpr int graceMilliseconds = 3000;
constexpr int pollMilliseconds = 10;
} // namespace

ModalDialogDriver::ModalDialogDriver (Action actionToRun, int waitForDialogMilliseconds)
    : action (std::move (actionToRun)),
      deadline (juce::Time::getMillisecondCounter() + (juce::uint32) waitForDialogMilliseconds)
{
    startTimer (pollMilliseconds);
}

ModalDialogDriver::~ModalDialogDriver()
{
    stopTimer();
}

void ModalDialogDriver::timerCallback()
{
    const auto now = juce::Time::getMillisecondCounter();

    if (! acted)
    {
        auto* modal = juce::Component::getCurrentlyModalComponent();
        if (modal == nullptr || ! modal->isShowing() || modal->getPeer() == nullptr)
        {
            if (now > deadline)
                stopTimer();
            return;
        }

        // Run the action only once; it may run a nested loop of its own.
        acted = true;
        dialog = modal;
        title = modal->getName();
        deadline = now + graceMilliseconds;
        action (*modal);
        return;
    }

    if (dialog == nullptr || ! dialog->isCurrentlyModal (false))
    {
        stopTimer();
        return;
    }

    if (now > deadline && ! dismissed)
    {
        dismissed = true;
        ADD_FAILURE() << "the dialog \"" << title << "\" was still open after the test's action; dismissing it";
        dialog->exitModalState (-1);
        stopTimer();
    }
}

ModalDialogDriver::Action clickButton (const juce::String& componentName)
{
    return [componentName] (juce::Component& dialog)
    {
        auto* target = findDescendant (dialog, componentName);
        if (target == nullptr)
        {
            ADD_FAILURE() << "the dialog has no component named \"" << componentName << "\"";
            return;
        }
        click (*target);
    };
}

ModalDialogDriver::Action pressKeyInDialog (const juce::KeyPress& key)
{
    return [key] (juce::Component& dialog) { pressKey (dialog, key); };
}

ModalDialogDriver::Action clickCloseButton()
{
    return [] (juce::Component& dialog)
    {
        auto* window = dynamic_cast<juce::DocumentWindow*> (&dialog);
        auto* button = window != nullptr ? window->getCloseButton() : nullptr;
        if (button == nullptr)
        {
            ADD_FAILURE() << "the dialog has no close button";
            return;
        }
        click (*button);
    };
}

ModalDialogDriver::Action closeFromWindowSystem()
{
    return [] (juce::Component& dialog)
    {
        if (auto* peer = dialog.getPeer())
            peer->handleUserClosingWindow();
        else
            ADD_FAILURE() << "the dialog is not on the desktop";
    };
}

ModalDialogDriver::Action andThen (ModalDialogDriver::Action first, ModalDialogDriver::Action second)
{
    return [first, second] (juce::Component& dialog)
    {
        juce::Component::SafePointer<juce::Component> safe (&dialog);
        first (dialog);
        if (safe != nullptr)
            second (*safe);
    };
}

juce::Component* dialogContent (juce::Component& dialog)
{
    auto* window = dynamic_cast<juce::ResizableWindow*> (&dialog);
    return window != nullptr ? window->getContentComponent() : nullptr;
}
} // namespace testsupport

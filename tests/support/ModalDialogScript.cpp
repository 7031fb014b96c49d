#include "support/ModalDialogScript.h"

#include "support/UserInput.h"

#include <gtest/gtest.h>

namespace testsupport
{
namespace
{
constexpr int pollMilliseconds = 5;
}

ModalDialogScript::ModalDialogScript (int stepTimeoutMilliseconds)
    : stepTimeout (stepTimeoutMilliseconds),
      deadline (juce::Time::getMillisecondCounter() + (juce::uint32) stepTimeoutMilliseconds)
{
    startTimer (pollMilliseconds);
}

ModalDialogScript::~ModalDialogScript()
{
    stopTimer();
}

ModalDialogScript& ModalDialogScript::then (const juce::String& description, Condition condition, Action action)
{
    steps.push_back ({ description, std::move (condition), std::move (action) });
    return *this;
}

void ModalDialogScript::timerCallback()
{
    // An action may run a loop of its own, in which this timer fires again.
    if (acting)
        return;

    if (isFinished())
    {
        stopTimer();
        return;
    }

    const auto now = juce::Time::getMillisecondCounter();
    auto* modal = juce::Component::getCurrentlyModalComponent();
    const bool dialogShowing = modal != nullptr && modal->isShowing() && modal->getPeer() != nullptr;

    if (dialogShowing && steps[next].condition (*modal))
    {
        auto& step = steps[next++];
        deadline = now + (juce::uint32) stepTimeout;
        acting = true;
        step.action (*modal);
        acting = false;
        return;
    }

    if (now <= deadline)
        return;

    ADD_FAILURE() << "the dialog script waited in vain for: " << steps[next].description;
    next = steps.size();
    stopTimer();
    if (dialogShowing)
        modal->exitModalState (-1);
}

ModalDialogScript::Condition isEnabled (const juce::String& componentName)
{
    return [componentName] (juce::Component& dialog)
    {
        auto* target = findDescendant (dialog, componentName);
        return target != nullptr && target->isShowing() && target->isEnabled();
    };
}

ModalDialogScript::Condition isShowing (const juce::String& componentName)
{
    return [componentName] (juce::Component& dialog)
    {
        auto* target = findDescendant (dialog, componentName);
        return target != nullptr && target->isShowing();
    };
}

ModalDialogScript::Condition when (std::function<bool()> condition)
{
    return [condition] (juce::Component&) { return condition(); };
}

ModalDialogScript::Action justDo (std::function<void()> action)
{
    return [action] (juce::Component&) { action(); };
}

ModalDialogScript::Action endModalLoop (int value)
{
    return [value] (juce::Component& dialog) { dialog.exitModalState (value); };
}
} // namespace testsupport

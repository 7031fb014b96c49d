#include "action/UndoSteps.h"

#include "action/ApplicationUndoManager.h"

namespace x48305_action
{
bool performAsStep (const juce::String& name, std::vector<std::unique_ptr<juce::UndoableAction>> actions)
{
    if (actions.empty())
        return false;

    auto* undoManager = application::ApplicationUndoManager::getInstance();
    undoManager->beginNewTransaction (name);
    bool performed = true;
    for (auto& action : actions)
        performed = undoManager->perform (action.release()) && performed;
    return performed;
}

bool performAsStep (const juce::String& name, std::unique_ptr<juce::UndoableAction> action)
{
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    actions.push_back (std::move (action));
    return performAsStep (name, std::move (actions));
}
} // namespace x48305_action

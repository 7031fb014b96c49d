#include "action/UndoTransaction.h"

#include "action/ApplicationUndoManager.h"

namespace application
{
void performTransaction (const juce::String& name, std::vector<std::unique_ptr<juce::UndoableAction>> actions)
{
    if (actions.empty())
        return;

    auto* undoManager = ApplicationUndoManager::getInstance();
    undoManager->beginNewTransaction (name);
    for (auto& action : actions)
        undoManager->perform (action.release());
}
} // namespace application

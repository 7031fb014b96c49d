#include "ui/UserListController.h"

#include "action/UndoTransaction.h"
#include "ui/DropChecks.h"

namespace x48305_ui
{
UserListController::UserListController (x48305_data::UserData& units, int rows) : store (&units), numRows (rows) {}

bool UserListController::moveRows (const std::vector<int>& order)
{
    // Anything but a permutation of the list's slots would write one unit
    // twice and push another out, or reach past the last slot.
    if (! ui::isPermutation (order, numRows))
        return false;

    const x48305_data::UserData copy (*store);
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (int i = 0; i < numRows; ++i)
        if (order[(size_t) i] != i)
            actions.push_back (makeSetSlotAction (i, copy, order[(size_t) i]));

    application::performTransaction ("DragInsert", std::move (actions));
    return true;
}

bool UserListController::copyRows (const std::map<int, int>& destinationToSource)
{
    if (destinationToSource.empty())
        return false;
    for (const auto& [destination, source] : destinationToSource)
        if (destination < 0 || destination >= numRows || source < 0 || source >= numRows)
            return false;

    const x48305_data::UserData copy (*store);
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (const auto& [destination, source] : destinationToSource)
        actions.push_back (makeSetSlotAction (destination, copy, source));

    application::performTransaction ("DragCopy", std::move (actions));
    return true;
}
} // namespace x48305_ui

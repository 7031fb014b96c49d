#include "ui/ProgramListController.h"

#include "action/LibraryActions.h"
#include "action/UndoTransaction.h"
#include "library/CurrentProgramData.h"
#include "library/DataCenter.h"
#include "ui/DropChecks.h"
#include "ui/PresetItemPacking.h"
#include "ui/SelectedProgramStatus.h"

#include <memory>

namespace x48305_ui
{
namespace
{
constexpr int numPrograms = x48305_data::LibraryData::numPrograms;

void chooseSingleSelection()
{
    auto* selection = ui::SelectedProgramStatus::getInstance();
    auto* current = x48305_data::CurrentProgramData::getInstance();
    if (selection->getNumSelected() == 1)
        current->selectLibraryProgram (selection->getSelected (0));
    else
        current->clearCurrentProgram();
}
} // namespace

ProgramListController::ProgramListController (x48305_data::LibraryData& libraryData) : library (&libraryData) {}

void ProgramListController::selectionChanged()
{
    chooseSingleSelection();
}

void ProgramListController::selectionReapplied()
{
    x48305_data::CurrentProgramData::getInstance()->clearCurrentProgram();
    chooseSingleSelection();
}

bool ProgramListController::isLibraryRow (int row) const
{
    return row >= 0 && row < numPrograms;
}

bool ProgramListController::moveRows (const std::vector<int>& order)
{
    // Anything but a permutation would write one program twice and lose
    // another.
    if (! ui::isPermutation (order, numPrograms))
        return false;

    const x48305_data::LibraryData before (*library);
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (int i = 0; i < numPrograms; ++i)
        if (order[(size_t) i] != i)
            actions.push_back (std::make_unique<x48305_action::SetProgramDataAction> (i, before.getProgram (order[(size_t) i])));

    // A favourite follows its program to the program's new number. Empty
    // slots (and numbers no program has) stay as they are.
    std::vector<int> newNumberOf ((size_t) numPrograms);
    for (int i = 0; i < numPrograms; ++i)
        newNumberOf[(size_t) order[(size_t) i]] = i;

    const auto& liveSet = before.getFavoriteData();
    for (int bank = 0; bank < x48305_data::FavoriteData::numBanks; ++bank)
    {
        for (int slot = 0; slot < x48305_data::FavoriteData::numSlots; ++slot)
        {
            const auto held = liveSet.getProgramNumber (bank, slot);
            if (held >= (unsigned) numPrograms || newNumberOf[held] == (int) held)
                continue;
            actions.push_back (std::make_unique<x48305_action::SetFavoriteParameterAction> (
                bank, slot, (std::uint32_t) newNumberOf[held]));
        }
    }

    application::performTransaction ("DragInsert", std::move (actions));
    return true;
}

bool ProgramListController::copyRows (const std::map<int, int>& destinationToSource)
{
    if (destinationToSource.empty())
        return false;
    for (const auto& [destination, source] : destinationToSource)
        if (! isLibraryRow (destination) || ! isLibraryRow (source))
            return false;

    const x48305_data::LibraryData before (*library);
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (const auto& [destination, source] : destinationToSource)
        actions.push_back (std::make_unique<x48305_action::SetProgramDataAction> (destination, before.getProgram (source)));

    application::performTransaction ("DragCopy", std::move (actions));
    return true;
}

bool ProgramListController::copyPresetPrograms (const std::map<int, int>& destinationToPacked)
{
    const auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();

    std::vector<int> packedItems;
    for (const auto& [destination, packed] : destinationToPacked)
    {
        if (! isLibraryRow (destination))
            return false;
        packedItems.push_back (packed);
    }
    if (! ui::areInstalledPresetItems (packedItems, presets.getNumPresets()))
        return false;

    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (const auto& [destination, packed] : destinationToPacked)
    {
        ui::PresetItem item;
        ui::unpackPresetItem (packed, item);
        const auto& program = presets.getPreset (item.presetIndex).getProgram (item.programNumber);
        actions.push_back (std::make_unique<x48305_action::SetProgramDataAction> (destination, program));
    }

    application::performTransaction ("DragCopyPreset", std::move (actions));
    return true;
}
} // namespace x48305_ui

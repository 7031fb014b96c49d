#include "application/EditCommandHandler.h"

#include "action/ApplicationUndoManager.h"
#include "action/LibraryActions.h"
#include "action/UndoSteps.h"
#include "action/UserUnitSlotActions.h"
#include "application/ProgramClipboard.h"
#include "library/DataCenter.h"
#include "ui/SelectedProgramStatus.h"
#include "ui/SelectedTabStatus.h"
#include "ui/SelectedUserUnitStatus.h"

namespace x48305_menu
{
namespace
{
using Actions = std::vector<std::unique_ptr<juce::UndoableAction>>;

// One action of the given kind for each selected entry, in selection order.
template <typename Action, typename Status>
Actions actionsForSelection()
{
    Actions actions;
    for (int index : Status::getInstance()->getAllSelected())
        if (index >= 0)
            actions.push_back (std::make_unique<Action> (index));
    return actions;
}

application::ApplicationUndoManager& undoManager()
{
    return *application::ApplicationUndoManager::getInstance();
}
} // namespace

void EditCommandHandler::undo()
{
    if (undoManager().canUndo())
        undoManager().undo();
}

void EditCommandHandler::redo()
{
    if (undoManager().canRedo())
        undoManager().redo();
}

void EditCommandHandler::cut()
{
    const int number = programToEdit();
    if (number < 0 || ! copy())
        return;

    x48305_action::performAsStep ("CutProgramData", std::make_unique<x48305_action::InitializeProgramDataAction> (number));
}

bool EditCommandHandler::copy()
{
    const int number = programToEdit();
    if (number < 0)
        return false;

    const auto& program = x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (number);
    return x48305_application::ProgramClipboard().copy (program);
}

void EditCommandHandler::paste()
{
    const int number = programToEdit();
    if (number < 0)
        return;

    x48305_data::ProgramData program;
    if (! x48305_application::ProgramClipboard().paste (program))
        return;

    x48305_action::performAsStep ("PasteProgramData",
                                  std::make_unique<x48305_action::SetProgramDataAction> (number, program));
}

void EditCommandHandler::clear()
{
    using namespace x48305_action;
    switch (ui::SelectedTabStatus::getInstance()->getTabIndex())
    {
        case ui::SelectedTabStatus::programListTab:
            performAsStep ("ClearProgramData", actionsForSelection<InitializeProgramDataAction, ui::SelectedProgramStatus>());
            break;
        case ui::SelectedTabStatus::userOscTab:
            performAsStep ("ClearUserOscData", actionsForSelection<ClearUserOscDataAction, ui::SelectedUserOscStatus>());
            break;
        case ui::SelectedTabStatus::userModFXTab:
            performAsStep ("ClearUserModFXData",
                           actionsForSelection<ClearUserModFXDataAction, ui::SelectedUserModFXStatus>());
            break;
        case ui::SelectedTabStatus::userDelFXTab:
            performAsStep ("ClearUserDelFXData",
                           actionsForSelection<ClearUserDelFXDataAction, ui::SelectedUserDelFXStatus>());
            break;
        case ui::SelectedTabStatus::userRevFXTab:
            performAsStep ("ClearUserRevFXData",
                           actionsForSelection<ClearUserRevFXDataAction, ui::SelectedUserRevFXStatus>());
            break;
        default:
            break;
    }
}

int EditCommandHandler::programToEdit()
{
    if (ui::SelectedTabStatus::getInstance()->getTabIndex() != ui::SelectedTabStatus::programListTab)
        return -1;

    auto* selection = ui::SelectedProgramStatus::getInstance();
    return selection->getNumSelected() > 0 ? selection->getSelected (0) : -1;
}
} // namespace x48305_menu

#include "action/LibraryActions.h"

#include "library/DataCenter.h"

namespace x48305_action
{
namespace
{
x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}
} // namespace

SetFavoriteParameterAction::SetFavoriteParameterAction (std::int32_t bankIndex, std::int32_t slotIndex,
                                                        std::uint32_t programNumber)
    : bank (bankIndex), slot (slotIndex), newNumber (programNumber)
{
}

bool SetFavoriteParameterAction::isInTable() const
{
    return bank >= 0 && bank < x48305_data::FavoriteData::numBanks && slot >= 0
           && slot < x48305_data::FavoriteData::numSlots;
}

bool SetFavoriteParameterAction::perform()
{
    if (! isInTable())
        return false;

    auto& liveSet = library().getFavoriteData();
    oldNumber = liveSet.getProgramNumber (bank, slot);
    markEdited();
    liveSet.setProgramNumber (bank, slot, newNumber);
    return true;
}

bool SetFavoriteParameterAction::undo()
{
    if (! isInTable())
        return false;

    library().getFavoriteData().setProgramNumber (bank, slot, oldNumber);
    restoreEdited();
    return true;
}

InitializeProgramDataAction::InitializeProgramDataAction (int programNumber) : number (programNumber) {}

bool InitializeProgramDataAction::perform()
{
    auto& program = library().getProgram (number);
    oldProgram = program;
    markEdited();
    program.reset();
    return true;
}

bool InitializeProgramDataAction::undo()
{
    library().getProgram (number) = oldProgram;
    restoreEdited();
    return true;
}

x48305_data::LibraryData& SetLibraryDataAction::target() const
{
    return library();
}

x48305_data::ProgramData& SetProgramDataAction::target() const
{
    return library().getProgram (number);
}

SetProgramNameAction::SetProgramNameAction (int programNumber, const std::string& name,
                                            const x48305_data::ProgramData& before)
    : number (programNumber), newName (name), oldProgram (before)
{
}

bool SetProgramNameAction::perform()
{
    markEdited();
    library().getProgram (number).setName (newName);
    return true;
}

bool SetProgramNameAction::undo()
{
    library().getProgram (number) = oldProgram;
    restoreEdited();
    return true;
}
} // namespace x48305_action

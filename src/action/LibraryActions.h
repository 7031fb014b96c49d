#pragma once

#include "action/EditAction.h"
#include "library/LibraryData.h"
#include "library/ProgramData.h"

#include <cstdint>
#include <string>

namespace x48305_action
{
// Sets one live-set entry. A bank or slot outside the table is refused and
// nothing is written, since the table has no room for it.
class SetFavoriteParameterAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 20;

    SetFavoriteParameterAction (std::int32_t bank, std::int32_t slot, std::uint32_t programNumber);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return sizeInUnits; }

private:
    bool isInTable() const;

    const std::int32_t bank;
    const std::int32_t slot;
    const std::uint32_t newNumber;
    std::uint32_t oldNumber = 0;
};

// Resets a program to the initial record; its texts stay.
class InitializeProgramDataAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 388;

    explicit InitializeProgramDataAction (int programNumber);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return sizeInUnits; }

private:
    const int number;
    x48305_data::ProgramData oldProgram;
};

// Replaces the whole library: all programs and the live set.
class SetLibraryDataAction : public ReplaceAction<x48305_data::LibraryData>
{
public:
    static constexpr int sizeInUnits = 385088;

    explicit SetLibraryDataAction (const x48305_data::LibraryData& library) : ReplaceAction (library) {}
    int getSizeInUnits() override { return sizeInUnits; }

private:
    x48305_data::LibraryData& target() const override;
};

// Replaces one program: record, texts and digest.
class SetProgramDataAction : public ReplaceAction<x48305_data::ProgramData>
{
public:
    static constexpr int sizeInUnits = 772;

    SetProgramDataAction (int programNumber, const x48305_data::ProgramData& program)
        : ReplaceAction (program), number (programNumber)
    {
    }
    int getSizeInUnits() override { return sizeInUnits; }

private:
    x48305_data::ProgramData& target() const override;

    const int number;
};

// Renames one program. Undo restores the whole program as the caller gave it
// before the change, not only the name.
class SetProgramNameAction : public EditAction
{
public:
    static constexpr int sizeInUnits = 408;

    SetProgramNameAction (int programNumber, const std::string& name, const x48305_data::ProgramData& before);

    bool perform() override;
    bool undo() override;
    int getSizeInUnits() override { return sizeInUnits; }

private:
    const int number;
    const std::string newName;
    const x48305_data::ProgramData oldProgram;
};
} // namespace x48305_action

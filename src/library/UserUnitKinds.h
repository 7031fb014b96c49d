#pragma once

#include "formats/UnitHeaderRecord.h"
#include "library/UserUnitSlotData.h"

#include <cstdint>
#include <tuple>

namespace x48305_data
{
// The four kinds of user unit, each described once: its slot objects and
// their name (which also names the undo steps on them), its number of
// slots, the module index its packages carry, the line printed for a slot
// index out of range, and whether a unit written from a package records its
// slot (a reverb effect stays FromFile, so it is written again on every
// write). The store's accessor for a kind is UserData::slot<Kind>; the other
// layers add what they need (wire number, list, action) to these.
template <typename SlotData, std::uint32_t slots, int module, bool staysFromFile = false>
struct UnitKindDescription
{
    using Slot = SlotData;
    static constexpr std::uint32_t numSlots = slots;
    static constexpr int moduleIndex = module;
    static constexpr bool writtenUnitStaysFromFile = staysFromFile;
};

struct UserOscKind : UnitKindDescription<UserOscData, 16, UnitModuleOscillator>
{
    static constexpr const char* dataName = "UserOscData";
    static constexpr const char* indexError = "User oscillator slot index error: %d\n";
};

struct UserModFXKind : UnitKindDescription<UserModFXData, 16, UnitModuleModulationEffect>
{
    static constexpr const char* dataName = "UserModFXData";
    static constexpr const char* indexError = "User modulation fx slot index error: %d\n";
};

struct UserDelFXKind : UnitKindDescription<UserDelFXData, 8, UnitModuleDelayEffect>
{
    static constexpr const char* dataName = "UserDelFXData";
    static constexpr const char* indexError = "User delay fx slot index error: %d\n";
};

struct UserRevFXKind : UnitKindDescription<UserRevFXData, 8, UnitModuleReverbEffect, true>
{
    static constexpr const char* dataName = "UserRevFXData";
    static constexpr const char* indexError = "User reverb fx slot index error: %d\n";
};

// The kinds in the order the store keeps them and the jobs walk them.
template <typename... Kinds>
struct UserUnitKindList
{
    static constexpr std::uint32_t totalSlots = (Kinds::numSlots + ...);

    // A tuple of Group<Kind>, one per kind.
    template <template <typename> class Group>
    using Groups = std::tuple<Group<Kinds>...>;

    // Calls each (Kind {}) for every kind in order until one call returns a
    // code other than 0; that code, or 0.
    template <typename Fn>
    static std::int32_t forEach (Fn each)
    {
        std::int32_t code = 0;
        ((code = code != 0 ? code : each (Kinds {})), ...);
        return code;
    }
};

using UserUnitKinds = UserUnitKindList<UserOscKind, UserModFXKind, UserDelFXKind, UserRevFXKind>;
} // namespace x48305_data

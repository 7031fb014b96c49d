#pragma once

#include "data/Data.h"
#include "library/UserUnitSlotData.h"

#include <array>
#include <cstdint>

namespace x48305_data
{
// The user-unit store: 16 oscillator, 16 modulation-effect, 8 delay-effect
// and 8 reverb-effect slots. Each group has one spare object more, handed out
// (after a line on standard output) for an index out of range, so that a bad
// index never reaches a regular slot.
class UserData : public data::Data
{
public:
    static constexpr std::uint32_t numOscSlots = 16;
    static constexpr std::uint32_t numModFXSlots = 16;
    static constexpr std::uint32_t numDelFXSlots = 8;
    static constexpr std::uint32_t numRevFXSlots = 8;

    UserData() = default;
    // Copies every object, spares included.
    UserData (const UserData&) = default;
    // Copies the 48 regular slots; the spares stay as they are.
    UserData& operator= (const UserData& other);
    ~UserData() override = default;

    UserOscData& getUserOscData (const std::uint32_t& slot);
    const UserOscData& getUserOscData (const std::uint32_t& slot) const;
    UserModFXData& getUserModFXData (const std::uint32_t& slot);
    const UserModFXData& getUserModFXData (const std::uint32_t& slot) const;
    UserDelFXData& getUserDelFXData (const std::uint32_t& slot);
    const UserDelFXData& getUserDelFXData (const std::uint32_t& slot) const;
    UserRevFXData& getUserRevFXData (const std::uint32_t& slot);
    const UserRevFXData& getUserRevFXData (const std::uint32_t& slot) const;

    // Compares the 48 regular slots.
    bool operator== (const UserData& other) const;
    bool operator!= (const UserData& other) const { return ! operator== (other); }

private:
    std::array<UserOscData, numOscSlots + 1> oscData;
    std::array<UserModFXData, numModFXSlots + 1> modFXData;
    std::array<UserDelFXData, numDelFXSlots + 1> delFXData;
    std::array<UserRevFXData, numRevFXSlots + 1> revFXData;
};
} // namespace x48305_data

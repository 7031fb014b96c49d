#pragma once

#include "data/Data.h"
#include "library/UserUnitKinds.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace x48305_data
{
// The user-unit store: the slots of the four kinds. Each group has one spare
// object more, handed out (after the kind's line on standard output) for an
// index out of range, so that a bad index never reaches a regular slot.
class UserData : public data::Data
{
public:
    UserData() = default;
    // Copies every object, spares included.
    UserData (const UserData&) = default;
    // Copies the 48 regular slots; the spares stay as they are.
    UserData& operator= (const UserData& other);
    ~UserData() override = default;

    // The kind's slot object; the index is compared unsigned and printed
    // signed.
    template <typename Kind>
    typename Kind::Slot& slot (const std::uint32_t& index)
    {
        return slotOf<Kind> (*this, index);
    }
    template <typename Kind>
    const typename Kind::Slot& slot (const std::uint32_t& index) const
    {
        return slotOf<Kind> (*this, index);
    }

    UserOscData& getUserOscData (const std::uint32_t& s) { return slot<UserOscKind> (s); }
    const UserOscData& getUserOscData (const std::uint32_t& s) const { return slot<UserOscKind> (s); }
    UserModFXData& getUserModFXData (const std::uint32_t& s) { return slot<UserModFXKind> (s); }
    const UserModFXData& getUserModFXData (const std::uint32_t& s) const { return slot<UserModFXKind> (s); }
    UserDelFXData& getUserDelFXData (const std::uint32_t& s) { return slot<UserDelFXKind> (s); }
    const UserDelFXData& getUserDelFXData (const std::uint32_t& s) const { return slot<UserDelFXKind> (s); }
    UserRevFXData& getUserRevFXData (const std::uint32_t& s) { return slot<UserRevFXKind> (s); }
    const UserRevFXData& getUserRevFXData (const std::uint32_t& s) const { return slot<UserRevFXKind> (s); }

    // Compares the 48 regular slots.
    bool operator== (const UserData& other) const;
    bool operator!= (const UserData& other) const { return ! operator== (other); }

private:
    template <typename Kind>
    using Group = std::array<typename Kind::Slot, Kind::numSlots + 1>;

    template <typename Kind, typename Store>
    static auto& groupOf (Store& store)
    {
        return std::get<Group<Kind>> (store.groups);
    }

    template <typename Kind, typename Store>
    static auto& slotOf (Store& store, std::uint32_t index)
    {
        auto& slots = groupOf<Kind> (store);
        if (index < Kind::numSlots)
            return slots[index];
        std::printf (Kind::indexError, (int) index);
        std::fflush (stdout);
        return slots[Kind::numSlots];
    }

    UserUnitKinds::Groups<Group> groups;
};
} // namespace x48305_data

#include "library/UserData.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace x48305_data
{
namespace
{
// The slot for a valid index; otherwise the message (printed with the index
// as a signed number) and the group's spare, its last element.
template <typename Group>
auto& slotOrSpare (Group& group, std::uint32_t slot, const char* message)
{
    constexpr std::uint32_t numRegular = (std::uint32_t) std::tuple_size<std::remove_const_t<Group>>::value - 1;
    if (slot < numRegular)
        return group[slot];

    std::printf (message, (int) slot);
    std::fflush (stdout);
    return group[numRegular];
}

template <typename Group>
void copyRegularSlots (Group& target, const Group& source)
{
    std::copy (source.begin(), source.end() - 1, target.begin());
}

template <typename Group>
bool regularSlotsEqual (const Group& a, const Group& b)
{
    return std::equal (a.begin(), a.end() - 1, b.begin());
}

const char* const oscMessage = "User oscillator slot index error: %d\n";
const char* const modFXMessage = "User modulation fx slot index error: %d\n";
const char* const delFXMessage = "User delay fx slot index error: %d\n";
const char* const revFXMessage = "User reverb fx slot index error: %d\n";
} // namespace

UserData& UserData::operator= (const UserData& other)
{
    if (this != &other)
    {
        copyRegularSlots (oscData, other.oscData);
        copyRegularSlots (modFXData, other.modFXData);
        copyRegularSlots (delFXData, other.delFXData);
        copyRegularSlots (revFXData, other.revFXData);
    }
    return *this;
}

UserOscData& UserData::getUserOscData (const std::uint32_t& slot) { return slotOrSpare (oscData, slot, oscMessage); }
const UserOscData& UserData::getUserOscData (const std::uint32_t& slot) const
{
    return slotOrSpare (oscData, slot, oscMessage);
}

UserModFXData& UserData::getUserModFXData (const std::uint32_t& slot)
{
    return slotOrSpare (modFXData, slot, modFXMessage);
}
const UserModFXData& UserData::getUserModFXData (const std::uint32_t& slot) const
{
    return slotOrSpare (modFXData, slot, modFXMessage);
}

UserDelFXData& UserData::getUserDelFXData (const std::uint32_t& slot)
{
    return slotOrSpare (delFXData, slot, delFXMessage);
}
const UserDelFXData& UserData::getUserDelFXData (const std::uint32_t& slot) const
{
    return slotOrSpare (delFXData, slot, delFXMessage);
}

UserRevFXData& UserData::getUserRevFXData (const std::uint32_t& slot)
{
    return slotOrSpare (revFXData, slot, revFXMessage);
}
const UserRevFXData& UserData::getUserRevFXData (const std::uint32_t& slot) const
{
    return slotOrSpare (revFXData, slot, revFXMessage);
}

bool UserData::operator== (const UserData& other) const
{
    return regularSlotsEqual (oscData, other.oscData) && regularSlotsEqual (modFXData, other.modFXData)
           && regularSlotsEqual (delFXData, other.delFXData) && regularSlotsEqual (revFXData, other.revFXData);
}
} // namespace x48305_data

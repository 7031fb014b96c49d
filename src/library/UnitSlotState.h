#pragma once

#include <cstdint>

// What a user-unit slot object holds.
enum class UnitSlotState : std::uint32_t
{
    Empty = 0,    // no unit
    InSlot = 1,   // the header is known and the unit sits in its slot on the instrument
    FromFile = 2  // the image came from a package and has not been written yet
};

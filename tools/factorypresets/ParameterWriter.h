#pragma once

#include "library/ParameterEntry.h"

#include <cstdint>

namespace factorypresets
{
// Stores a parameter's value into a program record, the counterpart of
// x48305_data::getParameterValue: one-byte fields take the value as a byte,
// two-byte fields as a little-endian word. The value is first brought into
// the row's range, so a record written through here never holds a value its
// table does not allow. False for a parameter that no row describes.
bool setParameterValue (uint8_t* record, const x48305_data::ParameterId& id, int value);

// The row's range; false for a parameter that no row describes.
bool getParameterRange (const x48305_data::ParameterId& id, int& minValue, int& maxValue);
} // namespace factorypresets

#pragma once

#include "library/ParameterEntry.h"

#include <string>

namespace x48305_data
{
constexpr int parameterValueTypeCount = 39;

// The text shown for a parameter value: the value is clamped to the entry's
// range and handed to the formatter or name list of the entry's value type.
// A value type outside 0 to 38 gives the empty text.
std::string formatParameterValue (const ParameterEntry& entry, int value);

} // namespace x48305_data

#include "ParameterWriter.h"

#include "library/ParameterTables.h"

#include <algorithm>

namespace factorypresets
{
bool getParameterRange (const x48305_data::ParameterId& id, int& minValue, int& maxValue)
{
    x48305_data::ParameterEntry entry;
    if (! x48305_data::getParameterEntry (id, entry))
        return false;
    minValue = entry.minValue;
    maxValue = entry.maxValue;
    return true;
}

bool setParameterValue (uint8_t* record, const x48305_data::ParameterId& id, int value)
{
    x48305_data::ParameterEntry entry;
    x48305_data::ParameterSection section;
    if (record == nullptr || ! x48305_data::getParameterEntry (id, entry)
        || ! x48305_data::getParameterSection (id.section, section))
        return false;

    if (entry.offset < 0 || entry.offset + entry.byteCount > section.size)
        return false;

    const int clamped = std::clamp (value, (int) entry.minValue, (int) entry.maxValue);
    const auto word = static_cast<uint16_t> (static_cast<int16_t> (clamped));
    auto* bytes = record + section.start + entry.offset;

    if (entry.byteCount == 2)
    {
        bytes[0] = static_cast<uint8_t> (word & 0xff);
        bytes[1] = static_cast<uint8_t> (word >> 8);
        return true;
    }
    if (entry.byteCount == 1 && entry.bitPosition == 0 && entry.bitWidth == 8)
    {
        bytes[0] = static_cast<uint8_t> (word & 0xff);
        return true;
    }
    return false;
}
} // namespace factorypresets

#include "library/ParameterValue.h"

#include "library/ParameterTables.h"

namespace x48305_data
{
namespace
{
int16_t readWord (const uint8_t* bytes)
{
    // The word's bit 15 is the sign of signed fields, so viewing it as a
    // signed 16-bit number is their sign extension.
    const auto word = static_cast<uint16_t> (bytes[0] | (bytes[1] << 8));
    return static_cast<int16_t> (word);
}

int16_t readBitField (uint8_t byte, const ParameterEntry& entry)
{
    const int shift = 8 - (entry.bitPosition + entry.bitWidth);
    if (shift < 0 || entry.bitWidth == 0)
        return 0;

    const uint32_t mask = (1u << entry.bitWidth) - 1u;
    uint32_t value = (static_cast<uint32_t> (byte) >> shift) & mask;

    if (entry.isSigned != 0 && (value & (1u << (entry.bitWidth - 1))) != 0)
        value |= ~mask;

    return static_cast<int16_t> (static_cast<int32_t> (value));
}
} // namespace

int16_t getParameterValue (const void* record, const ParameterId& id, const ParameterEntry& entry)
{
    ParameterSection section;
    if (record == nullptr || ! getParameterSection (id.section, section))
        return 0;

    const int offset = entry.offset;
    const int count = entry.byteCount;
    if (offset < 0 || (count != 1 && count != 2) || offset + count > section.size)
        return 0;

    const auto* bytes = static_cast<const uint8_t*> (record) + section.start + offset;
    return count == 2 ? readWord (bytes) : readBitField (bytes[0], entry);
}

} // namespace x48305_data

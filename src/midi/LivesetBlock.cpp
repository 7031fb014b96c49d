#include "midi/LivesetBlock.h"

#include <algorithm>

namespace x48305_midi
{
LivesetBlock::LivesetBlock()
    : bytes (size, true)
{
}

LivesetBlock::LivesetBlock (const juce::MemoryBlock& source)
    : bytes (size, true)
{
    bytes.copyFrom (source.getData(), 0, std::min (source.getSize(), size));
}

int LivesetBlock::getOffset (int bank, int slot)
{
    if (bank < 0 || bank >= numBanks || slot < 0 || slot >= numSlots)
        return -1;

    return bank * 32 + 4 + 2 * slot;
}

std::uint16_t LivesetBlock::getProgramNumber (int bank, int slot) const
{
    const auto offset = getOffset (bank, slot);

    if (offset < 0)
        return 0;

    const auto* data = static_cast<const std::uint8_t*> (bytes.getData());
    return (std::uint16_t) (data[offset] | (data[offset + 1] << 8));
}

void LivesetBlock::setProgramNumber (int bank, int slot, std::uint32_t number)
{
    const auto offset = getOffset (bank, slot);

    if (offset < 0)
        return;

    auto* data = static_cast<std::uint8_t*> (bytes.getData());
    data[offset] = (std::uint8_t) (number & 0xFF);
    data[offset + 1] = (std::uint8_t) ((number >> 8) & 0xFF);
}
}

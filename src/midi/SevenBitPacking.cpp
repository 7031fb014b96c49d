#include "midi/SevenBitPacking.h"

namespace x48305_midi
{
namespace
{
constexpr std::size_t groupSize = 7;
}

std::size_t getPackedSize (std::size_t count)
{
    const auto rest = count % groupSize;
    return (count / groupSize) * (groupSize + 1) + (rest == 0 ? 0 : rest + 1);
}

void packSevenBit (std::uint8_t* output, const std::uint8_t* input, std::size_t count)
{
    std::size_t in = 0;
    std::size_t out = 0;

    while (in < count)
    {
        const auto groupLength = (count - in < groupSize) ? count - in : groupSize;
        std::uint8_t topBits = 0;

        for (std::size_t j = 0; j < groupLength; ++j)
        {
            const auto byte = input[in + j];
            topBits = (std::uint8_t) (topBits | (((byte >> 7) & 1u) << j));
            output[out + 1 + j] = (std::uint8_t) (byte & 0x7F);
        }

        output[out] = topBits;
        in += groupLength;
        out += groupLength + 1;
    }
}

bool unpackSevenBit (std::uint8_t* output, std::size_t outputCount,
                     const std::uint8_t* message, std::size_t messageLength, std::size_t offset)
{
    if (offset > messageLength || messageLength - offset < getPackedSize (outputCount))
        return false;

    std::size_t position = offset;
    unsigned counter = 0;
    std::uint8_t topBits = 0;

    for (std::size_t j = 0; j < outputCount; ++j)
    {
        if (counter == 0)
        {
            topBits = message[position++];
            counter = 7;
        }

        // Byte j of a group takes bit j of the group's leading byte as bit 7;
        // the wire data byte is used as it comes.
        output[j] = (std::uint8_t) (((unsigned) (topBits << counter) & 0x80u) | message[position++]);
        --counter;
    }

    return true;
}
}

#include "support/sim/SimSevenBitCodec.h"

namespace sim
{
std::size_t encodedSize (std::size_t n)
{
    const std::size_t fullGroups = n / 7;
    const std::size_t tail = n - fullGroups * 7;
    return fullGroups * 8 + (tail > 0 ? tail + 1 : 0);
}

Bytes encodeSevenBit (const Bytes& data)
{
    Bytes wire;
    wire.reserve (encodedSize (data.size()));
    std::size_t msbIndex = 0;

    for (std::size_t i = 0; i < data.size(); ++i)
    {
        const std::size_t position = i % 7;

        if (position == 0)
        {
            msbIndex = wire.size();
            wire.push_back (0);
        }

        if ((data[i] & 0x80) != 0)
            wire[msbIndex] = (std::uint8_t) (wire[msbIndex] + (1u << position));

        wire.push_back ((std::uint8_t) (data[i] % 0x80));
    }

    return wire;
}

std::optional<Bytes> decodeSevenBit (const Bytes& wire, std::size_t offset, std::size_t count)
{
    if (offset > wire.size() || wire.size() - offset < encodedSize (count))
        return std::nullopt;

    Bytes data (count);

    for (std::size_t i = 0; i < count; ++i)
    {
        const std::size_t group = i / 7;
        const std::size_t position = i % 7;
        const std::uint8_t msbs = wire[offset + group * 8];
        const std::uint8_t low = wire[offset + group * 8 + 1 + position];

        if (msbs >= 0x80 || low >= 0x80)
            return std::nullopt;

        data[i] = (std::uint8_t) (low + (((msbs >> position) & 1u) != 0 ? 0x80 : 0));
    }

    return data;
}
}

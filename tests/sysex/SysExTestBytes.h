#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sysextest
{
using Bytes = std::vector<std::uint8_t>;

inline Bytes toBytes (const juce::MemoryBlock& block)
{
    const auto* data = static_cast<const std::uint8_t*> (block.getData());
    return Bytes (data, data + block.getSize());
}

// A heap copy of exactly the message's length, so that the address sanitizer
// reports any read past its end.
struct ExactMessage
{
    explicit ExactMessage (const Bytes& bytes)
        : length (bytes.size()), data (new std::uint8_t[bytes.empty() ? 1 : bytes.size()])
    {
        std::copy (bytes.begin(), bytes.end(), data.get());
    }

    std::size_t length;
    std::unique_ptr<std::uint8_t[]> data;
};

// A byte pattern that sets bit 7 in two bytes of three and varies the rest.
inline Bytes highBitPattern (std::size_t count, unsigned seed = 0)
{
    Bytes bytes (count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = (std::uint8_t) ((i * 151u + seed * 7u) | ((i % 3 != 0) ? 0x80u : 0x00u));
    return bytes;
}
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The simulated instrument's own 7-bit codec. It is written apart from the
// production packing, bit by bit, so that tests that compare the two catch a
// fault in either.
namespace sim
{
using Bytes = std::vector<std::uint8_t>;

// Wire size of n 8-bit bytes.
std::size_t encodedSize (std::size_t n);

Bytes encodeSevenBit (const Bytes& data);

// Decodes count bytes from the wire bytes starting at offset; nothing when
// the wire holds too few bytes or a wire byte has bit 7 set.
std::optional<Bytes> decodeSevenBit (const Bytes& wire, std::size_t offset, std::size_t count);
}

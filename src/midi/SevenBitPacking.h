#pragma once

#include <cstddef>
#include <cstdint>

namespace x48305_midi
{
// System Exclusive data bytes carry 7 bits. 8-bit data travels in groups of up
// to 7 bytes: a leading byte that holds the groups' top bits (bit j for byte j
// of the group), then the group's bytes with bit 7 cleared.

// The number of wire bytes that count 8-bit bytes pack to.
std::size_t getPackedSize (std::size_t count);

// Packs count bytes of input into output, which must hold
// getPackedSize (count) bytes.
void packSevenBit (std::uint8_t* output, const std::uint8_t* input, std::size_t count);

// Unpacks outputCount 8-bit bytes from the wire bytes that start at offset in
// a message of messageLength bytes. Returns false, and writes nothing, when
// the message does not hold getPackedSize (outputCount) bytes from offset.
bool unpackSevenBit (std::uint8_t* output, std::size_t outputCount,
                     const std::uint8_t* message, std::size_t messageLength, std::size_t offset);
}

#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>
#include <cstdint>

namespace x48305_midi
{
// The instrument's 128-byte live-set block. Bank b (0-3) and slot s (0-7)
// hold a program number as an unsigned 16-bit little-endian value at byte
// b * 32 + 4 + 2 * s; the other 64 bytes belong to the instrument and are
// carried through unchanged.
class LivesetBlock
{
public:
    static constexpr std::size_t size = 128;
    static constexpr int numBanks = 4;
    static constexpr int numSlots = 8;

    // A block of zero bytes.
    LivesetBlock();

    // Takes the first 128 bytes of a received block; a shorter block is
    // filled up with zero bytes.
    explicit LivesetBlock (const juce::MemoryBlock& bytes);

    // The byte offset of a bank's slot, or -1 when either index is out of range.
    static int getOffset (int bank, int slot);

    // 0 for an index out of range.
    std::uint16_t getProgramNumber (int bank, int slot) const;

    // Writes the number low byte first; an index out of range changes nothing.
    void setProgramNumber (int bank, int slot, std::uint32_t number);

    const juce::MemoryBlock& getBytes() const { return bytes; }

private:
    juce::MemoryBlock bytes;
};
}

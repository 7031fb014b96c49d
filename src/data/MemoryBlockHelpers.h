#pragma once

#include <juce_core/juce_core.h>

#include <cstring>

namespace data
{
// juce::MemoryBlock's copy assignment and comparison hand a null pointer to
// memcpy and memcmp when a block is empty, which is undefined behaviour; these
// two avoid that and are used wherever model objects copy or compare blocks.
inline void assignMemoryBlock (juce::MemoryBlock& target, const juce::MemoryBlock& source)
{
    if (&target != &source)
        target = juce::MemoryBlock (source); // copy construction checks for empty; the move is safe
}

inline bool memoryBlocksEqual (const juce::MemoryBlock& a, const juce::MemoryBlock& b)
{
    if (a.getSize() != b.getSize())
        return false;
    return a.getSize() == 0 || std::memcmp (a.getData(), b.getData(), a.getSize()) == 0;
}
} // namespace data

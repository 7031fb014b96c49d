#pragma once

#include "data/MemoryBlockHelpers.h"

#include <juce_core/juce_core.h>

#include <cstddef>

namespace data
{
// One block of bytes in the tagged container layout: a top header followed
// by tagged sections.
class SerializedData
{
public:
    SerializedData() = default;
    SerializedData (const void* bytes, std::size_t size) : block (bytes, size) {}
    virtual ~SerializedData() {}

    SerializedData (const SerializedData&) = default;
    SerializedData& operator= (const SerializedData& other)
    {
        assignMemoryBlock (block, other.block);
        return *this;
    }

    const void* getData() const { return block.getData(); }
    std::size_t getSize() const { return block.getSize(); }

    juce::MemoryBlock& getBlock() { return block; }
    const juce::MemoryBlock& getBlock() const { return block; }

private:
    juce::MemoryBlock block;
};
} // namespace data

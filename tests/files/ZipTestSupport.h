#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ziptest
{
using Entries = std::vector<std::pair<juce::String, juce::MemoryBlock>>;

juce::MemoryBlock bytesOf (const juce::String& text);
// The bytes as a comparable value (comparing two empty juce::MemoryBlocks
// passes a null pointer to memcmp).
std::string raw (const juce::MemoryBlock& block);

juce::MemoryBlock randomBytes (size_t size, juce::int64 seed);

// An archive of the given entries, all at one compression level.
juce::MemoryBlock buildArchive (const Entries& entries, int compressionLevel);

// Little-endian field access inside an archive image.
void putUInt16 (juce::MemoryBlock& block, size_t offset, uint16_t value);
void putUInt32 (juce::MemoryBlock& block, size_t offset, uint32_t value);
uint32_t getUInt32 (const juce::MemoryBlock& block, size_t offset);

// The central directory's offset, taken from the end record at the very end.
size_t directoryOffsetOf (const juce::MemoryBlock& archive);

// A folder that is removed with everything in it when the object goes.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    juce::File file (const juce::String& name) const { return folder.getChildFile (name); }
    juce::File write (const juce::String& name, const juce::MemoryBlock& content) const;
    const juce::File& get() const { return folder; }

private:
    juce::File folder;
};
} // namespace ziptest

#pragma once

#include <juce_core/juce_core.h>

#include <cstdint>
#include <string>
#include <vector>

// Builders for voicing-editor all-data files: 32-byte chunk headers (tag,
// header size, payload size, three 16-bit values, count, a 32-bit value, four
// unused bytes; little-endian) followed by their payloads.
namespace chunktest
{
// The editor's nine-character chunk names; a header stores the last eight.
std::string diskTag (const std::string& name);
const std::string& allDataTag();
const std::string& programSetTag();
const std::string& programTag();
const std::string& globalDataTag();

juce::MemoryBlock chunkHeader (const std::string& tag, std::uint32_t payloadSize, std::uint32_t count = 0,
                               std::uint16_t headerSize = 32);

// A chunk of the given tag whose payload is `payloadSize` filler bytes.
juce::MemoryBlock fillerChunk (const std::string& tag, std::uint32_t payloadSize);

// A recognisable 336-byte program record: "PROG", the name, a pattern, "PRED".
juce::MemoryBlock programRecord (int number);

struct ProgramChunk
{
    std::string tag = programTag();
    juce::MemoryBlock record;
    std::string programmer;   // stored as is in the 24-byte field, zero-padded
    std::string comment;      // stored as is in the 64-byte field, zero-padded
    std::uint32_t payloadSize = 480;
};

// The program chunk for `number` with texts that name it.
ProgramChunk standardProgram (int number);

// Header and payload; the payload holds record, a 32-byte gap of 0xEE, the
// texts, then 0xDD filler up to its size (cut when the size is smaller).
juce::MemoryBlock programChunkBytes (const ProgramChunk& chunk);

// A program-set chunk holding the given program chunks.
juce::MemoryBlock programSetChunk (const std::vector<juce::MemoryBlock>& programs, std::uint32_t count = 500);

// The 500 standard program chunks.
std::vector<juce::MemoryBlock> standardPrograms (int howMany = 500);

// The all-data header (its sizes deliberately wrong: the first chunk is found
// at offset 32 regardless) followed by the chunks.
juce::MemoryBlock allDataFile (const std::vector<juce::MemoryBlock>& chunks);

juce::MemoryBlock concatenate (const std::vector<juce::MemoryBlock>& blocks);

// A file that is deleted when the object goes; an empty block gives an
// empty (but existing) file.
class ChunkFile
{
public:
    explicit ChunkFile (const juce::MemoryBlock& content);
    const juce::File& getFile() const { return temporary.getFile(); }

private:
    juce::TemporaryFile temporary;
};
} // namespace chunktest

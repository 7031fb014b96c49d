#include "ChunkFileFixtures.h"

#include <algorithm>
#include <cstdio>

namespace chunktest
{
namespace
{
void appendU16 (juce::MemoryBlock& block, std::uint16_t value)
{
    const juce::uint8 bytes[] = { (juce::uint8) value, (juce::uint8) (value >> 8) };
    block.append (bytes, 2);
}

void appendU32 (juce::MemoryBlock& block, std::uint32_t value)
{
    const juce::uint8 bytes[] = { (juce::uint8) value, (juce::uint8) (value >> 8), (juce::uint8) (value >> 16),
                                  (juce::uint8) (value >> 24) };
    block.append (bytes, 4);
}

void appendField (juce::MemoryBlock& block, const std::string& text, std::size_t fieldSize)
{
    juce::MemoryBlock field (fieldSize, true);
    field.copyFrom (text.data(), 0, std::min (text.size(), fieldSize));
    block.append (field.getData(), fieldSize);
}

void appendFill (juce::MemoryBlock& block, std::size_t count, juce::uint8 value)
{
    if (count == 0)
        return;
    juce::MemoryBlock fill (count);
    fill.fillWith (value);
    block.append (fill.getData(), count);
}
} // namespace

std::string diskTag (const std::string& name)
{
    return name.substr (name.size() - 8);
}

const std::string& allDataTag()
{
    static const std::string tag = diskTag ("48305AllD");
    return tag;
}

const std::string& programSetTag()
{
    static const std::string tag = diskTag ("48305PrgS");
    return tag;
}

const std::string& programTag()
{
    static const std::string tag = diskTag ("48305PrgD");
    return tag;
}

const std::string& globalDataTag()
{
    static const std::string tag = diskTag ("48305GlbD");
    return tag;
}

juce::MemoryBlock chunkHeader (const std::string& tag, std::uint32_t payloadSize, std::uint32_t count,
                               std::uint16_t headerSize)
{
    juce::MemoryBlock header;
    appendField (header, tag, 8);
    appendU16 (header, headerSize);
    appendU32 (header, payloadSize);
    appendU16 (header, 0x1111);
    appendU16 (header, 0x2222);
    appendU16 (header, 0x3333);
    appendU32 (header, count);
    appendU32 (header, 0x44444444);
    appendU32 (header, 0x55555555);
    return header;
}

juce::MemoryBlock fillerChunk (const std::string& tag, std::uint32_t payloadSize)
{
    auto chunk = chunkHeader (tag, payloadSize);
    appendFill (chunk, payloadSize, 0xA5);
    return chunk;
}

juce::MemoryBlock programRecord (int number)
{
    juce::MemoryBlock record;
    record.append ("PROG", 4);
    char name[16];
    std::snprintf (name, sizeof (name), "Voice %03d   ", number % 1000);
    record.append (name, 12);
    for (int i = 16; i < 332; ++i)
    {
        const auto byte = (juce::uint8) ((i * 31 + number * 7) & 0x7f);
        record.append (&byte, 1);
    }
    record.append ("PRED", 4);
    return record;
}

ProgramChunk standardProgram (int number)
{
    ProgramChunk chunk;
    chunk.record = programRecord (number);
    chunk.programmer = "Author " + std::to_string (number);
    chunk.comment = "Comment for program " + std::to_string (number);
    return chunk;
}

juce::MemoryBlock programChunkBytes (const ProgramChunk& chunk)
{
    juce::MemoryBlock payload;
    payload.append (chunk.record.getData(), chunk.record.getSize());
    appendFill (payload, 32, 0xEE);
    appendField (payload, chunk.programmer, 24);
    appendField (payload, chunk.comment, 64);
    if (payload.getSize() < chunk.payloadSize)
        appendFill (payload, chunk.payloadSize - payload.getSize(), 0xDD);
    payload.setSize (chunk.payloadSize);

    auto bytes = chunkHeader (chunk.tag, chunk.payloadSize);
    bytes.append (payload.getData(), payload.getSize());
    return bytes;
}

juce::MemoryBlock programSetChunk (const std::vector<juce::MemoryBlock>& programs, std::uint32_t count)
{
    const auto payload = concatenate (programs);
    auto chunk = chunkHeader (programSetTag(), (std::uint32_t) payload.getSize(), count);
    chunk.append (payload.getData(), payload.getSize());
    return chunk;
}

std::vector<juce::MemoryBlock> standardPrograms (int howMany)
{
    std::vector<juce::MemoryBlock> programs;
    for (int number = 0; number < howMany; ++number)
        programs.push_back (programChunkBytes (standardProgram (number)));
    return programs;
}

juce::MemoryBlock allDataFile (const std::vector<juce::MemoryBlock>& chunks)
{
    auto file = chunkHeader (allDataTag(), 7, 0, 100);
    const auto rest = concatenate (chunks);
    file.append (rest.getData(), rest.getSize());
    return file;
}

juce::MemoryBlock concatenate (const std::vector<juce::MemoryBlock>& blocks)
{
    juce::MemoryBlock result;
    for (const auto& block : blocks)
        if (! block.isEmpty())
            result.append (block.getData(), block.getSize());
    return result;
}

ChunkFile::ChunkFile (const juce::MemoryBlock& content) : temporary (".slvne_all")
{
    const auto& file = temporary.getFile();
    if (content.isEmpty())
        file.create();
    else
        file.replaceWithData (content.getData(), content.getSize());
}
} // namespace chunktest

#include "ZipTestSupport.h"

#include "formats/MemoryBasedZipBuilder.h"

#include <gtest/gtest.h>

#include <stdlib.h>

namespace ziptest
{
juce::MemoryBlock bytesOf (const juce::String& text)
{
    return juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

std::string raw (const juce::MemoryBlock& block)
{
    if (block.getSize() == 0)
        return {};
    return std::string (static_cast<const char*> (block.getData()), block.getSize());
}

juce::MemoryBlock randomBytes (size_t size, juce::int64 seed)
{
    juce::Random random (seed);
    juce::MemoryBlock block (size);
    random.fillBitsRandomly (block.getData(), size);
    return block;
}

juce::MemoryBlock buildArchive (const Entries& entries, int compressionLevel)
{
    MemoryBasedZipBuilder builder;
    for (const auto& [name, data] : entries)
        builder.addEntry (name, data, compressionLevel, {});
    juce::MemoryOutputStream out;
    EXPECT_TRUE (builder.writeToStream (out));
    return out.getMemoryBlock();
}

void putUInt16 (juce::MemoryBlock& block, size_t offset, uint16_t value)
{
    block[offset] = (char) (value & 0xff);
    block[offset + 1] = (char) (value >> 8);
}

void putUInt32 (juce::MemoryBlock& block, size_t offset, uint32_t value)
{
    putUInt16 (block, offset, (uint16_t) (value & 0xffff));
    putUInt16 (block, offset + 2, (uint16_t) (value >> 16));
}

uint32_t getUInt32 (const juce::MemoryBlock& block, size_t offset)
{
    auto b = static_cast<const juce::uint8*> (block.getData()) + offset;
    return (uint32_t) b[0] | ((uint32_t) b[1] << 8) | ((uint32_t) b[2] << 16) | ((uint32_t) b[3] << 24);
}

size_t directoryOffsetOf (const juce::MemoryBlock& archive)
{
    return getUInt32 (archive, archive.getSize() - 22 + 16);
}

// mkdtemp creates a folder of a new name in one step, so that test processes
// running side by side (several builds share the machine) never share one.
ScratchFolder::ScratchFolder()
{
    auto pattern = juce::File::getSpecialLocation (juce::File::tempDirectory)
                       .getChildFile ("slvn-files-test-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    if (mkdtemp (pattern.data()) != nullptr)
        folder = juce::File (pattern);
    EXPECT_TRUE (folder.isDirectory()) << "no scratch folder";
}

ScratchFolder::~ScratchFolder()
{
    if (folder != juce::File())
        folder.deleteRecursively();
}

juce::File ScratchFolder::write (const juce::String& name, const juce::MemoryBlock& content) const
{
    auto target = file (name);
    target.replaceWithData (content.getData(), content.getSize());
    return target;
}
} // namespace ziptest

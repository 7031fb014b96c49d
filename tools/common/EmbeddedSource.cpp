#include "EmbeddedSource.h"

#include <cstdio>

namespace slvntools
{
juce::String byteArrayInitialiser (const void* data, std::size_t size)
{
    juce::MemoryOutputStream out;
    const auto* bytes = static_cast<const juce::uint8*> (data);
    for (std::size_t i = 0; i < size; ++i)
    {
        out << (int) bytes[i] << ',';
        if (i % 24 == 23)
            out << '\n';
    }
    return out.toString();
}

bool writeIfChanged (const juce::File& file, const juce::MemoryBlock& bytes)
{
    juce::MemoryBlock existing;
    if (file.existsAsFile() && file.loadFileAsData (existing) && existing == bytes)
        return true;
    if (file.replaceWithData (bytes.getData(), bytes.getSize()))
        return true;
    std::fprintf (stderr, "writing %s failed\n", file.getFullPathName().toRawUTF8());
    return false;
}

bool writeSourceIfChanged (const juce::File& file, const juce::String& source)
{
    const auto utf8 = source.toUTF8();
    return writeIfChanged (file, juce::MemoryBlock (utf8.getAddress(), utf8.sizeInBytes() - 1));
}

} // namespace slvntools

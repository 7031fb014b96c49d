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

bool writeSourceIfChanged (const juce::File& file, const juce::String& source)
{
    if (file.existsAsFile() && file.loadFileAsString() == source)
        return true;
    if (file.replaceWithText (source))
        return true;
    std::fprintf (stderr, "writing %s failed\n", file.getFullPathName().toRawUTF8());
    return false;
}
} // namespace slvntools

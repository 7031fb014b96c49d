#include "formats/Utf8Text.h"

#include <limits>

namespace formats
{
namespace
{
bool isValidUtf8 (const void* data, size_t numBytes)
{
    return numBytes <= (size_t) std::numeric_limits<int>::max()
           && juce::CharPointer_UTF8::isValidString (static_cast<const char*> (data), (int) numBytes);
}
} // namespace

juce::String textFromUtf8Bytes (const void* data, size_t numBytes)
{
    if (data == nullptr || numBytes == 0 || ! isValidUtf8 (data, numBytes))
        return {};
    return juce::String::fromUTF8 (static_cast<const char*> (data), (int) numBytes);
}

juce::String nameFromBytes (const void* data, size_t numBytes)
{
    if (data == nullptr || numBytes == 0)
        return {};
    if (isValidUtf8 (data, numBytes))
        return juce::String::fromUTF8 (static_cast<const char*> (data), (int) numBytes);

    juce::String name;
    name.preallocateBytes (numBytes * 2);
    auto bytes = static_cast<const juce::uint8*> (data);
    for (size_t i = 0; i < numBytes; ++i)
        name += juce::String::charToString ((juce::juce_wchar) bytes[i]);
    return name;
}
} // namespace formats

#include "formats/Utf8Text.h"

#include <limits>

namespace formats
{
namespace
{
bool isValidUtf8 (const void* data, size_t numBytes)
{
    return numBytes <= (size_t) std::numeric_limits<int>::max() && isWellFormedUtf8 (data, numBytes);
}

// A multi-byte sequence by its lead byte: how the lead byte is marked, its
// share of the code point, the continuation bytes that follow and the
// smallest code point that needs this many bytes.
struct SequenceKind
{
    juce::uint8 mask;
    juce::uint8 marker;
    juce::uint8 payload;
    size_t continuations;
    juce::uint32 smallest;
};

constexpr SequenceKind sequenceKinds[] = {
    { 0xe0, 0xc0, 0x1f, 1, 0x80 },
    { 0xf0, 0xe0, 0x0f, 2, 0x800 },
    { 0xf8, 0xf0, 0x07, 3, 0x10000 },
};

const SequenceKind* kindOf (juce::uint8 lead)
{
    for (const auto& kind : sequenceKinds)
        if ((lead & kind.mask) == kind.marker)
            return &kind;
    return nullptr;
}
} // namespace

bool isWellFormedUtf8 (const void* data, size_t numBytes)
{
    const auto* bytes = static_cast<const juce::uint8*> (data);
    size_t i = 0;
    while (i < numBytes)
    {
        if (bytes[i] < 0x80)
        {
            ++i;
            continue;
        }
        const auto* kind = kindOf (bytes[i]);
        if (kind == nullptr || numBytes - i - 1 < kind->continuations)
            return false;
        juce::uint32 codePoint = bytes[i] & kind->payload;
        for (size_t k = 1; k <= kind->continuations; ++k)
        {
            if ((bytes[i + k] & 0xc0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (bytes[i + k] & 0x3fu);
        }
        if (codePoint < kind->smallest || codePoint > 0x10ffff || (codePoint >= 0xd800 && codePoint <= 0xdfff))
            return false;
        i += kind->continuations + 1;
    }
    return true;
}

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

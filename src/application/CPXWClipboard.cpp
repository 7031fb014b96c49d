#include "application/CPXWClipboard.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <cstring>

namespace
{
// Between the type name and the base64 text.
const char* const separator = ";base64,";

juce::String markerOf (const juce::String& type)
{
    return type + separator;
}

bool isBase64Character (char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/' || c == '=';
}

juce::String readText()
{
    return juce::SystemClipboard::getTextFromClipboard();
}

void writeText (const juce::String& text)
{
    juce::SystemClipboard::copyTextToClipboard (text);
}
} // namespace

bool CPXWClipboard::hasData (const juce::String& type) const
{
    juce::MemoryBlock bytes;
    return getData (type, bytes);
}

bool CPXWClipboard::setData (const juce::String& type, const juce::MemoryBlock& bytes) const
{
    const auto text = encode (type, bytes);
    if (text.getNumBytesAsUTF8() > (size_t) maxTextLength)
    {
        writeText ({});
        return false;
    }

    writeText (text);
    // Another program may own the clipboard now, or none may take the text:
    // only what can be read back has been stored.
    return readText() == text;
}

bool CPXWClipboard::getData (const juce::String& type, juce::MemoryBlock& bytes) const
{
    return decode (type, readText(), bytes);
}

juce::String CPXWClipboard::encode (const juce::String& type, const juce::MemoryBlock& bytes)
{
    return markerOf (type) + juce::Base64::toBase64 (bytes.getData(), bytes.getSize());
}

bool CPXWClipboard::decode (const juce::String& type, const juce::String& text, juce::MemoryBlock& bytes)
{
    bytes.reset();
    // Any program may have put the text there, in bytes that are no UTF-8:
    // they are compared as bytes, and only an all-base64 rest becomes text.
    const char* raw = text.toRawUTF8();
    const auto length = std::strlen (raw);
    const auto marker = markerOf (type);
    const auto markerLength = marker.getNumBytesAsUTF8();
    if (length > (size_t) maxTextLength || length < markerLength || std::memcmp (raw, marker.toRawUTF8(), markerLength) != 0)
        return false;

    const auto* rest = raw + markerLength;
    if (! std::all_of (rest, raw + length, isBase64Character))
        return false;

    const juce::String encoded (rest, length - markerLength);
    juce::MemoryOutputStream decoded;
    if (! juce::Base64::convertFromBase64 (decoded, encoded))
        return false;

    // The framework's decoder also takes padding in the middle and a short
    // last group; only text that is exactly what encode writes is an item.
    if (juce::Base64::toBase64 (decoded.getData(), decoded.getDataSize()) != encoded)
        return false;

    bytes = decoded.getMemoryBlock();
    return true;
}

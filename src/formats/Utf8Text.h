#pragma once

#include <juce_core/juce_core.h>

namespace formats
{
// Every one of the bytes is UTF-8 as the standard defines it (a zero byte is
// U+0000): no overlong form, no surrogate, nothing past U+10FFFF, no
// sequence cut short. The framework's own check lets such forms through,
// and a text built from them holds bytes that its later copies misjudge.
bool isWellFormedUtf8 (const void* data, size_t numBytes);

// Bytes read from a file as text. Valid UTF-8 is decoded as such (a zero byte
// ends the text); anything else gives the empty text, so that a damaged
// document fails to parse instead of being guessed at.
juce::String textFromUtf8Bytes (const void* data, size_t numBytes);

// An entry name from an archive: UTF-8 when valid, otherwise each byte taken
// as one character, so that no name is ever lost or merged with another.
juce::String nameFromBytes (const void* data, size_t numBytes);
} // namespace formats

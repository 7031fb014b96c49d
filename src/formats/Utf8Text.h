#pragma once

#include <juce_core/juce_core.h>

namespace formats
{
// Bytes read from a file as text. Valid UTF-8 (a zero byte ends the text) is
// decoded as such; anything else gives the empty text, so that a damaged
// document fails to parse instead of being guessed at.
juce::String textFromUtf8Bytes (const void* data, size_t numBytes);

// An entry name from an archive: UTF-8 when valid, otherwise each byte taken
// as one character, so that no name is ever lost or merged with another.
juce::String nameFromBytes (const void* data, size_t numBytes);
} // namespace formats

#pragma once

#include <juce_core/juce_core.h>

#include <cstddef>

namespace formats
{
// A text stored in a fixed-size field of 8-bit characters: it ends at the
// first zero byte or at the end of the field, and every byte is one
// character (bytes of 0x80 and above keep their code point). Nothing past
// the field is read.
juce::String textFromByteField (const void* field, std::size_t fieldSize);
} // namespace formats

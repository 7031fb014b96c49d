#pragma once

#include <juce_core/juce_core.h>

namespace data
{
// Reads an integer the way the framework's getIntValue does (leading white
// space, an optional minus, then digits; 0 when there are none), but a
// number beyond the int range saturates instead of overflowing.
int readDecimalInt (const juce::String& text);
} // namespace data

#pragma once

#include <juce_core/juce_core.h>

namespace x48305_application
{
// Splits a command line into tokens, character by character. Outside quotes
// a double quote opens a quoted token and is dropped, a space ends the
// current token (which is kept even when empty) and any other character is
// appended. Inside quotes a double quote ends the token (kept) and leaves
// quoted mode; every other character, spaces included, is appended. A
// non-empty token left at the end is kept.
juce::StringArray tokeniseCommandLine (const juce::String& commandLine);

} // namespace x48305_application

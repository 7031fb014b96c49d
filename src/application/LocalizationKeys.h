#pragma once

#include <juce_core/juce_core.h>

namespace application
{
// Every localisation key that the program looks up, in one list (see
// LocalizationKeys.cpp for how to add one). A test checks that each key has a
// non-empty text in every language's resource.
const juce::StringArray& getLocalizationKeys();
} // namespace application

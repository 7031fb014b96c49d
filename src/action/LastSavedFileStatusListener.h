#pragma once

#include <juce_core/juce_core.h>

namespace application
{
// Told when the current library file has changed.
class LastSavedFileStatusListener
{
public:
    virtual void lastSavedFileChanged (const juce::File& file) = 0;
    virtual ~LastSavedFileStatusListener() {}
};
} // namespace application

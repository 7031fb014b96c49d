#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Every file reader fills one object given at construction and is used once,
// on the caller's stack. read returns a ReadResultCode, 0 for success.
class FileReader
{
public:
    virtual ~FileReader() = default;
    virtual int read (const juce::File& file) = 0;
};
} // namespace file

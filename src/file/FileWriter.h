#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Every file writer saves one object given at construction. write returns a
// WriteResultCode, 0 for success.
class FileWriter
{
public:
    virtual ~FileWriter() = default;
    virtual int write (const juce::File& file) = 0;
};
} // namespace file

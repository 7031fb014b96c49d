#pragma once

#include "data/SerializedDataHeader.h"

#include <juce_core/juce_core.h>

namespace data
{
// Reads one header at the stream's position and leaves the stream at the
// header's start plus its header size. A header needs all 32 bytes and a
// header size of at least 32; anything less is a failure.
class SerializedDataHeaderReader
{
public:
    explicit SerializedDataHeaderReader (juce::InputStream& stream);
    virtual ~SerializedDataHeaderReader() {}

    bool read();
    const SerializedDataHeader& getHeader() const { return header; }

private:
    juce::InputStream& stream;
    SerializedDataHeader header;
};
} // namespace data

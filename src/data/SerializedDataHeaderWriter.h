#pragma once

#include "data/SerializedDataHeader.h"

#include <juce_core/juce_core.h>

namespace data
{
// Writes one 32-byte header at the stream's position.
class SerializedDataHeaderWriter
{
public:
    SerializedDataHeaderWriter (juce::OutputStream& stream, const SerializedDataHeader& header);
    virtual ~SerializedDataHeaderWriter() {}

    bool write();

private:
    juce::OutputStream& stream;
    SerializedDataHeader header;
};
} // namespace data

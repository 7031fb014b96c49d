#include "data/SerializedDataHeaderWriter.h"

namespace data
{
SerializedDataHeaderWriter::SerializedDataHeaderWriter (juce::OutputStream& s, const SerializedDataHeader& h)
    : stream (s), header (h)
{
}

bool SerializedDataHeaderWriter::write()
{
    char tag[SerializedDataHeader::tagLength] = {};
    for (std::size_t i = 0; i < header.tag.size() && i < (std::size_t) SerializedDataHeader::tagLength; ++i)
        tag[i] = header.tag[i];

    bool ok = stream.write (tag, sizeof (tag));
    ok = ok && stream.writeShort ((short) SerializedDataHeader::size);
    ok = ok && stream.writeInt ((int) header.payloadSize);
    ok = ok && stream.writeShort ((short) header.reservedA);
    ok = ok && stream.writeShort ((short) header.reservedB);
    ok = ok && stream.writeShort ((short) header.reservedC);
    ok = ok && stream.writeInt ((int) header.count);
    ok = ok && stream.writeInt ((int) header.reserved32);
    ok = ok && stream.writeRepeatedByte ((juce::uint8) 0xff, 4);
    return ok;
}
} // namespace data

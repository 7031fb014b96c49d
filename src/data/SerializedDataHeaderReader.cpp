#include "data/SerializedDataHeaderReader.h"

namespace data
{
SerializedDataHeaderReader::SerializedDataHeaderReader (juce::InputStream& s) : stream (s) {}

bool SerializedDataHeaderReader::read()
{
    const auto start = stream.getPosition();
    if (stream.getNumBytesRemaining() < SerializedDataHeader::size)
        return false;

    char tag[SerializedDataHeader::tagLength + 1] = {};
    if (stream.read (tag, SerializedDataHeader::tagLength) != SerializedDataHeader::tagLength)
        return false;

    SerializedDataHeader h;
    h.tag = std::string (tag); // stops at the first zero byte
    h.headerSize = (uint16_t) stream.readShort();
    h.payloadSize = (uint32_t) stream.readInt();
    h.reservedA = (uint16_t) stream.readShort();
    h.reservedB = (uint16_t) stream.readShort();
    h.reservedC = (uint16_t) stream.readShort();
    h.count = (uint32_t) stream.readInt();
    h.reserved32 = (uint32_t) stream.readInt();

    if (h.headerSize < SerializedDataHeader::size)
        return false;

    header = h;
    stream.setPosition (start + h.headerSize);
    return true;
}
} // namespace data

#include "data/SerializedSectionDataWriter.h"

#include "data/SerializedDataHeaderWriter.h"

namespace data
{
SerializedSectionDataWriter::SerializedSectionDataWriter (SerializedData& target)
    : stream (target.getBlock(), true)
{
    start = stream.getPosition();
    stream.writeRepeatedByte ((juce::uint8) 0xff, SerializedDataHeader::size);
}

bool SerializedSectionDataWriter::addSection (const std::string& tag, const void* bytes, std::size_t size,
                                              uint16_t a, uint16_t b, uint16_t c)
{
    SerializedDataHeader header;
    header.tag = tag;
    header.payloadSize = (uint32_t) size;
    header.reservedA = a;
    header.reservedB = b;
    header.reservedC = c;
    header.count = 1;

    if (! SerializedDataHeaderWriter (stream, header).write())
        return false;
    if (size > 0 && ! stream.write (bytes, size))
        return false;

    ++sectionCount;
    payloadTotal += (uint32_t) (SerializedDataHeader::size + size);
    return true;
}

bool SerializedSectionDataWriter::addSection (const std::string& tag, const juce::MemoryBlock& bytes,
                                              uint16_t a, uint16_t b, uint16_t c)
{
    return addSection (tag, bytes.getData(), bytes.getSize(), a, b, c);
}

bool SerializedSectionDataWriter::addSection (const std::string& tag, const SerializedData& nested)
{
    return addSection (tag, nested.getData(), nested.getSize());
}

bool SerializedSectionDataWriter::finish (const std::string& tag, uint16_t a, uint16_t b, uint16_t c)
{
    SerializedDataHeader header;
    header.tag = tag;
    header.payloadSize = payloadTotal;
    header.reservedA = a;
    header.reservedB = b;
    header.reservedC = c;
    header.count = sectionCount;

    const auto end = stream.getPosition();
    if (! stream.setPosition (start))
        return false;
    const bool ok = SerializedDataHeaderWriter (stream, header).write();
    stream.setPosition (end);
    stream.flush();
    return ok;
}
} // namespace data

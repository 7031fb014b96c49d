#include "data/SerializedSectionDataReader.h"

#include "data/SerializedDataHeaderReader.h"

namespace data
{
SerializedSectionDataReader::SerializedSectionDataReader (const SerializedData& source)
    : stream (source.getData(), source.getSize(), false)
{
}

bool SerializedSectionDataReader::read()
{
    tag.clear();
    sections.clear();

    const auto start = stream.getPosition();
    SerializedDataHeaderReader top (stream);
    if (! top.read())
        return false;

    const auto& topHeader = top.getHeader();
    const auto total = stream.getTotalLength();
    const auto payloadEnd = start + SerializedDataHeader::size + (juce::int64) topHeader.payloadSize;
    if (payloadEnd > total)
        return false;

    std::vector<Section> found;
    for (uint32_t i = 0; i < topHeader.count; ++i)
    {
        const auto sectionStart = stream.getPosition();
        SerializedDataHeaderReader reader (stream);
        if (! reader.read())
            return false;

        const auto& header = reader.getHeader();
        const auto dataStart = sectionStart + header.headerSize;
        if (dataStart > total || (juce::int64) header.payloadSize > total - dataStart)
            return false;

        Section section;
        section.tag = header.tag;
        section.a = header.reservedA;
        section.b = header.reservedB;
        section.c = header.reservedC;
        if (header.payloadSize > 0)
        {
            section.data.setSize (header.payloadSize);
            if (stream.read (section.data.getData(), (int) header.payloadSize) != (int) header.payloadSize)
                return false;
        }
        found.push_back (std::move (section));

        stream.setPosition (sectionStart + SerializedDataHeader::size + (juce::int64) header.payloadSize);
    }

    tag = topHeader.tag;
    a = topHeader.reservedA;
    b = topHeader.reservedB;
    c = topHeader.reservedC;
    sections = std::move (found);
    stream.setPosition (payloadEnd);
    return true;
}
} // namespace data

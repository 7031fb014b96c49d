#include "file/VoicingEditorFileHeaderReaderWriter.h"

namespace x48305_file
{
namespace
{
std::uint16_t readU16 (const std::uint8_t* p)
{
    return (std::uint16_t) (p[0] | (p[1] << 8));
}

std::uint32_t readU32 (const std::uint8_t* p)
{
    return (std::uint32_t) p[0] | ((std::uint32_t) p[1] << 8) | ((std::uint32_t) p[2] << 16)
           | ((std::uint32_t) p[3] << 24);
}

int readFully (juce::InputStream& stream, std::uint8_t* buffer, int size)
{
    int total = 0;
    while (total < size)
    {
        const int numRead = stream.read (buffer + total, size - total);
        if (numRead <= 0)
            break;
        total += numRead;
    }
    return total;
}
} // namespace

bool VoicingEditorFileHeaderReaderWriter::read (juce::InputStream& stream)
{
    *this = VoicingEditorFileHeaderReaderWriter();

    const auto start = stream.getPosition();
    std::uint8_t bytes[bytesUsed] {};
    bytesRead = readFully (stream, bytes, bytesUsed);
    if (bytesRead <= 0)
        return false;

    const int tagBytes = juce::jmin (bytesRead, tagFieldSize);
    int tagLength = 0;
    while (tagLength < tagBytes && bytes[tagLength] != 0)
        ++tagLength;
    tag.assign (reinterpret_cast<const char*> (bytes), (std::size_t) tagLength);

    if (bytesRead >= headerSizeEnd)
        headerSize = readU16 (bytes + 8);
    if (bytesRead >= payloadSizeEnd)
        payloadSize = readU32 (bytes + 10);
    for (int i = 0; i < 3; ++i)
        if (bytesRead >= 16 + 2 * i)
            values[i] = readU16 (bytes + 14 + 2 * i);
    if (bytesRead >= countEnd)
        count = readU32 (bytes + 20);
    if (bytesRead >= bytesUsed)
        extra = readU32 (bytes + 24);

    if (bytesRead >= headerSizeEnd)
        stream.setPosition (start + headerSize);
    return true;
}
} // namespace x48305_file

#include "file/VoicingEditorLibraryDataImporter.h"

#include "file/FileResultCodes.h"
#include "file/OpenedFileStream.h"
#include "file/VoicingEditorFileHeaderReaderWriter.h"
#include "formats/ByteText.h"
#include "library/InitialProgram.h"

#include <array>
#include <cstdint>

namespace x48305_file
{
namespace
{
using Header = VoicingEditorFileHeaderReaderWriter;

static_assert (VoicingEditorLibraryDataImporter::programTextOffset == (int) x48305_data::programRecordSize + 32,
               "the texts follow the record and a 32-byte gap");

juce::int64 payloadStart (juce::int64 chunkStart)
{
    return chunkStart + Header::chunkHeaderSize;
}

juce::int64 nextChunk (juce::int64 chunkStart, const Header& header)
{
    return payloadStart (chunkStart) + header.getPayloadSize();
}
} // namespace

VoicingEditorLibraryDataImporter::VoicingEditorLibraryDataImporter (x48305_data::LibraryData* targetLibrary)
    : target (targetLibrary)
{
}

int VoicingEditorLibraryDataImporter::readContent (juce::InputStream& stream)
{
    if (stream.getTotalLength() > file::largestReadableFileSize)
        return file::ReadErrorInvalidType3;
    if (const int result = checkFileHeader (stream); result != file::ReadErrorNoError)
        return result;

    for (int chunk = 0; chunk < chunksExamined; ++chunk)
    {
        const auto chunkStart = stream.getPosition();
        Header header;
        // The payload size is needed to find the next chunk.
        if (! header.read (stream) || ! header.hasPayloadSize())
            return file::ReadErrorInvalidType1;
        stream.setPosition (chunkStart);

        if (header.getTag() == voicingeditortags::programSet)
            if (const int result = readProgramSet (stream); result != file::ReadErrorNoError)
                return result;

        stream.setPosition (nextChunk (chunkStart, header));
    }
    return file::ReadErrorNoError;
}

int VoicingEditorLibraryDataImporter::checkFileHeader (juce::InputStream& stream)
{
    Header header;
    if (! header.read (stream))
        return file::ReadErrorInvalidType2;
    if (header.getTag() != voicingeditortags::allData)
        return file::ReadErrorInvalidType3;

    // The first chunk follows at a fixed offset, whatever the sizes say.
    stream.setPosition (Header::chunkHeaderSize);
    return file::ReadErrorNoError;
}

int VoicingEditorLibraryDataImporter::readProgramSet (juce::InputStream& stream)
{
    const auto chunkStart = stream.getPosition();
    Header header;
    if (! header.read (stream) || ! header.hasCount())
        return file::ReadErrorInvalidType4;
    if (header.getCount() != programsInSet)
        return file::ReadErrorInvalidProgramNumber;

    stream.setPosition (payloadStart (chunkStart));
    for (int number = 0; number < (int) programsInSet; ++number)
        if (const int result = readProgram (stream, number); result != file::ReadErrorNoError)
            return result;

    stream.setPosition (nextChunk (chunkStart, header));
    return file::ReadErrorNoError;
}

int VoicingEditorLibraryDataImporter::readProgram (juce::InputStream& stream, int number)
{
    const auto chunkStart = stream.getPosition();
    Header header;
    if (! header.read (stream) || ! header.hasPayloadSize())
        return file::ReadErrorInvalidType5;
    if (header.getTag() != voicingeditortags::program)
        return file::ReadErrorInvalidType6;

    // Record, gap and texts must lie inside both the chunk and the file
    // before any of them reaches the library.
    if (header.getPayloadSize() < (std::uint32_t) programBytesRead || ! stream.setPosition (payloadStart (chunkStart)))
        return file::ReadErrorReadData;

    std::array<std::uint8_t, programBytesRead> bytes {};
    if (stream.read (bytes.data(), programBytesRead) != programBytesRead)
        return file::ReadErrorReadData;

    auto& program = target->getProgram (number);
    program.setRawData (bytes.data());
    auto& information = program.getInformation();
    information.setProgrammer (formats::textFromByteField (bytes.data() + programTextOffset, programmerFieldSize));
    information.setComment (
        formats::textFromByteField (bytes.data() + programTextOffset + programmerFieldSize, commentFieldSize));

    stream.setPosition (nextChunk (chunkStart, header));
    return file::ReadErrorNoError;
}
} // namespace x48305_file

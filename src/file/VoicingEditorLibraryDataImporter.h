#pragma once

#include "file/FileReader.h"
#include "library/LibraryData.h"

#include <juce_core/juce_core.h>

namespace x48305_file
{
// Imports the 500 programs (record, programmer and comment) of a voicing
// editor's all-data file (".slvne_all") into a library. The file is a chain
// of chunks, each a 32-byte header and its payload; among the three chunks
// after the all-data header the program-set chunk is read and the others are
// skipped. Programs are written as they are read: those before a failure keep
// their new content, and the live set is never touched. A file larger than
// any the program reads is no all-data file (ReadErrorInvalidType3).
class VoicingEditorLibraryDataImporter : public file::FileReader
{
public:
    // read gives a ReadResultCode: 0, 1, 3-8, 11 or 12.
    explicit VoicingEditorLibraryDataImporter (x48305_data::LibraryData* target);

    // A program chunk's payload: the record, 32 unused bytes, the programmer
    // text, the comment text, then 24 bytes that are not read.
    static constexpr int programTextOffset = 336 + 32;
    static constexpr int programmerFieldSize = 24;
    static constexpr int commentFieldSize = 64;
    static constexpr int programBytesRead = programTextOffset + programmerFieldSize + commentFieldSize;
    static constexpr int chunksExamined = 3;
    static constexpr juce::uint32 programsInSet = 500;

private:
    int readContent (juce::InputStream& stream) override;
    int checkFileHeader (juce::InputStream& stream);
    int readProgramSet (juce::InputStream& stream);
    int readProgram (juce::InputStream& stream, int number);

    x48305_data::LibraryData* target;
};
} // namespace x48305_file

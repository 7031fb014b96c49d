#include "support/ChunkFileFixtures.h"

#include "file/FileResultCodes.h"
#include "file/VoicingEditorFileHeaderReaderWriter.h"
#include "file/VoicingEditorLibraryDataImporter.h"
#include "library/LibraryData.h"

#include <gtest/gtest.h>
#include <juce_cryptography/juce_cryptography.h>

#include <cstring>
#include <string>

using namespace chunktest;

namespace
{
int import (const juce::MemoryBlock& content, x48305_data::LibraryData& library)
{
    const ChunkFile file (content);
    x48305_file::VoicingEditorLibraryDataImporter importer (&library);
    return importer.read (file.getFile());
}

std::string recordOf (const x48305_data::ProgramData& program)
{
    return std::string (reinterpret_cast<const char*> (program.getRawData()), 336);
}

std::string bytesOf (const juce::MemoryBlock& block)
{
    return std::string (static_cast<const char*> (block.getData()), block.getSize());
}

bool isImported (const x48305_data::LibraryData& library, int number)
{
    return recordOf (library.getProgram (number)) == bytesOf (programRecord (number));
}

bool isUntouched (const x48305_data::LibraryData& library, int number)
{
    const x48305_data::LibraryData fresh;
    return recordOf (library.getProgram (number)) == recordOf (fresh.getProgram (number))
           && library.getProgram (number).getInformation().getProgrammer().isEmpty();
}

int countImported (const x48305_data::LibraryData& library)
{
    int count = 0;
    for (int number = 0; number < 500; ++number)
        count += isImported (library, number) ? 1 : 0;
    return count;
}

juce::MemoryBlock fileWithProgramSetAt (int position)
{
    std::vector<juce::MemoryBlock> chunks;
    for (int i = 1; i < position; ++i)
        chunks.push_back (fillerChunk (i == 1 ? globalDataTag() : "8305Misc", 40u * (std::uint32_t) i));
    chunks.push_back (programSetChunk (standardPrograms()));
    while (chunks.size() < 4)
        chunks.push_back (fillerChunk (globalDataTag(), 12));
    return allDataFile (chunks);
}

// The program chunks with one of them replaced.
juce::MemoryBlock fileWithProgram (int number, const ProgramChunk& replacement)
{
    auto programs = standardPrograms();
    programs[(std::size_t) number] = programChunkBytes (replacement);
    return allDataFile ({ programSetChunk (programs), fillerChunk (globalDataTag(), 8), fillerChunk (globalDataTag(), 8) });
}
} // namespace

TEST (VoicingEditorImport, TagsAreTheLastEightCharactersOfTheEditorNames)
{
    EXPECT_EQ (x48305_file::voicingeditortags::allData, allDataTag());
    EXPECT_EQ (x48305_file::voicingeditortags::programSet, programSetTag());
    EXPECT_EQ (x48305_file::voicingeditortags::program, programTag());
    EXPECT_EQ (x48305_file::voicingeditortags::globalData, globalDataTag());
    EXPECT_NE (programSetTag(), programTag());
}

TEST (VoicingEditorImport, ImportsAllProgramsWithTheirTexts)
{
    x48305_data::LibraryData library;
    library.getFavoriteData().setProgramNumber (1, 2, 77);
    const auto liveSetBefore = library.getFavoriteData();

    ASSERT_EQ (import (fileWithProgramSetAt (1), library), file::ReadErrorNoError);
    for (int number = 0; number < 500; ++number)
    {
        const auto& program = library.getProgram (number);
        ASSERT_TRUE (isImported (library, number)) << number;
        EXPECT_EQ (program.getInformation().getProgrammer(), "Author " + juce::String (number));
        EXPECT_EQ (program.getInformation().getComment(), "Comment for program " + juce::String (number));
        EXPECT_EQ (program.getDigest(), juce::MD5 (programRecord (number)).toHexString());
    }
    EXPECT_EQ (library.getProgram (42).getName(), "Voice 042   ");
    EXPECT_TRUE (library.getFavoriteData() == liveSetBefore);
}

TEST (VoicingEditorImport, OnlyTheFirstThreeChunksAreExamined)
{
    for (const int position : { 2, 3 })
    {
        x48305_data::LibraryData library;
        EXPECT_EQ (import (fileWithProgramSetAt (position), library), file::ReadErrorNoError);
        EXPECT_EQ (countImported (library), 500) << "program set at chunk " << position;
    }

    x48305_data::LibraryData library;
    EXPECT_EQ (import (fileWithProgramSetAt (4), library), file::ReadErrorNoError);
    EXPECT_EQ (countImported (library), 0);
    EXPECT_TRUE (isUntouched (library, 0));
}

TEST (VoicingEditorImport, FilesThatCannotBeReadGiveTheirCodes)
{
    x48305_data::LibraryData library;
    x48305_file::VoicingEditorLibraryDataImporter importer (&library);
    EXPECT_EQ (importer.read (juce::File::getSpecialLocation (juce::File::tempDirectory).getChildFile ("absent.slvne_all")),
               file::ReadErrorOpenFile);

    EXPECT_EQ (import ({}, library), file::ReadErrorInvalidType2);

    // The first eight characters of the editor's name are not the tag.
    auto wrongTag = fileWithProgramSetAt (1);
    std::memcpy (wrongTag.getData(), "48305All", 8);
    EXPECT_EQ (import (wrongTag, library), file::ReadErrorInvalidType3);
    EXPECT_EQ (import (chunkHeader ("8305PrgS", 0), library), file::ReadErrorInvalidType3);
    EXPECT_EQ (countImported (library), 0);
}

TEST (VoicingEditorImport, FileEndingBeforeTheThirdChunkGivesCode3)
{
    x48305_data::LibraryData library;
    EXPECT_EQ (import (allDataFile ({ fillerChunk (globalDataTag(), 10), fillerChunk (globalDataTag(), 10) }), library),
               file::ReadErrorInvalidType1);
    EXPECT_EQ (import (chunkHeader (allDataTag(), 0), library), file::ReadErrorInvalidType1);

    // The programs are in, but the walk still wants its third chunk.
    EXPECT_EQ (import (allDataFile ({ programSetChunk (standardPrograms()), fillerChunk (globalDataTag(), 4) }), library),
               file::ReadErrorInvalidType1);
    EXPECT_EQ (countImported (library), 500);

    // A third header too short to say where its chunk ends.
    x48305_data::LibraryData other;
    auto cut = allDataFile ({ fillerChunk (globalDataTag(), 4), fillerChunk (globalDataTag(), 4),
                              chunkHeader (globalDataTag(), 0) });
    cut.setSize (cut.getSize() - 32 + 12);
    EXPECT_EQ (import (cut, other), file::ReadErrorInvalidType1);
}

TEST (VoicingEditorImport, ProgramSetHeaderCutBeforeItsCountGivesCode6)
{
    x48305_data::LibraryData library;
    auto file = allDataFile ({ fillerChunk (globalDataTag(), 4), fillerChunk (globalDataTag(), 4),
                               chunkHeader (programSetTag(), 0, 500) });
    file.setSize (file.getSize() - 32 + 20);
    EXPECT_EQ (import (file, library), file::ReadErrorInvalidType4);
    EXPECT_EQ (countImported (library), 0);
}

TEST (VoicingEditorImport, ProgramCountMustBe500)
{
    x48305_data::LibraryData library;
    EXPECT_EQ (import (allDataFile ({ programSetChunk (standardPrograms(), 499) }), library),
               file::ReadErrorInvalidProgramNumber);
    EXPECT_EQ (import (allDataFile ({ programSetChunk (standardPrograms(), 501) }), library),
               file::ReadErrorInvalidProgramNumber);
    EXPECT_EQ (countImported (library), 0);
    EXPECT_TRUE (isUntouched (library, 0));
}

TEST (VoicingEditorImport, ProgramChunkFailuresKeepTheProgramsBefore)
{
    // The file ends after ten program chunks.
    x48305_data::LibraryData library;
    EXPECT_EQ (import (allDataFile ({ programSetChunk (standardPrograms (10)) }), library),
               file::ReadErrorInvalidType5);
    EXPECT_EQ (countImported (library), 10);
    EXPECT_TRUE (isImported (library, 9));
    EXPECT_TRUE (isUntouched (library, 10));

    auto wrong = standardProgram (10);
    wrong.tag = programSetTag();
    x48305_data::LibraryData other;
    EXPECT_EQ (import (fileWithProgram (10, wrong), other), file::ReadErrorInvalidType6);
    EXPECT_EQ (countImported (other), 10);
    EXPECT_TRUE (isUntouched (other, 10));
}

TEST (VoicingEditorImport, ProgramDataPastItsChunkOrTheFileGivesCode11)
{
    // The payload is too short for record, gap and texts; the bytes that
    // follow belong to the next program chunk and must not be used.
    auto shortChunk = standardProgram (3);
    shortChunk.payloadSize = 455;
    x48305_data::LibraryData library;
    EXPECT_EQ (import (fileWithProgram (3, shortChunk), library), file::ReadErrorReadData);
    EXPECT_EQ (countImported (library), 3);
    EXPECT_TRUE (isUntouched (library, 3));

    // Exactly enough: the 24 trailing bytes are not needed.
    auto tight = standardProgram (3);
    tight.payloadSize = 456;
    x48305_data::LibraryData tightLibrary;
    EXPECT_EQ (import (fileWithProgram (3, tight), tightLibrary), file::ReadErrorNoError);
    EXPECT_EQ (countImported (tightLibrary), 500);

    // The file ends inside program 5's comment.
    auto programs = standardPrograms (6);
    programs[5].setSize (32 + 336 + 32 + 24 + 10);
    x48305_data::LibraryData cutLibrary;
    EXPECT_EQ (import (allDataFile ({ programSetChunk (programs) }), cutLibrary), file::ReadErrorReadData);
    EXPECT_EQ (countImported (cutLibrary), 5);
    EXPECT_TRUE (isUntouched (cutLibrary, 5));
}

TEST (VoicingEditorImport, FullLengthTextsHaveNoTerminator)
{
    auto chunk = standardProgram (7);
    chunk.programmer = std::string ("ABCDEFGHIJKLMNOPQRSTUVW") + "\xE9";
    chunk.comment = std::string (64, 'c');
    chunk.comment[0] = 'C';
    ASSERT_EQ (chunk.programmer.size(), 24u);

    auto early = standardProgram (8);
    early.programmer = std::string ("Short") + '\0' + "hidden";

    auto programs = standardPrograms();
    programs[7] = programChunkBytes (chunk);
    programs[8] = programChunkBytes (early);

    x48305_data::LibraryData library;
    ASSERT_EQ (import (allDataFile ({ programSetChunk (programs), fillerChunk (globalDataTag(), 1),
                                      fillerChunk (globalDataTag(), 1) }),
                       library),
               file::ReadErrorNoError);

    const auto& info = library.getProgram (7).getInformation();
    EXPECT_EQ (info.getProgrammer().length(), 24);
    EXPECT_EQ (info.getProgrammer(), juce::String ("ABCDEFGHIJKLMNOPQRSTUVW") + juce::String::charToString (0xE9));
    EXPECT_EQ (info.getComment().length(), 64);
    EXPECT_EQ (info.getComment(), "C" + juce::String::repeatedString ("c", 63));
    EXPECT_EQ (library.getProgram (8).getInformation().getProgrammer(), "Short");
}

TEST (VoicingEditorImport, ChunksArePlacedByPayloadSizeNotHeaderSize)
{
    auto programs = standardPrograms();
    // A program chunk whose header claims 64 bytes and whose payload carries
    // extra bytes after the texts.
    auto roomy = standardProgram (0);
    roomy.payloadSize = 700;
    auto bytes = programChunkBytes (roomy);
    bytes[8] = 64;
    programs[0] = bytes;

    x48305_data::LibraryData library;
    EXPECT_EQ (import (allDataFile ({ fillerChunk (globalDataTag(), 0), programSetChunk (programs),
                                      fillerChunk (globalDataTag(), 3) }),
                       library),
               file::ReadErrorNoError);
    EXPECT_EQ (countImported (library), 500);
}

TEST (VoicingEditorImport, HeaderReaderKeepsOnlyTheFieldsThatAreThere)
{
    auto header = chunkHeader ("Tag", 0x01020304, 0x0A0B0C0D, 32);
    juce::MemoryInputStream full (header, false);
    x48305_file::VoicingEditorFileHeaderReaderWriter reader;
    ASSERT_TRUE (reader.read (full));
    EXPECT_EQ (reader.getTag(), "Tag");
    EXPECT_EQ (reader.getPayloadSize(), 0x01020304u);
    EXPECT_EQ (reader.getCount(), 0x0A0B0C0Du);
    EXPECT_EQ (reader.getHeaderSize(), 32);
    EXPECT_EQ (full.getPosition(), 32);

    juce::MemoryInputStream cut (header.getData(), 20, false);
    ASSERT_TRUE (reader.read (cut));
    EXPECT_TRUE (reader.hasPayloadSize());
    EXPECT_FALSE (reader.hasCount());
    EXPECT_EQ (reader.getCount(), 0u);

    juce::MemoryInputStream empty (header.getData(), 0, false);
    EXPECT_FALSE (reader.read (empty));
}

#include "LibraryFileTestSupport.h"

#include "file/FileResultCodes.h"
#include "formats/LibraryFile.h"
#include "formats/MemoryBasedZipUncompressor.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "library/InitialProgram.h"
#include "support/AssertionWatch.h"
#include "support/RepeatedEntryFixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>

using namespace ziptest;

namespace
{
// Builds library-like containers entry by entry, so that each test can leave
// out, damage or reorder exactly what it is about.
class LibraryFileReadCodes : public testing::Test
{
protected:
    LibraryFileReadCodes()
    {
        fillLibrary (source, 40);
        fillLibrary (target, 600);
        targetBefore = target;
    }

    void addLiveSet() { entries.push_back ({ "LivesetData.lvs_data", liveSetDocument (source) }); }

    void addProgram (int number, const x48305_data::ProgramData& program)
    {
        const auto base = juce::String::formatted ("Prog_%03d", number);
        entries.push_back ({ base + ".prog_bin", programRecordBytes (program) });
        entries.push_back ({ base + ".prog_info", programInformationDocument (program) });
    }

    void addPrograms (int count)
    {
        for (int i = 0; i < count; ++i)
            addProgram (i, source.getProgram (i % 500));
    }

    static juce::String programElements (int count)
    {
        juce::String body;
        for (int i = 0; i < count; ++i)
            body << programElement (i);
        return body;
    }

    juce::File writeFile (const juce::MemoryBlock& index)
    {
        auto all = entries;
        all.push_back ({ "FileInformation.xml", index });
        return folder.write ("test.slvnlib", buildArchive (all, 5));
    }

    int readLibrary (const juce::MemoryBlock& index)
    {
        return x48305_file::LibraryFileReader (&target).read (writeFile (index));
    }

    void expectTargetUntouched() const
    {
        for (int i = 0; i < 500; ++i)
            expectSamePrograms (targetBefore.getProgram (i), target.getProgram (i));
        EXPECT_EQ (target.getFavoriteData(), targetBefore.getFavoriteData());
    }

    ScratchFolder folder;
    Entries entries;
    x48305_data::LibraryData source, target, targetBefore;
};

const juce::String liveSetElement = "<LivesetData><File>LivesetData.lvs_data</File></LivesetData>";
const juce::String presetElement = "<PresetInformation><File>PresetInformation.xml</File></PresetInformation>";

// The document with every occurrence of one name replaced by another.
juce::MemoryBlock renamed (const juce::MemoryBlock& document, const char* from, const char* to)
{
    return bytesOf (document.toString().replace (from, to));
}
} // namespace

TEST_F (LibraryFileReadCodes, AFileThatIsNotAnArchiveGives14)
{
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.write ("text.slvnlib", bytesOf ("just some text"))),
               file::ReadErrorFailedToUncompressZipFile);
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.file ("missing.slvnlib")), file::ReadErrorOpenFile);
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.write ("empty.slvnlib", buildArchive ({}, 5))),
               file::ReadErrorFailedToUncompressZipFile);
    expectTargetUntouched();
}

TEST_F (LibraryFileReadCodes, MissingOrBrokenIndexGives15)
{
    addLiveSet();
    addPrograms (1);
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.write ("noindex.slvnlib", buildArchive (entries, 5))),
               file::ReadErrorFailedToParseXmlDocument);
    EXPECT_EQ (readLibrary (bytesOf ("<VexoMSLibrarian_Data><Product>solivane")), file::ReadErrorFailedToParseXmlDocument);
    EXPECT_EQ (readLibrary (juce::MemoryBlock ("<a>\xff\xfe</a>", 9)), file::ReadErrorFailedToParseXmlDocument);
    expectTargetUntouched();
}

TEST_F (LibraryFileReadCodes, AnIndexFarLargerThanAnyLibraryNeedsGives15)
{
    // Thousands of index elements naming the same two entries: small on disk,
    // but each would be read and checked again.
    addLiveSet();
    addPrograms (1);
    const auto element = programElement (0).toStdString();
    std::string body = liveSetElement.toStdString();
    while (body.size() <= 1024 * 1024)
        body += element;
    EXPECT_EQ (readLibrary (indexDocument (juce::String (body))), file::ReadErrorFailedToParseXmlDocument);
    expectTargetUntouched();
}

TEST_F (LibraryFileReadCodes, IndexOfTheWrongShapeGives16)
{
    EXPECT_EQ (readLibrary (bytesOf ("<Other><Product>solivane</Product><Contents/></Other>")),
               file::ReadErrorInvalidXmlDocument);
    EXPECT_EQ (readLibrary (bytesOf ("<VexoMSLibrarian_Data><Contents/></VexoMSLibrarian_Data>")),
               file::ReadErrorInvalidXmlDocument);
    EXPECT_EQ (readLibrary (bytesOf ("<VexoMSLibrarian_Data><Product>solivane</Product></VexoMSLibrarian_Data>")),
               file::ReadErrorInvalidXmlDocument);
    EXPECT_EQ (readLibrary (bytesOf ("<vexomslibrarian_data><Product>solivane</Product><Contents/></vexomslibrarian_data>")),
               file::ReadErrorInvalidXmlDocument);
    EXPECT_EQ (readLibrary (bytesOf ("<VexoMSLibrarian_Data><product>solivane</product><Contents/></VexoMSLibrarian_Data>")),
               file::ReadErrorInvalidXmlDocument);
    expectTargetUntouched();
}

TEST_F (LibraryFileReadCodes, ProductDecidesTheInstrument)
{
    addLiveSet();
    addPrograms (1);
    const auto body = liveSetElement + programElements (1);
    EXPECT_EQ (readLibrary (indexDocument (body, "Solivane")), file::ReadErrorDifferentTargetDevice);
    EXPECT_EQ (readLibrary (indexDocument (body, "other synth")), file::ReadErrorDifferentTargetDevice);
    expectTargetUntouched();
    EXPECT_EQ (readLibrary (indexDocument (body, "my solivane keyboard")), file::ReadErrorNoError);
    EXPECT_EQ (readLibrary (indexDocument (body, "solivane")), file::ReadErrorNoError);
}

TEST_F (LibraryFileReadCodes, MissingEntriesGive17To19)
{
    addPrograms (2);
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (2))), file::ReadErrorLivesetDataMissing);
    addLiveSet();
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (3))), file::ReadErrorProgramDataMissing);
    EXPECT_EQ (readLibrary (indexDocument (
                   liveSetElement + "<PresetInformation><File>PresetInformation.xml</File></PresetInformation>")),
               file::ReadErrorPresetInformationMissing);
    expectTargetUntouched();
}

TEST_F (LibraryFileReadCodes, UnreadableDocumentsGive20To23)
{
    entries.push_back ({ "LivesetData.lvs_data", bytesOf ("<solivane_Liveset><Bank>") });
    addPrograms (1);
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (1))), file::ReadErrorFailedToReadLivesetData);

    entries[0].second = bytesOf ("<SomethingElse/>");
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (1))), file::ReadErrorFailedToReadLivesetData);

    entries[0] = { "LivesetData.lvs_data", liveSetDocument (source) };
    entries.push_back ({ "PresetInformation.xml", bytesOf ("<solivane_Pres") });
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + presetElement + programElements (1))),
               file::ReadErrorFailedToReadPresetInformation);
    entries.pop_back();

    entries[2].second = bytesOf ("not xml");
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (1))),
               file::ReadErrorFailedToReadProgramInformation);
    expectTargetUntouched();
}

// A root whose name differs from the written one only in letter case is
// another root: each document gives its own code, as a foreign root would.
TEST_F (LibraryFileReadCodes, DocumentRootsInOtherCapitalsGive20To23)
{
    testsupport::AssertionWatch watch;
    addLiveSet();
    addPrograms (1);
    const auto body = liveSetElement + presetElement + programElements (1);
    const auto liveSet = entries[0].second;
    const auto information = entries[2].second;
    entries.push_back ({ "PresetInformation.xml", presetInformationDocument (x48305_data::PresetInformation()) });
    ASSERT_EQ (readLibrary (indexDocument (body)), file::ReadErrorNoError);
    target = targetBefore;

    entries[0].second = renamed (liveSet, "solivane_Liveset", "solivane_LiveSet");
    EXPECT_EQ (readLibrary (indexDocument (body)), file::ReadErrorFailedToReadLivesetData);
    entries[0].second = liveSet;

    entries[3].second = renamed (entries[3].second, "solivane_Preset", "SOLIVANE_PRESET");
    EXPECT_EQ (readLibrary (indexDocument (body)), file::ReadErrorFailedToReadPresetInformation);
    entries.pop_back();

    const auto withoutPreset = indexDocument (liveSetElement + programElements (1));
    entries[2].second = renamed (information, "solivane_ProgramInformation", "Solivane_ProgramInformation");
    EXPECT_EQ (readLibrary (withoutPreset), file::ReadErrorFailedToReadProgramInformation);
    expectTargetUntouched();

    // A child in other capitals is absent: the program gets no programmer.
    entries[2].second = renamed (information, "Programmer", "programmer");
    ASSERT_EQ (readLibrary (withoutPreset), file::ReadErrorNoError);
    EXPECT_NE (source.getProgram (0).getInformation().getProgrammer(), "");
    EXPECT_EQ (target.getProgram (0).getInformation().getProgrammer(), "");
    EXPECT_EQ (target.getProgram (0).getInformation().getComment(), source.getProgram (0).getInformation().getComment());
    EXPECT_EQ (watch.getCount(), 0);
}

TEST_F (LibraryFileReadCodes, ProgramRecordLengthIsChecked)
{
    addLiveSet();
    addPrograms (1);
    entries[1].second.setSize (335);
    EXPECT_EQ (readLibrary (indexDocument (liveSetElement + programElements (1))), file::ReadErrorFailedToReadProgramBinary);
    expectTargetUntouched();

    // A longer entry loads its first 336 bytes.
    entries[1].second = programRecordBytes (source.getProgram (0));
    entries[1].second.append ("trailing bytes that are ignored", 31);
    ASSERT_EQ (readLibrary (indexDocument (liveSetElement + programElements (1))), file::ReadErrorNoError);
    expectSamePrograms (source.getProgram (0), target.getProgram (0));
}

TEST_F (LibraryFileReadCodes, AShortIndexLoadsItsProgramsAndResetsTheRest)
{
    addPrograms (3);
    ASSERT_EQ (readLibrary (indexDocument (programElements (3))), file::ReadErrorNoError);
    for (int i = 0; i < 3; ++i)
        expectSamePrograms (source.getProgram (i), target.getProgram (i));
    for (int i = 3; i < 500; ++i)
    {
        EXPECT_EQ (0, std::memcmp (target.getProgram (i).getRawData(), x48305_data::getInitialProgramImage(),
                                   x48305_data::programRecordSize)) << i;
        // The texts of the programs that the file does not hold stay.
        EXPECT_EQ (target.getProgram (i).getInformation(), targetBefore.getProgram (i).getInformation()) << i;
    }
    // Without a live set in the file the live set is empty.
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ (target.getFavoriteData().getProgramNumber (bank, slot), 500u);
}

TEST_F (LibraryFileReadCodes, ALongIndexLoadsTheFirst500)
{
    addLiveSet();
    for (int i = 0; i < 600; ++i)
        addProgram (i, makeProgram (1000 + i));
    ASSERT_EQ (readLibrary (indexDocument (liveSetElement + programElements (600))), file::ReadErrorNoError);
    for (int i = 0; i < 500; ++i)
        expectSamePrograms (makeProgram (1000 + i), target.getProgram (i));
    EXPECT_EQ (target.getFavoriteData(), source.getFavoriteData());
}

// A file holds one live set, one preset information and 500 programs; the
// readers ignore any further ones that an index names, unread.
TEST_F (LibraryFileReadCodes, NamesBeyondWhatAFileHoldsAreIgnoredUnread)
{
    addLiveSet();
    addPrograms (500);
    entries.push_back ({ "PresetInformation.xml", presetInformationDocument (x48305_data::PresetInformation()) });
    const juce::String missingLiveSet = "<LivesetData><File>Missing.lvs_data</File></LivesetData>";
    const juce::String missingPresetInformation = "<PresetInformation><File>Missing.xml</File></PresetInformation>";
    const juce::String missingProgram = "<ProgramData><Information>Missing.prog_info</Information>"
                                        "<ProgramBinary>Missing.prog_bin</ProgramBinary></ProgramData>";
    const auto file = writeFile (indexDocument (liveSetElement + missingLiveSet + presetElement + missingPresetInformation
                                                + programElements (500) + missingProgram));
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (file), file::ReadErrorNoError);
    x48305_data::PresetData preset;
    EXPECT_EQ (x48305_file::PresetFileReader (&preset).read (file), file::ReadErrorNoError);
    EXPECT_EQ (readLibrary (indexDocument (missingLiveSet + liveSetElement)), file::ReadErrorLivesetDataMissing);
}

TEST_F (LibraryFileReadCodes, TheIndexOrderDecidesAndIncompleteElementsAreSkipped)
{
    addPrograms (10);
    const juce::String incomplete = "<ProgramData><Information>Prog_003.prog_info</Information></ProgramData>";
    const juce::String ignored = "<Unknown><File>nothing</File></Unknown><LivesetData/>"
                                 "<programdata><Information>Prog_004.prog_info</Information>"
                                 "<ProgramBinary>Prog_004.prog_bin</ProgramBinary></programdata>";
    ASSERT_EQ (readLibrary (indexDocument (programElement (7) + incomplete + ignored + programElement (2) + programElement (0))),
               file::ReadErrorNoError);
    expectSamePrograms (source.getProgram (7), target.getProgram (0));
    expectSamePrograms (source.getProgram (2), target.getProgram (1));
    expectSamePrograms (source.getProgram (0), target.getProgram (2));
    EXPECT_EQ (0, std::memcmp (target.getProgram (3).getRawData(), x48305_data::getInitialProgramImage(),
                               x48305_data::programRecordSize));
}

TEST_F (LibraryFileReadCodes, PresetFileWithoutInformationGives19AndLeavesThePresetReset)
{
    addPrograms (2);
    const auto file = writeFile (indexDocument (programElements (2)));
    x48305_data::PresetData preset;
    fillPreset (preset, 9);
    EXPECT_EQ (x48305_file::PresetFileReader (&preset).read (file), file::ReadErrorPresetInformationMissing);
    EXPECT_EQ (preset.getInformation(), x48305_data::PresetInformation());
    EXPECT_EQ (0, std::memcmp (preset.getProgram (0).getRawData(), x48305_data::getInitialProgramImage(),
                               x48305_data::programRecordSize));
}

TEST_F (LibraryFileReadCodes, ProgramFileWithoutProgramsGives18AndKeepsTheProgram)
{
    addLiveSet();
    const auto file = writeFile (indexDocument (liveSetElement));
    auto program = makeProgram (4);
    EXPECT_EQ (x48305_file::ProgramFileReader (&program).read (file), file::ReadErrorProgramDataMissing);
    expectSamePrograms (makeProgram (4), program);

    // A library file read as a program file gives its first program.
    addPrograms (2);
    const auto library = writeFile (indexDocument (liveSetElement + programElement (1) + programElement (0)));
    ASSERT_EQ (x48305_file::ProgramFileReader (&program).read (library), file::ReadErrorNoError);
    expectSamePrograms (source.getProgram (1), program);
}

// Files of a few kilobytes whose index names one large entry over and over.
// Each entry is read once and names beyond what a file holds are ignored, so
// every read takes well under a second (at most a few under the sanitizers
// on a busy machine); read once a name, these took from seconds to hours
// (minutes to days under the sanitizers).
TEST_F (LibraryFileReadCodes, AnEntryNamedOverAndOverIsReadOnce)
{
    using repeatedentry::Entry;
    enum class Reader { library, preset, program };
    const std::tuple<const char*, Entry, int, Reader> rows[] = {
        { "a preset information named 1,000 times, as a library", Entry::presetInformation, 1000, Reader::library },
        { "a preset information named 1,000 times, as a preset", Entry::presetInformation, 1000, Reader::preset },
        { "one information named by 500 programs", Entry::programInformation, 500, Reader::library },
        { "one information named by 8,000 programs, as a program", Entry::programInformation, 8000, Reader::program },
        { "one live set named 1,000 times", Entry::liveSet, 1000, Reader::library },
        { "one live set named 17,000 times", Entry::liveSet, 17000, Reader::library },
    };
    const repeatedentry::RepeatedEntryFile shape;
    for (const auto& [what, entry, times, reader] : rows)
    {
        const auto file = folder.write ("repeated.slvnlib", shape.build (entry, times));
        EXPECT_LT (file.getSize(), 16 * 1024) << what;

        x48305_data::PresetData preset;
        x48305_data::ProgramData program;
        const auto start = std::chrono::steady_clock::now();
        const int result = reader == Reader::library  ? x48305_file::LibraryFileReader (&target).read (file)
                           : reader == Reader::preset ? x48305_file::PresetFileReader (&preset).read (file)
                                                      : x48305_file::ProgramFileReader (&program).read (file);
        EXPECT_LT (repeatedentry::millisecondsSince (start), 5000) << what;
        ASSERT_EQ (result, file::ReadErrorNoError) << what;

        if (reader == Reader::preset)
        {
            EXPECT_EQ (preset.getInformation(), shape.information) << what;
            expectSamePrograms (shape.program, preset.getProgram (0));
        }
        else if (reader == Reader::program)
        {
            expectSamePrograms (shape.program, program);
        }
        else
        {
            EXPECT_EQ (target.getFavoriteData(), shape.liveSet) << what;
            expectSamePrograms (shape.program, target.getProgram (0));
            if (entry == Entry::programInformation)
                expectSamePrograms (shape.program, target.getProgram (499));
        }
    }
}

TEST_F (LibraryFileReadCodes, DamagedArchivesGive14)
{
    addLiveSet();
    addPrograms (20);
    const auto file = writeFile (indexDocument (liveSetElement + programElements (20)));
    juce::MemoryBlock good;
    ASSERT_TRUE (file.loadFileAsData (good));

    for (size_t length : { (size_t) 0, (size_t) 21, good.getSize() / 3, good.getSize() / 2, good.getSize() - 1 })
    {
        const auto cut = folder.write ("cut.slvnlib", juce::MemoryBlock (good.getData(), length));
        // Writing no bytes leaves no file at all, which cannot be opened.
        EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (cut),
                   cut.existsAsFile() ? file::ReadErrorFailedToUncompressZipFile : file::ReadErrorOpenFile)
            << length;
    }

    // Every damaged byte of the first entry's compressed data (except the
    // last, which may hold padding bits) is caught by the CRC-32 or inflate.
    const size_t dataStart = 30 + (juce::uint8) good[26];
    const size_t dataEnd = dataStart + getUInt32 (good, 18) - 1;
    for (size_t at = dataStart; at < dataEnd; ++at)
    {
        auto damaged = good;
        damaged[at] = (char) ~damaged[at];
        const int result = x48305_file::LibraryFileReader (&target).read (folder.write ("bad.slvnlib", damaged));
        EXPECT_EQ (result, file::ReadErrorFailedToUncompressZipFile) << "byte " << at;
    }

    auto oversized = good;
    putUInt32 (oversized, directoryOffsetOf (good) + 24, 20u * 1024 * 1024);
    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.write ("big.slvnlib", oversized)),
               file::ReadErrorFailedToUncompressZipFile);

    EXPECT_EQ (x48305_file::LibraryFileReader (&target).read (folder.write ("noise.slvnlib", randomBytes (5000, 11))),
               file::ReadErrorFailedToUncompressZipFile);
    expectTargetUntouched();
}

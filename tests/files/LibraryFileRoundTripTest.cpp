#include "LibraryFileTestSupport.h"

#include "file/FileResultCodes.h"
#include "file/OpenedFileStream.h"
#include "formats/LibraryFile.h"
#include "formats/MemoryBasedZipUncompressor.h"
#include "formats/PresetFile.h"
#include "formats/ProgramFile.h"
#include "formats/XmlDocumentText.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace
{
juce::StringArray entryNamesOf (const juce::File& file)
{
    const auto content = file::OpenedFileStream::open (file);
    MemoryBasedZipUncompressor zip (*content);
    juce::StringArray names;
    for (int i = 0; i < zip.getNumEntries(); ++i)
    {
        EXPECT_EQ (zip.getEntry (i)->method, 8) << "every entry is deflated";
        names.add (zip.getEntry (i)->name);
    }
    return names;
}

std::unique_ptr<juce::XmlElement> indexOf (const juce::File& file)
{
    const auto content = file::OpenedFileStream::open (file);
    MemoryBasedZipUncompressor zip (*content);
    EXPECT_TRUE (zip.uncompressAll().wasOk());
    const auto& bytes = zip.getData ("FileInformation.xml");
    return data::parseXmlDocumentBytes (bytes.getData(), bytes.getSize());
}
} // namespace

TEST (LibraryFiles, LibraryRoundTripsWithEntriesInOrder)
{
    ScratchFolder folder;
    const auto file = folder.file ("Bank.slvnlib");
    x48305_data::LibraryData original;
    fillLibrary (original, 10);
    ASSERT_EQ (x48305_file::LibraryFileWriter (&original).write (file), file::WriteErrorNoError);

    const auto names = entryNamesOf (file);
    ASSERT_EQ (names.size(), 1002);
    EXPECT_EQ (names[0], "LivesetData.lvs_data");
    EXPECT_EQ (names[1], "Prog_000.prog_bin");
    EXPECT_EQ (names[2], "Prog_000.prog_info");
    EXPECT_EQ (names[999], "Prog_499.prog_bin");
    EXPECT_EQ (names[1000], "Prog_499.prog_info");
    EXPECT_EQ (names[1001], "FileInformation.xml");

    auto index = indexOf (file);
    ASSERT_NE (index, nullptr);
    const auto* contents = index->getChildByName ("Contents");
    ASSERT_NE (contents, nullptr);
    EXPECT_EQ (contents->getIntAttribute ("NumLivesetData"), 1);
    EXPECT_EQ (contents->getIntAttribute ("NumProgramData"), 500);
    EXPECT_EQ (contents->getIntAttribute ("NumPresetInformation"), 0);
    EXPECT_EQ (index->getChildByName ("Product")->getAllSubText(), "solivane");

    x48305_data::LibraryData loaded;
    fillLibrary (loaded, 900);
    ASSERT_EQ (x48305_file::LibraryFileReader (&loaded).read (file), file::ReadErrorNoError);
    for (int i = 0; i < 500; ++i)
        expectSamePrograms (original.getProgram (i), loaded.getProgram (i));
    EXPECT_EQ (loaded.getFavoriteData(), original.getFavoriteData());

    // The fixed time stamp makes equal content give equal bytes.
    const auto again = folder.file ("Again.slvnlib");
    ASSERT_EQ (x48305_file::LibraryFileWriter (&loaded).write (again), file::WriteErrorNoError);
    EXPECT_TRUE (again.hasIdenticalContentTo (file));
}

TEST (LibraryFiles, PresetRoundTrips)
{
    ScratchFolder folder;
    const auto file = folder.file ("Factory.slvnpreset");
    x48305_data::PresetData original;
    fillPreset (original, 3);
    ASSERT_EQ (x48305_file::PresetFileWriter (&original).write (file), file::WriteErrorNoError);

    const auto names = entryNamesOf (file);
    ASSERT_EQ (names.size(), 1002);
    EXPECT_EQ (names[0], "PresetInformation.xml");
    EXPECT_EQ (names[1], "Prog_000.prog_bin");
    EXPECT_EQ (names[1001], "FileInformation.xml");

    x48305_data::PresetData loaded;
    ASSERT_EQ (x48305_file::PresetFileReader (&loaded).read (file), file::ReadErrorNoError);
    EXPECT_EQ (loaded.getInformation(), original.getInformation());
    for (int i = 0; i < 500; ++i)
        expectSamePrograms (original.getProgram (i), loaded.getProgram (i));
}

TEST (LibraryFiles, ProgramFileHoldsExactlyOneProgram)
{
    ScratchFolder folder;
    const auto file = folder.file ("Lead.slvnprog");
    const auto original = makeProgram (77);
    ASSERT_EQ (x48305_file::ProgramFileWriter (&original).write (file), file::WriteErrorNoError);

    EXPECT_EQ (entryNamesOf (file), juce::StringArray ({ "Prog_000.prog_bin", "Prog_000.prog_info", "FileInformation.xml" }));
    auto index = indexOf (file);
    ASSERT_NE (index, nullptr);
    const auto* contents = index->getChildByName ("Contents");
    ASSERT_NE (contents, nullptr);
    EXPECT_EQ (contents->getAttributeName (0), "NumLivesetData");
    EXPECT_EQ (contents->getAttributeName (1), "NumProgramData");
    EXPECT_EQ (contents->getAttributeName (2), "NumPresetInformation");
    EXPECT_EQ (contents->getIntAttribute ("NumLivesetData", -1), 0);
    EXPECT_EQ (contents->getIntAttribute ("NumProgramData", -1), 1);
    EXPECT_EQ (contents->getIntAttribute ("NumPresetInformation", -1), 0);
    EXPECT_EQ (contents->getChildElement (0)->getChildElement (0)->getAllSubText(), "Prog_000.prog_info");
    EXPECT_EQ (contents->getChildElement (0)->getChildElement (1)->getAllSubText(), "Prog_000.prog_bin");

    x48305_data::ProgramData loaded = makeProgram (5);
    ASSERT_EQ (x48305_file::ProgramFileReader (&loaded).read (file), file::ReadErrorNoError);
    expectSamePrograms (original, loaded);
}

TEST (LibraryFiles, IndexAndDocumentsAreWrittenAsFormattedUtf8WithoutTerminator)
{
    ScratchFolder folder;
    const auto file = folder.file ("One.slvnprog");
    const auto original = makeProgram (8);
    ASSERT_EQ (x48305_file::ProgramFileWriter (&original).write (file), file::WriteErrorNoError);

    const auto content = file::OpenedFileStream::open (file);
    MemoryBasedZipUncompressor zip (*content);
    ASSERT_TRUE (zip.uncompressAll().wasOk());
    EXPECT_EQ (raw (zip.getData ("Prog_000.prog_info")), raw (programInformationDocument (original)));
    const auto index = raw (zip.getData ("FileInformation.xml"));
    EXPECT_EQ (index.rfind ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    EXPECT_NE (index.find ("\n  <Product>solivane</Product>"), std::string::npos);
    EXPECT_EQ (index.find ('\0'), std::string::npos);
    EXPECT_EQ (raw (zip.getData ("Prog_000.prog_bin")), raw (programRecordBytes (original)));
}

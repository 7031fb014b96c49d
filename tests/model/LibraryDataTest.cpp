#include "data/SerializedSectionDataReader.h"
#include "data/SerializedSectionDataWriter.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "library/FavoriteDataDeserializer.h"
#include "library/LibraryData.h"
#include "library/LibraryDataDeserializer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using x48305_data::FavoriteData;
using x48305_data::FavoriteDataDeserializer;
using x48305_data::LibraryData;
using x48305_data::LibraryDataDeserializer;
using x48305_data::ProgramData;

namespace
{
using Sections = std::vector<std::pair<std::string, data::SerializedData>>;

data::SerializedData containerWith (const char* topTag, const Sections& sections)
{
    data::SerializedData out;
    data::SerializedSectionDataWriter writer (out);
    for (const auto& [tag, bytes] : sections)
        writer.addSection (tag, bytes);
    writer.finish (topTag);
    return out;
}

data::SerializedData textSection (const char* text)
{
    return data::SerializedData (text, std::strlen (text) + 1);
}

data::SerializedData liveSetForm (const char* document)
{
    return containerWith ("slvnLvsS", { { "slvnLvsD", textSection (document) } });
}

bool sameRecord (const ProgramData& a, const ProgramData& b)
{
    return std::memcmp (a.getRawData(), b.getRawData(), x48305_data::programRecordSize) == 0;
}

// A library whose programs all differ from the initial program and from
// each other, with texts and a live set.
std::unique_ptr<LibraryData> sampleLibrary()
{
    auto library = std::make_unique<LibraryData>();
    for (int n = 0; n < LibraryData::numPrograms; ++n)
    {
        auto& p = library->getProgram (n);
        p.setName ("Prog " + std::to_string (n));
        p.setInformation ({ "Author " + juce::String (n), n % 7 == 0 ? juce::String() : "Comment " + juce::String (n) });
    }
    for (int bank = 0; bank < FavoriteData::numBanks; ++bank)
        for (int slot = 0; slot < FavoriteData::numSlots; ++slot)
            library->getFavoriteData().setProgramNumber (bank, slot, (unsigned) (bank * 100 + slot * 3));
    return library;
}
} // namespace

TEST (LibraryData, StartsWithInitialProgramsAndAnEmptyLiveSet)
{
    auto library = std::make_unique<LibraryData>();
    const ProgramData initial;
    for (int n = 0; n < LibraryData::numPrograms; ++n)
        ASSERT_TRUE (sameRecord (library->getProgram (n), initial)) << n;
    EXPECT_EQ (library->getFavoriteData(), FavoriteData());
    EXPECT_EQ (library->getFavoriteData().getProgramNumber (3, 7), 500u);
}

TEST (LibraryData, OutOfRangeNumbersGiveTheSpareAndChangeNoProgram)
{
    auto library = sampleLibrary();
    const auto before = std::make_unique<LibraryData> (*library);

    for (int number : { -1, 500, 100000 })
    {
        testing::internal::CaptureStdout();
        library->getProgram (number).setName ("Spare");
        const auto printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ (printed, "Program Number Error: " + std::to_string (number) + "\n");
    }
    for (int n = 0; n < LibraryData::numPrograms; ++n)
        ASSERT_TRUE (sameRecord (library->getProgram (n), before->getProgram (n))) << n;
}

TEST (LibraryData, ResetKeepsTextsAndEmptiesTheLiveSet)
{
    auto library = sampleLibrary();
    library->reset();
    const ProgramData initial;
    for (int n = 0; n < LibraryData::numPrograms; ++n)
    {
        ASSERT_TRUE (sameRecord (library->getProgram (n), initial));
        ASSERT_EQ (library->getProgram (n).getInformation().getProgrammer(), "Author " + juce::String (n));
    }
    EXPECT_EQ (library->getFavoriteData(), FavoriteData());
}

TEST (LibraryData, AssignmentCopiesProgramsAndLiveSetButNotTheSpare)
{
    auto source = sampleLibrary();
    testing::internal::CaptureStdout();
    source->getProgram (-1).setName ("SourceSpare");
    auto target = std::make_unique<LibraryData>();
    *target = *source;
    EXPECT_EQ (target->getProgram (-1).getName(), "Init Program");
    testing::internal::GetCapturedStdout();
    EXPECT_EQ (target->getProgram (42).getName(), "Prog 42     ");
    EXPECT_EQ (target->getProgram (42).getDigest(), source->getProgram (42).getDigest());
    EXPECT_EQ (target->getFavoriteData(), source->getFavoriteData());
}

TEST (LibrarySerialForm, RoundTripsEveryProgramTextAndTheLiveSet)
{
    const auto original = sampleLibrary();
    const auto serialized = original->serialize();

    data::SerializedSectionDataReader reader (serialized);
    ASSERT_TRUE (reader.read());
    EXPECT_EQ (reader.getTag(), "slvnLibD");
    ASSERT_EQ (reader.getSections().size(), 501u);
    EXPECT_EQ (reader.getSections().front().tag, "slvnLibP");
    EXPECT_EQ (reader.getSections().back().tag, "slvnLibF");

    auto copy = std::make_unique<LibraryData>();
    ASSERT_TRUE (copy->deserialize (serialized));
    for (int n = 0; n < LibraryData::numPrograms; ++n)
    {
        ASSERT_TRUE (sameRecord (copy->getProgram (n), original->getProgram (n))) << n;
        ASSERT_EQ (copy->getProgram (n).getInformation(), original->getProgram (n).getInformation()) << n;
        ASSERT_EQ (copy->getProgram (n).getDigest(), original->getProgram (n).getDigest()) << n;
    }
    EXPECT_EQ (copy->getFavoriteData(), original->getFavoriteData());
    EXPECT_EQ (copy->serialize().getBlock(), serialized.getBlock());
}

TEST (LibrarySerialForm, EachReaderResultComesFromItsMalformedInput)
{
    auto library = std::make_unique<LibraryData>();
    ProgramData named;
    named.setName ("First");

    const char junk[] = "junk";
    EXPECT_EQ (LibraryDataDeserializer (library.get()).deserialize (data::SerializedData (junk, 4)), 2);
    EXPECT_EQ (LibraryDataDeserializer (library.get()).deserialize (named.serialize()), 1);

    // 3: the second program section is no program form; the first stays read.
    const auto badProgram = containerWith ("slvnLibD", { { "slvnLibP", named.serialize() },
                                                         { "slvnLibP", textSection ("no container") },
                                                         { "slvnLibP", named.serialize() } });
    EXPECT_EQ (LibraryDataDeserializer (library.get()).deserialize (badProgram), 3);
    EXPECT_EQ (library->getProgram (0).getName(), "First       ");
    EXPECT_EQ (library->getProgram (2).getName(), "Init Program");

    // 4: a live-set section that is not a live-set form.
    const auto badLiveSet = containerWith ("slvnLibD", { { "slvnLibF", named.serialize() } });
    EXPECT_EQ (LibraryDataDeserializer (library.get()).deserialize (badLiveSet), 4);

    // 0: no sections resets the library.
    library->getProgram (5).setName ("Changed");
    library->getFavoriteData().setProgramNumber (0, 0, 3);
    EXPECT_EQ (LibraryDataDeserializer (library.get()).deserialize (containerWith ("slvnLibD", {})), 0);
    EXPECT_EQ (library->getProgram (5).getName(), "Init Program");
    EXPECT_EQ (library->getFavoriteData(), FavoriteData());
}

TEST (LibrarySerialForm, AProgramSectionPastTheFiveHundredthLandsOnTheSpare)
{
    Sections sections;
    ProgramData p;
    for (int n = 0; n <= LibraryData::numPrograms; ++n)
    {
        p.setName (n == LibraryData::numPrograms ? "Extra" : "P" + std::to_string (n));
        sections.emplace_back ("slvnLibP", p.serialize());
    }
    auto library = std::make_unique<LibraryData>();
    testing::internal::CaptureStdout();
    EXPECT_TRUE (library->deserialize (containerWith ("slvnLibD", sections)));
    EXPECT_EQ (testing::internal::GetCapturedStdout(), "Program Number Error: 500\n");
    EXPECT_EQ (library->getProgram (499).getName(), "P499        ");
    for (int n = 0; n < LibraryData::numPrograms; ++n)
        ASSERT_NE (library->getProgram (n).getName(), "Extra       ");
}

TEST (LiveSetSerialForm, RoundTripsAndNumbersItsCodesItsOwnWay)
{
    FavoriteData original;
    original.setProgramNumber (0, 0, 0);
    original.setProgramNumber (1, 4, 499);
    original.setProgramNumber (3, 7, 17);
    FavoriteData copy;
    ASSERT_TRUE (copy.deserialize (original.serialize()));
    EXPECT_EQ (copy, original);

    FavoriteData target;
    const char junk[] = "x";
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (data::SerializedData (junk, 1)), 3);
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (ProgramData().serialize()), 1);
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (liveSetForm ("<not xml")), 2);
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (liveSetForm ("<solivane_ProgramInformation/>")), 2);
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (liveSetForm ("<solivane_LiveSet><Bank><Data>1</Data></Bank>"
                                                                            "</solivane_LiveSet>")), 2);
    EXPECT_EQ (FavoriteDataDeserializer (&target).deserialize (containerWith ("slvnLvsS", {})), 0);
    EXPECT_EQ (target, FavoriteData());
}

TEST (LiveSetXml, PartialDocumentsKeepTheRestAndExtrasAreIgnored)
{
    // Two banks of three: slots 0-2 of banks 0 and 1; the rest stays 500
    // after the reader's reset.
    FavoriteData liveSet;
    liveSet.setProgramNumber (3, 3, 9);
    ASSERT_TRUE (liveSet.deserialize (liveSetForm ("<solivane_Liveset>"
                                                   "<Bank><Data>1</Data><Data>2</Data><Data>3</Data></Bank>"
                                                   "<Bank><Data>4</Data><Data>x</Data><Data> 6</Data></Bank>"
                                                   "</solivane_Liveset>")));
    EXPECT_EQ (liveSet.getProgramNumber (0, 2), 3u);
    EXPECT_EQ (liveSet.getProgramNumber (1, 1), 0u); // no digits: 0
    EXPECT_EQ (liveSet.getProgramNumber (1, 2), 6u);
    EXPECT_EQ (liveSet.getProgramNumber (0, 3), 500u);
    EXPECT_EQ (liveSet.getProgramNumber (3, 3), 500u);

    // Five banks, the first with nine slots: the extras are skipped.
    juce::String doc = "<solivane_Liveset>";
    for (int bank = 0; bank < 5; ++bank)
    {
        doc << "<Bank>";
        for (int slot = 0; slot < (bank == 0 ? 9 : 8); ++slot)
            doc << "<Data>" << (bank * 10 + slot) << "</Data>";
        doc << "</Bank>";
    }
    doc << "</solivane_Liveset>";
    const auto xml = juce::parseXML (doc);
    ASSERT_TRUE (xml != nullptr);
    FavoriteData full;
    ASSERT_TRUE (x48305_data::FavoriteDataXmlReaderWriter().readXml (*xml, full));
    EXPECT_EQ (full.getProgramNumber (0, 7), 7u);
    EXPECT_EQ (full.getProgramNumber (1, 0), 10u); // the ninth slot did not spill over
    EXPECT_EQ (full.getProgramNumber (3, 7), 37u);

    // Another root changes nothing.
    FavoriteData untouched;
    untouched.setProgramNumber (0, 0, 1);
    EXPECT_FALSE (x48305_data::FavoriteDataXmlReaderWriter().readXml (juce::XmlElement ("solivane_Preset"), untouched));
    EXPECT_EQ (untouched.getProgramNumber (0, 0), 1u);
}

TEST (LiveSetXml, NumbersOutsideTheProgramRangeBecomeEmpty)
{
    FavoriteData liveSet;
    ASSERT_TRUE (liveSet.deserialize (liveSetForm ("<solivane_Liveset><Bank>"
                                                   "<Data>499</Data><Data>500</Data><Data>501</Data><Data>-1</Data>"
                                                   "<Data>4294967296</Data><Data>-2147483648</Data>"
                                                   "<Data>99999999999999999999999</Data><Data>-0</Data>"
                                                   "</Bank></solivane_Liveset>")));
    const unsigned expected[] = { 499, 500, 500, 500, 500, 500, 500, 0 };
    for (int slot = 0; slot < 8; ++slot)
        EXPECT_EQ (liveSet.getProgramNumber (0, slot), expected[slot]) << slot;
}

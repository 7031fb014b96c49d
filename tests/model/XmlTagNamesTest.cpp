#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "library/FavoriteData.h"
#include "library/PresetInformation.h"
#include "library/ProgramInformation.h"
#include "support/AssertionWatch.h"

#include <gtest/gtest.h>

using testsupport::AssertionWatch;

namespace
{
std::unique_ptr<juce::XmlElement> parse (const char* text)
{
    auto xml = juce::parseXML (juce::String (text));
    EXPECT_NE (xml, nullptr) << text;
    return xml;
}

x48305_data::PresetInformation presetInformation()
{
    x48305_data::PresetInformation info;
    info.DataID = "ID";
    info.Name = "Name";
    info.Version = 3;
    info.NumOfProg = 120;
    return info;
}
} // namespace

// The watch below would see nothing if the framework did not report its
// assertions: it must see the one that a case-blind name look-up raises. That
// one is raised on purpose and stays out of the log (the outer watch stands in
// for standard error).
TEST (AssertionWatch, SeesTheFrameworksCaseBlindNameAssertion)
{
    AssertionWatch log;
    {
        AssertionWatch watch;
        EXPECT_TRUE (juce::XmlElement ("Bank").hasTagName ("bank"));
        EXPECT_EQ (watch.getCount(), AssertionWatch::assertionsAreReported() ? 1 : 0);
        watch.forgetSeen();
    }
    EXPECT_EQ (log.getCount(), 0);
}

// Roots and children whose names differ from the written ones only in letter
// case are not the written ones: a root in other capitals fails the read and
// changes nothing, a child in other capitals is as good as absent.
TEST (XmlTagNames, ProgramInformationNamesAreExact)
{
    AssertionWatch watch;
    const x48305_data::ProgramInformationXmlReaderWriter reader;
    x48305_data::ProgramInformation info ("keep", "keep");

    EXPECT_FALSE (reader.readXml (*parse ("<Solivane_ProgramInformation><Programmer>p</Programmer>"
                                          "</Solivane_ProgramInformation>"), info));
    EXPECT_FALSE (reader.readXml (*parse ("<SOLIVANE_PROGRAMINFORMATION/>"), info));
    EXPECT_EQ (info, x48305_data::ProgramInformation ("keep", "keep"));

    EXPECT_TRUE (reader.readXml (*parse ("<solivane_ProgramInformation><programmer>p</programmer><COMMENT>c</COMMENT>"
                                         "<Comment>taken</Comment></solivane_ProgramInformation>"), info));
    EXPECT_EQ (info, x48305_data::ProgramInformation ("keep", "taken"));
    EXPECT_EQ (watch.getCount(), 0);
}

TEST (XmlTagNames, LiveSetNamesAreExact)
{
    AssertionWatch watch;
    const x48305_data::FavoriteDataXmlReaderWriter reader;
    x48305_data::FavoriteData liveSet;
    liveSet.setProgramNumber (0, 0, 7);

    EXPECT_FALSE (reader.readXml (*parse ("<solivane_LiveSet><Bank><Data>1</Data></Bank></solivane_LiveSet>"), liveSet));
    EXPECT_EQ (liveSet.getProgramNumber (0, 0), 7u);

    // "bank" is no bank, and "data" no slot: the first real bank is bank 0,
    // its first real slot slot 0.
    EXPECT_TRUE (reader.readXml (*parse ("<solivane_Liveset><bank><Data>1</Data></bank>"
                                         "<Bank><data>2</data><DATA>3</DATA><Data>4</Data><Data>5</Data></Bank>"
                                         "<BANK><Data>6</Data></BANK><Bank><Data>8</Data></Bank></solivane_Liveset>"), liveSet));
    EXPECT_EQ (liveSet.getProgramNumber (0, 0), 4u);
    EXPECT_EQ (liveSet.getProgramNumber (0, 1), 5u);
    EXPECT_EQ (liveSet.getProgramNumber (0, 2), 500u);
    EXPECT_EQ (liveSet.getProgramNumber (1, 0), 8u);
    EXPECT_EQ (liveSet.getProgramNumber (2, 0), 500u);
    EXPECT_EQ (watch.getCount(), 0);
}

TEST (XmlTagNames, PresetInformationNamesAreExact)
{
    AssertionWatch watch;
    const x48305_data::PresetInformationXmlReaderWriter reader;
    auto info = presetInformation();

    EXPECT_FALSE (reader.readXml (*parse ("<solivane_preset><Name>other</Name></solivane_preset>"), info));
    EXPECT_EQ (info, presetInformation());

    // A NumOfProg in other capitals is a missing one, which means 500.
    EXPECT_TRUE (reader.readXml (*parse ("<solivane_Preset><dataid>x</dataid><Name>Renamed</Name><VERSION>9</VERSION>"
                                         "<numOfProg>7</numOfProg></solivane_Preset>"), info));
    EXPECT_EQ (info.DataID, "ID");
    EXPECT_EQ (info.Name, "Renamed");
    EXPECT_EQ (info.Version, 3);
    EXPECT_EQ (info.NumOfProg, 500);
    EXPECT_EQ (watch.getCount(), 0);
}

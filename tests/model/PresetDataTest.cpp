#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/DataCenter.h"
#include "library/PresetLibrary.h"

#include <gtest/gtest.h>

#include <cstring>

using x48305_data::PresetData;
using x48305_data::PresetInformation;
using x48305_data::PresetInformationXmlReaderWriter;
using x48305_data::PresetLibrary;

namespace
{
PresetInformation sampleInformation()
{
    PresetInformation info;
    info.DataID = "ID-1";
    info.Name = "Factory";
    info.Author = "Someone";
    info.Copyright = "(c) here";
    info.Date = "2026-12-07";
    info.Prefix = "F";
    info.Version = 3;
    info.NumOfProg = 120;
    return info;
}
} // namespace

TEST (PresetInformationXml, RoundTripsThroughADocumentInTheWrittenOrder)
{
    const auto info = sampleInformation();
    const auto xml = PresetInformationXmlReaderWriter().createXml (info);
    const char* order[] = { "DataID", "Name", "Author", "Version", "NumOfProg", "Date", "Prefix", "Copyright" };
    ASSERT_EQ (xml->getNumChildElements(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ (xml->getChildElement (i)->getTagName(), order[i]) << i;

    const auto text = data::createXmlDocumentText (*xml);
    EXPECT_TRUE (text.startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    const auto parsed = juce::parseXML (text);
    ASSERT_TRUE (parsed != nullptr);
    PresetInformation read;
    ASSERT_TRUE (PresetInformationXmlReaderWriter().readXml (*parsed, read));
    EXPECT_EQ (read, info);
}

TEST (PresetInformationXml, MissingChildrenKeepTheirFieldsExceptNumOfProg)
{
    auto info = sampleInformation();
    const auto xml = juce::parseXML ("<solivane_Preset><Name>Renamed</Name></solivane_Preset>");
    ASSERT_TRUE (PresetInformationXmlReaderWriter().readXml (*xml, info));
    EXPECT_EQ (info.Name, "Renamed");
    EXPECT_EQ (info.Version, 3);
    EXPECT_EQ (info.NumOfProg, 500);
    EXPECT_EQ (info.Author, "Someone");

    auto untouched = sampleInformation();
    EXPECT_FALSE (PresetInformationXmlReaderWriter().readXml (juce::XmlElement ("solivane_Liveset"), untouched));
    EXPECT_EQ (untouched, sampleInformation());

    const auto big = juce::parseXML ("<solivane_Preset><Version>-2147483648</Version>"
                                     "<NumOfProg>99999999999</NumOfProg></solivane_Preset>");
    ASSERT_TRUE (PresetInformationXmlReaderWriter().readXml (*big, untouched));
    EXPECT_EQ (untouched.Version, std::numeric_limits<int>::min());
    EXPECT_EQ (untouched.NumOfProg, std::numeric_limits<int>::max());
}

TEST (PresetData, ProgramsInformationCopiesAndReset)
{
    auto preset = std::make_unique<PresetData>();
    EXPECT_EQ (preset->getInformation(), PresetInformation());
    EXPECT_EQ (preset->getInformation().NumOfProg, 500);
    preset->getInformation() = sampleInformation();
    preset->getProgram (10).setName ("Ten");
    preset->getProgram (10).setInformation ({ "p", "c" });

    for (int number : { 500, -1 })
    {
        testing::internal::CaptureStdout();
        preset->getProgram (number).setName ("Spare");
        const PresetData& readOnly = *preset;
        EXPECT_EQ (readOnly.getProgram (number).getName(), "Spare       ");
        EXPECT_EQ (testing::internal::GetCapturedStdout(), "Preset Program Number Error: " + std::to_string (number)
                       + "\nPreset Program Number Error: " + std::to_string (number) + "\n");
    }
    EXPECT_EQ (preset->getProgram (0).getName(), "Init Program");
    EXPECT_EQ (preset->getProgram (499).getName(), "Init Program");

    const auto copy = std::make_unique<PresetData> (*preset);
    EXPECT_EQ (copy->getProgram (10).getName(), "Ten         ");
    EXPECT_EQ (copy->getInformation(), sampleInformation());
    testing::internal::CaptureStdout();
    EXPECT_EQ (copy->getProgram (-3).getName(), "Init Program"); // a fresh spare
    testing::internal::GetCapturedStdout();

    preset->reset();
    EXPECT_EQ (preset->getProgram (10).getName(), "Init Program");
    EXPECT_EQ (preset->getProgram (10).getInformation().getComment(), "c");
    EXPECT_EQ (preset->getInformation(), PresetInformation());
}

TEST (PresetLibrary, AddGetClearAndTheSpareForIndicesOutside)
{
    PresetLibrary presets;
    EXPECT_EQ (presets.getNumPresets(), 0);
    auto preset = std::make_unique<PresetData>();
    preset->getInformation().Name = "One";
    presets.addPreset (*preset);
    preset->getInformation().Name = "Two";
    presets.addPreset (*preset);
    ASSERT_EQ (presets.getNumPresets(), 2);
    EXPECT_EQ (presets.getPreset (0).getInformation().Name, "One");
    EXPECT_EQ (presets.getPreset (1).getInformation().Name, "Two");

    auto& spare = presets.getPreset (presets.getNumPresets());
    EXPECT_EQ (&spare, &presets.getPreset (-1));
    EXPECT_EQ (spare.getProgram (0).getName(), "Init Program");
    EXPECT_TRUE (spare.getInformation().Name.isEmpty());

    presets.clear();
    EXPECT_EQ (presets.getNumPresets(), 0);
    EXPECT_EQ (&presets.getPreset (0), &spare);
}

TEST (DataCenter, OneStoreWithAFreshLibraryAndNoPresets)
{
    auto* store = x48305_data::DataCenter::getInstance();
    EXPECT_EQ (store, x48305_data::DataCenter::getInstance());
    EXPECT_EQ (store->getPresetLibrary().getNumPresets(), 0);
    EXPECT_EQ (store->getLibraryData().getProgram (0).getName(), "Init Program");
    EXPECT_EQ (store->getLibraryData().getFavoriteData(), x48305_data::FavoriteData());

    store->getLibraryData().getProgram (3).setName ("Stored");
    EXPECT_EQ (x48305_data::DataCenter::getInstance()->getLibraryData().getProgram (3).getName(), "Stored      ");
    store->getLibraryData().reset();
}

#include "data/SerializedSectionDataWriter.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlParserLimits.h"
#include "library/FavoriteData.h"
#include "library/FavoriteDataDeserializer.h"
#include "library/LibraryData.h"
#include "library/LibraryDataDeserializer.h"
#include "library/ProgramData.h"
#include "library/ProgramDataDeserializer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
std::unique_ptr<juce::XmlElement> parse (const std::string& text)
{
    return data::parseXmlDocumentBytes (text.data(), text.size());
}

// A root holding `levels` nested elements, each level written with `open`
// and closed by "</e>".
std::string nested (int levels, const std::string& open = "<e>")
{
    std::string text = "<?xml version=\"1.0\"?>";
    for (int i = 0; i < levels; ++i)
        text += open;
    for (int i = 0; i < levels; ++i)
        text += "</e>";
    return text;
}

data::SerializedData formWith (const char* topTag, const char* sectionTag, const std::string& text)
{
    data::SerializedData out;
    data::SerializedSectionDataWriter writer (out);
    writer.addSection (sectionTag, text.c_str(), text.size() + 1);
    writer.finish (topTag);
    return out;
}
} // namespace

TEST (XmlParserLimits, NestingUpToTheLimitParsesAndOneLevelMoreIsRefused)
{
    const auto deepest = parse (nested (formats::maxXmlNestingDepth));
    ASSERT_NE (deepest, nullptr);
    int levels = 0;
    for (auto* e = deepest.get(); e != nullptr; e = e->getFirstChildElement())
        ++levels;
    EXPECT_EQ (levels, formats::maxXmlNestingDepth);

    EXPECT_EQ (parse (nested (formats::maxXmlNestingDepth + 1)), nullptr);
    // Attributes, including '>' and "/>" inside quoted values, do not hide a level.
    EXPECT_NE (parse (nested (formats::maxXmlNestingDepth, "<e a=\"/>\" b='>'>")), nullptr);
    EXPECT_EQ (parse (nested (formats::maxXmlNestingDepth + 1, "<e a=\"/>\" b='>'>")), nullptr);
}

TEST (XmlParserLimits, EmptyElementsCommentsAndCharacterDataOpenNoLevel)
{
    // Many siblings at the deepest level, and markup that only looks like
    // elements, are no deeper than the elements around them.
    std::string inner;
    for (int i = 0; i < 200; ++i)
        inner += "<leaf x=\"1\"/><!-- <e><e><e> --><![CDATA[<e><e><e>]]>";
    auto text = nested (formats::maxXmlNestingDepth - 1);
    text.insert (text.find ("</e>"), inner);
    EXPECT_NE (parse (text), nullptr);
    EXPECT_TRUE (formats::isXmlWithinParserLimits (text.data(), text.size()));
    EXPECT_FALSE (formats::isXmlWithinParserLimits (nullptr, 0));
}

// The text ends at its first zero byte or at its length, whichever comes
// first; a text without a zero is never read past its length (the address
// sanitizer would report it: the bytes lie in a block of their own).
TEST (XmlParserLimits, TheTextEndsAtItsFirstZeroOrItsLength)
{
    const char text[] = "<a><b/></a>\0<c <d";
    EXPECT_TRUE (formats::isXmlWithinParserLimits (text, sizeof (text)));
    EXPECT_FALSE (formats::isXmlWithinParserLimits (text + 12, sizeof (text) - 12));

    const std::vector<char> whole (text, text + 11);
    EXPECT_TRUE (formats::isXmlWithinParserLimits (whole.data(), whole.size()));
    const std::vector<char> cut (text, text + 7);
    EXPECT_FALSE (formats::isXmlWithinParserLimits (cut.data(), cut.size()));
}

TEST (XmlParserLimits, DocumentTypeDeclarationsAreRefused)
{
    // An entity that expands into elements would otherwise reach the parser.
    const std::string withEntity = "<?xml version=\"1.0\"?><!DOCTYPE a [<!ENTITY y \"<b><b/></b>\">]><a>&y;</a>";
    EXPECT_EQ (parse (withEntity), nullptr);
    EXPECT_NE (parse ("<?xml version=\"1.0\"?><a><!-- fine --><b/></a>"), nullptr);
}

TEST (XmlParserLimits, DeeplyNestedSectionsAreReadFailuresNotCrashes)
{
    const auto deep = nested (100000);

    x48305_data::FavoriteData liveSet;
    EXPECT_EQ (x48305_data::FavoriteDataDeserializer (&liveSet).deserialize (formWith ("slvnLvsS", "slvnLvsD", deep)),
               x48305_data::FavoriteDataDeserializer::resultBadDocument);

    x48305_data::ProgramData program;
    EXPECT_EQ (x48305_data::ProgramDataDeserializer (&program).deserialize (formWith ("slvnProg", "slvnPrgI", deep)),
               x48305_data::ProgramDataDeserializer::resultBadInformation);

    auto library = std::make_unique<x48305_data::LibraryData>();
    const auto badProgram = formWith ("slvnProg", "slvnPrgI", deep);
    data::SerializedData libraryForm;
    {
        data::SerializedSectionDataWriter writer (libraryForm);
        writer.addSection ("slvnLibP", badProgram);
        writer.finish ("slvnLibD");
    }
    EXPECT_EQ (x48305_data::LibraryDataDeserializer (library.get()).deserialize (libraryForm),
               x48305_data::LibraryDataDeserializer::resultBadProgram);
}

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "data/SerializedSectionDataWriter.h"
#include "file/PresetFileManager.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlParserLimits.h"
#include "library/FavoriteData.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"
#include "library/ProgramDataDeserializer.h"
#include "library/SerialFormTags.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

namespace
{
using formats::maxXmlNestingDepth;

bool isXmlTextSafeToParse (const char* text)
{
    return formats::isXmlWithinParserLimits (text, text != nullptr ? std::strlen (text) : 0);
}

std::string nested (int depth, const std::string& inner = "x")
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<e a=\"" + std::to_string (i) + "\">";
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += "</e>";
    return text;
}

bool parses (const std::string& text)
{
    return data::parseXmlDocumentBytes (text.data(), text.size()) != nullptr;
}

// What the framework's parser makes of a text, for texts it handles safely.
juce::String frameworkParse (const juce::String& text)
{
    auto xml = juce::XmlDocument::parse (text);
    return xml != nullptr ? xml->toString() : juce::String ("(none)");
}

TEST (XmlInputCheckTest, EveryDocumentTheProgramWritesPassesAndParsesUnchanged)
{
    x48305_data::ProgramData program;
    program.getInformation().setProgrammer ("A & B <c> \"d\" 'e'");
    program.getInformation().setComment (juce::String::fromUTF8 (u8"line 1\nline 2\ttab \u97f3\u8272 \x01\x1f"));
    x48305_data::FavoriteData liveSet;
    liveSet.setProgramNumber (2, 3, 499);
    x48305_data::PresetInformation preset;
    preset.Name = "]]> --> ?> <!DOCTYPE";
    preset.Author = "&amp; &#38;";

    std::vector<std::unique_ptr<juce::XmlElement>> documents;
    documents.push_back (x48305_data::ProgramInformationXmlReaderWriter().createXml (program));
    documents.push_back (x48305_data::FavoriteDataXmlReaderWriter().createXml (liveSet));
    documents.push_back (x48305_data::PresetInformationXmlReaderWriter().createXml (preset));

    for (const auto& document : documents)
    {
        const auto text = data::createXmlDocumentText (*document);
        SCOPED_TRACE (text);
        EXPECT_TRUE (isXmlTextSafeToParse (text.toRawUTF8()));
        auto parsed = data::parseXmlDocumentText (text);
        ASSERT_NE (parsed, nullptr);
        EXPECT_EQ (parsed->toString(), frameworkParse (text));
    }

    // And the texts come back whole.
    const auto text = data::createXmlDocumentText (*documents[0]);
    auto parsed = data::parseXmlDocumentText (text);
    ASSERT_NE (parsed, nullptr);
    x48305_data::ProgramData readBack;
    ASSERT_TRUE (x48305_data::ProgramInformationXmlReaderWriter().readXml (*parsed, readBack));
    EXPECT_EQ (readBack.getInformation(), program.getInformation());
}

TEST (XmlInputCheckTest, ShippedResourcesPass)
{
    for (const bool japanese : { false, true })
    {
        const auto file = CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), japanese);
        const auto text = file.loadFileAsString();
        ASSERT_TRUE (text.isNotEmpty()) << file.getFullPathName();
        EXPECT_TRUE (isXmlTextSafeToParse (text.toRawUTF8()));
        EXPECT_TRUE (CPXWResource (file).hasDocument());
    }
}

TEST (XmlInputCheckTest, NestingUpToTheLimitPassesAndDeeperIsRefused)
{
    EXPECT_TRUE (isXmlTextSafeToParse (nested (maxXmlNestingDepth).c_str()));
    EXPECT_TRUE (parses (nested (maxXmlNestingDepth)));
    EXPECT_FALSE (isXmlTextSafeToParse (nested (maxXmlNestingDepth + 1).c_str()));
    EXPECT_FALSE (parses (nested (maxXmlNestingDepth + 1)));

    // Empty elements and closed siblings do not add to the depth.
    std::string wide = "<r>";
    for (int i = 0; i < 1000; ++i)
        wide += "<a/><b></b><c x='1'/>";
    wide += "</r>";
    EXPECT_TRUE (parses (wide));
}

TEST (XmlInputCheckTest, DeepNestingNeverReachesTheParser)
{
    // Deep enough to overflow the stack in the framework's recursive parser.
    const auto deep = nested (200000);
    const auto unclosed = "<r>" + std::string (1000000, '<');
    std::string unclosedElements;
    for (int i = 0; i < 200000; ++i)
        unclosedElements += "<a>";

    EXPECT_FALSE (parses (deep));
    EXPECT_FALSE (parses (unclosed));
    EXPECT_FALSE (parses (unclosedElements));
}

TEST (XmlInputCheckTest, RefusesWhatTheParserHandlesUnsafely)
{
    const char* const refused[] = {
        // Document type declarations, with entities that refer to themselves
        // or expand without bound, or read another file.
        "<!DOCTYPE r [<!ENTITY x \"&x;\">]><r>&x;</r>",
        "<!DOCTYPE r [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]><r>&b;</r>",
        "<!DOCTYPE r SYSTEM \"/etc/passwd\"><r/>",
        // Entities that only a document type could define, and the parser's
        // own way of turning an unknown name into elements.
        "<r>&unknown;</r>",
        "<r>&<a><a><a>;</r>",
        "<r a=\"&nbsp;\"/>",
        "<r>& </r>",
        // Character references that are no characters, or that it reads past.
        "<r>&#x110000;</r>",
        "<r>&#99999999;</r>",
        "<r>&#x;</r>",
        "<r>&#x</a></r>",
        "<r>&#12a;</r>",
        // A processing instruction inside the root followed by text: the
        // parser loops forever.
        "<r><?pi x?>text</r>",
        "<r><a/><?pi?></r>",
        // '<' inside a tag or an attribute value.
        "<r a=\"<\"/>",
        "<r <!-- c -->/>",
        "<r></a <b>></r>",
        // Unterminated parts.
        "<r><!-- never closed </r>",
        "<r><![CDATA[ never closed </r>",
        "<?xml never closed <r/>",
        "<r a=\"1",
        "<r>text",
        "",
        "no markup at all",
        // Other declarations.
        "<r><!ELEMENT r ANY></r>",
    };
    for (const auto* text : refused)
    {
        SCOPED_TRACE (text);
        EXPECT_FALSE (isXmlTextSafeToParse (text));
        EXPECT_FALSE (parses (text));
    }
    EXPECT_FALSE (isXmlTextSafeToParse (nullptr));
}

TEST (XmlInputCheckTest, AcceptsWellFormedDocumentsOfOtherWriters)
{
    const char* const accepted[] = {
        "<r/>",
        "  <?xml version=\"1.0\"?>\n<!-- a comment -->\n<?other instruction?>\n<r>x</r>",
        "<r a='single \"quoted\" > value' b=\"a/>b\">t</r>",
        "<r><!-- <a> &unknown; --><![CDATA[ <a> & ]]>text &lt;&gt;&amp;&quot;&apos;&#65;&#x41;&#X10FFFF;</r>",
        "<r><a/><b x=\"1\" /><c></c></r> trailing text that the parser never reads &bad; <",
        "\xef\xbb\xbf<r>after a byte order mark</r>",
    };
    for (const auto* text : accepted)
    {
        SCOPED_TRACE (text);
        const auto string = juce::String::fromUTF8 (text);
        const auto withoutMark = string.startsWithChar ((juce::juce_wchar) 0xfeff) ? string.substring (1) : string;
        auto parsed = data::parseXmlDocumentText (string);
        ASSERT_NE (parsed, nullptr);
        EXPECT_EQ (parsed->toString(), frameworkParse (withoutMark));
    }
}

TEST (XmlInputCheckTest, ProcessingInstructionInsideTheRootReturnsAtOnce)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE (parses ("<r><a><?x?>y</a></r>"));
    EXPECT_LT (std::chrono::steady_clock::now() - start, std::chrono::seconds (5));
}

// An index of tens of thousands of small elements, as a file of a few
// kilobytes unpacks to: checked in one pass, also under the sanitizers'
// strict string checks (a scan that measured the rest of the text at every
// tag took seconds there).
TEST (XmlInputCheckTest, ManySmallElementsAreCheckedInOnePass)
{
    std::string text = "<r>";
    for (int i = 0; i < 40000; ++i)
        text += "<a>x</a><!-- c --><b/>";
    text += "</r>";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE (isXmlTextSafeToParse (text.c_str()));
    EXPECT_LT (std::chrono::steady_clock::now() - start, std::chrono::seconds (1));
}

TEST (XmlInputCheckTest, EveryReaderOfOutsideXmlUsesTheCheck)
{
    const auto deep = "<PreferencesData>" + nested (100000) + "</PreferencesData>";
    const auto looping = std::string ("<PreferencesData><?x?>y<AutoReceive Value=\"0\"/></PreferencesData>");

    // The preferences store starts with an empty document.
    for (const auto& text : { deep, looping })
    {
        testsupport::TemporaryHome home;
        x48305_preferences::PreferencesData::getFile().replaceWithText (text);
        x48305_preferences::PreferencesData preferences;
        EXPECT_TRUE (preferences.getBool (x48305_preferences::keys::autoReceive, true));
    }

    // The preset store holds no index (and so installs nothing over it).
    for (const auto& text : { deep, looping })
    {
        testsupport::TemporaryHome home;
        x48305_file::PresetFileManager::getIndexFile().replaceWithText (text);
        x48305_file::PresetFileManager store;
        EXPECT_EQ (store.getNumPresets(), 0);
    }

    // The localisation resource has no document.
    for (const auto& text : { deep, looping })
    {
        testsupport::TemporaryFolder folder;
        const auto file = folder.get().getChildFile ("LocalizableStrings.xml");
        file.replaceWithText (text);
        EXPECT_FALSE (CPXWResource (file).hasDocument());
    }

    // A program form whose information document nests too deeply is refused.
    data::SerializedData form;
    {
        data::SerializedSectionDataWriter writer (form);
        std::uint8_t record[x48305_data::programRecordSize] = {};
        writer.addSection (x48305_data::tags::programRecord, record, sizeof (record), 0, 0, 0);
        const auto text = "<solivane_ProgramInformation>" + nested (100000) + "</solivane_ProgramInformation>";
        writer.addSection (x48305_data::tags::programInformation, text.data(), text.size() + 1, 0, 0, 0);
        writer.finish (x48305_data::tags::program);
    }
    x48305_data::ProgramData program;
    EXPECT_EQ (x48305_data::ProgramDataDeserializer (&program).deserialize (form),
               x48305_data::ProgramDataDeserializer::resultBadInformation);
}
} // namespace

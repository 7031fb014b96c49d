#include "application/CPXWResource.h"
#include "application/JapaneseMappings.h"
#include "application/LocalizationKeys.h"
#include "file/FileResultCodes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace
{
std::unique_ptr<juce::XmlElement> parseResource (bool japanese)
{
    return juce::parseXML (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), japanese));
}

TEST (LocalizationKeysTest, KeysAreUniqueAndWellFormed)
{
    auto& keys = application::getLocalizationKeys();
    ASSERT_GT (keys.size(), 100);

    juce::StringArray seen;
    for (auto& key : keys)
    {
        EXPECT_TRUE (juce::XmlElement::isValidXmlName (key)) << key;
        EXPECT_FALSE (seen.contains (key)) << "listed twice: " << key;
        seen.add (key);
    }
}

// Every listed key has a non-empty text in both languages, through the same
// reader the application uses.
TEST (LocalizationKeysTest, EveryKeyHasTextInEveryLanguage)
{
    for (bool japanese : { false, true })
    {
        CPXWResource resource (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), japanese));
        ASSERT_TRUE (resource.hasDocument()) << (japanese ? "ja" : "en");

        for (auto& key : application::getLocalizationKeys())
            EXPECT_NE (resource.getString (key).trim(), "") << (japanese ? "ja: " : "en: ") << key;
    }
}

// Both resources hold exactly the listed keys, once each: a text without a key
// in the list would never be checked again.
TEST (LocalizationKeysTest, ResourcesHoldOnlyListedKeysOnce)
{
    auto& keys = application::getLocalizationKeys();

    for (bool japanese : { false, true })
    {
        auto root = parseResource (japanese);
        ASSERT_NE (root, nullptr);

        std::map<juce::String, int> counts;
        for (auto* child : root->getChildIterator())
            ++counts[child->getTagName()];

        for (auto& [name, count] : counts)
        {
            EXPECT_TRUE (keys.contains (name)) << (japanese ? "ja: " : "en: ") << name << " is not in the key list";
            EXPECT_EQ (count, 1) << (japanese ? "ja: " : "en: ") << name;
        }
        EXPECT_EQ ((int) counts.size(), keys.size());
    }
}

// The Japanese resource really is translated: most texts differ from the
// English ones (names such as "OK" or "MIDI IN" may stay).
TEST (LocalizationKeysTest, JapaneseResourceIsTranslated)
{
    CPXWResource english (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), false));
    CPXWResource japanese (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), true));

    int same = 0;
    auto& keys = application::getLocalizationKeys();
    for (auto& key : keys)
        if (english.getString (key) == japanese.getString (key))
            ++same;

    EXPECT_LT (same, keys.size() / 10);
}

// In Japanese the framework's own words (a text field's pop-up menu, its
// buttons) come from the built-in table; the program's Edit menu and its
// dialog buttons must use the same words, or one window shows two names for
// one action.
TEST (LocalizationKeysTest, JapaneseEditAndButtonTextsMatchTheFrameworkWords)
{
    CPXWResource japanese (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), true));
    ASSERT_TRUE (japanese.hasDocument());
    juce::LocalisedStrings framework (x48305_application::getJapaneseMappingText(), false);

    const char* const pairs[][2] = {
        { "MenuEditUndo", "Undo" },     { "MenuEditRedo", "Redo" },     { "MenuEditCut", "Cut" },
        { "MenuEditCopy", "Copy" },     { "MenuEditPaste", "Paste" },   { "MenuEditClear", "Delete" },
        { "CommonOK", "OK" },           { "CommonCancel", "Cancel" },   { "CommonYes", "Yes" },
        { "CommonNo", "No" },
    };
    for (auto& [key, word] : pairs)
    {
        ASSERT_TRUE (framework.getMappings().containsKey (word)) << word << " has no Japanese mapping";
        EXPECT_EQ (japanese.getString (key), framework.translate (word)) << key;
    }
}

// Result codes name their messages through tables rather than literal calls.
TEST (LocalizationKeysTest, EveryFileResultKeyIsListed)
{
    auto& listed = application::getLocalizationKeys();

    for (int code = 0; code <= 32; ++code)
    {
        auto key = file::getReadResultKey (code);
        EXPECT_TRUE (key.isNotEmpty() && listed.contains (key)) << "read code " << code << ": " << key;
    }
    for (int code = 0; code <= 3; ++code)
    {
        auto key = file::getWriteResultKey (code);
        EXPECT_TRUE (key.isNotEmpty() && listed.contains (key)) << "write code " << code << ": " << key;
    }
}

// The program's sources, as the build was configured with them.
juce::File getSourceRoot()
{
    return juce::File (SLVN_SOURCE_DIR).getChildFile ("src");
}

// The keys of every getLocalizedText ("...") call with a literal key.
juce::StringArray literalKeysIn (const juce::String& text)
{
    juce::StringArray keys;
    const juce::String call ("getLocalizedText");

    for (int pos = text.indexOf (call); pos >= 0; pos = text.indexOf (pos + 1, call))
    {
        auto rest = text.substring (pos + call.length()).trimStart();
        if (! rest.startsWithChar ('('))
            continue;
        rest = rest.substring (1).trimStart();
        if (rest.startsWithChar ('"'))
            keys.add (rest.substring (1).upToFirstOccurrenceOf ("\"", false, false));
    }
    return keys;
}

TEST (LocalizationKeysTest, LiteralKeyScannerFindsCalls)
{
    auto keys = literalKeysIn ("a = getLocalizedText (\"One\"); b = getLocalizedText(\"Two\");\n"
                               "juce::String getLocalizedText (const juce::String& key); getLocalizedText ( \"Three\" )");
    EXPECT_EQ (keys, juce::StringArray ({ "One", "Two", "Three" }));
}

// A literal key handed to getLocalizedText anywhere in the program must be in
// the list, so that the checks above cover it.
TEST (LocalizationKeysTest, EveryLiteralKeyInTheSourcesIsListed)
{
    auto src = getSourceRoot();
    ASSERT_TRUE (src.isDirectory()) << src.getFullPathName() << " is not a folder";
    ASSERT_TRUE (src.getChildFile ("application/CPXWResource.h").existsAsFile());

    auto& listed = application::getLocalizationKeys();
    for (const auto& entry : juce::RangedDirectoryIterator (src, true, "*.cpp;*.h", juce::File::findFiles))
        for (auto& key : literalKeysIn (entry.getFile().loadFileAsString()))
            EXPECT_TRUE (listed.contains (key)) << entry.getFile().getFileName() << ": \"" << key << "\" is not listed";
}
} // namespace

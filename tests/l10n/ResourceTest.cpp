#include "application/CPXWResource.h"
#include "application/CurrentLanguageModel.h"
#include "support/AssertionWatch.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
using TempFolder = testsupport::TemporaryFolder;

TEST (CPXWResourceTest, ServesChildrenOfAnArbitrarilyNamedRoot)
{
    TempFolder temp;
    auto file = temp.write ("any.xml",
                            juce::String::fromUTF8 ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                                    "<WhateverRoot><CommonOK Text=\"Fine\"/>"
                                                    "<Other Text=\"\xe3\x81\xaf\xe3\x81\x84\"/></WhateverRoot>"));

    CPXWResource resource (file);
    ASSERT_TRUE (resource.hasDocument());
    EXPECT_EQ (resource.getString ("CommonOK"), "Fine");
    EXPECT_EQ (resource.getString ("Other"), juce::String::fromUTF8 ("\xe3\x81\xaf\xe3\x81\x84"));
    EXPECT_EQ (resource.getString ("Absent"), "");
}

TEST (CPXWResourceTest, KeysAreComparedExactly)
{
    TempFolder temp;
    auto file = temp.write ("case.xml", "<R><commonok Text=\"lower\"/><CommonOK Text=\"Fine\"/><COMMONCANCEL Text=\"x\"/></R>");

    testsupport::AssertionWatch watch;
    CPXWResource resource (file);
    EXPECT_EQ (resource.getString ("CommonOK"), "Fine");
    EXPECT_EQ (resource.getString ("CommonCancel"), "");
    EXPECT_EQ (watch.getCount(), 0);
}

TEST (CPXWResourceTest, KeyWithoutTextAttributeGivesEmptyText)
{
    TempFolder temp;
    auto file = temp.write ("r.xml", "<R><NoText Caption=\"x\"/><WithText Text=\"y\"/></R>");

    CPXWResource resource (file);
    ASSERT_TRUE (resource.hasDocument());
    EXPECT_EQ (resource.getString ("NoText"), "");
    EXPECT_EQ (resource.getString ("WithText"), "y");
}

TEST (CPXWResourceTest, MissingEmptyOrUnparsableFileGivesEmptyTexts)
{
    TempFolder temp;
    const juce::File files[] = {
        temp.get().getChildFile ("missing.xml"),
        temp.write ("empty.xml", ""),
        temp.write ("broken.xml", "<R><CommonOK Text=\"Fine\"/>"),
        temp.write ("notxml.xml", "CommonOK=Fine"),
    };

    for (auto& file : files)
    {
        CPXWResource resource (file);
        EXPECT_FALSE (resource.hasDocument()) << file.getFileName();
        EXPECT_EQ (resource.getString ("CommonOK"), "") << file.getFileName();
    }
}

TEST (CPXWResourceTest, PathThatExistsButCannotBeReadCountsAsMissing)
{
    TempFolder temp;
    auto folder = temp.get().getChildFile ("LocalizableStrings.xml");
    ASSERT_TRUE (folder.createDirectory().wasOk());

    int size = 12345;
    char bytes[16] = {};
    EXPECT_EQ (CPXWResource::readResourceFile (folder, bytes, (int) sizeof (bytes), size), 0);
    EXPECT_EQ (size, -1);

    CPXWResource resource (folder);
    EXPECT_FALSE (resource.hasDocument());
    EXPECT_EQ (resource.getString ("CommonOK"), "");
}

TEST (CPXWResourceTest, ReadResourceFileReportsSizeAndReadsAtMostCapacity)
{
    TempFolder temp;
    auto file = temp.write ("data.xml", "0123456789");

    int size = 0;
    EXPECT_EQ (CPXWResource::readResourceFile (file, nullptr, 0, size), 0);
    EXPECT_EQ (size, 10);

    char bytes[4] = { 'x', 'x', 'x', 'x' };
    EXPECT_EQ (CPXWResource::readResourceFile (file, bytes, 3, size), 3);
    EXPECT_EQ (size, 10);
    EXPECT_EQ (std::string (bytes, 4), "012x");

    EXPECT_EQ (CPXWResource::readResourceFile (temp.get().getChildFile ("none.xml"), bytes, 4, size), 0);
    EXPECT_EQ (size, -1);
}

// The buffer holds exactly the file's bytes with no terminator after them;
// the address sanitizer fails this test if decoding reads one byte too far.
// Bytes after a NUL inside the file must not cut the text either.
TEST (CPXWResourceTest, DecodesExactlyTheBytesOfTheFile)
{
    TempFolder temp;
    auto file = temp.get().getChildFile ("exact.xml");
    const char text[] = "<R><A Text=\"first\"/><B Text=\"last\"/></R>";
    ASSERT_TRUE (file.replaceWithData (text, sizeof (text) - 1));

    CPXWResource resource (file);
    ASSERT_TRUE (resource.hasDocument());
    EXPECT_EQ (resource.getString ("A"), "first");
    EXPECT_EQ (resource.getString ("B"), "last");
}

TEST (CPXWResourceTest, ByteOrderMarkIsAccepted)
{
    TempFolder temp;
    auto file = temp.get().getChildFile ("bom.xml");
    const char text[] = "\xef\xbb\xbf<R><A Text=\"a\"/></R>";
    ASSERT_TRUE (file.replaceWithData (text, sizeof (text) - 1));

    CPXWResource resource (file);
    EXPECT_EQ (resource.getString ("A"), "a");
}

TEST (CPXWResourceTest, LanguageChoosesTheResourceFolder)
{
    auto folder = juce::File ("/somewhere/resources");
    EXPECT_EQ (CPXWResource::getResourceFile (folder, false).getFullPathName(),
               "/somewhere/resources/en/LocalizableStrings.xml");
    EXPECT_EQ (CPXWResource::getResourceFile (folder, true).getFullPathName(),
               "/somewhere/resources/ja/LocalizableStrings.xml");
    EXPECT_EQ (CPXWResource::getResourceFolder(),
               juce::File::getSpecialLocation (juce::File::currentExecutableFile).getSiblingFile ("resources"));
}

TEST (CPXWResourceTest, GetLocalizedTextReadsTheResourceNextToTheExecutable)
{
    auto* language = x48305_application::CurrentLanguageModel::getInstance();
    CPXWResource expected (CPXWResource::getResourceFile (CPXWResource::getResourceFolder(), language->isJapanese));
    ASSERT_TRUE (expected.hasDocument());

    for (auto* key : { "CommonOK", "CommonCancel", "MenuFileOpen", "ReadErrorOpenFile" })
    {
        EXPECT_NE (getLocalizedText (key), "") << key;
        EXPECT_EQ (getLocalizedText (key), expected.getString (key)) << key;
    }
    EXPECT_EQ (getLocalizedText ("NoSuchKeyAnywhere"), "");
}

TEST (CurrentLanguageModelTest, LanguageCodeComesFromTheFirstSetLocaleVariable)
{
    using x48305_application::CurrentLanguageModel;
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale ("ja_JP.UTF-8", "en_GB.UTF-8", "de_DE"), "ja");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale (nullptr, "ja.UTF-8", "en_US"), "ja");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale ("", "", "ja@euro"), "ja");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale ("", nullptr, "en_US.UTF-8"), "en");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale ("C", nullptr, "ja_JP"), "C");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale ("jam_JM", nullptr, nullptr), "jam");
    EXPECT_EQ (CurrentLanguageModel::languageCodeFromLocale (nullptr, nullptr, nullptr), "");
}

using ScopedEnv = testsupport::ScopedEnvironmentVariable;

TEST (CurrentLanguageModelTest, DetectLanguageReadsTheEnvironment)
{
    x48305_application::CurrentLanguageModel model;
    {
        ScopedEnv all ("LC_ALL", nullptr), messages ("LC_MESSAGES", "ja_JP.UTF-8"), lang ("LANG", "en_US.UTF-8");
        model.detectLanguage();
        EXPECT_TRUE (model.isJapanese);
    }
    {
        ScopedEnv all ("LC_ALL", "en_US.UTF-8"), messages ("LC_MESSAGES", "ja_JP.UTF-8"), lang ("LANG", nullptr);
        model.detectLanguage();
        EXPECT_FALSE (model.isJapanese);
    }
}
} // namespace

namespace
{
TEST (CPXWResourceTest, MalformedUtf8IsUnparsableAndNeverReadPastItsBytes)
{
    TempFolder temp;
    auto file = temp.get().getChildFile ("bad.xml");
    const char text[] = "<R><A Text=\"a\"/></R>\xe3\x81";
    ASSERT_TRUE (file.replaceWithData (text, sizeof (text) - 1));

    CPXWResource resource (file);
    EXPECT_FALSE (resource.hasDocument());
    EXPECT_EQ (resource.getString ("A"), "");
}
} // namespace

#include "file/PresetFileNames.h"

#include "FactoryRandom.h"

#include <gtest/gtest.h>

#include <map>

using x48305_file::getFileInsideFolder;
using x48305_file::getInstalledPresetFileName;
using x48305_file::isPlainFileName;

namespace
{
const juce::File folder ("/srv/store/Preset Data");

// What a stored name must never do: leave the folder, hide, or be empty.
void expectSafe (const juce::String& dataID)
{
    const auto name = getInstalledPresetFileName (dataID);
    SCOPED_TRACE (dataID.toStdString() + " -> " + name.toStdString());
    EXPECT_TRUE (isPlainFileName (name));
    EXPECT_FALSE (name.startsWithChar ('.'));
    EXPECT_TRUE (name.endsWith (".islvnpreset"));
    const auto file = getFileInsideFolder (folder, name);
    EXPECT_EQ (file.getParentDirectory(), folder);
    EXPECT_EQ (file.getFileName(), name);
}
} // namespace

TEST (PresetFileNames, OrdinaryDataIDsStayAsTheyAre)
{
    EXPECT_EQ (getInstalledPresetFileName ("Factory Presets"), "Factory Presets.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("My Sounds 2024 (v1.2)"), "My Sounds 2024 (v1.2).islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName (juce::CharPointer_UTF8 ("Klänge \xe9\x9f\xb3")),
               juce::String (juce::CharPointer_UTF8 ("Klänge \xe9\x9f\xb3.islvnpreset")));
    EXPECT_EQ (getInstalledPresetFileName ("a.b..c."), "a.b..c..islvnpreset");
}

TEST (PresetFileNames, DangerousCharactersAreEscaped)
{
    EXPECT_EQ (getInstalledPresetFileName ("../../evil"), "%2E.%2F..%2Fevil.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("/etc/passwd"), "%2Fetc%2Fpasswd.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("a\\b"), "a%5Cb.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("tab\there"), "tab%09here.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("100%"), "100%25.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName (".hidden"), "%2Ehidden.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName ("."), "%2E.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName (".."), "%2E..islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName (""), "%.islvnpreset");
    EXPECT_EQ (getInstalledPresetFileName (juce::String::charToString (0x85)), "%C2%85.islvnpreset");

    for (const auto* id : { "../../evil", "/etc/passwd", "a\\b", "x\ny", ".", "..", "", ".hidden", "~", "~root",
                            "%", "%2E", "a/../..", "\x7f", " " })
        expectSafe (id);
}

TEST (PresetFileNames, TwoDataIDsNeverShareAName)
{
    // Texts that a careless mapping (dropping or replacing characters) would
    // fold together.
    const juce::StringArray tricky { "a/b", "a%2Fb", "a%252Fb", "a_b", "ab", "a\\b", "a%5Cb", ".x", "%2Ex", "x",
                                     "", "%", "%25", ".", "..", "%2E", "%2E.", "a\nb", "a%0Ab", "A/B" };

    std::map<juce::String, juce::String> owners;
    for (const auto& id : tricky)
    {
        const auto [it, inserted] = owners.emplace (getInstalledPresetFileName (id), id);
        EXPECT_TRUE (inserted) << id << " and " << it->second << " share " << it->first;
    }

    // And over many random texts made of the characters that matter.
    const juce::juce_wchar alphabet[] = { 'a', 'B', '.', '/', '\\', '%', '2', 'E', 'F', '~', ' ', '\n', 0x7f, 0x85, 0x3042 };
    factorypresets::FactoryRandom random (12345);
    for (int i = 0; i < 4000; ++i)
    {
        juce::String id;
        const int length = random.between (0, 6);
        for (int c = 0; c < length; ++c)
            id << juce::String::charToString (alphabet[random.between (0, (int) std::size (alphabet) - 1)]);

        const auto name = getInstalledPresetFileName (id);
        const auto [it, inserted] = owners.emplace (name, id);
        EXPECT_TRUE (inserted || it->second == id) << id << " and " << it->second << " share " << name;
        expectSafe (id);
    }
}

TEST (PresetFileNames, NamesFromTheIndexMustStayInsideTheFolder)
{
    EXPECT_EQ (getFileInsideFolder (folder, "Factory Presets.islvnpreset"),
               juce::File ("/srv/store/Preset Data/Factory Presets.islvnpreset"));
    EXPECT_EQ (getFileInsideFolder (folder, "~user.islvnpreset"),
               juce::File ("/srv/store/Preset Data/~user.islvnpreset"));

    for (const auto* name : { "", ".", "..", "../outside.islvnpreset", "/etc/passwd", "sub/file", "a\\b",
                              "x\ny", "../../..", "./" })
        EXPECT_EQ (getFileInsideFolder (folder, name), juce::File()) << name;

    EXPECT_EQ (getFileInsideFolder (juce::File(), "x.islvnpreset"), juce::File());
}

#include "application/ApplicationFonts.h"
#include "application/CurrentLanguageModel.h"
#include "application/JapaneseMappings.h"
#include "ui/FontLibrary.h"

#include <gtest/gtest.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <iterator>

namespace
{
juce::String captureStdout (const std::function<void()>& fn)
{
    testing::internal::CaptureStdout();
    fn();
    return juce::String (testing::internal::GetCapturedStdout());
}

TEST (FontLibraryTest, InterfaceTypefaceIsInstalled)
{
    EXPECT_TRUE (juce::Font::findAllTypefaceNames().contains (ui::interfaceTypefaceName))
        << ui::interfaceTypefaceName << " is not among the typefaces the framework sees";
}

TEST (FontLibraryTest, StartsWithItsTypefaceAt18PointsAndSixSizeSteps)
{
    ui::FontLibrary library;
    EXPECT_EQ (library.getTypefaceName(), ui::interfaceTypefaceName);
    EXPECT_EQ (library.getDefaultFont().getTypefaceName(), ui::interfaceTypefaceName);
    EXPECT_FLOAT_EQ (library.getDefaultFont().getHeight(), 18.0f);
    EXPECT_FALSE (library.getDefaultFont().isBold());

    const float steps[] = { 12, 14, 16, 18, 20, 22 };
    for (int i = 0; i < 6; ++i)
        EXPECT_FLOAT_EQ (library.getSizeStep (i), steps[i]);
    EXPECT_FLOAT_EQ (library.getSizeStep (-1), 12.0f);
    EXPECT_FLOAT_EQ (library.getSizeStep (6), 22.0f);
}

TEST (FontLibraryTest, FirstRegistrationOfAKeyWins)
{
    ui::FontLibrary library;
    library.addFont ("Label", juce::Font ("VL PGothic", 13.0f, juce::Font::plain));
    library.addFont ("Label", juce::Font ("VL PGothic", 21.0f, juce::Font::bold));

    auto output = captureStdout ([&] {
        auto font = library.getFont ("Label");
        EXPECT_FLOAT_EQ (font.getHeight(), 13.0f);
        EXPECT_FALSE (font.isBold());
    });
    EXPECT_EQ (output, "");
}

TEST (FontLibraryTest, UnknownKeyPrintsOneLinePerCallAndGivesTheDefaultFont)
{
    ui::FontLibrary library;
    library.setDefaultFont (juce::Font ("VL PGothic", 16.0f, juce::Font::plain));

    auto output = captureStdout ([&] {
        EXPECT_FLOAT_EQ (library.getFont ("Nowhere").getHeight(), 16.0f);
        EXPECT_FLOAT_EQ (library.getFont ("Nowhere").getHeight(), 16.0f);
    });
    EXPECT_EQ (output, "Font not found: Nowhere\nFont not found: Nowhere\n");
}

TEST (FontLibraryTest, SetFontHeightChangesOnlyRegisteredFonts)
{
    ui::FontLibrary library;
    library.addFont ("A", juce::Font ("VL PGothic", 16.0f, juce::Font::plain));

    auto output = captureStdout ([&] {
        library.setFontHeight ("A", 11);
        library.setFontHeight ("B", 11);
    });
    EXPECT_EQ (output, "Font not found: B\n");
    EXPECT_FLOAT_EQ (library.getFont ("A").getHeight(), 11.0f);
    EXPECT_FALSE (library.hasFont ("B"));
}

TEST (ApplicationFontsTest, RegisterFontsGivesEveryNamedFontItsSize)
{
    auto* library = ui::FontLibrary::getInstance();
    x48305_application::registerFonts();

    auto& table = x48305_application::getNamedFontSizes();
    EXPECT_EQ (table.size(), 28u);

    auto output = captureStdout ([&] {
        for (auto& entry : table)
        {
            auto font = library->getFont (entry.key);
            EXPECT_EQ (font.getTypefaceName(), ui::interfaceTypefaceName) << entry.key;
            EXPECT_FALSE (font.isBold() || font.isItalic()) << entry.key;
        }
    });
    EXPECT_EQ (output, "");

    // Fonts that no preference rescales keep their registered size.
    for (auto& entry : table)
    {
        if (! x48305_application::getListFontKeys().contains (entry.key))
        {
            EXPECT_FLOAT_EQ (library->getFont (entry.key).getHeight(), (float) entry.points) << entry.key;
        }
    }

    // Every list font is a named font.
    for (auto& key : x48305_application::getListFontKeys())
        EXPECT_TRUE (library->hasFont (key)) << key;
}

TEST (ApplicationFontsTest, DefaultFontIs16PointsInEveryLanguage)
{
    auto* language = x48305_application::CurrentLanguageModel::getInstance();
    auto wasJapanese = language->isJapanese;

    for (bool japanese : { false, true })
    {
        language->isJapanese = japanese;
        x48305_application::setUpDefaultFont();

        auto font = ui::FontLibrary::getInstance()->getDefaultFont();
        EXPECT_EQ (font.getTypefaceName(), ui::interfaceTypefaceName);
        EXPECT_FLOAT_EQ (font.getHeight(), 16.0f);
        EXPECT_EQ (language->typefaceName, ui::interfaceTypefaceName);
        EXPECT_EQ (juce::LookAndFeel::getDefaultLookAndFeel().getTypefaceForFont (juce::Font (16.0f))->getName(),
                   ui::interfaceTypefaceName);
    }

    language->isJapanese = wasJapanese;
}

TEST (ApplicationFontsTest, ListFontSizeIsSixTenthsOfTheRowHeightTruncated)
{
    const int heights[] = { 20, 25, 30, 35, 40, 1, 0, 9 };
    const int sizes[] = { 12, 15, 18, 21, 24, 0, 0, 5 };
    for (size_t i = 0; i < std::size (heights); ++i)
        EXPECT_EQ (x48305_application::listFontSizeForRowHeight (heights[i]), sizes[i]) << heights[i];
}

TEST (JapaneseMappingsTest, TextIsTheFrameworkTable)
{
    auto text = x48305_application::getJapaneseMappingText();
    EXPECT_TRUE (text.startsWith ("language: Japanese\ncountries: ja\n\n"));

    juce::LocalisedStrings strings (text, false);
    EXPECT_EQ (strings.getLanguageName(), "Japanese");
    EXPECT_EQ (strings.getCountryCodes(), juce::StringArray ("ja"));

    const char* const pairs[][2] = {
        { "Cut", "\xe3\x82\xab\xe3\x83\x83\xe3\x83\x88" },
        { "Copy", "\xe3\x82\xb3\xe3\x83\x94\xe3\x83\xbc" },
        { "Paste", "\xe3\x83\x9a\xe3\x83\xbc\xe3\x82\xb9\xe3\x83\x88" },
        { "Delete", "\xe3\x82\xaf\xe3\x83\xaa\xe3\x82\xa2" },
        { "Select All", "\xe3\x81\x99\xe3\x81\xb9\xe3\x81\xa6\xe3\x82\x92\xe9\x81\xb8\xe6\x8a\x9e" },
        { "Undo", "\xe5\x85\x83\xe3\x81\xab\xe6\x88\xbb\xe3\x81\x99" },
        { "Redo", "\xe3\x82\x84\xe3\x82\x8a\xe7\x9b\xb4\xe3\x81\x99" },
        { "OK", "OK" },
        { "Cancel", "\xe3\x82\xad\xe3\x83\xa3\xe3\x83\xb3\xe3\x82\xbb\xe3\x83\xab" },
        { "Yes", "\xe3\x81\xaf\xe3\x81\x84" },
        { "No", "\xe3\x81\x84\xe3\x81\x84\xe3\x81\x88" },
    };
    for (auto& pair : pairs)
        EXPECT_EQ (strings.translate (pair[0]), juce::String::fromUTF8 (pair[1])) << pair[0];

    // Keys are compared case-sensitively.
    EXPECT_EQ (strings.translate ("cancel"), "cancel");
}

TEST (JapaneseMappingsTest, InstalledOnlyWhenJapaneseIsActive)
{
    auto* language = x48305_application::CurrentLanguageModel::getInstance();
    auto wasJapanese = language->isJapanese;
    juce::LocalisedStrings::setCurrentMappings (nullptr);

    language->isJapanese = false;
    x48305_application::installJapaneseMappings();
    EXPECT_EQ (juce::LocalisedStrings::getCurrentMappings(), nullptr);
    EXPECT_EQ (juce::translate ("Cancel"), "Cancel");

    language->isJapanese = true;
    x48305_application::installJapaneseMappings();
    ASSERT_NE (juce::LocalisedStrings::getCurrentMappings(), nullptr);
    EXPECT_EQ (juce::translate ("Cancel"), juce::String::fromUTF8 ("\xe3\x82\xad\xe3\x83\xa3\xe3\x83\xb3\xe3\x82\xbb\xe3\x83\xab"));
    EXPECT_EQ (juce::translate ("Preset:"), "Preset:");

    juce::LocalisedStrings::setCurrentMappings (nullptr);
    language->isJapanese = wasJapanese;
}
} // namespace

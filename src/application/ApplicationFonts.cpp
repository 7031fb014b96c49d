#include "application/ApplicationFonts.h"

#include "application/CurrentLanguageModel.h"
#include "ui/FontLibrary.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_application
{
const std::vector<NamedFontSize>& getNamedFontSizes()
{
    static const std::vector<NamedFontSize> sizes {
        { "ProgramListNumber", 16 },
        { "ProgramListName", 18 },
        { "ProgramListCategory", 16 },
        { "ProgramListLike", 16 },
        { "ProgramListTimbType", 16 },
        { "ProgramListVco1Wave", 16 },
        { "ProgramListVco2Wave", 16 },
        { "ProgramListSliderAssign", 16 },
        { "ProgramListMultiType", 16 },
        { "ProgramListExpMain", 16 },
        { "FavoriteDisplayNumber", 18 },
        { "FavoriteDisplayName", 16 },
        { "PresetListItemPresetData", 16 },
        { "PresetListItemProgram", 16 },
        { "MidiCommunicationDialogStatus", 18 },
        { "MidiCommunicationDialogDetail", 16 },
        { "HeaderModeButton", 12 },
        { "HeaderProgDisplay", 20 },
        { "TabBarButton", 12 },
        { "PopupMenu", 16 },
        { "TextButton", 16 },
        { "ImageTextButton", 16 },
        { "Label", 16 },
        { "AlertWindow", 16 },
        { "AlertWindowTitle", 18 },
        { "AlertWindowMessage", 16 },
        { "TabButton", 18 },
        { "DialogText", 20 },
    };
    return sizes;
}

const juce::StringArray& getListFontKeys()
{
    static const juce::StringArray keys {
        "ProgramListNumber",
        "ProgramListName",
        "ProgramListCategory",
        "ProgramListLike",
        "ProgramListTimbType",
        "ProgramListVco1Wave",
        "ProgramListVco2Wave",
        "ProgramListSliderAssign",
        "ProgramListMultiType",
        "ProgramListExpMain",
        "PresetListItemPresetData",
        "PresetListItemProgram",
    };
    return keys;
}

int listFontSizeForRowHeight (int rowHeight)
{
    // 0.6f lies just above 0.6, so whole results (25 -> 15) never drop below.
    return (int) ((float) rowHeight * 0.6f);
}

void setUpLanguageAndFonts()
{
    CurrentLanguageModel::getInstance()->detectLanguage();
    setUpDefaultFont();
}

void setUpDefaultFont()
{
    auto* library = ui::FontLibrary::getInstance();
    const auto& typeface = library->getTypefaceName();

    library->setDefaultFont (juce::Font (typeface, library->getSizeStep (2), juce::Font::plain));
    CurrentLanguageModel::getInstance()->typefaceName = typeface;
    juce::LookAndFeel::getDefaultLookAndFeel().setDefaultSansSerifTypefaceName (typeface);
}

void registerFonts()
{
    auto* library = ui::FontLibrary::getInstance();

    for (const auto& entry : getNamedFontSizes())
        library->addFont (entry.key, juce::Font (library->getTypefaceName(), (float) entry.points, juce::Font::plain));
}
} // namespace x48305_application

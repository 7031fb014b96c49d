#include "ui/DefaultLookAndFeel.h"

#include "application/CurrentLanguageModel.h"
#include "ui/FontLibrary.h"
#include "ui/PopupMenuParent.h"

#include <cmath>

namespace x48305_ui
{
namespace
{
const juce::Colour menuBackground (0xff333333);
const juce::Colour menuHighlight (0xff666666);
const juce::Colour menuText (0xffd3d3d3);
// A disabled item's text, tick and arrow: the menu's text grey taken most of
// the way towards its background, so it reads as unavailable at a glance.
const juce::Colour menuDisabledText (menuText.interpolatedWith (menuBackground, 0.55f));
const juce::Colour menuSeparator (0x33000000);
const juce::Colour menuBarBackground (0xff222222);
const juce::Colour menuBarOpenItem (0xff333333);

juce::Font fontFor (const char* key)
{
    return ui::FontLibrary::getInstance()->getFont (key);
}
} // namespace

DefaultLookAndFeel::DefaultLookAndFeel()
{
    const std::pair<int, juce::uint32> colours[] = {
        { juce::PopupMenu::backgroundColourId, 0xff333333 },
        { juce::PopupMenu::textColourId, 0xffd3d3d3 },
        { juce::PopupMenu::headerTextColourId, 0xffd3d3d3 },
        { juce::PopupMenu::highlightedBackgroundColourId, 0xff666666 },
        { juce::PopupMenu::highlightedTextColourId, 0xffffffff },
        { juce::ToggleButton::textColourId, 0xffd3d3d3 },
        { juce::ToggleButton::tickColourId, 0xff000000 },
        { juce::ToggleButton::tickDisabledColourId, 0xffd3d3d3 },
        { juce::TextButton::buttonColourId, 0x49666666 },
        { juce::TextButton::buttonOnColourId, 0x69999999 },
        { juce::TextButton::textColourOffId, 0xffffffff },
        { juce::TextButton::textColourOnId, 0xffffffff },
        { juce::ProgressBar::backgroundColourId, 0xff333333 },
        { juce::ProgressBar::foregroundColourId, 0xff666666 },
        { juce::Slider::backgroundColourId, 0xff333333 },
        { juce::Slider::thumbColourId, 0xff666666 },
        { juce::Slider::trackColourId, 0xff666666 },
        { juce::Slider::textBoxTextColourId, 0xffd3d3d3 },
        { juce::Label::textColourId, 0xffffffff },
        { juce::ComboBox::backgroundColourId, 0xff111111 },
        { juce::ComboBox::textColourId, 0xffd3d3d3 },
        { juce::ComboBox::outlineColourId, 0xff111111 },
        { juce::ComboBox::buttonColourId, 0xff111111 },
        { juce::ComboBox::arrowColourId, 0xff333333 },
        { juce::TreeView::backgroundColourId, 0xff111111 },
        { juce::TreeView::linesColourId, 0xffd3d3d3 },
        { juce::TreeView::dragAndDropIndicatorColourId, 0xff333333 },
        { juce::TreeView::selectedItemBackgroundColourId, 0xff333333 },
        { juce::TreeView::oddItemsColourId, 0xff111111 },
        { juce::TreeView::evenItemsColourId, 0xff111111 },
        { juce::TextEditor::backgroundColourId, 0xff333333 },
        { juce::TextEditor::textColourId, 0xffd3d3d3 },
        { juce::TextEditor::highlightColourId, 0xff111111 },
        { juce::TextEditor::highlightedTextColourId, 0xffffffff },
        { juce::TextEditor::outlineColourId, 0xff333333 },
        { juce::TextEditor::focusedOutlineColourId, 0xff333333 },
        { juce::TextEditor::shadowColourId, 0xff333333 },
    };

    for (const auto& [id, argb] : colours)
        setColour (id, juce::Colour (argb));
}

//==============================================================================
// The button font keeps its own size whatever the button's height.
juce::Font DefaultLookAndFeel::getTextButtonFont (juce::TextButton&, int) { return fontFor ("TextButton"); }
juce::Font DefaultLookAndFeel::getAlertWindowTitleFont() { return fontFor ("AlertWindowTitle"); }
juce::Font DefaultLookAndFeel::getAlertWindowMessageFont() { return fontFor ("AlertWindowMessage"); }
juce::Font DefaultLookAndFeel::getAlertWindowFont() { return fontFor ("AlertWindow"); }
juce::Font DefaultLookAndFeel::getLabelFont (juce::Label&) { return fontFor ("Label"); }
juce::Font DefaultLookAndFeel::getPopupMenuFont() { return fontFor ("PopupMenu"); }

juce::Font DefaultLookAndFeel::getMenuBarFont (juce::MenuBarComponent&, int, const juce::String&)
{
    return fontFor ("PopupMenu");
}

//==============================================================================
// A plus or minus in a small square reads better on the dark tree than the
// triangle of the newer style.
void DefaultLookAndFeel::drawTreeviewPlusMinusBox (juce::Graphics& g, const juce::Rectangle<float>& area,
                                                   juce::Colour backgroundColour, bool isOpen, bool isMouseOver)
{
    juce::LookAndFeel_V2::drawTreeviewPlusMinusBox (g, area, backgroundColour, isOpen, isMouseOver);
}

bool DefaultLookAndFeel::areLinesDrawnForTreeView (juce::TreeView&)
{
    return true;
}

//==============================================================================
void DefaultLookAndFeel::drawPopupMenuBackground (juce::Graphics& g, int, int)
{
    g.fillAll (menuBackground);
}

void DefaultLookAndFeel::drawPopupMenuItem (juce::Graphics& g, const juce::Rectangle<int>& area,
                                            bool isSeparator, bool isActive, bool isHighlighted, bool isTicked,
                                            bool hasSubMenu, const juce::String& text,
                                            const juce::String& shortcutKeyText,
                                            const juce::Drawable*, const juce::Colour*)
{
    const auto w = (float) area.getWidth();
    const auto h = (float) area.getHeight();

    juce::Graphics::ScopedSaveState state (g);
    g.setOrigin (area.getPosition());

    if (isSeparator)
    {
        g.setColour (menuSeparator);
        g.drawLine (5.5f, h / 2.0f, w - 5.5f, h / 2.0f);
        return;
    }

    if (isHighlighted)
    {
        g.setColour (menuHighlight);
        g.fillRect (1.0f, 1.0f, w - 2.0f, h - 2.0f);
    }

    // Icon and a caller's text colour leave the drawing alone.
    auto font = getPopupMenuFont();
    g.setColour (isActive ? menuText : menuDisabledText);
    g.setFont (font);

    const auto left = (int) (1.25f * h);

    if (isTicked)
    {
        const auto ascent = font.getAscent();
        auto tick = getTickShape (1.0f);
        const juce::Rectangle<float> tickArea (2.0f, h / 2.0f - ascent / 2.0f, (float) left - 4.0f, ascent);
        g.fillPath (tick, tick.getTransformToScaleToFit (tickArea, true));
    }

    g.drawFittedText (text, left, 0, (int) (w - (float) (left + 4)), (int) h,
                      juce::Justification::centredLeft, 1, 0.0f);

    if (shortcutKeyText.isNotEmpty())
    {
        auto shortcutFont = font;
        shortcutFont.setHeight (font.getHeight() * 0.75f);
        shortcutFont.setHorizontalScale (0.95f);
        g.setFont (shortcutFont);
        g.drawText (shortcutKeyText, left, 0, (int) (w - (float) (left + 8)), (int) h,
                    juce::Justification::centredRight, true);
    }

    if (hasSubMenu)
    {
        const auto arrow = 0.6f * getPopupMenuFont().getAscent();
        const auto x = w - 0.6f * h;
        juce::Path p;
        p.addTriangle (x, h / 2.0f - arrow / 2.0f, x, h / 2.0f + arrow / 2.0f, x + 0.6f * arrow, h / 2.0f);
        g.fillPath (p);
    }
}

//==============================================================================
void DefaultLookAndFeel::drawMenuBarBackground (juce::Graphics& g, int, int, bool, juce::MenuBarComponent&)
{
    g.fillAll (menuBarBackground);
}

int DefaultLookAndFeel::getDefaultMenuBarHeight()
{
    return menuBarHeight;
}

int DefaultLookAndFeel::menuBarItemWidth (int itemIndex, bool japanese)
{
    switch (itemIndex)
    {
        case 0: return japanese ? 60 : 40;
        case 1: return 40;
        case 2: return 80;
        case 3: return 50;
        default: return 40;
    }
}

// The fixed widths suit short captions; a caption wider than its item (the
// interface typeface draws wider than the widths allow for some captions)
// widens the item rather than being cut off. Japanese glyphs fill their
// whole advance and the titles have no spaces of their own, so a Japanese
// caption gets half an em on each side: with less, neighbouring titles read
// as one word.
int DefaultLookAndFeel::getMenuBarItemWidth (juce::MenuBarComponent& menuBar, int itemIndex,
                                             const juce::String& itemText)
{
    const bool japanese = x48305_application::CurrentLanguageModel::getInstance()->isJapanese;
    const auto font = getMenuBarFont (menuBar, itemIndex, itemText);
    const auto padding = japanese ? font.getHeight() / 2.0f : (float) menuBarCaptionPadding;
    return juce::jmax (menuBarItemWidth (itemIndex, japanese),
                       (int) std::ceil (font.getStringWidthFloat (itemText) + 2.0f * padding));
}

// Hovering alone changes nothing: only an open menu lights its item.
void DefaultLookAndFeel::drawMenuBarItem (juce::Graphics& g, int width, int height, int itemIndex,
                                          const juce::String& itemText, bool, bool isMenuOpen, bool,
                                          juce::MenuBarComponent& menuBar)
{
    g.fillAll (isMenuOpen ? menuBarOpenItem : menuBarBackground);
    g.setColour (menuText);
    g.setFont (getMenuBarFont (menuBar, itemIndex, itemText));
    g.drawText (itemText, 0, 0, width, height, juce::Justification::centred, false);
}

//==============================================================================
int DefaultLookAndFeel::getTabButtonBestWidth (juce::TabBarButton&, int)
{
    return tabButtonWidth;
}

juce::Component* DefaultLookAndFeel::getParentComponentForMenuOptions (const juce::PopupMenu::Options& options)
{
    return popupMenuParentFor (options);
}
} // namespace x48305_ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// The dark appearance of every window and dialog: a colour table for the
// framework's widgets, fonts by key from the font library (fetched at each
// call, so a changed height shows at once), and its own drawing of pop-up
// menus, the menu bar, tree-view open/close boxes and tab widths.
//
// A plain value: every window, dialog and menu owner holds its own instance
// and installs it on its components for its own lifetime.
class DefaultLookAndFeel : public juce::LookAndFeel_V3
{
public:
    DefaultLookAndFeel();

    // Fonts
    juce::Font getTextButtonFont (juce::TextButton&, int buttonHeight) override;
    juce::Font getAlertWindowTitleFont() override;
    juce::Font getAlertWindowMessageFont() override;
    juce::Font getAlertWindowFont() override;
    juce::Font getLabelFont (juce::Label&) override;

    // Tree view
    void drawTreeviewPlusMinusBox (juce::Graphics&, const juce::Rectangle<float>& area,
                                   juce::Colour backgroundColour, bool isOpen, bool isMouseOver) override;
    bool areLinesDrawnForTreeView (juce::TreeView&) override;

    // Pop-up menu
    void drawPopupMenuBackground (juce::Graphics&, int width, int height) override;
    void drawPopupMenuItem (juce::Graphics&, const juce::Rectangle<int>& area,
                            bool isSeparator, bool isActive, bool isHighlighted, bool isTicked,
                            bool hasSubMenu, const juce::String& text, const juce::String& shortcutKeyText,
                            const juce::Drawable* icon, const juce::Colour* textColour) override;
    juce::Font getPopupMenuFont() override;

    // Menu bar
    void drawMenuBarBackground (juce::Graphics&, int width, int height, bool isMouseOverBar,
                                juce::MenuBarComponent&) override;
    int getDefaultMenuBarHeight() override;
    int getMenuBarItemWidth (juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    juce::Font getMenuBarFont (juce::MenuBarComponent&, int itemIndex, const juce::String& itemText) override;
    void drawMenuBarItem (juce::Graphics&, int width, int height, int itemIndex, const juce::String& itemText,
                          bool isMouseOverItem, bool isMenuOpen, bool isMouseOverBar,
                          juce::MenuBarComponent&) override;

    // Tabbed button bar
    int getTabButtonBestWidth (juce::TabBarButton&, int tabDepth) override;

    // Pop-up menus open inside a window with the system's title bar (see
    // popupMenuParentFor).
    juce::Component* getParentComponentForMenuOptions (const juce::PopupMenu::Options&) override;

    // The fixed width of a menu-bar item by position (File, Edit, MIDI,
    // Option), wider for the Japanese captions. An item is never narrower
    // than its caption plus menuBarCaptionPadding on each side, or half the
    // font's height on each side for a Japanese caption.
    static int menuBarItemWidth (int itemIndex, bool japanese);

    static constexpr int menuBarCaptionPadding = 4;

    static constexpr int menuBarHeight = 20;
    static constexpr int tabButtonWidth = 180;
};
} // namespace x48305_ui

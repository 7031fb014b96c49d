#include "application/CPXWResource.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "support/Snapshot.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/FontLibrary.h"

#include <gtest/gtest.h>

namespace
{
using x48305_ui::DefaultLookAndFeel;

const juce::Colour grey33 (0xff333333);
const juce::Colour grey66 (0xff666666);
const juce::Colour textGrey (0xffd3d3d3);
const juce::Colour barGrey (0xff222222);

class DefaultLookAndFeelTest : public testing::Test
{
protected:
    void SetUp() override { testsupport::setUpInterfaceFonts(); }

    DefaultLookAndFeel lookAndFeel;
};

// An opaque image of one colour, to draw into and read back.
juce::Image canvas (int w, int h, juce::Colour background)
{
    juce::Image image (juce::Image::ARGB, w, h, true);
    juce::Graphics (image).fillAll (background);
    return image;
}

bool near (juce::Colour a, juce::Colour b, int tolerance = 6)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance && std::abs (a.getGreen() - b.getGreen()) <= tolerance
        && std::abs (a.getBlue() - b.getBlue()) <= tolerance;
}

// Columns (or the range of columns) where the drawing differs from the
// background, within the given rows.
juce::Range<int> inkColumns (const juce::Image& image, juce::Colour background, int fromX = 0, int toX = -1,
                             int fromY = 0, int toY = -1)
{
    toX = toX < 0 ? image.getWidth() : toX;
    toY = toY < 0 ? image.getHeight() : toY;
    int first = -1, last = -1;
    for (int x = fromX; x < toX; ++x)
        for (int y = fromY; y < toY; ++y)
            if (! near (image.getPixelAt (x, y), background, 40))
            {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return first < 0 ? juce::Range<int>() : juce::Range<int> (first, last + 1);
}

TEST_F (DefaultLookAndFeelTest, SetsItsColourTable)
{
    const std::pair<int, juce::uint32> expected[] = {
        { 0x1000700, 0xff333333 }, { 0x1000600, 0xffd3d3d3 }, { 0x1000601, 0xffd3d3d3 },
        { 0x1000900, 0xff666666 }, { 0x1000800, 0xffffffff }, { 0x1006501, 0xffd3d3d3 },
        { 0x1006502, 0xff000000 }, { 0x1006503, 0xffd3d3d3 }, { 0x1000100, 0x49666666 },
        { 0x1000101, 0x69999999 }, { 0x1000102, 0xffffffff }, { 0x1000103, 0xffffffff },
        { 0x1001900, 0xff333333 }, { 0x1001a00, 0xff666666 }, { 0x1001200, 0xff333333 },
        { 0x1001300, 0xff666666 }, { 0x1001310, 0xff666666 }, { 0x1001400, 0xffd3d3d3 },
        { 0x1000281, 0xffffffff }, { 0x1000b00, 0xff111111 }, { 0x1000a00, 0xffd3d3d3 },
        { 0x1000c00, 0xff111111 }, { 0x1000d00, 0xff111111 }, { 0x1000e00, 0xff333333 },
        { 0x1000500, 0xff111111 }, { 0x1000501, 0xffd3d3d3 }, { 0x1000502, 0xff333333 },
        { 0x1000503, 0xff333333 }, { 0x1000504, 0xff111111 }, { 0x1000505, 0xff111111 },
        { 0x1000200, 0xff333333 }, { 0x1000201, 0xffd3d3d3 }, { 0x1000202, 0xff111111 },
        { 0x1000203, 0xffffffff }, { 0x1000205, 0xff333333 }, { 0x1000206, 0xff333333 },
        { 0x1000207, 0xff333333 },
    };
    for (const auto& [id, argb] : expected)
        EXPECT_EQ (lookAndFeel.findColour (id).getARGB(), argb) << std::hex << "colour id 0x" << id;

    // Everything else keeps the framework's own value.
    juce::LookAndFeel_V3 base;
    EXPECT_EQ (lookAndFeel.findColour (juce::ListBox::backgroundColourId),
               base.findColour (juce::ListBox::backgroundColourId));
    EXPECT_EQ (lookAndFeel.findColour (juce::ScrollBar::thumbColourId),
               base.findColour (juce::ScrollBar::thumbColourId));
}

TEST_F (DefaultLookAndFeelTest, FontsComeFromTheLibraryAtEachCall)
{
    auto* library = ui::FontLibrary::getInstance();
    juce::TextButton button;
    juce::Label label;
    juce::MenuBarComponent bar;

    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 10), library->getFont ("TextButton"));
    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 60), library->getFont ("TextButton"));
    EXPECT_EQ (lookAndFeel.getAlertWindowTitleFont(), library->getFont ("AlertWindowTitle"));
    EXPECT_EQ (lookAndFeel.getAlertWindowMessageFont(), library->getFont ("AlertWindowMessage"));
    EXPECT_EQ (lookAndFeel.getAlertWindowFont(), library->getFont ("AlertWindow"));
    EXPECT_EQ (lookAndFeel.getLabelFont (label), library->getFont ("Label"));
    EXPECT_EQ (lookAndFeel.getPopupMenuFont(), library->getFont ("PopupMenu"));
    EXPECT_EQ (lookAndFeel.getMenuBarFont (bar, 2, "MIDI"), library->getFont ("PopupMenu"));
    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 10).getTypefaceName(), library->getTypefaceName());
    EXPECT_EQ (lookAndFeel.getAlertWindowTitleFont().getHeight(), 18.0f);

    const auto before = library->getFont ("TextButton").getHeight();
    library->setFontHeight ("TextButton", 21);
    EXPECT_EQ (lookAndFeel.getTextButtonFont (button, 24).getHeight(), 21.0f);
    library->setFontHeight ("TextButton", (int) before);
}

//==============================================================================
struct CategoryMenus : juce::MenuBarModel
{
    juce::StringArray getMenuBarNames() override
    {
        return { getLocalizedText ("MenuCategoryFile"), getLocalizedText ("MenuCategoryEdit"),
                 getLocalizedText ("MenuCategoryMidi"), getLocalizedText ("MenuCategoryOption") };
    }
    juce::PopupMenu getMenuForIndex (int, const juce::String&) override { return {}; }
    void menuItemSelected (int, int) override {}
};

std::vector<int> itemWidths (DefaultLookAndFeel& lf, juce::MenuBarComponent& bar, CategoryMenus& menus)
{
    std::vector<int> widths;
    auto names = menus.getMenuBarNames();
    for (int i = 0; i < names.size(); ++i)
        widths.push_back (lf.getMenuBarItemWidth (bar, i, names[i]));
    return widths;
}

TEST_F (DefaultLookAndFeelTest, FixedMenuBarItemWidthsByLanguage)
{
    EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (0, false), 40);
    EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (0, true), 60);
    for (bool japanese : { false, true })
    {
        EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (1, japanese), 40);
        EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (2, japanese), 80);
        EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (3, japanese), 50);
        EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (4, japanese), 40);
        EXPECT_EQ (DefaultLookAndFeel::menuBarItemWidth (-1, japanese), 40);
    }
    EXPECT_EQ (lookAndFeel.getDefaultMenuBarHeight(), 20);
}

// Each item keeps its fixed width in the interface language unless its
// caption needs more; then it grows just enough, so no caption is cut off.
// A Japanese caption needs half an em on each side.
TEST_F (DefaultLookAndFeelTest, MenuBarItemsKeepTheirWidthOrFitTheirCaption)
{
    CategoryMenus menus;
    juce::MenuBarComponent bar (&menus);
    for (bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        auto names = menus.getMenuBarNames();
        auto widths = itemWidths (lookAndFeel, bar, menus);
        int grown = 0;
        for (int i = 0; i < names.size(); ++i)
        {
            const auto fixed = DefaultLookAndFeel::menuBarItemWidth (i, japanese);
            const auto font = lookAndFeel.getMenuBarFont (bar, i, names[i]);
            const auto room = font.getStringWidthFloat (names[i]) + (japanese ? font.getHeight() : 8.0f);
            const auto width = widths[(size_t) i];
            const auto tag = (japanese ? "ja " : "en ") + names[i];

            EXPECT_GE (width, fixed) << tag;
            EXPECT_GE ((float) width, room) << tag;
            if (room <= (float) fixed)
            {
                EXPECT_EQ (width, fixed) << tag;
            }
            else
            {
                EXPECT_LE ((float) width, room + 1.0f) << tag;
                ++grown;
            }
        }
        // The English items mostly keep the fixed widths.
        EXPECT_LE (grown, japanese ? 4 : 1);
        // Short captions: the fixed table, by language.
        EXPECT_EQ (lookAndFeel.getMenuBarItemWidth (bar, 0, "F"), japanese ? 60 : 40);
        EXPECT_EQ (lookAndFeel.getMenuBarItemWidth (bar, 2, "M"), 80);
        EXPECT_EQ (lookAndFeel.getMenuBarItemWidth (bar, 3, "O"), 50);
    }
    bar.setModel (nullptr);
}

// A real menu bar: dark background, each caption centred in its own item.
TEST_F (DefaultLookAndFeelTest, MenuBarDrawsCaptionsCentredInTheirItems)
{
    CategoryMenus menus;
    for (bool japanese : { false, true })
    {
        testsupport::ScopedInterfaceLanguage language (japanese);
        juce::MenuBarComponent bar (&menus);
        bar.setLookAndFeel (&lookAndFeel);
        bar.setBounds (0, 0, 320, lookAndFeel.getDefaultMenuBarHeight());
        bar.resized();

        auto image = bar.createComponentSnapshot (bar.getLocalBounds());
        testsupport::writeSnapshot (bar, japanese ? "menu-bar-ja" : "menu-bar-en");
        EXPECT_EQ (image.getPixelAt (315, 10), barGrey);
        EXPECT_EQ (image.getPixelAt (0, 0), barGrey);

        auto widths = itemWidths (lookAndFeel, bar, menus);
        int x = 0, previousInkEnd = 0;
        for (size_t i = 0; i < widths.size(); ++i)
        {
            auto ink = inkColumns (image, barGrey, x, x + widths[i]);
            ASSERT_FALSE (ink.isEmpty()) << "item " << i << " shows no caption";
            EXPECT_NEAR ((ink.getStart() + ink.getEnd()) / 2.0, x + widths[i] / 2.0, 3.0) << "item " << i;
            // Neighbouring titles stand apart: Japanese ones by most of an em.
            const float gap = japanese ? lookAndFeel.getMenuBarFont (bar, 0, {}).getHeight() * 0.75f : 8.0f;
            EXPECT_TRUE (i == 0 || (float) (ink.getStart() - previousInkEnd) >= gap) << "before item " << i;
            previousInkEnd = ink.getEnd();
            x += widths[i];
        }
        EXPECT_TRUE (inkColumns (image, barGrey, x).isEmpty());
        bar.setLookAndFeel (nullptr);
        bar.setModel (nullptr);
    }
}

TEST_F (DefaultLookAndFeelTest, OnlyAnOpenMenuLightsItsItem)
{
    juce::MenuBarComponent bar;
    auto draw = [&] (bool over, bool open)
    {
        auto image = canvas (40, 20, juce::Colours::red);
        juce::Graphics g (image);
        lookAndFeel.drawMenuBarItem (g, 40, 20, 0, "", over, open, over, bar);
        return image.getPixelAt (20, 10);
    };
    EXPECT_EQ (draw (false, false), barGrey);
    EXPECT_EQ (draw (true, false), barGrey);
    EXPECT_EQ (draw (true, true), grey33);
    EXPECT_EQ (draw (false, true), grey33);

    auto background = canvas (50, 20, juce::Colours::red);
    juce::Graphics g (background);
    lookAndFeel.drawMenuBarBackground (g, 50, 20, true, bar);
    EXPECT_EQ (background.getPixelAt (49, 19), barGrey);
}

//==============================================================================
juce::Image drawMenuItem (DefaultLookAndFeel& lf, int w, int h, const juce::String& text,
                          const juce::String& shortcut = {}, bool highlighted = false, bool ticked = false,
                          bool active = true, bool subMenu = false, bool separator = false)
{
    auto image = canvas (w, h, grey33);
    juce::Graphics g (image);
    const juce::Colour red (0xffff0000);
    lf.drawPopupMenuItem (g, { 0, 0, w, h }, separator, active, highlighted, ticked, subMenu, text, shortcut,
                          nullptr, &red);
    return image;
}

TEST_F (DefaultLookAndFeelTest, MenuItemTextStartsAtItsLeftBorderAndEndsBeforeTheEdge)
{
    const int w = 200, h = 22;
    auto shortItem = drawMenuItem (lookAndFeel, w, h, "Hide");
    auto ink = inkColumns (shortItem, grey33);
    ASSERT_FALSE (ink.isEmpty());
    EXPECT_GE (ink.getStart(), 27);
    EXPECT_LE (ink.getStart(), 29);

    // A text far too long for the item is squeezed or cut at w - 4.
    auto longItem = drawMenuItem (lookAndFeel, w, h, juce::String::repeatedString ("Very long item ", 8));
    auto longInk = inkColumns (longItem, grey33);
    EXPECT_LE (longInk.getEnd(), w - 4);
    EXPECT_GE (longInk.getEnd(), w - 14);

    // The shortcut is right-aligned and ends 8 pixels before the edge.
    auto withShortcut = drawMenuItem (lookAndFeel, w, h, "", "Ctrl+Z");
    auto shortcutInk = inkColumns (withShortcut, grey33);
    ASSERT_FALSE (shortcutInk.isEmpty());
    EXPECT_LE (shortcutInk.getEnd(), w - 8);
    EXPECT_GE (shortcutInk.getEnd(), w - 11);

    // Its text is drawn in the menu's grey, whatever colour the caller passes.
    bool greyText = false;
    for (int x = ink.getStart(); x < ink.getEnd(); ++x)
        for (int y = 0; y < h; ++y)
            greyText = greyText || shortItem.getPixelAt (x, y) == textGrey;
    EXPECT_TRUE (greyText);
}

TEST_F (DefaultLookAndFeelTest, TickedHighlightedItemShowsAnInsetBarAndATick)
{
    const int w = 180, h = 22;
    auto image = drawMenuItem (lookAndFeel, w, h, "Item", {}, true, true);

    EXPECT_EQ (image.getPixelAt (0, 0), grey33);
    EXPECT_EQ (image.getPixelAt (w - 1, h - 1), grey33);
    EXPECT_EQ (image.getPixelAt (1, 1), grey66);
    EXPECT_EQ (image.getPixelAt (w - 2, h - 2), grey66);
    EXPECT_EQ (image.getPixelAt (w - 2, 1), grey66);

    // The tick lies left of the text, inside (2, L - 2).
    auto tickInk = inkColumns (image, grey66, 1, 27, 1, h - 1);
    ASSERT_FALSE (tickInk.isEmpty()) << "no tick";
    EXPECT_GE (tickInk.getStart(), 2);
    EXPECT_LE (tickInk.getEnd(), 27 - 2 + 1);

    auto plain = drawMenuItem (lookAndFeel, w, h, "Item", {}, true, false);
    EXPECT_TRUE (inkColumns (plain, grey66, 1, 27, 1, h - 1).isEmpty());
}

// The lightest grey level of an item's ink.
int lightestInk (const juce::Image& image)
{
    int lightest = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
            lightest = juce::jmax (lightest, (int) image.getPixelAt (x, y).getRed());
    return lightest;
}

// A disabled item (Undo with nothing to undo) is drawn in a grey between the
// text's and the menu's, its text and shortcut where an enabled one has them.
TEST_F (DefaultLookAndFeelTest, DisabledItemsAreDrawnDimmer)
{
    auto enabled = drawMenuItem (lookAndFeel, 160, 22, "Paste", "Ctrl+V", false, true, true);
    auto disabled = drawMenuItem (lookAndFeel, 160, 22, "Paste", "Ctrl+V", false, true, false);
    const auto ink = inkColumns (enabled, grey33), dimInk = inkColumns (disabled, grey33);
    EXPECT_NEAR (dimInk.getStart(), ink.getStart(), 1);
    EXPECT_NEAR (dimInk.getEnd(), ink.getEnd(), 1);
    EXPECT_EQ (lightestInk (enabled), textGrey.getRed());
    EXPECT_LE (lightestInk (disabled), textGrey.getRed() - 70);
    EXPECT_GE (lightestInk (disabled), grey33.getRed() + 40);
}

TEST_F (DefaultLookAndFeelTest, SeparatorIsOneFaintLineInset)
{
    const int w = 120, h = 10;
    auto image = drawMenuItem (lookAndFeel, w, h, "ignored", {}, false, false, true, false, true);
    EXPECT_TRUE (inkColumns (image, grey33, 0, w, 0, 4).isEmpty());
    auto line = image.getPixelAt (w / 2, h / 2);
    EXPECT_LT (line.getBrightness(), grey33.getBrightness());
    EXPECT_GT (line.getBrightness(), 0.1f);
    EXPECT_EQ (image.getPixelAt (2, h / 2), grey33);
    EXPECT_EQ (image.getPixelAt (w - 3, h / 2), grey33);
}

TEST_F (DefaultLookAndFeelTest, SubMenuArrowSitsNearTheRightEdge)
{
    const int w = 200, h = 22;
    auto image = drawMenuItem (lookAndFeel, w, h, "", {}, false, false, true, true);
    auto ink = inkColumns (image, grey33);
    ASSERT_FALSE (ink.isEmpty());
    EXPECT_NEAR (ink.getStart(), w - 0.6 * h, 1.5);
    EXPECT_LT (ink.getEnd(), w);
}

TEST_F (DefaultLookAndFeelTest, PopupMenuBackgroundIsFilled)
{
    auto image = canvas (30, 30, juce::Colours::red);
    juce::Graphics g (image);
    lookAndFeel.drawPopupMenuBackground (g, 30, 30);
    EXPECT_EQ (image.getPixelAt (0, 0), grey33);
    EXPECT_EQ (image.getPixelAt (29, 29), grey33);
}

//==============================================================================
// The open/close box of the tree is the older square with a sign.
TEST_F (DefaultLookAndFeelTest, TreeBoxIsTheSquareWithASign)
{
    auto draw = [] (juce::LookAndFeel& lf, bool open)
    {
        auto image = canvas (16, 16, juce::Colours::black);
        juce::Graphics g (image);
        lf.drawTreeviewPlusMinusBox (g, { 2.0f, 2.0f, 12.0f, 12.0f }, juce::Colours::black, open, false);
        return image;
    };
    auto same = [] (const juce::Image& a, const juce::Image& b)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;
        return true;
    };

    juce::LookAndFeel_V2 squareStyle;
    juce::LookAndFeel_V3 triangleStyle;
    for (bool open : { false, true })
    {
        EXPECT_TRUE (same (draw (lookAndFeel, open), draw (squareStyle, open)));
        EXPECT_FALSE (same (draw (lookAndFeel, open), draw (triangleStyle, open)));
    }
    EXPECT_FALSE (same (draw (lookAndFeel, true), draw (lookAndFeel, false)));

    juce::TreeView tree;
    EXPECT_TRUE (lookAndFeel.areLinesDrawnForTreeView (tree));
}

TEST_F (DefaultLookAndFeelTest, EveryTabIs180PixelsWide)
{
    juce::TabbedButtonBar bar (juce::TabbedButtonBar::TabsAtTop);
    bar.setLookAndFeel (&lookAndFeel);
    bar.addTab ("A", grey33, -1);
    bar.addTab ("A caption much longer than any tab would need", grey33, -1);
    bar.addTab (juce::String::fromUTF8 ("ユーザーオシレーター"), grey33, -1);
    bar.setBounds (0, 0, 1000, 30);

    ASSERT_EQ (bar.getNumTabs(), 3);
    for (int i = 0; i < bar.getNumTabs(); ++i)
        EXPECT_EQ (bar.getTabButton (i)->getWidth(), 180) << i;
    bar.setLookAndFeel (nullptr);
}
} // namespace

namespace
{
// A real pop-up menu drawn by the look-and-feel: dark, its text in grey, the
// highlighted item lit. The snapshot lets a person check the drawing.
TEST_F (DefaultLookAndFeelTest, RealPopupMenuUsesTheDrawing)
{
    juce::PopupMenu sub;
    sub.addItem (20, "Inside");

    juce::PopupMenu menu;
    menu.setLookAndFeel (&lookAndFeel);
    menu.addItem (juce::PopupMenu::Item ("Undo").setID (1).setTicked (true));
    menu.addItem (juce::PopupMenu::Item ("Paste").setID (2).setEnabled (false));
    {
        juce::PopupMenu::Item withShortcut ("Select All");
        withShortcut.itemID = 3;
        withShortcut.shortcutKeyDescription = "Ctrl+A";
        menu.addItem (withShortcut);
    }
    menu.addSeparator();
    menu.addSubMenu ("More", sub);

    const int desktopBefore = juce::Desktop::getInstance().getNumComponents();
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetScreenArea ({ 100, 100, 1, 1 }));
    ASSERT_TRUE (testsupport::runMessageLoopUntil (
        [&] { return juce::Desktop::getInstance().getNumComponents() > desktopBefore; }, 3000));

    auto* window = juce::Desktop::getInstance().getComponent (juce::Desktop::getInstance().getNumComponents() - 1);
    ASSERT_NE (window, nullptr);
    testsupport::runMessageLoop (50);
    auto image = window->createComponentSnapshot (window->getLocalBounds());
    testsupport::writeSnapshot (*window, "popup-menu");

    EXPECT_GT (window->getWidth(), 100);
    int greyText = 0, background = 0;
    for (int y = 0; y < image.getHeight(); ++y)
        for (int x = 0; x < image.getWidth(); ++x)
        {
            auto c = image.getPixelAt (x, y);
            greyText += c == textGrey ? 1 : 0;
            background += c == grey33 ? 1 : 0;
        }
    EXPECT_GT (background, image.getWidth() * image.getHeight() / 2);
    EXPECT_GT (greyText, 20);

    juce::PopupMenu::dismissAllActiveMenus();
    testsupport::runMessageLoopUntil ([&] { return juce::Desktop::getInstance().getNumComponents() == desktopBefore; },
                                      3000);
    menu.setLookAndFeel (nullptr);
}
} // namespace

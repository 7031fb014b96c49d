#include "MainWindowFixture.h"

#include "application/ApplicationMenuManager.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "resources/InterfaceImages.h"
#include "support/MessageLoop.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/FavoriteEditComponent.h"
#include "ui/FontLibrary.h"
#include "ui/ProgramPaneComponent.h"
#include "ui/UserPaneComponent.h"

namespace
{
using namespace mainwindowtest;

juce::Rectangle<int> inWindow (juce::Component& component, juce::Component& window)
{
    return window.getLocalArea (component.getParentComponent(), component.getBounds());
}

TEST_F (MainWindowTest, MenuBarHeaderAndFiveTabsFillTheWindow)
{
    auto& shown = openWindow();
    EXPECT_TRUE (shown.isOnDesktop());
    EXPECT_TRUE (shown.isVisible());
    EXPECT_TRUE (shown.isUsingNativeTitleBar());
    EXPECT_TRUE (shown.isResizable());
    EXPECT_EQ (shown.getBackgroundColour(), juce::Colour (0xff111111));
    const auto flags = shown.getDesktopWindowStyleFlags();
    for (const auto flag : { juce::ComponentPeer::windowHasCloseButton, juce::ComponentPeer::windowHasMinimiseButton,
                             juce::ComponentPeer::windowHasMaximiseButton, juce::ComponentPeer::windowIsResizable })
        EXPECT_NE (flags & flag, 0) << flag;
    EXPECT_NE (dynamic_cast<x48305_ui::DefaultLookAndFeel*> (&shown.getLookAndFeel()), nullptr);

    // The menu bar over the content, which keeps its own size.
    ASSERT_NE (shown.getMenuBarComponent(), nullptr);
    EXPECT_EQ (shown.getMenuBarComponent()->getBounds(), juce::Rectangle<int> (0, 0, 870, 20));
    auto* menuBar = dynamic_cast<juce::MenuBarComponent*> (shown.getMenuBarComponent());
    ASSERT_NE (menuBar, nullptr);
    EXPECT_EQ (menuBar->getModel(), &x48305_menu::ApplicationMenuManager::getInstance()->getMenuBarModel());
    EXPECT_EQ (inWindow (mainComponent(), shown), juce::Rectangle<int> (0, 20, 870, 640));
    EXPECT_EQ (shown.getBounds().getWidth(), 870);
    EXPECT_EQ (shown.getBounds().getHeight(), 660);

    EXPECT_EQ (header().getBounds(), juce::Rectangle<int> (0, 0, 870, 85));
    auto& tabs = mainComponent().getTabs();
    EXPECT_EQ (tabs.getBounds(), juce::Rectangle<int> (0, 85, 870, 555));
    EXPECT_EQ (tabs.getTabBarDepth(), 30);
    EXPECT_EQ (tabs.getOrientation(), juce::TabbedButtonBar::TabsAtTop);
    EXPECT_EQ (tabs.getCurrentTabIndex(), 0);

    const juce::StringArray names { "PROGRAM", "USER OSCILLATORS", "USER MODULATION FX", "USER DELAY FX",
                                    "USER REVERB FX" };
    EXPECT_EQ (tabs.getTabNames(), names);
    EXPECT_NE (dynamic_cast<ProgramPaneComponent*> (tabs.getTabContentComponent (0)), nullptr);
    EXPECT_NE (dynamic_cast<UserOscPaneComponent*> (tabs.getTabContentComponent (1)), nullptr);
    EXPECT_NE (dynamic_cast<UserModFXPaneComponent*> (tabs.getTabContentComponent (2)), nullptr);
    EXPECT_NE (dynamic_cast<UserDelFXPaneComponent*> (tabs.getTabContentComponent (3)), nullptr);
    EXPECT_NE (dynamic_cast<UserRevFXPaneComponent*> (tabs.getTabContentComponent (4)), nullptr);
    for (int i = 0; i < MainComponent::numTabs; ++i)
    {
        SCOPED_TRACE (names[i]);
        auto* button = tabs.getTabbedButtonBar().getTabButton (i);
        EXPECT_EQ (tabs.getTabBackgroundColour (i), juce::Colour (0xff222222));
        EXPECT_NE (dynamic_cast<x48305_ui::DefaultLookAndFeel*> (&button->getLookAndFeel()), nullptr);
        EXPECT_EQ (button->getBestTabLength (30), 180);

        // Every tab's page lies wholly inside the window, so that each list
        // reaches its last row and its whole scroll bar.
        tabs.setCurrentTabIndex (i);
        testsupport::runMessageLoop();
        auto* page = tabs.getTabContentComponent (i);
        EXPECT_TRUE (page->isShowing());
        EXPECT_TRUE (shown.getLocalBounds().contains (inWindow (*page, shown))) << inWindow (*page, shown).toString();
    }

    // The PROGRAM tab: the list over the favourites.
    tabs.setCurrentTabIndex (0);
    testsupport::runMessageLoop();
    auto& programs = mainComponent().getProgramPane();
    EXPECT_EQ (programs.getLeftPane()->getBounds(), juce::Rectangle<int> (0, 0, 868, programs.getHeight() - 201));
    EXPECT_EQ (programs.getRightPane()->getBounds(),
               juce::Rectangle<int> (0, programs.getHeight() - 201, 868, 201));
    EXPECT_NE (dynamic_cast<FavoriteEditComponent*> (programs.getRightPane()->getPage()), nullptr);
    EXPECT_EQ (inWindow (*programs.getRightPane(), shown).getBottom(), 659);
}

TEST_F (MainWindowTest, HeaderCarriesTheDisplayAndSixButtonsWithTheirCaptionsAndCommands)
{
    openWindow();
    EXPECT_EQ (header().getDisplay().getBounds(), juce::Rectangle<int> (283, 23, 204, 40));

    struct Expected
    {
        const char* text;
        int command;
        juce::Rectangle<int> bounds;
    };
    const Expected expected[] = { { "SEND ALL", 18, { 640, 18, 80, 24 } },   { "SEND", 20, { 548, 17, 80, 24 } },
                                  { "RECEIVE", 19, { 548, 43, 80, 24 } },     { "RECEIVE ALL", 17, { 640, 43, 80, 24 } },
                                  { "SEND ALL", 28, { 761, 18, 80, 24 } },    { "RECEIVE ALL", 27, { 761, 43, 80, 24 } } };
    const auto buttonFont = ui::FontLibrary::getInstance()->getFont ("HeaderModeButton");
    const auto normal = x48305_ui::InterfaceImages::headerButtonNormal();
    const auto pressed = x48305_ui::InterfaceImages::headerButtonPressed();
    for (int i = 0; i < HeaderComponent::numButtons; ++i)
    {
        SCOPED_TRACE (i);
        auto& button = header().getButton (i);
        EXPECT_EQ (button.getName(), "new button");
        EXPECT_EQ (button.getButtonText(), expected[i].text);
        EXPECT_EQ (button.getCommandID(), expected[i].command);
        EXPECT_EQ (button.getBounds(), expected[i].bounds);
        EXPECT_TRUE (button.isShowing());
        EXPECT_TRUE (button.getTooltip().isEmpty());
        EXPECT_EQ (button.getTextFont(), buttonFont);
        EXPECT_EQ (button.getTextColour(), juce::Colour (0xffd3d3d3));
        EXPECT_EQ (button.getNormalImage().getWidth(), 160);
        EXPECT_EQ (button.getNormalImage().getPixelAt (80, 24), normal.getPixelAt (80, 24));
        EXPECT_EQ (button.getDownImage().getPixelAt (80, 24), pressed.getPixelAt (80, 24));
        EXPECT_TRUE (button.getOverImage().isNull() || button.getOverImage().getPixelAt (80, 24) == normal.getPixelAt (80, 24));
    }
}
} // namespace

namespace
{
using namespace mainwindowtest;

TEST_F (MainWindowTest, AtItsLeastHeightWithTallRowsEveryListReachesItsLastRow)
{
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    preferences->setInt (x48305_preferences::keys::programListHeight, 40);
    storeWindowPlace (50, 50, 300);
    auto& shown = openWindow();
    ASSERT_EQ (shown.getHeight(), 480);

    auto& tabs = mainComponent().getTabs();
    for (int tab = 1; tab < MainComponent::numTabs; ++tab)
    {
        tabs.setCurrentTabIndex (tab);
        testsupport::runMessageLoop();
        auto& box = dynamic_cast<UserPaneComponent&> (*tabs.getTabContentComponent (tab)).getList().getListBox();
        const int last = box.getModel()->getNumRows() - 1;
        box.scrollToEnsureRowIsOnscreen (last);
        testsupport::runMessageLoop();
        const auto lastRow = shown.getLocalArea (&box, box.getRowPosition (last, true));
        EXPECT_TRUE (shown.getLocalBounds().contains (lastRow)) << tab << ": " << lastRow.toString();
        const auto& scrollBar = box.getVerticalScrollBar();
        ASSERT_TRUE (scrollBar.isVisible()) << tab;
        EXPECT_LE (shown.getLocalArea (&scrollBar, scrollBar.getLocalBounds()).getBottom(), shown.getHeight());
    }
    preferences->setInt (x48305_preferences::keys::programListHeight, 25);
}
} // namespace

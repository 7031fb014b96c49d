#include "PresetWindowFixture.h"
#include "WindowIconProperty.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "resources/InterfaceImages.h"
#include "support/InterfaceSetUp.h"
#include "support/MessageLoop.h"
#include "ui/PresetListComponent.h"
#include "ui/StoredWindowBounds.h"

namespace
{
using namespace presetwindowtest;
namespace keys = x48305_preferences::keys;

x48305_preferences::PreferencesData& preferences()
{
    return *x48305_preferences::PreferencesData::getInstance();
}

void storeBounds (int x, int y, int width, int height)
{
    preferences().setInt (keys::presetWindowPositionX, x);
    preferences().setInt (keys::presetWindowPositionY, y);
    preferences().setInt (keys::presetWindowWidth, width);
    preferences().setInt (keys::presetWindowHeight, height);
}

juce::Rectangle<int> storedBounds()
{
    return { preferences().getInt (keys::presetWindowPositionX, -99), preferences().getInt (keys::presetWindowPositionY, -99),
             preferences().getInt (keys::presetWindowWidth, -99), preferences().getInt (keys::presetWindowHeight, -99) };
}

juce::Rectangle<int> mainDisplay()
{
    return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
}

struct Placement
{
    const char* what;
    juce::Rectangle<int> stored;
    bool centred;
    juce::Rectangle<int> expected; // the size only, when centred
};

TEST_F (PresetWindowTest, OpensWhereItWasWholeOnTheDisplayOrCentredWhereNobodyCouldSeeIt)
{
    ASSERT_EQ (mainDisplay(), juce::Rectangle<int> (0, 0, 1280, 1024));

    const std::vector<Placement> placements {
        { "never placed", { -1, -1, 250, 500 }, true, { 0, 0, 250, 500 } },
        { "stored position", { 300, 200, 320, 600 }, false, { 300, 200, 320, 600 } },
        { "too narrow", { 10, 10, 50, 500 }, false, { 10, 10, 100, 500 } },
        { "too small both ways", { 10, 10, 0, -5 }, false, { 10, 10, 100, 100 } },
        { "no position, too small", { -1, -1, 20, 30 }, true, { 0, 0, 100, 100 } },
        { "one coordinate unset", { 40, -1, 250, 500 }, true, { 0, 0, 250, 500 } },
        { "on a display since removed", { 3000, 200, 250, 500 }, true, { 0, 0, 250, 500 } },
        { "far below", { 100, 5000, 250, 500 }, true, { 0, 0, 250, 500 } },
        { "a sliver in the corner", { 1270, 1000, 250, 500 }, true, { 0, 0, 250, 500 } },
        { "enough in the corner, moved on whole", { 1240, 980, 250, 500 }, false, { 1030, 524, 250, 500 } },
        { "taller than the display", { 300, 30, 320, 1181 }, false, { 300, 0, 320, 1024 } },
    };

    for (const auto& placement : placements)
    {
        SCOPED_TRACE (placement.what);
        const auto& s = placement.stored;
        storeBounds (s.getX(), s.getY(), s.getWidth(), s.getHeight());
        auto& window = openWindow();

        if (placement.centred)
        {
            EXPECT_EQ (window.getBounds().getCentre(), mainDisplay().getCentre());
            EXPECT_EQ (window.getWidth(), placement.expected.getWidth());
            EXPECT_EQ (window.getHeight(), placement.expected.getHeight());
        }
        else
        {
            EXPECT_EQ (window.getBounds(), placement.expected);
        }
        EXPECT_EQ (window.getSavedBounds(), window.getBounds());
        EXPECT_EQ (window.getContentComponent()->getBounds(), window.getLocalBounds());

        // Whatever was stored, the window's own bounds go back at its close.
        const auto shown = window.getBounds();
        manager().closeWindow();
        ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return ! manager().isWindowOpen(); }));
        EXPECT_EQ (storedBounds(), shown);
    }
}

TEST_F (PresetWindowTest, AResizableWindowWithANativeTitleBarAndOnlyAClosebutton)
{
    auto& window = openWindow();
    EXPECT_EQ (window.getContentComponent()->getWidth(), PresetListComponent::defaultWidth);
    EXPECT_EQ (window.getContentComponent()->getHeight(), PresetListComponent::defaultHeight);
    EXPECT_EQ (window.getName(), "Presets");
    EXPECT_TRUE (window.isUsingNativeTitleBar());
    EXPECT_TRUE (window.isResizable());
    EXPECT_EQ (window.getBackgroundColour(), juce::Colour (0xffffffff));

    const auto flags = window.getDesktopWindowStyleFlags();
    EXPECT_NE (flags & juce::ComponentPeer::windowHasCloseButton, 0);
    EXPECT_EQ (flags & juce::ComponentPeer::windowHasMinimiseButton, 0);
    EXPECT_EQ (flags & juce::ComponentPeer::windowHasMaximiseButton, 0);
    EXPECT_NE (flags & juce::ComponentPeer::windowIsResizable, 0);

    // The window system holds the application's icon for it.
    const auto icon = x48305_ui::InterfaceImages::applicationIcon();
    ASSERT_EQ (icon.getWidth(), 512);
    const auto shown = readWindowIcon ((unsigned long) (juce::pointer_sized_uint) window.getPeer()->getNativeHandle());
    ASSERT_EQ (shown.size(), 2u + 512u * 512u);
    EXPECT_EQ (shown[0], 512u);
    EXPECT_EQ (shown[1], 512u);
    for (const auto& [x, y] : std::vector<std::pair<int, int>> { { 0, 0 }, { 256, 256 }, { 100, 400 }, { 511, 511 } })
        EXPECT_EQ (shown[(size_t) (2 + y * 512 + x)], (unsigned long) icon.getPixelAt (x, y).getARGB()) << x << "," << y;

    // The title is looked up when the window is made.
    manager().closeWindow();
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return ! manager().isWindowOpen(); }));
    const testsupport::ScopedInterfaceLanguage japanese (true);
    EXPECT_EQ (openWindow().getName(), juce::String::fromUTF8 ("\xe3\x83\x97\xe3\x83\xaa\xe3\x82\xbb\xe3\x83\x83\xe3\x83\x88"));
}

TEST_F (PresetWindowTest, MovesAndResizesAreKeptAndComeBackAtTheNextOpening)
{
    auto& window = openWindow();
    window.setTopLeftPosition (123, 45);
    window.setSize (300, 420);
    testsupport::runMessageLoop();
    EXPECT_EQ (window.getSavedBounds(), juce::Rectangle<int> (123, 45, 300, 420));
    EXPECT_EQ (window.getContentComponent()->getBounds(), juce::Rectangle<int> (0, 0, 300, 420));

    manager().closeWindow();
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([] { return ! manager().isWindowOpen(); }));
    EXPECT_EQ (storedBounds(), juce::Rectangle<int> (123, 45, 300, 420));

    EXPECT_EQ (openWindow().getBounds(), juce::Rectangle<int> (123, 45, 300, 420));
}

TEST_F (PresetWindowTest, OpeningAndClosingFollowTheShowPresetWindowPreference)
{
    auto& window = openWindow();
    EXPECT_TRUE (manager().isWindowOpen());
    EXPECT_TRUE (window.isOnDesktop());
    EXPECT_TRUE (window.isVisible());
    EXPECT_TRUE (preferences().getBool (keys::showPresetWindow, false));

    // A second request keeps the one window.
    manager().openWindow();
    EXPECT_EQ (manager().getWindow(), &window);

    // The window system's close (the native title bar's button): the window
    // goes on the next turn of the message loop, not inside its callback.
    juce::Component::SafePointer<juce::Component> watched (&window);
    window.getPeer()->handleUserClosingWindow();
    EXPECT_NE (watched.getComponent(), nullptr);
    EXPECT_TRUE (manager().isWindowOpen());
    testsupport::runMessageLoop();
    EXPECT_EQ (watched.getComponent(), nullptr);
    EXPECT_FALSE (manager().isWindowOpen());
    EXPECT_EQ (manager().getWindow(), nullptr);
    EXPECT_FALSE (preferences().getBool (keys::showPresetWindow, true));

    // A close request with no window changes nothing.
    manager().closeWindow();
    testsupport::runMessageLoop();
    EXPECT_FALSE (preferences().getBool (keys::showPresetWindow, true));
}

TEST_F (PresetWindowTest, QuittingWithTheWindowOpenLeavesItToReopen)
{
    auto quitting = std::make_unique<x48305_ui::PresetWindowManager>();
    quitting->openWindow();
    testsupport::runMessageLoop();
    quitting->getWindow()->setTopLeftPosition (77, 66);
    juce::Component::SafePointer<juce::Component> watched (quitting->getWindow());

    // Asked to close, then deleted before the update ran: the deletion wins
    // and nothing runs later on a deleted manager.
    quitting->closeWindow();
    quitting.reset();
    EXPECT_EQ (watched.getComponent(), nullptr);
    testsupport::runMessageLoop();
    EXPECT_TRUE (preferences().getBool (keys::showPresetWindow, false));
    EXPECT_EQ (storedBounds().getPosition(), juce::Point<int> (77, 66));
}
} // namespace

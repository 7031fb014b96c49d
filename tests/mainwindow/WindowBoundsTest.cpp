#include "MainWindowFixture.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "support/MessageLoop.h"
#include "support/XWindowProbe.h"
#include "ui/MainWindowBounds.h"
#include "ui/WindowManagerState.h"

namespace
{
using namespace mainwindowtest;
namespace keys = x48305_preferences::keys;
using x48305_ui::MainWindowBounds;

juce::Rectangle<int> mainDisplay()
{
    return juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
}

juce::Rectangle<int> storedBounds()
{
    const auto* preferences = x48305_preferences::PreferencesData::getInstance();
    return { preferences->getInt (keys::mainWindowPositionX, -99), preferences->getInt (keys::mainWindowPositionY, -99),
             preferences->getInt (keys::mainWindowWidth, -99), preferences->getInt (keys::mainWindowHeight, -99) };
}

struct Placement
{
    const char* what;
    MainWindowBounds::Stored stored;
    bool centred;
    juce::Rectangle<int> expected; // only the size when centred
    std::vector<long> workArea = {}; // as another client may write it
};

TEST_F (MainWindowTest, OpensWhereItWasOrCentredWithItsWidthFixedAndWholeOnTheDisplay)
{
    ASSERT_EQ (mainDisplay(), juce::Rectangle<int> (0, 0, 1280, 1024));

    const Placement placements[] = {
        { "first start", { -1, -1, 0 }, true, { 0, 0, 870, 660 } },
        { "stored place and height", { 100, 60, 700 }, false, { 100, 60, 870, 700 } },
        { "stored height below the least", { 100, 60, 300 }, false, { 100, 60, 870, 480 } },
        { "only a height stored", { -1, -1, 300 }, true, { 0, 0, 870, 480 } },
        { "one coordinate unset", { 40, -1, 700 }, true, { 0, 0, 870, 700 } },
        { "on a display since removed", { 3000, 200, 700 }, true, { 0, 0, 870, 700 } },
        { "far below every display", { 100, 5000, 700 }, true, { 0, 0, 870, 700 } },
        { "a sliver in the corner", { 1260, 1000, 700 }, true, { 0, 0, 870, 700 } },
        { "enough in the corner, moved on", { 1200, 960, 700 }, false, { 410, 324, 870, 700 } },
        { "taller than the display", { 100, 30, 1181 }, false, { 100, 0, 870, 1024 } },
        { "a place far off every screen", { 2147483000, 2147483000, 700 }, true, { 0, 0, 870, 700 } },
        // A dock on the left leaves less than the window's width: it keeps its
        // width, from the dock's edge on.
        { "a narrow work area", { 600, 60, 700 }, false, { 456, 60, 870, 700 }, { 456, 0, 824, 1024 } },
        { "a work area of a few pixels", { 100, 60, 700 }, false, { 100, 60, 870, 700 }, { 0, 0, 10, 10 } },
        { "a work area far off the screen", { 100, 60, 700 }, false, { 100, 60, 870, 700 },
          { 2147483000, 2147483000, 2000, 2000 } },
        { "a work area from left of the screen", { 100, 60, 700 }, false, { 100, 60, 870, 700 },
          { -880, 0, 1280, 1024 } },
    };

    for (const auto& placement : placements)
    {
        SCOPED_TRACE (placement.what);
        storeWindowPlace (placement.stored.x, placement.stored.y, placement.stored.height);
        testsupport::setRootProperty ("_NET_WORKAREA", placement.workArea);
        auto& shown = openWindow();

        if (placement.centred)
        {
            EXPECT_EQ (shown.getBounds().getCentre(), mainDisplay().getCentre());
            EXPECT_EQ (shown.getBounds().getWidth(), placement.expected.getWidth());
            EXPECT_EQ (shown.getBounds().getHeight(), placement.expected.getHeight());
        }
        else
        {
            EXPECT_EQ (shown.getBounds(), placement.expected);
        }
        // From the first start on, the width is fixed and the height may go
        // from 480 to 1400.
        auto* limits = shown.getConstrainer();
        ASSERT_NE (limits, nullptr);
        EXPECT_EQ (limits->getMinimumWidth(), 870);
        EXPECT_EQ (limits->getMaximumWidth(), 870);
        EXPECT_EQ (limits->getMinimumHeight(), 480);
        EXPECT_EQ (limits->getMaximumHeight(), 1400);
        EXPECT_EQ (shown.getRememberedBounds(), shown.getBounds());

        // Whatever was stored, the window's bounds go back when it closes.
        const auto bounds = shown.getBounds();
        closeWindow();
        EXPECT_EQ (storedBounds(), bounds);
    }
    testsupport::setRootProperty ("_NET_WORKAREA", {});
}

TEST_F (MainWindowTest, MovesAndResizesComeBackAtTheNextStart)
{
    auto& first = openWindow();
    first.setBounds (150, 90, 900, 720);
    testsupport::runMessageLoop();
    EXPECT_EQ (first.getRememberedBounds(), juce::Rectangle<int> (150, 90, 900, 720));
    EXPECT_EQ (mainComponent().getBounds(), juce::Rectangle<int> (0, 20, 900, 700));
    closeWindow();
    EXPECT_EQ (storedBounds(), juce::Rectangle<int> (150, 90, 900, 720));

    // The stored width is not read: the window opens as wide as its content.
    auto& second = openWindow();
    EXPECT_EQ (second.getBounds(), juce::Rectangle<int> (150, 90, 870, 720));
    second.setTopLeftPosition (200, 110);
    testsupport::runMessageLoop();
    closeWindow();
    EXPECT_EQ (storedBounds(), juce::Rectangle<int> (200, 110, 870, 720));
}

// A resize that the server reports while the framework waits for a reply
// (a property read, a focus query) is read into the X library's queue, where
// nothing wakes the framework to handle it: the window hands it over, or a
// window that the manager has maximised keeps its old size in the framework.
TEST_F (MainWindowTest, TakesInAResizeWhoseEventsWaitInTheXLibrarysQueue)
{
    storeWindowPlace (100, 60, 600);
    auto& shown = openWindow();
    testsupport::runMessageLoop (300);
    ASSERT_EQ (shown.getHeight(), 600);

    ASSERT_TRUE (testsupport::resizeWithEventsLeftInTheQueue (shown, 870, 800));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&shown] { return shown.getHeight() == 800; }, 2000))
        << "still " << shown.getHeight() << " high";
}

// The program's own X calls that follow the wake-up in the same tick take it
// into the X library's queue as well: each hands over again what it left.
// Posted from a timer that runs in every tick, the work area is read after
// all the tick's timers, the hand-over's included.
TEST_F (MainWindowTest, TakesInTheQueuedResizeWhenARoundTripFollowsEveryWakeUp)
{
    storeWindowPlace (100, 60, 600);
    auto& shown = openWindow();
    testsupport::runMessageLoop (300);
    ASSERT_EQ (shown.getHeight(), 600);

    struct EveryTick : juce::Timer
    {
        void timerCallback() override
        {
            juce::MessageManager::callAsync ([] { ui::workAreaOfWindowManager(); });
        }
    } lookAtTheWorkArea;
    lookAtTheWorkArea.startTimer (1);
    ASSERT_TRUE (testsupport::resizeWithEventsLeftInTheQueue (shown, 870, 800));
    EXPECT_TRUE (testsupport::runMessageLoopUntil ([&shown] { return shown.getHeight() == 800; }, 2000))
        << "still " << shown.getHeight() << " high";
}

// The framework may take the frame from the manager's notice before it takes
// the move that came with it. The window, shown where it was with its frame
// whole on the screen, stays there: the fit then starts from where the frame
// was put, not from a place the framework has not caught up with.
TEST_F (MainWindowTest, StaysWhereItWasWhenTheFrameIsKnownBeforeTheManagersMove)
{
    testsupport::announceWindowManager (true);
    storeWindowPlace (100, 0, 600);
    auto& shown = openWindow();
    testsupport::publishFrame (shown, { 5, 5, 24, 5 });
    const auto frameKnown = [&shown] { return static_cast<bool> (shown.getPeer()->getFrameSizeIfPresent()); };
    EXPECT_TRUE (testsupport::runMessageLoopUntil (frameKnown))
        << "the frame never reached the framework";
    testsupport::runMessageLoop (300);
    EXPECT_EQ (shown.getPosition(), juce::Point<int> (100, 0));
    testsupport::announceWindowManager (false);
}

// Every move by the framework hands the manager size hints without the
// limits, which come back only once the framework has handled the manager's
// answer: a maximise asked for meanwhile would give the window the whole
// screen's width.
TEST_F (MainWindowTest, AsksToBeMaximisedWithinItsSizeLimits)
{
    storeWindowPlace (100, 60, 600);
    auto& shown = openWindow();
    shown.setBounds (120, 80, 870, 640);
    ui::askWindowManagerToMaximise (shown);
    const auto largest = testsupport::largestSizeForWindowManager (shown);
    ASSERT_TRUE (largest.has_value()) << "no largest size in the hints";
    EXPECT_EQ (*largest, juce::Point<int> (870, 1400));
}

// The work area comes from the root window, where any client may write: the
// current desktop's, or the first where that desktop has none.
TEST_F (MainWindowTest, TheWorkAreaIsTheCurrentDesktopsOrTheFirst)
{
    openWindow();
    using Area = std::optional<juce::Rectangle<int>>;
    const struct
    {
        const char* what;
        std::vector<long> areas, current;
        Area expected;
    } rows[] = {
        { "none published", {}, {}, std::nullopt },
        { "one desktop", { 0, 0, 1280, 984 }, { 0 }, juce::Rectangle<int> (0, 0, 1280, 984) },
        { "the second desktop", { 0, 0, 1280, 984, 0, 30, 1280, 994 }, { 1 }, juce::Rectangle<int> (0, 30, 1280, 994) },
        { "a desktop without an area", { 0, 0, 1280, 984 }, { 5 }, juce::Rectangle<int> (0, 0, 1280, 984) },
        { "a negative desktop", { 0, 0, 1280, 984 }, { -1 }, juce::Rectangle<int> (0, 0, 1280, 984) },
        { "an empty area", { 0, 0, 0, 0 }, { 0 }, std::nullopt },
        // Only an area on the screen that leaves a window room counts.
        { "a few pixels", { 0, 0, 10, 10 }, { 0 }, std::nullopt },
        { "far off the screen", { 2147483000, 2147483000, 2000, 2000 }, { 0 }, std::nullopt },
        { "from left of the screen", { -880, 0, 1280, 1024 }, { 0 }, std::nullopt },
        { "past the bottom", { 0, 100, 1280, 1024 }, { 0 }, std::nullopt },
        { "a dock's width less", { 456, 0, 824, 1024 }, { 0 }, juce::Rectangle<int> (456, 0, 824, 1024) },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.what);
        testsupport::setRootProperty ("_NET_WORKAREA", row.areas);
        testsupport::setRootProperty ("_NET_CURRENT_DESKTOP", row.current);
        EXPECT_EQ (ui::workAreaOfWindowManager(), row.expected);
    }
    testsupport::setRootProperty ("_NET_WORKAREA", {});
    testsupport::setRootProperty ("_NET_CURRENT_DESKTOP", {});
}

TEST (MainWindowBoundsTest, AStoredPlaceCountsOnlyOnADisplayConnectedNow)
{
    using Area = juce::Rectangle<int>;
    const juce::Array<Area> twoDisplays { Area (0, 0, 1280, 1024), Area (1280, 0, 1920, 1080) };
    const juce::Array<Area> firstOnly { Area (0, 0, 1280, 1024) };
    const juce::Point<int> size (870, 660);

    const auto onSecond = MainWindowBounds::compute ({ 1500, 100, 800 }, size, twoDisplays);
    EXPECT_TRUE (onSecond.restorePosition);
    EXPECT_EQ (onSecond.bounds, juce::Rectangle<int> (1500, 100, 870, 800));

    const auto secondRemoved = MainWindowBounds::compute ({ 1500, 100, 800 }, size, firstOnly);
    EXPECT_FALSE (secondRemoved.restorePosition);
    EXPECT_EQ (secondRemoved.bounds.getWidth(), 870);
    EXPECT_EQ (secondRemoved.bounds.getHeight(), 800);

    // A monitor left of and above the main one: a place on it is kept.
    const juce::Array<Area> leftAndAbove { Area (-1920, -300, 1920, 1080), Area (0, 0, 1280, 1024) };
    const auto onLeft = MainWindowBounds::compute ({ -1500, -200, 800 }, size, leftAndAbove);
    EXPECT_TRUE (onLeft.restorePosition);
    EXPECT_EQ (onLeft.bounds, juce::Rectangle<int> (-1500, -200, 870, 800));
    EXPECT_FALSE (MainWindowBounds::compute ({ -1500, -200, 800 }, size, firstOnly).restorePosition);

    // A window narrower than its content opens at the least width.
    const auto narrow = MainWindowBounds::compute ({ 10, 10, 500 }, { 600, 500 }, firstOnly);
    EXPECT_EQ (narrow.bounds, juce::Rectangle<int> (10, 10, 870, 500));

    // No display at all: nothing can be restored.
    EXPECT_FALSE (MainWindowBounds::compute ({ 10, 10, 500 }, size, {}).restorePosition);

    // A height of zero or less counts as none stored.
    EXPECT_EQ (MainWindowBounds::compute ({ -1, -1, 0 }, size, firstOnly).bounds.getHeight(), 660);
    EXPECT_EQ (MainWindowBounds::compute ({ -1, -1, -40 }, size, firstOnly).bounds.getHeight(), 660);
    EXPECT_EQ (MainWindowBounds::compute ({ 10, 10, -40 }, size, firstOnly).bounds.getHeight(), 660);
}
} // namespace

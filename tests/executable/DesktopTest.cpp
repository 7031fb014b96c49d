#include "DesktopSession.h"

#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

namespace
{
using namespace exectest;

// The built application on a desktop with a window manager (the test
// command runs these under openbox and under xfwm4), driven with the
// mouse and the keyboard as a person drives it.

const juce::String presetWindowTitle ("Presets");

bool isPresetWindowTitle (const juce::String& title)
{
    return title == presetWindowTitle;
}

bool isDialogTitle (const juce::String& title)
{
    return ! isMainWindowTitle (title) && ! isPresetWindowTitle (title);
}

void pause (int milliseconds)
{
    std::this_thread::sleep_for (std::chrono::milliseconds (milliseconds));
}

// Types the key until the window is gone (see typeKeyUntil).
bool keyCloses (const char* keySymbolName, const ScreenWindow& window)
{
    return typeKeyUntil (keySymbolName, false, [&window] { return stackingIndex (window) < 0; });
}

// What the screen shows, for the messages of failed checks.
juce::String shownTitles()
{
    juce::StringArray titles;
    for (const auto& window : titledWindows())
        titles.add ("\"" + titleOf (window) + "\"");
    return "windows, bottom to top: " + titles.joinIntoString (", ");
}

// The window's frame, as the window manager drew it around the window.
juce::Rectangle<int> outerBounds (const ScreenWindow& window)
{
    const auto frame = frameExtents (window.id);
    return { window.x - (int) frame.left, window.y - (int) frame.top,
             window.width + (int) (frame.left + frame.right), window.height + (int) (frame.top + frame.bottom) };
}

// A window just shown takes keys once the manager has given it the keyboard.
void waitUntilActive (const ScreenWindow& window)
{
    waitFor ([&window] { return activeWindow() == window.id; }, 3000);
    pause (200);
}

// Gives a window the keyboard, as a click on it in a task bar does.
void giveKeyboardTo (const ScreenWindow& window)
{
    activateWindow (window.id);
    waitUntilActive (window);
}

// Types the shortcut into the window until a dialog shows.
void openWithShortcut (const ScreenWindow& window, const char* keySymbolName)
{
    giveKeyboardTo (window);
    typeKeyUntil (keySymbolName, true, [] { return windowTitled (isDialogTitle).has_value(); });
}

class DesktopTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE (juce::File ("/dev/snd/seq").exists()) << "these tests expect a machine without sound devices";
        ASSERT_TRUE (windowManagerRuns()) << "run under tests/support/own-display.sh with SLVN_WINDOW_MANAGER set";
    }

    testsupport::TemporaryFolder home;
};

// The menus open inside the window, and the window manager's answer to the
// window's own configure request after an idle spell closes none of them.
TEST_F (DesktopTest, EveryMenuOpensAfterAnIdleSpellAndAnItemCanBeChosen)
{
    writeQuietPreferences (home.get());
    ApplicationRun run (home.get());
    const auto main = settledWindow (isMainWindowTitle, 60000);
    ASSERT_TRUE (main.has_value()) << run.process().getOutput();

    // File, Edit, MIDI and Option: the left edges of the titles in the bar.
    const int titleLeft[] = { 0, 40, 80, 160 };
    for (int title = 0; title < 4; ++title)
    {
        SCOPED_TRACE (title);
        // The pointer rests on the title: nothing repaints the window.
        movePointerTo (main->x + titleLeft[title] + 15, main->y + 10);
        pause (4200);

        const juce::Rectangle<int> belowTitle (main->x + titleLeft[title], main->y + 24, 100, 40);
        const auto before = captureScreen();
        clickAt (main->x + titleLeft[title] + 15, main->y + 10);
        pause (600);
        const auto after = captureScreen();
        EXPECT_GT (differingPixels (before, after, belowTitle), 1000) << "the menu closed at once";
        if (title < 3)
        {
            typeKey ("Escape", false);
            pause (300);
        }
    }
    writeScreenSnapshot ("desktop-option-menu");

    // The Option menu's first item opens the preset window. The menu takes
    // a click once it has seen the pointer over it: on a loaded machine that
    // may take longer than the pause, and the click is then tried again.
    const int itemX = main->x + titleLeft[3] + 40, itemY = main->y + 33;
    movePointerTo (itemX, itemY);
    bool chosen = false;
    for (int attempt = 0; attempt < 2 && ! chosen; ++attempt)
    {
        pause (300);
        clickAt (itemX, itemY);
        chosen = waitFor ([] { return windowTitled (presetWindowTitle).has_value(); }, 4000);
    }
    EXPECT_TRUE (chosen);
}

// Three starts, each quit with Ctrl+Q typed into the preset window: both
// windows come back where they were with the same size, and the preset
// window shows above the main window.
TEST_F (DesktopTest, WindowsKeepPlaceAndSizeOverRestartsAndThePresetWindowTakesTheShortcuts)
{
    writeQuietPreferences (home.get(), { { "ShowPresetWindow", "1" } });
    std::vector<std::pair<ScreenWindow, ScreenWindow>> shown;
    std::vector<juce::String> stored;
    for (int start = 0; start < 3; ++start)
    {
        SCOPED_TRACE ("start " + std::to_string (start));
        ApplicationRun run (home.get());
        const auto main = settledWindow (isMainWindowTitle, 60000);
        const auto presets = settledWindow (isPresetWindowTitle, 10000);
        ASSERT_TRUE (main.has_value() && presets.has_value()) << run.process().getOutput();
        EXPECT_GT (stackingIndex (*presets), stackingIndex (*main)) << "the preset window opens behind";
        shown.emplace_back (*main, *presets);

        giveKeyboardTo (*presets);
        if (start == 0)
        {
            writeScreenSnapshot ("desktop-preset-window");
            EXPECT_TRUE (typeKeyUntil ("comma", true, [] { return windowTitled ("Preferences").has_value(); }))
                << "Ctrl+, in the preset window";
            if (const auto preferences = windowTitled ("Preferences"))
            {
                waitUntilActive (*preferences);
                EXPECT_TRUE (keyCloses ("Escape", *preferences)) << shownTitles();
            }
            // The commands wait until the dialog's modal loop has ended.
            pause (1000);
            giveKeyboardTo (*presets);
        }
        const bool quit = run.quitWithCtrlQ();
        EXPECT_TRUE (quit) << "Ctrl+Q in the preset window";
        if (! quit)
        {
            giveKeyboardTo (*main);
            ASSERT_TRUE (run.quitWithCtrlQ()) << shownTitles() << "\n" << run.process().getOutput();
        }
        EXPECT_EQ (sanitizerFindings (run.process().getOutput()), "");

        juce::StringArray places;
        const auto preferences = juce::parseXML (preferencesFile (home.get()));
        ASSERT_NE (preferences, nullptr);
        for (const auto* key : { "MainWindowPositionX", "MainWindowPositionY", "MainWindowHeight",
                                 "PresetWindowPositionX", "PresetWindowPositionY", "PresetWindowWidth",
                                 "PresetWindowHeight" })
            places.add (key + juce::String ("=") + preferences->getChildByName (key)->getStringAttribute ("Value"));
        stored.push_back (places.joinIntoString (" "));
    }

    const auto geometry = [] (const ScreenWindow& w) { return juce::Rectangle<int> (w.x, w.y, w.width, w.height); };
    for (size_t start = 1; start < shown.size(); ++start)
    {
        EXPECT_EQ (geometry (shown[start].first), geometry (shown[0].first)) << "main window, start " << start;
        EXPECT_EQ (geometry (shown[start].second), geometry (shown[0].second)) << "preset window, start " << start;
        EXPECT_EQ (stored[start], stored[0]) << "start " << start;
    }
}

// Return (or the keypad's Enter) presses the default button and Escape the
// cancelling one, in every kind of alert that a start without an instrument
// brings up, in the write questions and in the preferences.
TEST_F (DesktopTest, QuestionsAndDialogsCloseWithReturnOrEnterAndWithEscape)
{
    // A preset file that does not read is reported before the automatic
    // receive runs (a preset file leaves it on).
    const auto broken = home.write ("broken.slvnpreset", "not a preset");
    ApplicationRun run (home.get(), { broken.getFullPathName() });
    const auto main = settledWindow (isMainWindowTitle, 60000);
    ASSERT_TRUE (main.has_value()) << run.process().getOutput();

    struct Alert
    {
        const char* what;
        std::function<void()> bringUp;
        const char* key;
    };
    const Alert alerts[] = {
        { "read error of the command line's file", {}, "Return" },
        { "no instrument for the library receive", {}, "Escape" },
        { "no instrument for the user-unit receive", {}, "Return" },
        { "save the edits before quitting?", [&main] {
              // Clear the selected program, then ask to quit.
              giveKeyboardTo (*main);
              typeKeyUntil ("k", true, [&main] {
                  const auto shown = windowTitled (isMainWindowTitle);
                  return shown.has_value() && shown->title != main->title; // the edited mark
              });
              typeKeyUntil ("q", true, [] { return windowTitled (isDialogTitle).has_value(); });
          },
          "Escape" },
        { "write the library? (Ctrl+T)", [&main] { openWithShortcut (*main, "t"); }, "Return" },
        { "no instrument for the library write", {}, "Return" },
        { "write the user units? (their SEND ALL button)", [&main] {
              // The header's button lies below the 20-pixel menu bar.
              clickAt (main->x + 761 + 40, main->y + 20 + 18 + 12);
              waitFor ([] { return windowTitled (isDialogTitle).has_value(); }, 5000);
          },
          "KP_Enter" },
        { "no instrument for the user-unit write", {}, "KP_Enter" },
        { "preferences (Ctrl+,)", [&main] { openWithShortcut (*main, "comma"); }, "Return" },
    };
    for (const auto& alert : alerts)
    {
        SCOPED_TRACE (alert.what);
        if (alert.bringUp)
            alert.bringUp();
        const auto dialog = settledWindow (isDialogTitle, 30000);
        ASSERT_TRUE (dialog.has_value()) << run.process().getOutput();
        waitUntilActive (*dialog);
        // A transfer's report needs a moment to replace its progress.
        pause (300);
        writeScreenSnapshot ("desktop-alert-" + juce::String (alert.key) + "-" + titleOf (*dialog));
        ASSERT_TRUE (keyCloses (alert.key, *dialog)) << alert.key << " left it open; " << shownTitles();
    }
    // Cancelled: the application goes on.
    pause (500);
    EXPECT_TRUE (run.process().isRunning());
}

// A window comes back whole on the part of the screen that a panel leaves
// free, frame included, even from a place stored on a taller screen while it
// was maximised; under openbox maximised (in height: its width is fixed) with
// its size limits, and back on that whole place when the title is
// double-clicked, which is the place it stores. xfwm4 does not maximise a
// window of fixed width: it opens there in its place.
TEST_F (DesktopTest, TheMainWindowComesBackBesideAPanelAndMaximisedWhereItWas)
{
    const Panel panel (Panel::Edge::bottom, 40);
    ASSERT_TRUE (waitFor ([] { return workArea().height == 1024 - 40; }, 5000)) << "no work area published";
    const auto area = workArea();
    const juce::Rectangle<int> free (area.x, area.y, area.width, area.height);
    const auto mainWindow = [] { return windowTitled (isMainWindowTitle); };
    // Placed in its frame a moment after the manager framed it.
    const auto wholeBesideThePanel = [&] {
        return waitFor ([&] {
            const auto main = mainWindow();
            return main.has_value() && free.contains (outerBounds (*main));
        }, 3000);
    };
    // Maximised or not, at its fixed width with the limits that keep it so.
    const auto fixedWidthWithLimits = [&] (bool maximised) {
        return waitFor ([&] {
            const auto main = mainWindow();
            return main.has_value() && isMaximized (main->id) == maximised && main->width == 870
                   && maximumWidthHint (main->id) == 870;
        }, 3000);
    };
    const auto doubleClickTitle = [&] {
        const auto main = mainWindow();
        const int x = main->x + 300, y = main->y - (int) frameExtents (main->id).top / 2;
        movePointerTo (x, y);
        pause (300);
        clickAt (x, y);
        clickAt (x, y);
    };
    const auto describe = [&] {
        const auto main = mainWindow();
        return outerBounds (*main).toString() + ", largest width " + juce::String (maximumWidthHint (main->id));
    };
    // The stored place with the frame around it.
    const auto storedOuterBounds = [&] (const FrameExtents& frame) {
        const auto preferences = juce::parseXML (preferencesFile (home.get()));
        const auto value = [&] (const char* key) { return preferences->getChildByName (key)->getIntAttribute ("Value"); };
        return juce::Rectangle<int> (value ("MainWindowPositionX"), value ("MainWindowPositionY"),
                                     870 + (int) (frame.left + frame.right),
                                     value ("MainWindowHeight") + (int) (frame.top + frame.bottom));
    };
    const bool maximises = juce::SystemStats::getEnvironmentVariable ("SLVN_WINDOW_MANAGER", {}) == "openbox";
    writeQuietPreferences (home.get(), { { "MainWindowPositionX", "100" }, { "MainWindowPositionY", "30" },
                                         { "MainWindowHeight", "1181" }, { "MainWindowMaximized", "1" } });
    for (int start = 0; start < 2; ++start)
    {
        SCOPED_TRACE ("start " + std::to_string (start));
        ApplicationRun run (home.get());
        ASSERT_TRUE (settledWindow (isMainWindowTitle, 60000).has_value()) << run.process().getOutput();
        EXPECT_TRUE (fixedWidthWithLimits (maximises)) << describe();
        EXPECT_TRUE (wholeBesideThePanel()) << describe();
        // Drawn down to its bottom edge, where nothing is black.
        const auto main = mainWindow();
        ASSERT_TRUE (main.has_value());
        writeScreenSnapshot ("desktop-main-window-back-" + juce::String (start));
        const auto shown = captureScreen();
        EXPECT_NE (shown.pixels[(size_t) ((main->y + main->height - 3) * shown.width + main->x + 10)], 0xff000000u);
        if (maximises && start == 0)
        {
            doubleClickTitle();
            EXPECT_TRUE (fixedWidthWithLimits (false)) << "not back from maximised: " << describe();
            EXPECT_TRUE (wholeBesideThePanel()) << describe();
            writeScreenSnapshot ("desktop-main-window-unmaximised");
            doubleClickTitle();
            EXPECT_TRUE (fixedWidthWithLimits (true)) << "not maximised again: " << describe();
        }
        const auto frame = frameExtents (main->id);
        giveKeyboardTo (*mainWindow());
        ASSERT_TRUE (run.quitWithCtrlQ()) << run.process().getOutput();
        EXPECT_TRUE (free.contains (storedOuterBounds (frame))) << "stored " << storedOuterBounds (frame).toString();
        if (! maximises)
            break;
    }
}

// Whatever the work area, the main window comes back at its fixed width with
// its frame's corner and title bar on it, where it was, and stores a place on
// the screen. A dock on the left that leaves less than the window's width
// (a 200-pixel dock on a screen 1024 wide; here the same 824 pixels are
// left of 1280): the frame starts at the dock's edge. A work area that
// another client wrote and that makes no sense counts as none.
TEST_F (DesktopTest, TheMainWindowComesBackAtItsWidthWithItsTitleOnTheWorkArea)
{
    const auto published = workArea();
    const struct
    {
        const char* what;
        int dockWidth;
        std::vector<long> written;
        juce::Point<int> stored, expected; // the frame's corner
    } rows[] = {
        { "a narrow work area", 456, {}, { 600, 0 }, { 456, 0 } },
        { "a work area of a few pixels", 0, { 0, 0, 10, 10 }, { 100, 0 }, { 100, 0 } },
        { "a work area far off the screen", 0, { 2147483000, 2147483000, 2000, 2000 }, { 100, 0 }, { 100, 0 } },
        { "a work area from left of the screen", 0, { -880, 0, 1280, 1024 }, { 100, 0 }, { 100, 0 } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.what);
        std::optional<Panel> dock;
        if (row.dockWidth > 0)
        {
            dock.emplace (Panel::Edge::left, row.dockWidth);
            ASSERT_TRUE (waitFor ([&row] { return workArea().x == row.dockWidth; }, 5000)) << "no work area published";
        }
        else
        {
            writeWorkArea (row.written);
        }
        writeQuietPreferences (home.get(), { { "MainWindowPositionX", juce::String (row.stored.x) },
                                             { "MainWindowPositionY", juce::String (row.stored.y) },
                                             { "MainWindowHeight", "700" } });
        ApplicationRun run (home.get());
        const auto main = settledWindow (isMainWindowTitle, 60000);
        ASSERT_TRUE (main.has_value()) << run.process().getOutput();
        const auto outer = outerBounds (*main);
        EXPECT_EQ (main->width, 870);
        EXPECT_EQ (outer.getPosition(), row.expected) << outer.toString();
        if (row.dockWidth > 0)
            writeScreenSnapshot ("desktop-narrow-work-area");
        giveKeyboardTo (*main);
        ASSERT_TRUE (run.quitWithCtrlQ()) << run.process().getOutput();
        const auto preferences = juce::parseXML (preferencesFile (home.get()));
        ASSERT_NE (preferences, nullptr);
        const auto value = [&] (const char* key) { return preferences->getChildByName (key)->getIntAttribute ("Value"); };
        EXPECT_EQ (juce::Point<int> (value ("MainWindowPositionX"), value ("MainWindowPositionY")), row.expected);
        dock.reset();
        writeWorkArea ({ published.x, published.y, published.width, published.height });
    }
}

// Without a desktop chooser, Ctrl+S and Ctrl+O open the framework's own
// save and open dialogs with the keyboard in the name field: a name typed at
// once and Return save the library under it, or open the library of that
// name.
TEST_F (DesktopTest, TheOwnSaveAndOpenDialogsTakeATypedNameAtOnce)
{
    writeQuietPreferences (home.get());
    ApplicationRun run (home.get());
    ASSERT_TRUE (settledWindow (isMainWindowTitle, 60000).has_value()) << run.process().getOutput();
    const auto saved = home.get().getChildFile ("typed42.slvnlib");
    const auto other = home.get().getChildFile ("other7.slvnlib");
    struct Typed
    {
        const char* shortcut;
        std::vector<const char*> keys;
        std::function<bool()> done;
    };
    const Typed rows[] = {
        { "s", { "t", "y", "p", "e", "d", "4", "2", "Return" }, [&saved] { return saved.existsAsFile(); } },
        { "o", { "o", "t", "h", "e", "r", "7", "period", "s", "l", "v", "n", "l", "i", "b", "Return" }, [] {
              const auto main = windowTitled (isMainWindowTitle);
              return main.has_value() && titleOf (*main).endsWith (" - other7.slvnlib");
          } },
    };
    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.shortcut);
        if (saved.existsAsFile())
            saved.copyFileTo (other);
        openWithShortcut (*windowTitled (isMainWindowTitle), row.shortcut);
        const auto dialog = settledWindow (isDialogTitle, 10000);
        ASSERT_TRUE (dialog.has_value()) << shownTitles();
        waitUntilActive (*dialog);
        for (const auto* key : row.keys)
            typeKey (key, false);
        EXPECT_TRUE (waitFor (row.done, 5000)) << shownTitles();
        pause (500);
        if (const auto left = windowTitled (isDialogTitle))
            keyCloses ("Escape", *left);
    }
    giveKeyboardTo (*windowTitled (isMainWindowTitle));
    EXPECT_TRUE (run.quitWithCtrlQ()) << shownTitles();
}

// A second start while a dialog is open hands over its command line and
// ends; the dialog stays on top and keeps the keyboard.
TEST_F (DesktopTest, ASecondStartLeavesTheOpenDialogOnTopTakingEscape)
{
    writeQuietPreferences (home.get());
    ApplicationRun first (home.get());
    const auto main = settledWindow (isMainWindowTitle, 60000);
    ASSERT_TRUE (main.has_value()) << first.process().getOutput();
    giveKeyboardTo (*main);
    typeKeyUntil ("comma", true, [] { return windowTitled (isDialogTitle).has_value(); });
    const auto dialog = settledWindow (isDialogTitle, 10000);
    ASSERT_TRUE (dialog.has_value());
    waitUntilActive (*dialog);

    // The keyboard is watched until a second after the second start ended:
    // the command line reaches this one a moment later.
    ApplicationRun second (home.get(), { home.get().getChildFile ("other.slvnlib").getFullPathName() });
    // The main window may have it only for a moment: it is looked at often.
    bool keptKeyboard = true;
    const auto watchKeyboardUntil = [&] (const std::function<bool()>& done) {
        while (! done())
        {
            keptKeyboard = keptKeyboard && activeWindow() == dialog->id;
            pause (5);
        }
    };
    const auto secondEnded = std::chrono::steady_clock::now() + std::chrono::seconds (30);
    watchKeyboardUntil ([&] { return ! second.process().isRunning() || std::chrono::steady_clock::now() > secondEnded; });
    ASSERT_FALSE (second.process().isRunning()) << second.process().getOutput();
    const auto watchEnd = std::chrono::steady_clock::now() + std::chrono::seconds (1);
    watchKeyboardUntil ([&] { return std::chrono::steady_clock::now() > watchEnd; });
    writeScreenSnapshot ("desktop-second-start");

    const auto dialogNow = windowTitled (isDialogTitle);
    ASSERT_TRUE (dialogNow.has_value());
    EXPECT_GT (stackingIndex (*dialogNow), stackingIndex (*main)) << "the main window came over the dialog";
    EXPECT_TRUE (keptKeyboard) << "the dialog lost the keyboard";
    EXPECT_TRUE (keyCloses ("Escape", *dialogNow)) << shownTitles();
}
} // namespace

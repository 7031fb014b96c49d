#include "DesktopSession.h"

#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace
{
using namespace exectest;

const juce::String applicationName ("solivane Sound Librarian");

// The transfer dialog that automatic receive opens over the main window.
std::optional<exectest::ScreenWindow> transferDialog()
{
    return windowTitled ([] (const juce::String& title) { return ! isMainWindowTitle (title); });
}

// Closes the transfer dialog with the Return key that its focused OK button
// takes (or, where the focus is elsewhere, a click on that button).
bool dismissTransferDialog (const exectest::ScreenWindow& dialog)
{
    const auto gone = [&dialog] { return ! windowTitled (titleOf (dialog)).has_value(); };
    // The content (460 x 150 with the report) lies at the bottom of the
    // window, below the title bar; its OK button's centre is at (396, 116).
    const int buttonX = dialog.x + 396;
    const int buttonY = dialog.y + dialog.height - 150 + 116;
    exectest::typeKeyAt (buttonX, buttonY, "Return", false);
    if (waitFor (gone, 3000))
        return true;
    exectest::clickAt (buttonX, buttonY);
    return waitFor (gone, 3000);
}

// The built application as `scripts/run.sh` starts it, on a machine without
// sound devices, a fresh home and a virtual display: the main window comes
// up, the automatic receive of the library and then of the user units each
// report that no instrument was found, Ctrl+Q quits, and the preferences are
// on disk with the start-up defaults.
TEST (ExecutableTest, FirstStartWithoutInstrumentShowsTheWindowReportsAndQuitsOnCtrlQ)
{
    ASSERT_FALSE (juce::File ("/dev/snd/seq").exists()) << "this test expects a machine without sound devices";
    testsupport::TemporaryFolder home;

    ApplicationRun run (home.get());
    auto& application = run.process();
    ASSERT_TRUE (application.hasStarted());

    // Once at rest: the window system's window is made again while the
    // window is set up.
    const auto mainWindow = settledWindow (isMainWindowTitle, 60000);
    ASSERT_TRUE (mainWindow.has_value()) << "no main window\n" << application.getOutput();
    EXPECT_EQ (titleOf (*mainWindow), applicationName + " - Untitled");
    EXPECT_GE (mainWindow->width, 800);

    const juce::StringArray transferTitles { "Receive Library", "Receive User Units" };
    for (int transfer = 0; transfer < transferTitles.size(); ++transfer)
    {
        ASSERT_TRUE (waitFor ([] { return transferDialog().has_value(); }, 30000))
            << "transfer " << transfer << " showed no dialog\n" << application.getOutput();
        // Its report needs a moment to replace the progress text.
        std::this_thread::sleep_for (std::chrono::milliseconds (500));
        const auto dialog = transferDialog();
        ASSERT_TRUE (dialog.has_value());
        EXPECT_EQ (titleOf (*dialog), transferTitles[transfer]);
        writeScreenSnapshot ("executable-no-instrument-" + juce::String (transfer));
        ASSERT_TRUE (dismissTransferDialog (*dialog)) << application.getOutput();
    }

    EXPECT_TRUE (application.isRunning());
    ASSERT_TRUE (movePointerTo (mainWindow->x + mainWindow->width / 2, mainWindow->y + mainWindow->height / 2));
    typeKeyUntil ("q", true, [&application] { return ! application.isRunning(); });
    const auto exitCode = application.waitForExit (30000);
    ASSERT_TRUE (exitCode.has_value()) << "Ctrl+Q did not end the application\n" << application.getOutput();
    EXPECT_EQ (*exitCode, 0) << application.getOutput();
    EXPECT_EQ (sanitizerFindings (application.getOutput()), "");
    // Without sound devices the terminal shows the program's own line, not
    // the sound library's.
    EXPECT_FALSE (application.getOutput().contains ("ALSA lib")) << application.getOutput();

    const auto preferences = juce::parseXML (preferencesFile (home.get()));
    ASSERT_NE (preferences, nullptr) << "no preferences written";
    for (const auto* key : { "MidiPortAutoScan", "AutoReceive", "WarnBeforeWriting", "ProgramListHeight" })
        EXPECT_NE (preferences->getChildByName (key), nullptr) << key;
    EXPECT_EQ (preferences->getChildByName ("ProgramListHeight")->getStringAttribute ("Value"), "25");
}

// Quitting while a refused drag's image still floats back to where it came
// from: the animation ends before the framework lets go of the display, so
// the application exits with 0 and reports nothing on the way.
TEST (ExecutableTest, QuitsCleanlyWhileARefusedDragsImageFloatsBack)
{
    testsupport::TemporaryFolder home;
    writeQuietPreferences (home.get());
    ApplicationRun run (home.get());
    auto& application = run.process();
    ASSERT_TRUE (application.hasStarted());
    const auto window = settledWindow (isMainWindowTitle, 60000);
    ASSERT_TRUE (window.has_value()) << "no main window\n" << application.getOutput();
    // Time for the list to fill and paint.
    std::this_thread::sleep_for (std::chrono::milliseconds (1000));

    // From the name of the second program row onto the header, which takes
    // no drop; the key goes to a point of the header off the image's way back.
    ASSERT_TRUE (dragThenTypeKeyAt (window->x + 90, window->y + 200, window->x + 420, window->y + 60,
                                    window->x + 120, window->y + 60, "q", true));
    const auto exitCode = application.waitForExit (30000);
    ASSERT_TRUE (exitCode.has_value()) << "Ctrl+Q did not end the application\n" << application.getOutput();
    EXPECT_EQ (*exitCode, 0) << application.getOutput();
    EXPECT_EQ (sanitizerFindings (application.getOutput()), "");
}
} // namespace

#include "ScreenProbe.h"

#include "support/Snapshot.h"
#include "support/SpawnedProcess.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

namespace
{
using testsupport::SpawnedProcess;

const juce::String applicationName ("solivane Sound Librarian");

// Polls until the condition holds or the time is up.
bool waitFor (const std::function<bool()>& condition, int timeoutMilliseconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds (timeoutMilliseconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        if (condition())
            return true;
        std::this_thread::sleep_for (std::chrono::milliseconds (50));
    }
    return condition();
}

std::optional<exectest::ScreenWindow> windowTitled (const std::function<bool (const juce::String&)>& matches)
{
    for (const auto& window : exectest::titledWindows())
        if (matches (juce::String::fromUTF8 (window.title.c_str())))
            return window;
    return std::nullopt;
}

bool isMainWindowTitle (const juce::String& title)
{
    return title.startsWith (applicationName + " - ");
}

// The main window once the same one has shown on two looks in a row: while
// it starts, the application may replace its first native window with
// another, so a window seen once may have gone at the next look.
std::optional<exectest::ScreenWindow> waitForMainWindow()
{
    std::optional<exectest::ScreenWindow> seen;
    const auto settled = waitFor ([&seen] {
        const auto now = windowTitled (isMainWindowTitle);
        const bool same = now.has_value() && seen.has_value() && now->id == seen->id;
        seen = now;
        return same;
    }, 60000);
    return settled ? seen : std::nullopt;
}

// The transfer dialog that automatic receive opens over the main window.
std::optional<exectest::ScreenWindow> transferDialog()
{
    return windowTitled ([] (const juce::String& title) { return ! isMainWindowTitle (title); });
}

void writeScreenSnapshot (const juce::String& name)
{
    const auto screen = exectest::captureScreen();
    juce::Image image (juce::Image::ARGB, juce::jmax (1, screen.width), juce::jmax (1, screen.height), true);
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x)
            image.setPixelAt (x, y, juce::Colour (screen.pixels[static_cast<size_t> (y * screen.width + x)]));
    testsupport::writeSnapshot (image, name);
}

// Closes the transfer dialog with the Return key that its focused OK button
// takes (or, where the focus is elsewhere, a click on that button).
bool dismissTransferDialog (const exectest::ScreenWindow& dialog)
{
    const auto gone = [&dialog] {
        return ! windowTitled ([&dialog] (const juce::String& title) {
                     return title == juce::String::fromUTF8 (dialog.title.c_str());
                 }).has_value();
    };
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

// What the sanitizers and the framework's debug assertions reported.
juce::String reportedFaults (const juce::String& output)
{
    juce::StringArray findings;
    juce::StringArray lines;
    lines.addLines (output);
    for (const auto& line : lines)
        if (line.contains ("Sanitizer") || line.contains ("runtime error:") || line.contains ("JUCE Assertion failure"))
            findings.add (line);
    return findings.joinIntoString ("\n");
}

// The built application, with a home folder of its own.
std::unique_ptr<SpawnedProcess> startApplication (const juce::File& home)
{
    SpawnedProcess::Options options;
    options.environment = { { "HOME", home.getFullPathName().toStdString() }, { "XDG_CONFIG_HOME", std::nullopt } };
    return std::make_unique<SpawnedProcess> (juce::StringArray { SLVN_APPLICATION_EXECUTABLE }, options);
}

// After Ctrl+Q: the application ends soon, with exit code 0 and nothing
// reported on the way.
void expectCleanQuit (SpawnedProcess& application)
{
    const auto exitCode = application.waitForExit (30000);
    ASSERT_TRUE (exitCode.has_value()) << "Ctrl+Q did not end the application\n" << application.getOutput();
    EXPECT_EQ (*exitCode, 0) << application.getOutput();
    EXPECT_EQ (reportedFaults (application.getOutput()), "");
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

    auto started = startApplication (home.get());
    auto& application = *started;
    ASSERT_TRUE (application.hasStarted());

    const auto mainWindow = waitForMainWindow();
    ASSERT_TRUE (mainWindow.has_value()) << "no main window\n" << application.getOutput();
    EXPECT_EQ (juce::String::fromUTF8 (mainWindow->title.c_str()), applicationName + " - Untitled");
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
        EXPECT_EQ (juce::String::fromUTF8 (dialog->title.c_str()), transferTitles[transfer]);
        writeScreenSnapshot ("executable-no-instrument-" + juce::String (transfer));
        ASSERT_TRUE (dismissTransferDialog (*dialog)) << application.getOutput();
    }

    EXPECT_TRUE (application.isRunning());
    ASSERT_TRUE (exectest::typeKeyAt (mainWindow->x + mainWindow->width / 2, mainWindow->y + mainWindow->height / 2,
                                      "q", true));
    expectCleanQuit (application);
    // Without sound devices the terminal shows the program's own line, not
    // the sound library's.
    EXPECT_FALSE (application.getOutput().contains ("ALSA lib")) << application.getOutput();

    const auto preferences = juce::parseXML (
        home.get().getChildFile (".config/Preferences/VEXO solivane Sound Librarian/PreferencesData.xml"));
    ASSERT_NE (preferences, nullptr) << "no preferences written";
    for (const auto* key : { "MidiPortAutoScan", "AutoReceive", "WarnBeforeWriting", "ProgramListHeight" })
        EXPECT_NE (preferences->getChildByName (key), nullptr) << key;
    EXPECT_EQ (preferences->getChildByName ("ProgramListHeight")->getStringAttribute ("Value"), "25");
}

// A program row dragged onto the header, where nothing takes it, and Ctrl+Q
// straight after the drop: the application quits while the drag's image is
// still floating back to the list, and ends cleanly.
TEST (ExecutableTest, QuitsCleanlyWhileARefusedDragsImageFloatsBack)
{
    testsupport::TemporaryFolder home;
    // Neither a device search nor an automatic receive: no dialog comes up.
    home.write (".config/Preferences/VEXO solivane Sound Librarian/PreferencesData.xml",
                "<PreferencesData><MidiPortAutoScan Value=\"0\"/><AutoReceive Value=\"0\"/></PreferencesData>");
    auto started = startApplication (home.get());
    auto& application = *started;
    ASSERT_TRUE (application.hasStarted());
    const auto mainWindow = waitForMainWindow();
    ASSERT_TRUE (mainWindow.has_value()) << "no main window\n" << application.getOutput();
    // Time for the list to fill and paint.
    std::this_thread::sleep_for (std::chrono::milliseconds (1000));
    const auto& window = *mainWindow;

    // The name of the second program row, a point of the header, and another
    // one away from the image's way back.
    ASSERT_TRUE (exectest::dragThenTypeKeyAt (window.x + 90, window.y + 200, window.x + 420, window.y + 60,
                                              window.x + 120, window.y + 60, "q", true));
    expectCleanQuit (application);
}
} // namespace

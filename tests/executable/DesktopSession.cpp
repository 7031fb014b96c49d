#include "DesktopSession.h"

#include "support/Snapshot.h"

#include <chrono>
#include <cstdlib>
#include <thread>

namespace exectest
{
namespace
{
const juce::String applicationName ("solivane Sound Librarian");

bool sameGeometry (const ScreenWindow& a, const ScreenWindow& b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}
} // namespace

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

bool typeKeyUntil (const char* keySymbolName, bool withControl, const std::function<bool()>& effect)
{
    for (int attempt = 0; attempt < 3; ++attempt)
    {
        typeKey (keySymbolName, withControl);
        if (waitFor (effect, 3000))
            return true;
    }
    return false;
}

juce::String titleOf (const ScreenWindow& window)
{
    return juce::String::fromUTF8 (window.title.c_str());
}

std::optional<ScreenWindow> windowTitled (const std::function<bool (const juce::String&)>& matches)
{
    for (const auto& window : titledWindows())
        if (matches (titleOf (window)))
            return window;
    return std::nullopt;
}

std::optional<ScreenWindow> windowTitled (const juce::String& title)
{
    return windowTitled ([&title] (const juce::String& shown) { return shown == title; });
}

bool isMainWindowTitle (const juce::String& title)
{
    return title.startsWith (applicationName + " - ");
}

std::optional<ScreenWindow> settledWindow (const std::function<bool (const juce::String&)>& matches,
                                           int timeoutMilliseconds)
{
    // A window the manager leaves without a frame (the dialogs draw their
    // own title bars) is never framed: it counts as at rest after a second.
    const bool framed = windowManagerRuns();
    std::optional<ScreenWindow> previous;
    std::optional<ScreenWindow> settled;
    int unchangedLooks = 0;
    waitFor (
        [&] {
            const auto window = windowTitled (matches);
            const bool same = window.has_value() && previous.has_value() && sameGeometry (*previous, *window);
            unchangedLooks = same ? unchangedLooks + 1 : 0;
            if (same && (window->framed || ! framed || unchangedLooks >= 4))
                settled = window;
            previous = window;
            if (! settled.has_value())
                std::this_thread::sleep_for (std::chrono::milliseconds (250));
            return settled.has_value();
        },
        timeoutMilliseconds);
    return settled;
}

int stackingIndex (const ScreenWindow& window)
{
    const auto windows = titledWindows();
    for (size_t i = 0; i < windows.size(); ++i)
        if (windows[i].id == window.id)
            return static_cast<int> (i);
    return -1;
}

void writeScreenSnapshot (const juce::String& name)
{
    const auto screen = captureScreen();
    juce::Image image (juce::Image::ARGB, juce::jmax (1, screen.width), juce::jmax (1, screen.height), true);
    for (int y = 0; y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x)
            image.setPixelAt (x, y, juce::Colour (screen.pixels[static_cast<size_t> (y * screen.width + x)]));
    // The test command runs these tests under more than one window manager.
    const auto manager = juce::SystemStats::getEnvironmentVariable ("SLVN_WINDOW_MANAGER", {});
    testsupport::writeSnapshot (image, manager.isEmpty() ? name : name + "-" + manager);
}

int differingPixels (const ScreenImage& before, const ScreenImage& after, juce::Rectangle<int> area)
{
    const auto inside = area.getIntersection ({ juce::jmin (before.width, after.width),
                                                juce::jmin (before.height, after.height) });
    int count = 0;
    for (int y = inside.getY(); y < inside.getBottom(); ++y)
        for (int x = inside.getX(); x < inside.getRight(); ++x)
            if (before.pixels[static_cast<size_t> (y * before.width + x)]
                != after.pixels[static_cast<size_t> (y * after.width + x)])
                ++count;
    return count;
}

juce::String sanitizerFindings (const juce::String& output)
{
    juce::StringArray findings;
    juce::StringArray lines;
    lines.addLines (output);
    for (const auto& line : lines)
        if (line.contains ("Sanitizer") || line.contains ("runtime error:") || line.contains ("JUCE Assertion failure"))
            findings.add (line);
    return findings.joinIntoString ("\n");
}

juce::File preferencesFile (const juce::File& home)
{
    return home.getChildFile (".config/Preferences/VEXO solivane Sound Librarian/PreferencesData.xml");
}

void writeQuietPreferences (const juce::File& home, const std::vector<std::pair<juce::String, juce::String>>& values)
{
    juce::XmlElement preferences ("PreferencesData");
    preferences.createNewChildElement ("MidiPortAutoScan")->setAttribute ("Value", 0);
    preferences.createNewChildElement ("AutoReceive")->setAttribute ("Value", 0);
    for (const auto& [key, value] : values)
        preferences.createNewChildElement (key)->setAttribute ("Value", value);
    const auto file = preferencesFile (home);
    file.getParentDirectory().createDirectory();
    preferences.writeTo (file);
}

juce::String executableUnderTest()
{
    const auto* named = std::getenv ("SLVN_EXECUTABLE_UNDER_TEST");
    return named != nullptr && *named != '\0' ? juce::String (named) : juce::String (SLVN_APPLICATION_EXECUTABLE);
}

ApplicationRun::ApplicationRun (const juce::File& home, const juce::StringArray& arguments)
{
    testsupport::SpawnedProcess::Options options;
    // Nothing on the path: the framework finds no desktop chooser (zenity,
    // kdialog) to run in place of its own dialogs, which the tests drive.
    options.environment = { { "HOME", home.getFullPathName().toStdString() }, { "XDG_CONFIG_HOME", std::nullopt },
                            { "PATH", home.getFullPathName().toStdString() } };
    juce::StringArray command { executableUnderTest() };
    command.addArray (arguments);
    application = std::make_unique<testsupport::SpawnedProcess> (command, options);
}

bool ApplicationRun::quitWithCtrlQ()
{
    typeKeyUntil ("q", true, [this] { return ! application->isRunning(); });
    const auto exitCode = application->waitForExit (3000);
    return exitCode.has_value() && *exitCode == 0;
}
} // namespace exectest

#pragma once

#include "ScreenProbe.h"

#include "support/SpawnedProcess.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace exectest
{
// What the tests of the built application share: finding its windows on the
// screen, starting it in a home folder of its own, and its preferences file.

// Polls until the condition holds or the time is up.
bool waitFor (const std::function<bool()>& condition, int timeoutMilliseconds);

// Types the key into the focused window until it has its effect, at most
// three times: on a loaded machine the first key after a change of focus
// sometimes comes before the program is ready for it.
bool typeKeyUntil (const char* keySymbolName, bool withControl, const std::function<bool()>& effect);

juce::String titleOf (const ScreenWindow& window);
std::optional<ScreenWindow> windowTitled (const std::function<bool (const juce::String&)>& matches);
std::optional<ScreenWindow> windowTitled (const juce::String& title);
bool isMainWindowTitle (const juce::String& title);

// The window once it is at rest: framed by the window manager (when one
// runs and frames it) and in the same place and size at two looks 300 ms
// apart.
std::optional<ScreenWindow> settledWindow (const std::function<bool (const juce::String&)>& matches,
                                           int timeoutMilliseconds);

// Where a window lies among the titled windows, bottom to top; -1 when it
// is not shown.
int stackingIndex (const ScreenWindow& window);

void writeScreenSnapshot (const juce::String& name);

// The number of pixels that differ between two captures within the area.
int differingPixels (const ScreenImage& before, const ScreenImage& after, juce::Rectangle<int> area);

// What the sanitizers and the framework's debug assertions reported.
juce::String sanitizerFindings (const juce::String& output);

// "PreferencesData.xml" below the home folder.
juce::File preferencesFile (const juce::File& home);

// Writes the preferences file: a start without device search or automatic
// receive (no dialogs in the way), with the values given on top.
void writeQuietPreferences (const juce::File& home,
                            const std::vector<std::pair<juce::String, juce::String>>& values = {});

// The built application (see executableUnderTest) as `scripts/run.sh`
// starts it, with the home folder
// given (and no XDG_CONFIG_HOME), on a path without desktop choosers.
// Killed if it still runs at the end.
// The application that the tests start: the one named in
// SLVN_EXECUTABLE_UNDER_TEST (the test command names the program that the
// run command built), otherwise this build's.
juce::String executableUnderTest();

class ApplicationRun
{
public:
    explicit ApplicationRun (const juce::File& home, const juce::StringArray& arguments = {});

    testsupport::SpawnedProcess& process() { return *application; }

    // Ctrl+Q into the focused window (see typeKeyUntil); true when the
    // application then ended with 0.
    bool quitWithCtrlQ();

private:
    std::unique_ptr<testsupport::SpawnedProcess> application;
};
} // namespace exectest

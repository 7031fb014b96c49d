#include "support/SpawnedProcess.h"
#include "support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace
{
// The processes that carry the marker in their environment: whatever a
// process started, and what that started in turn, unless it cleared it.
juce::StringArray processesMarked (const std::string& marker)
{
    juce::StringArray found;
    for (const auto& entry : juce::File ("/proc").findChildFiles (juce::File::findDirectories, false))
    {
        std::ifstream environment (entry.getChildFile ("environ").getFullPathName().toStdString(), std::ios::binary);
        const std::string text ((std::istreambuf_iterator<char> (environment)), std::istreambuf_iterator<char>());
        if (text.find (marker) != std::string::npos)
            found.add (entry.getFileName());
    }
    return found;
}

// The display runner, under the window manager that this run has (the test
// command runs it under openbox and under xfwm4): once the program it ran has
// ended, nothing that it started runs on, and its temporary folders are gone.
TEST (DisplayRunner, LeavesNoProcessAndNoTemporaryFolderBehind)
{
    const testsupport::TemporaryFolder temporary;
    const std::string marker = "SLVN_DISPLAY_RUNNER_RUN=" + juce::Uuid().toString().toStdString();
    testsupport::SpawnedProcess::Options options;
    options.environment = { { "TMPDIR", temporary.get().getFullPathName().toStdString() },
                            { marker.substr (0, marker.find ('=')), marker.substr (marker.find ('=') + 1) } };
    testsupport::SpawnedProcess runner ({ "/bin/bash", SLVN_DISPLAY_RUNNER, "true" }, options);
    ASSERT_EQ (runner.waitForExit (60000), 0) << runner.getOutput();

    // Late writers to a removed folder have had their time.
    std::this_thread::sleep_for (std::chrono::seconds (2));
    const auto leftOver = processesMarked (marker);
    for (const auto& pid : leftOver)
        ::kill (pid.getIntValue(), SIGKILL);
    EXPECT_TRUE (leftOver.isEmpty()) << "still running: " << leftOver.joinIntoString (" ");
    EXPECT_EQ (temporary.get().getNumberOfChildFiles (juce::File::findFilesAndDirectories), 0);
}
} // namespace

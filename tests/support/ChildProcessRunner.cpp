#include "support/ChildProcessRunner.h"

#include "support/MessageLoop.h"
#include "support/SpawnedProcess.h"

namespace testsupport
{
juce::String runTestInChildProcess (const juce::String& testName, const juce::StringArray& environment, int& exitCode,
                                   int timeoutMilliseconds)
{
    SpawnedProcess::Options options;
    for (const auto& setting : environment)
        options.environment.push_back ({ setting.upToFirstOccurrenceOf ("=", false, false).toStdString(),
                                         setting.fromFirstOccurrenceOf ("=", false, false).toStdString() });

    SpawnedProcess child ({ SpawnedProcess::currentExecutable().getFullPathName(), "--gtest_color=no",
                            "--gtest_also_run_disabled_tests", "--gtest_filter=" + testName },
                          options);
    exitCode = -1;
    if (! child.hasStarted())
        return "the child process did not start";

    // This process may own the clipboard: it must answer the child.
    runMessageLoopUntil ([&child] { return ! child.isRunning(); }, timeoutMilliseconds);
    if (const auto code = child.waitForExit (0))
        exitCode = *code;
    return child.getOutput();
}
} // namespace testsupport

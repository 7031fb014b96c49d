#include "support/ChildProcessRunner.h"

#include "support/MessageLoop.h"

namespace testsupport
{
juce::String runTestInChildProcess (const juce::String& testName, const juce::StringArray& environment, int& exitCode)
{
    juce::StringArray arguments { "/usr/bin/env" };
    arguments.addArray (environment);
    arguments.add (juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName());
    arguments.add ("--gtest_also_run_disabled_tests");
    arguments.add ("--gtest_filter=" + testName);

    juce::ChildProcess child;
    exitCode = -1;
    if (! child.start (arguments))
        return "the child process did not start";
    // This process may own the clipboard: it must answer the child.
    const bool ended = runMessageLoopUntil ([&child] { return ! child.isRunning(); }, 120000);
    const auto output = child.readAllProcessOutput();
    if (ended)
        exitCode = (int) child.getExitCode();
    else
        child.kill();
    return output;
}
} // namespace testsupport

#pragma once

#include <juce_core/juce_core.h>

namespace testsupport
{
// Runs one disabled test of this program in a child process (with the
// environment variables given as NAME=value), keeping this process's message
// loop going meanwhile; its output (standard output and error). The child's
// exit code goes to exitCode (minus the signal that ended it), -1 when it did
// not end within the time given (it is killed then).
juce::String runTestInChildProcess (const juce::String& testName, const juce::StringArray& environment, int& exitCode,
                                   int timeoutMilliseconds = 120000);
} // namespace testsupport

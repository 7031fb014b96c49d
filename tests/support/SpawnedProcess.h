#pragma once

#include "support/PrivateTemporaryFolder.h"

#include <juce_core/juce_core.h>

#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport
{
// Another program (or this test program again) started for a test. Its
// standard output and error go to a file, so that a chatty child never
// blocks on a full pipe and a silent one never blocks the test. A child
// still running when the object goes is killed.
class SpawnedProcess
{
public:
    struct Options
    {
        // Empty: this process's working folder.
        juce::File workingFolder;
        // Set (or, with a null value, removed) on top of this process's
        // environment.
        std::vector<std::pair<std::string, std::optional<std::string>>> environment;
    };

    SpawnedProcess (const juce::StringArray& arguments, const Options& options);
    explicit SpawnedProcess (const juce::StringArray& arguments) : SpawnedProcess (arguments, Options()) {}
    ~SpawnedProcess();

    bool hasStarted() const { return pid > 0; }
    pid_t getPid() const { return pid; }

    // True while the child runs.
    bool isRunning();

    // The exit code once the child has ended within the time-out; a child
    // ended by a signal gives minus the signal number.
    std::optional<int> waitForExit (int timeoutMilliseconds);

    void sendSignal (int signal);

    // Everything the child wrote so far.
    juce::String getOutput() const;

    // This test program itself, for running some of its tests in a process
    // of their own.
    static juce::File currentExecutable();

private:
    bool reap (bool block);

    testsupport::PrivateTemporaryFolder outputFolder;
    juce::File outputFile;
    pid_t pid = -1;
    std::optional<int> exitCode;

    SpawnedProcess (const SpawnedProcess&) = delete;
    SpawnedProcess& operator= (const SpawnedProcess&) = delete;
};
} // namespace testsupport

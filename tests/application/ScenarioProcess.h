#pragma once

#include <juce_core/juce_core.h>

#include <string>
#include <utility>
#include <vector>

namespace apptest
{
// Start-up runs once per process: it creates the process-wide singletons,
// which live until the process ends. Each start-up scenario therefore runs in
// a process of its own: this test program again, running only the test
// ApplicationScenario.<name>, with the home folder it is given.

// True in the process that runScenario started for this scenario; the
// scenario test skips itself everywhere else.
bool isScenario (const char* name);

// Runs the scenario and fails the calling test unless it passed. Its output
// is shown when it fails.
void runScenario (const char* name, const juce::File& home, int timeoutMilliseconds = 180000);

// The built application, for starting it as a user would.
juce::File applicationExecutable();
} // namespace apptest

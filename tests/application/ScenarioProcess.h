#pragma once

#include <juce_core/juce_core.h>

namespace apptest
{
// Start-up runs once per process: it creates the process-wide singletons,
// which live until the process ends. Each start-up scenario is therefore a
// disabled test ApplicationScenario.DISABLED_<name> that runs in a process of
// its own: this test program again, with the home folder it is given.

// Runs the scenario and fails the calling test unless it passed. Its output
// is shown when it fails.
void runScenario (const char* name, const juce::File& home);

// The built application, for starting it as a user would.
juce::File applicationExecutable();
} // namespace apptest

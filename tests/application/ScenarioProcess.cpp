#include "ScenarioProcess.h"

#include "support/ChildProcessRunner.h"

#include <gtest/gtest.h>

namespace apptest
{
void runScenario (const char* name, const juce::File& home)
{
    int exitCode = -1;
    const auto output = testsupport::runTestInChildProcess (
        juce::String ("ApplicationScenario.DISABLED_") + name,
        { "HOME=" + home.getFullPathName(), "XDG_CONFIG_HOME=" + home.getChildFile (".config").getFullPathName() },
        exitCode);
    EXPECT_EQ (exitCode, 0) << "the scenario " << name << "\n" << output;
    if (exitCode == 0)
    {
        EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << "the scenario did not run\n" << output;
    }
}

juce::File applicationExecutable()
{
    return juce::File (SLVN_APPLICATION_EXECUTABLE);
}
} // namespace apptest

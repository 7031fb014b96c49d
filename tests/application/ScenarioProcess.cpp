#include "ScenarioProcess.h"

#include "support/SpawnedProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace apptest
{
namespace
{
const char* const scenarioVariable = "SLVN_APPLICATION_SCENARIO";
} // namespace

bool isScenario (const char* name)
{
    const char* running = std::getenv (scenarioVariable);
    return running != nullptr && std::string (running) == name;
}

void runScenario (const char* name, const juce::File& home, int timeoutMilliseconds)
{
    testsupport::SpawnedProcess::Options options;
    options.environment = { { scenarioVariable, std::string (name) },
                            { "HOME", home.getFullPathName().toStdString() },
                            { "XDG_CONFIG_HOME", std::nullopt } };

    const juce::StringArray arguments { testsupport::SpawnedProcess::currentExecutable().getFullPathName(),
                                        "--gtest_color=no",
                                        juce::String ("--gtest_filter=ApplicationScenario.") + name };
    testsupport::SpawnedProcess child (arguments, options);
    ASSERT_TRUE (child.hasStarted());

    const auto exitCode = child.waitForExit (timeoutMilliseconds);
    const auto output = child.getOutput();
    ASSERT_TRUE (exitCode.has_value()) << "the scenario " << name << " did not end in time\n" << output;
    EXPECT_EQ (*exitCode, 0) << output;
    if (*exitCode == 0)
    {
        EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << "the scenario did not run\n" << output;
    }
}

juce::File applicationExecutable()
{
    return juce::File (SLVN_APPLICATION_EXECUTABLE);
}
} // namespace apptest

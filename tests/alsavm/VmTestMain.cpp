// Main of the tests that run inside the sequencer VM: no display there, so no
// GUI initialiser; only the message manager that asynchronous updates and the
// device search need, with this thread as the message thread. Ends with a
// line of the passed and failed counts, which the VM runner and CI read.

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <cstdio>

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    juce::MessageManager::getInstance();
    const int result = RUN_ALL_TESTS();
    juce::DeletedAtShutdown::deleteAll();
    juce::MessageManager::deleteInstance();

    const auto& unitTest = *testing::UnitTest::GetInstance();
    std::printf ("%d passed, %d failed\n", unitTest.successful_test_count(), unitTest.failed_test_count());
    std::fflush (stdout);
    return result;
}

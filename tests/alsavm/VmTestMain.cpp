// Main of the tests that run inside the sequencer VM: no display and no GUI
// framework there. Ends with a line of the passed and failed counts, which
// the VM runner and CI read.

#include <gtest/gtest.h>

#include <cstdio>

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    const int result = RUN_ALL_TESTS();

    const auto& unitTest = *testing::UnitTest::GetInstance();
    std::printf ("%d passed, %d failed\n", unitTest.successful_test_count(), unitTest.failed_test_count());
    std::fflush (stdout);
    return result;
}

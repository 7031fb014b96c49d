#pragma once

#include <gtest/gtest.h>

namespace testsupport
{
// Gives the whole test program a home folder of its own (processHome), so
// that the preferences, the marker files and the preset store, which live
// below it, never touch the user's. Register it once in a test program:
//
//     [[maybe_unused]] testing::Environment* const home =
//         testing::AddGlobalTestEnvironment (new testsupport::PrivateHome);
class PrivateHome : public testing::Environment
{
public:
    void SetUp() override;
};
} // namespace testsupport

#pragma once

#include "file/PrivateTemporaryFolder.h"

#include <gtest/gtest.h>

#include <memory>

namespace testsupport
{
// Gives the whole test program a home folder of its own, so that the
// preferences, the marker files and the preset store, which live below it,
// never touch the user's. Register it once in a test program:
//
//     [[maybe_unused]] testing::Environment* const home =
//         testing::AddGlobalTestEnvironment (new testsupport::PrivateHome);
class PrivateHome : public testing::Environment
{
public:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<file::PrivateTemporaryFolder> home;
};
} // namespace testsupport

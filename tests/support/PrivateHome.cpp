#include "support/PrivateHome.h"

#include <cstdlib>

namespace testsupport
{
void PrivateHome::SetUp()
{
    home = std::make_unique<file::PrivateTemporaryFolder>();
    ASSERT_TRUE (home->isValid());
    setenv ("HOME", home->getFolder().getFullPathName().toRawUTF8(), 1);
    unsetenv ("XDG_CONFIG_HOME");
}

void PrivateHome::TearDown()
{
    home.reset();
}
} // namespace testsupport

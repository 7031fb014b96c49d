#include "support/PrivateHome.h"

#include "support/TemporaryHome.h"

namespace testsupport
{
void PrivateHome::SetUp()
{
    // The home stays until the process ends: the preferences store writes
    // its file when the framework shuts down, after every test.
    processHome();
}
} // namespace testsupport

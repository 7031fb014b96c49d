// The dialogs read and write the preferences store, which lives below the
// user's home folder and is written back when the process ends: the whole
// test program gets a home folder of its own.

#include "support/TemporaryHome.h"

namespace
{
[[maybe_unused]] const testsupport::TemporaryHome& privateHome = testsupport::processHome();
} // namespace

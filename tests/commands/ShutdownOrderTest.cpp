#include "CommandsFixture.h"

#include "action/LibraryActions.h"
#include "action/UndoSteps.h"

namespace commandstest
{
// The child's half of the next test: the menu manager is the first of the
// application's objects, so the undo manager and everything else it uses
// come after it, and the framework deletes them first at shutdown.
TEST (ShutdownOrder, DISABLED_MenuManagerMadeFirst)
{
    auto& manager = *ApplicationMenuManager::getInstance();
    x48305_action::performAsStep ("Edit", std::make_unique<x48305_action::InitializeProgramDataAction> (3));
    EXPECT_TRUE (manager.getCommandManager().invokeDirectly (commandEditUndo, false));
}

// Shutdown after that order leaves no object behind and touches none that
// is gone (the sanitizers watch the child).
TEST (ShutdownOrder, MenuManagerMadeFirstShutsDownCleanly)
{
    int exitCode = -1;
    const auto output = runTestInChildProcess ("ShutdownOrder.DISABLED_MenuManagerMadeFirst", {}, exitCode);
    EXPECT_EQ (exitCode, 0) << output;
    EXPECT_TRUE (output.contains ("[  PASSED  ] 1 test")) << output;
    EXPECT_FALSE (output.contains ("Sanitizer")) << output;
}
} // namespace commandstest

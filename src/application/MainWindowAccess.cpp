#include "application/MainWindowAccess.h"

#include "ui/MainAppWindow.h"
#include "ui/MainWindowManager.h"

namespace x48305_application
{
void bringMainWindowToFront()
{
    if (auto* window = x48305_ui::MainWindowManager::getInstance()->getMainWindow())
        window->toFront (true);
}
} // namespace x48305_application

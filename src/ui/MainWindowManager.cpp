#include "ui/MainWindowManager.h"

#include "ui/MainAppWindow.h"

namespace x48305_ui
{
MainWindowManager::MainWindowManager() = default;

MainWindowManager::~MainWindowManager()
{
    deleteMainWindow();
}

void MainWindowManager::createMainWindow()
{
    if (mainWindow != nullptr)
        return;
    mainWindow = std::make_unique<MainAppWindow>();
    mainWindow->setLookAndFeel (&lookAndFeel);
}

void MainWindowManager::deleteMainWindow()
{
    mainWindow.reset();
}
} // namespace x48305_ui

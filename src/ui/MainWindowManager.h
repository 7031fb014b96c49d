#pragma once

#include "data/Singleton.h"
#include "ui/DefaultLookAndFeel.h"

#include <memory>

class MainAppWindow;

namespace x48305_ui
{
// Owns the main window from start-up to shut-down.
class MainWindowManager : public Singleton<MainWindowManager>,
                          public juce::DeletedAtShutdown
{
public:
    ~MainWindowManager() override;

    // Creates the window when there is none yet.
    void createMainWindow();
    void deleteMainWindow();

    MainAppWindow* getMainWindow() const { return mainWindow.get(); }

private:
    friend class Singleton<MainWindowManager>;
    MainWindowManager();

    std::unique_ptr<MainAppWindow> mainWindow;
    DefaultLookAndFeel lookAndFeel;
};
} // namespace x48305_ui

#pragma once

#include "data/Singleton.h"
#include "ui/DefaultLookAndFeel.h"

#include <memory>

class MainAppWindow;

namespace x48305_ui
{
namespace detail
{
// Creates the models and services that the main window uses before the
// manager registers for deletion at shutdown, so that they are deleted after
// it: a window still open then can still leave them. A base of the manager,
// ahead of juce::DeletedAtShutdown.
struct WindowServicesFirst
{
    WindowServicesFirst();
};
} // namespace detail

// Owns the main window from start-up to shut-down.
class MainWindowManager : private detail::WindowServicesFirst,
                          public Singleton<MainWindowManager>,
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

#pragma once

#include "library/PresetData.h"
#include "ui/HeaderComponent.h"
#include "ui/MainAppWindow.h"
#include "ui/MainComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace mainwindowtest
{
// The factory preset library as the application ships it.
const x48305_data::PresetData& factoryPreset();

// A folder of this process's home for the test's own files.
juce::File workFolder();

// A unit package of the given module ("osc", "modfx", "delfx", "revfx")
// with that unit name, written into the work folder.
juce::File writeUnitPackage (const juce::String& fileName, const std::string& module, const std::string& unitName);

// Records every command that reaches the application's command manager.
class CommandRecorder : private juce::ApplicationCommandManagerListener
{
public:
    CommandRecorder();
    ~CommandRecorder() override;

    std::vector<int> invoked;

private:
    void applicationCommandInvoked (const juce::ApplicationCommandTarget::InvocationInfo& info) override
    {
        invoked.push_back (info.commandID);
    }
    void applicationCommandListChanged() override {}
};

// The library holds the factory programs with a filled live set, and a few
// units sit in every kind's slots; program 0 is selected and current, no
// file is open, nothing is edited, and no position is stored for the window.
class MainWindowTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the main window as start-up does, and waits for its first notices.
    MainAppWindow& openWindow();
    void closeWindow();

    MainComponent& mainComponent() { return window->getMainComponent(); }
    HeaderComponent& header() { return mainComponent().getHeader(); }

    // The window's content as the screen shows it: menu bar and main component.
    juce::Image screen();

    // The live set's programs and the units that fill the lists.
    static void fillLiveSet();
    static void fillUnits();

    static void storeWindowPlace (int x, int y, int height);

    std::unique_ptr<MainAppWindow> window;
};
} // namespace mainwindowtest

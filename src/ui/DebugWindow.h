#pragma once

#include "data/Singleton.h"
#include "ui/CommandShortcuts.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The empty white content of the debug window.
class DebugMainComponent : public juce::Component
{
public:
    DebugMainComponent();

    void paint (juce::Graphics&) override;
    void resized() override;
};

namespace x48305_debug
{
// A plain document window for developers, opened from the Option menu when
// the debug marker file is present.
class DebugWindow : public juce::DocumentWindow
{
public:
    DebugWindow();

    // Asks the manager to delete the window once this callback is over.
    void closeButtonPressed() override;

private:
    x48305_ui::CommandShortcuts shortcuts { *this };
};

// Keeps at most one debug window: creates it on request and deletes it on
// the message loop's next turn after its close button was pressed.
class DebugWindowManager : public Singleton<DebugWindowManager>,
                           public juce::DeletedAtShutdown,
                           public juce::AsyncUpdater
{
public:
    DebugWindowManager() = default;
    ~DebugWindowManager() override;

    // Creates the window unless one is open; an open one is left as it is.
    void showWindow();

    DebugWindow* getWindow() const { return window.get(); }

    void handleAsyncUpdate() override;

private:
    std::unique_ptr<DebugWindow> window;

    JUCE_DECLARE_NON_COPYABLE (DebugWindowManager)
};
} // namespace x48305_debug

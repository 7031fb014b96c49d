#pragma once

#include "data/Singleton.h"
#include "ui/PresetWindow.h"

#include <juce_events/juce_events.h>

#include <memory>

namespace x48305_ui
{
// Owns the preset window while it is open and records in the preferences
// whether it is, so that start-up can reopen it. Closing goes through an
// asynchronous update because the window asks for it from inside its own
// callback. Deleting the manager (at quit) deletes an open window but leaves
// "ShowPresetWindow" set: the window reopens at the next start.
class PresetWindowManager : public Singleton<PresetWindowManager>,
                            public juce::AsyncUpdater,
                            public juce::DeletedAtShutdown
{
public:
    // Public so that a test can quit with a manager of its own.
    PresetWindowManager();
    ~PresetWindowManager() override;

    // Creates the window and sets "ShowPresetWindow"; nothing when one is
    // open already.
    void openWindow();

    bool isWindowOpen() const { return window != nullptr; }

    // The open window (to bring it to the front), or null.
    PresetWindow* getWindow() const { return window.get(); }

    // Deletes the window on the next turn of the message loop.
    void closeWindow();

    void handleAsyncUpdate() override;

private:
    std::unique_ptr<PresetWindow> window;

    JUCE_DECLARE_NON_COPYABLE (PresetWindowManager)
};
} // namespace x48305_ui

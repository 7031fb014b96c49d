#pragma once

#include "ui/CommandShortcuts.h"
#include "ui/WindowManagerState.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
class PresetWindowManager;

// The freely placed window around the preset list. It reopens where it was
// (the bounds are kept on every move and resize and stored in the
// preferences when the window goes) and hands its close button to the
// manager, which deletes it outside this callback.
class PresetWindow : public juce::DocumentWindow
{
public:
    ~PresetWindow() override;

    void closeButtonPressed() override;
    void moved() override;
    void resized() override;

    // The bounds as last moved or resized, with the frame's corner as the
    // position: what the preferences receive.
    juce::Rectangle<int> getSavedBounds() const { return { savedX, savedY, savedWidth, savedHeight }; }

    static constexpr int minimumSize = 100;

private:
    friend class PresetWindowManager;
    explicit PresetWindow (PresetWindowManager& owner);

    void restoreBounds();
    void showIcon (const juce::Image& icon);
    void saveBounds();

    PresetWindowManager& manager;
    CommandShortcuts shortcuts { *this };
    int savedX = 0;
    int savedY = 0;
    int savedWidth = 0;
    int savedHeight = 0;
    std::unique_ptr<ui::WhenFramed> framed;

    JUCE_DECLARE_NON_COPYABLE (PresetWindow)
};
} // namespace x48305_ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// Where the main window opens, from the place and height it had when it was
// last closed (preferences MainWindowPositionX, MainWindowPositionY: the
// frame's corner; MainWindowHeight). A stored place opens the window there
// with its width fixed (at least minimumWidth) and its height between
// minimumHeight and maximumHeight; without one, or when the stored place lies
// on no connected display (a monitor since removed; see
// ui::StoredWindowBounds), the window is centred at the size it has and may
// be resized freely.
struct MainWindowBounds
{
    static constexpr int minimumWidth = 870;
    static constexpr int minimumHeight = 480;
    static constexpr int maximumHeight = 1400;

    struct Stored
    {
        int x = -1;
        int y = -1;
        int height = 0; // 0 or less: none stored
    };

    // What the window does.
    bool restorePosition = false;
    // The bounds when restorePosition; otherwise only the size is used.
    juce::Rectangle<int> bounds;

    // currentSize: the window's size before its bounds are restored.
    // displayAreas: the user areas of the connected displays.
    static MainWindowBounds compute (const Stored& stored, juce::Point<int> currentSize,
                                     const juce::Array<juce::Rectangle<int>>& displayAreas);

    // The stored values from the preferences store.
    static Stored readStored();

    // Writes the window's bounds to the preferences store.
    static void store (juce::Rectangle<int> windowBounds);
};
} // namespace x48305_ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace x48305_ui
{
// Where the main window opens, from the place and height it had when it was
// last closed (preferences MainWindowPositionX, MainWindowPositionY: the
// frame's corner; MainWindowHeight; MainWindowMaximized). From the first
// start on, its width is fixed (at least minimumWidth) and its height lies
// between minimumHeight and maximumHeight. A stored place opens the window
// there, moved and shrunk as far as needed to lie whole on its display;
// without one, or when the stored place lies on no connected display (a
// monitor since removed; see ui::StoredWindowBounds), the window is centred.
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
        bool maximised = false;
    };

    // What the window does.
    bool restorePosition = false;
    // The bounds when restorePosition; otherwise only the size is used.
    juce::Rectangle<int> bounds;
    bool maximised = false;

    // currentSize: the window's size before its bounds are restored.
    // displayAreas: the user areas of the connected displays.
    static MainWindowBounds compute (const Stored& stored, juce::Point<int> currentSize,
                                     const juce::Array<juce::Rectangle<int>>& displayAreas);

    // The stored values from the preferences store.
    static Stored readStored();

    // Writes the window's bounds (its place while not maximised) and whether
    // it is maximised to the preferences store.
    static void store (juce::Rectangle<int> windowBounds, bool maximised);
};
} // namespace x48305_ui

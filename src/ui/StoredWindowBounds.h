#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// Where a window reopens from the geometry stored when it last closed: the
// upper-left corner of its window manager's frame (outerCorner) and the size
// of the window inside the frame. Restored before the window's frame is
// known, that corner is where every window manager puts the frame, so the
// window opens where it was.
//
// A stored coordinate of notPlaced (-1, what an absent key reads as) means
// "never placed": the window is centred. So is a stored position on which no
// connected display shows enough of the window to reach it (a monitor
// removed since), so that the window never opens where nobody can see it;
// a place on a monitor left of or above the main one is kept. The size is
// never below minimumSize in either direction.
struct StoredWindowBounds
{
    int x = -1;
    int y = -1;
    int width = 0;
    int height = 0;

    // The part of a window that must lie on one display (in each direction)
    // for its stored position to be kept.
    static constexpr int minimumVisiblePart = 32;

    static constexpr int notPlaced = -1;

    // No screen reaches this far from the origin: a stored coordinate or size
    // beyond it (what another program may have written) counts as none.
    static constexpr int farthestCoordinate = 1 << 20;

    // True when the window is to be centred with getSize(); otherwise it goes
    // to getBounds().
    bool shouldCentre (const juce::Array<juce::Rectangle<int>>& displayAreas, int minimumSize) const;

    juce::Rectangle<int> getBounds (int minimumSize) const;

    // The stored size, each side at least minimumSize.
    juce::Point<int> getSize (int minimumSize) const;

    // The user areas of the displays connected now, in the framework's
    // logical coordinates: where the window manager publishes a work area,
    // the part of each display within it (what its panels leave free).
    static juce::Array<juce::Rectangle<int>> getConnectedDisplayAreas();

    // The window's bounds moved, and shrunk where they must but never below
    // its least size, so that the window with its frame lies whole on the
    // display that shows most of it; where it cannot, its frame's corner and
    // title bar lie on it, and the rest goes as far right and down as it
    // must. Unchanged when no display shows any of it.
    static juce::Rectangle<int> fittedOnDisplay (juce::Rectangle<int> windowBounds, juce::BorderSize<int> frame,
                                                 const juce::Array<juce::Rectangle<int>>& displayAreas,
                                                 juce::Point<int> leastSize);

    // Fits a window that the window manager has framed on its display as
    // above; frameBounds: where the frame is (see WhenFramed).
    static void fitFramedWindowOnDisplay (juce::Component& window, juce::BorderSize<int> frame,
                                          juce::Rectangle<int> frameBounds, juce::Point<int> leastSize);

    // The upper-left corner of the frame around a window on the desktop, as
    // far as the window manager has told it; the window's own position
    // while it has no frame.
    static juce::Point<int> outerCorner (const juce::Component& window);
};
} // namespace ui

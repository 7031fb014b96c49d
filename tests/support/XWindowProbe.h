#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <optional>
#include <vector>

namespace testsupport
{
// What the window manager sees of a window of this program, and does to it,
// through X connections of the test's own.

// Resizes the window's X window from a connection of its own (as a window
// manager would), then makes the framework's connection take in everything
// the server has sent it by one round trip, as the framework's own property
// reads and focus queries do. The events of the resize then wait, already
// read, in the X library's queue, and nothing is left on the socket that
// would wake the framework's event loop. False without an X display.
bool resizeWithEventsLeftInTheQueue (const juce::Component& window, int width, int height);

// The largest size that the window's size hints give the window manager
// now; none when they set no largest size.
std::optional<juce::Point<int>> largestSizeForWindowManager (const juce::Component& window);

// Sets a 32-bit property of the root window, as a window manager publishes
// its state there; with no values, removes it.
void setRootProperty (const char* name, const std::vector<long>& values);

// Says on the root window that a window manager runs, as one does
// (_NET_SUPPORTING_WM_CHECK); with false, that none runs.
void announceWindowManager (bool runs);

// Publishes the frame around the window as a window manager does when it
// frames it (_NET_FRAME_EXTENTS: left, right, top, bottom), without moving
// the window as the manager would.
void publishFrame (const juce::Component& window, const std::vector<long>& extents);
} // namespace testsupport

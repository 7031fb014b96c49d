#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
#include <memory>
#include <optional>

namespace ui
{
// What the window manager says of a top-level window of the program, and
// asks of it, through the desktop's window-state conventions. The framework
// knows a maximised window only where it maximised the window itself.

// True while the manager shows the window maximised (by its button, a
// double click on the title or a key).
bool isMaximisedByWindowManager (const juce::Component& window);

// Asks the manager to maximise the window, which it may refuse (a window of
// fixed width is maximised in height only, or not at all), within the
// window's size limits. The window must be managed already: a request for a
// window not yet shown goes unheard.
void askWindowManagerToMaximise (const juce::Component& window);

// The part of the screen that the window manager leaves to windows, what its
// panels and task bars leave free, as it publishes it for the desktop shown
// (_NET_WORKAREA), in the X server's pixels. Any client may write that
// property: none where it is absent, or where it does not lie whole on the
// screen or leaves less than half of the screen in either direction (no
// panel takes that much; such an area would cut every window).
std::optional<juce::Rectangle<int>> workAreaOfWindowManager();

// Asks the window manager to put the window's frame at these bounds (the
// frame's corner and the size with the frame), in the framework's logical
// coordinates. The framework hears of the new place from the manager.
void askWindowManagerToPlaceFrame (const juce::Component& window, juce::Rectangle<int> frameBounds,
                                   juce::BorderSize<int> frame);

// Hands the framework the X events that wait, already read, in the display
// connection's queue (see QueuedEventDispatcher); nothing when none wait.
void handOverQueuedEvents();

// Runs the action once, as soon as the window manager has framed the window
// (some time after it shows, and not always followed by a move or resize
// that would tell the framework), with the frame and the bounds of the
// frame where the window was shown: its corner at the place the window had
// then, which is where every manager puts the frame of a window it has not
// framed yet. Those, not the window's bounds at the time, since the
// framework may take the frame from the manager's notice before it takes
// the move that came with it. The framework hears of the frame by the
// manager's property notice; what it knows is looked at every 50 ms, which
// costs no request, for at most 10 seconds, and only where a window manager
// runs: on a display without one the action never runs. A member of the
// window, made once the window is shown.
class WhenFramed : private juce::Timer
{
public:
    using Action = std::function<void (juce::BorderSize<int> frame, juce::Rectangle<int> frameBounds)>;
    WhenFramed (juce::Component& window, Action action);
    ~WhenFramed() override;

private:
    void timerCallback() override;

    juce::Component& window;
    const juce::Rectangle<int> shownBounds;
    Action action;
    int looks = 0;
};

// Hands the framework the X events that wait, already read, in the display
// connection's queue. The framework's event loop wakes only when the
// connection's socket has data; a reply that some call waits for (a property
// read, the input focus, a finished paint) brings every event that came
// before it into that queue, where it stays until the server sends more.
// Meanwhile a window that the manager has maximised keeps its old size in
// the framework, which draws only that part of it. Every X call of this
// program that waits for a reply hands over what it left queued at once
// (see WindowManagerState.cpp); this timer does the same every 50 ms for the
// framework's own calls, which costs no request. Any later read on the
// framework's connection (its own flush included) can take a wake-up into
// the queue before the loop sees it, so the timer's wake-up goes out on a
// connection of its own and runs where nothing can follow it before the loop
// looks at the socket: from a descriptor of its own, whose callback the loop
// runs last (see WindowManagerState.cpp). A member of the window.
class QueuedEventDispatcher : private juce::Timer
{
public:
    QueuedEventDispatcher();
    ~QueuedEventDispatcher() override;

private:
    struct WakeUpConnection;

    void timerCallback() override;
    void handOverLast();

    std::unique_ptr<WakeUpConnection> wakeUps;
    // Readable while a hand-over is asked for; -1 without an X display.
    int descriptor = -1;
};
} // namespace ui

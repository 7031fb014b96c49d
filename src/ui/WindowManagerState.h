#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>
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
// (_NET_WORKAREA), in the X server's pixels; none where it publishes none.
std::optional<juce::Rectangle<int>> workAreaOfWindowManager();

// Runs the action once, with the frame, as soon as the window manager has
// framed the window (some time after it shows, and not always followed by
// a move or resize that would tell the framework). Looked for every 50 ms
// for at most 10 seconds; on a display without a manager the action never
// runs. A member of the window.
class WhenFramed : private juce::Timer
{
public:
    WhenFramed (juce::Component& window, std::function<void (juce::BorderSize<int> frame)> action);
    ~WhenFramed() override;

private:
    void timerCallback() override;

    juce::Component& window;
    std::function<void (juce::BorderSize<int>)> action;
    int looks = 0;
};
// Hands the framework the X events that wait, already read, in the display
// connection's queue. The framework's event loop wakes only when the
// connection's socket has data; a reply that some call waits for (a property
// read, the input focus, a finished paint) brings every event that came
// before it into that queue, where it stays until the server sends more.
// Meanwhile a window that the manager has maximised keeps its old size in
// the framework, which draws only that part of it. Looked at every 50 ms,
// which costs no request; when events wait, the window sends itself a client
// message that the framework ignores: its arrival on the socket wakes the
// loop, which then reads the whole queue. A member of the window.
class QueuedEventDispatcher : private juce::Timer
{
public:
    explicit QueuedEventDispatcher (const juce::Component& window);
    ~QueuedEventDispatcher() override;

private:
    void timerCallback() override;

    const juce::Component& window;
};
} // namespace ui

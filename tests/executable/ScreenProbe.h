#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace exectest
{
// What another process shows on the X display named by $DISPLAY, and input
// for it through the X server's test extension: as a person at the screen
// sees and types, without any access to the program's insides.

struct ScreenWindow
{
    unsigned long id = 0;
    std::string title;
    // The program's own window (inside the frame of a window manager), its
    // upper-left corner on the screen.
    int x = 0, y = 0, width = 0, height = 0;
    // The window manager has framed it and said how.
    bool framed = false;
};

// The top-level windows that are mapped, have a title and lie on the
// screen, bottom to top.
std::vector<ScreenWindow> titledWindows();

// True when a window manager runs on the display.
bool windowManagerRuns();

// Asks the window manager to raise the window and give it the keyboard, as
// a click on its entry in a task bar does; and the window it says is active.
bool activateWindow (unsigned long window);
unsigned long activeWindow();

// Whether the window manager shows the window maximised (in height at
// least).
bool isMaximized (unsigned long window);

// The largest width that the window tells the window manager it may have;
// 0 when it names none.
int maximumWidthHint (unsigned long window);

// The frame that the window manager put around the window: left, right, top,
// bottom; all 0 when it has said none.
struct FrameExtents
{
    long left = 0, right = 0, top = 0, bottom = 0;
};
FrameExtents frameExtents (unsigned long window);

// Moves the pointer to a point of the screen, then presses and releases a
// key (an X key symbol name such as "Return" or "q"), with the Control key
// held when asked. Without a window manager the keyboard follows the
// pointer: the window under the point gets the key.
bool typeKeyAt (int x, int y, const char* keySymbolName, bool withControl);

// The same without moving the pointer: the focused window gets the key.
bool typeKey (const char* keySymbolName, bool withControl);

bool movePointerTo (int x, int y);

// Moves the pointer to a point of the screen and clicks the left button.
bool clickAt (int x, int y);

// Presses the left button at one point, drags in small steps to another and
// releases it there, then types a key at a third point: all sent at once, so
// that the program gets the key straight after the drop.
bool dragThenTypeKeyAt (int fromX, int fromY, int toX, int toY, int keyX, int keyY, const char* keySymbolName,
                        bool withControl);

// The whole screen as 0xAARRGGBB pixels, row after row.
struct ScreenImage
{
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
ScreenImage captureScreen();

// The area that the window manager leaves to windows, as it publishes it on
// the root window (_NET_WORKAREA, its first desktop); empty when it
// publishes none.
struct ScreenArea
{
    int x = 0, y = 0, width = 0, height = 0;
};
ScreenArea workArea();

// Writes the work area as any client may (x, y, width, height: what a
// window manager publishes for its first desktop); with none, removes it.
void writeWorkArea (const std::vector<long>& area);

// A panel along the screen's bottom or left edge, as a desktop's task bar or
// dock is: a dock window that reserves its height or width with a strut.
// Gone with the object.
class Panel
{
public:
    enum class Edge
    {
        bottom,
        left
    };
    Panel (Edge edge, int thickness);
    ~Panel();
    Panel (const Panel&) = delete;
    Panel& operator= (const Panel&) = delete;

private:
    struct Connection;
    std::unique_ptr<Connection> connection;
};
} // namespace exectest

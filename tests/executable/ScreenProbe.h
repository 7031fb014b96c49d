#pragma once

#include <cstdint>
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
    int x = 0, y = 0, width = 0, height = 0;
};

// The top-level windows that are mapped and have a title, bottom to top.
std::vector<ScreenWindow> titledWindows();

// Moves the pointer to a point of the screen, then presses and releases a
// key (an X key symbol name such as "Return" or "q"), with the Control key
// held when asked. Without a window manager the keyboard follows the
// pointer: the window under the point gets the key.
bool typeKeyAt (int x, int y, const char* keySymbolName, bool withControl);

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
} // namespace exectest

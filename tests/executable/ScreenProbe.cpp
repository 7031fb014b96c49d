// Kept apart from every framework header: Xlib's macros clash with its names.
#include "ScreenProbe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace exectest
{
namespace
{
struct DisplayCloser
{
    void operator() (Display* display) const { XCloseDisplay (display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

struct ImageDestroyer
{
    void operator() (XImage* image) const { XDestroyImage (image); }
};

DisplayPtr openDisplay() { return DisplayPtr (XOpenDisplay (nullptr)); }

int ignoreError (Display*, XErrorEvent*) { return 0; }

std::string textProperty (Display* display, Window window, const char* name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty (display, window, XInternAtom (display, name, False), 0, 1024, False, AnyPropertyType,
                            &type, &format, &count, &after, &data)
            == Success
        && data != nullptr && format == 8)
        text.assign (reinterpret_cast<const char*> (data), count);
    if (data != nullptr)
        XFree (data);
    return text;
}

std::string titleOf (Display* display, Window window)
{
    // The UTF-8 title that the framework sets, else the classic one.
    auto title = textProperty (display, window, "_NET_WM_NAME");
    return title.empty() ? textProperty (display, window, "WM_NAME") : title;
}

void flush (Display* display)
{
    XSync (display, False);
}

// Queues a key press and release, with the Control key held when asked.
bool queueKey (Display* display, const char* keySymbolName, bool withControl)
{
    const auto key = XKeysymToKeycode (display, XStringToKeysym (keySymbolName));
    const auto control = XKeysymToKeycode (display, XK_Control_L);
    if (key == 0 || control == 0)
        return false;
    if (withControl)
        XTestFakeKeyEvent (display, control, True, CurrentTime);
    XTestFakeKeyEvent (display, key, True, CurrentTime);
    XTestFakeKeyEvent (display, key, False, CurrentTime);
    if (withControl)
        XTestFakeKeyEvent (display, control, False, CurrentTime);
    return true;
}
} // namespace

std::vector<ScreenWindow> titledWindows()
{
    std::vector<ScreenWindow> result;
    auto display = openDisplay();
    if (display == nullptr)
        return result;
    // A window may go between the query and the look at it.
    auto* previous = XSetErrorHandler (ignoreError);

    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree (display.get(), DefaultRootWindow (display.get()), &root, &parent, &children, &count) != 0)
    {
        for (unsigned int i = 0; i < count; ++i)
        {
            XWindowAttributes attributes {};
            if (XGetWindowAttributes (display.get(), children[i], &attributes) == 0
                || attributes.map_state != IsViewable)
                continue;
            auto title = titleOf (display.get(), children[i]);
            if (title.empty())
                continue;
            result.push_back ({ children[i], title, attributes.x, attributes.y, attributes.width, attributes.height });
        }
        if (children != nullptr)
            XFree (children);
    }
    XSetErrorHandler (previous);
    return result;
}

bool typeKeyAt (int x, int y, const char* keySymbolName, bool withControl)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XTestFakeMotionEvent (display.get(), -1, x, y, CurrentTime);
    flush (display.get());
    const bool queued = queueKey (display.get(), keySymbolName, withControl);
    flush (display.get());
    return queued;
}

bool dragThenTypeKeyAt (int fromX, int fromY, int toX, int toY, int keyX, int keyY, const char* keySymbolName,
                        bool withControl)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XTestFakeMotionEvent (display.get(), -1, fromX, fromY, CurrentTime);
    XTestFakeButtonEvent (display.get(), 1, True, CurrentTime);
    constexpr int steps = 10;
    for (int step = 1; step <= steps; ++step)
        XTestFakeMotionEvent (display.get(), -1, fromX + (toX - fromX) * step / steps,
                              fromY + (toY - fromY) * step / steps, CurrentTime);
    XTestFakeButtonEvent (display.get(), 1, False, CurrentTime);
    XTestFakeMotionEvent (display.get(), -1, keyX, keyY, CurrentTime);
    const bool queued = queueKey (display.get(), keySymbolName, withControl);
    flush (display.get());
    return queued;
}

bool clickAt (int x, int y)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XTestFakeMotionEvent (display.get(), -1, x, y, CurrentTime);
    flush (display.get());
    XTestFakeButtonEvent (display.get(), 1, True, 50);
    XTestFakeButtonEvent (display.get(), 1, False, 50);
    flush (display.get());
    return true;
}

ScreenImage captureScreen()
{
    ScreenImage image;
    auto display = openDisplay();
    if (display == nullptr)
        return image;
    const auto root = DefaultRootWindow (display.get());
    XWindowAttributes attributes {};
    XGetWindowAttributes (display.get(), root, &attributes);
    std::unique_ptr<XImage, ImageDestroyer> pixels (XGetImage (display.get(), root, 0, 0,
                                                             static_cast<unsigned int> (attributes.width),
                                                             static_cast<unsigned int> (attributes.height),
                                                             AllPlanes, ZPixmap));
    if (pixels == nullptr)
        return image;

    image.width = attributes.width;
    image.height = attributes.height;
    image.pixels.reserve (static_cast<size_t> (image.width * image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            image.pixels.push_back (0xff000000u | (static_cast<std::uint32_t> (XGetPixel (pixels.get(), x, y)) & 0xffffffu));
    return image;
}
} // namespace exectest

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

// The window with a title at or below the window: under a window manager a
// top-level window is the manager's frame, and the program's own window with
// its title lies inside it.
Window titledWindowIn (Display* display, Window window, std::string& title, int depth)
{
    title = titleOf (display, window);
    if (! title.empty())
        return window;
    if (depth == 0)
        return 0;

    Window root = 0, parent = 0, found = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree (display, window, &root, &parent, &children, &count) == 0)
        return 0;
    for (unsigned int i = 0; i < count && found == 0; ++i)
        found = titledWindowIn (display, children[i], title, depth - 1);
    if (children != nullptr)
        XFree (children);
    return found;
}

bool hasProperty (Display* display, Window window, const char* name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const auto status = XGetWindowProperty (display, window, XInternAtom (display, name, False), 0, 4, False,
                                            AnyPropertyType, &type, &format, &count, &after, &data);
    if (data != nullptr)
        XFree (data);
    return status == Success && type != None;
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

    const auto rootWindow = DefaultRootWindow (display.get());
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree (display.get(), rootWindow, &root, &parent, &children, &count) != 0)
    {
        for (unsigned int i = 0; i < count; ++i)
        {
            XWindowAttributes attributes {};
            // The managers' own windows lie off the screen.
            if (XGetWindowAttributes (display.get(), children[i], &attributes) == 0
                || attributes.map_state != IsViewable || attributes.x + attributes.width <= 0
                || attributes.y + attributes.height <= 0)
                continue;
            std::string title;
            const auto window = titledWindowIn (display.get(), children[i], title, 3);
            if (window == 0 || XGetWindowAttributes (display.get(), window, &attributes) == 0)
                continue;
            int x = 0, y = 0;
            Window child = 0;
            XTranslateCoordinates (display.get(), window, rootWindow, 0, 0, &x, &y, &child);
            result.push_back ({ window, title, x, y, attributes.width, attributes.height,
                                hasProperty (display.get(), window, "_NET_FRAME_EXTENTS") });
        }
        if (children != nullptr)
            XFree (children);
    }
    XSetErrorHandler (previous);
    return result;
}

bool windowManagerRuns()
{
    auto display = openDisplay();
    return display != nullptr
           && hasProperty (display.get(), DefaultRootWindow (display.get()), "_NET_SUPPORTING_WM_CHECK");
}

// Sends the window manager a client message about the window; `fill` sets
// its items, with the display at hand for atoms.
template <typename Fill>
bool askWindowManager (unsigned long window, const char* message, Fill&& fill)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom (display.get(), message, False);
    event.xclient.format = 32;
    fill (display.get(), event.xclient.data.l);
    XSendEvent (display.get(), DefaultRootWindow (display.get()), False,
                SubstructureRedirectMask | SubstructureNotifyMask, &event);
    flush (display.get());
    return true;
}

bool activateWindow (unsigned long window)
{
    return askWindowManager (window, "_NET_ACTIVE_WINDOW", [] (Display*, long* items) {
        items[0] = 2; // asked by a pager, which managers follow at once
        items[1] = CurrentTime;
    });
}

// The property's 32-bit items (longs in Xlib's hands); empty when absent.
std::vector<unsigned long> longsOf (Display* display, Window window, const char* name)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty (display, window, XInternAtom (display, name, False), 0, 64, False, AnyPropertyType, &type,
                            &format, &count, &after, &data)
            == Success
        && data != nullptr && format == 32)
        items.assign (reinterpret_cast<unsigned long*> (data), reinterpret_cast<unsigned long*> (data) + count);
    if (data != nullptr)
        XFree (data);
    return items;
}

bool isMaximized (unsigned long window)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    const auto vertical = XInternAtom (display.get(), "_NET_WM_STATE_MAXIMIZED_VERT", False);
    for (auto state : longsOf (display.get(), window, "_NET_WM_STATE"))
        if (state == vertical)
            return true;
    return false;
}

int maximumWidthHint (unsigned long window)
{
    auto display = openDisplay();
    if (display == nullptr)
        return 0;
    XSizeHints hints {};
    long supplied = 0;
    if (XGetWMNormalHints (display.get(), window, &hints, &supplied) == 0 || (hints.flags & PMaxSize) == 0)
        return 0;
    return hints.max_width;
}

FrameExtents frameExtents (unsigned long window)
{
    auto display = openDisplay();
    if (display == nullptr)
        return {};
    const auto extents = longsOf (display.get(), window, "_NET_FRAME_EXTENTS");
    if (extents.size() != 4)
        return {};
    return { (long) extents[0], (long) extents[1], (long) extents[2], (long) extents[3] };
}

unsigned long activeWindow()
{
    auto display = openDisplay();
    if (display == nullptr)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    unsigned long window = 0;
    if (XGetWindowProperty (display.get(), DefaultRootWindow (display.get()),
                            XInternAtom (display.get(), "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW, &type,
                            &format, &count, &after, &data)
            == Success
        && data != nullptr && count == 1 && format == 32)
        window = *reinterpret_cast<unsigned long*> (data);
    if (data != nullptr)
        XFree (data);
    return window;
}

bool typeKey (const char* keySymbolName, bool withControl)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    const bool queued = queueKey (display.get(), keySymbolName, withControl);
    flush (display.get());
    return queued;
}

bool movePointerTo (int x, int y)
{
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XTestFakeMotionEvent (display.get(), -1, x, y, CurrentTime);
    flush (display.get());
    return true;
}

bool typeKeyAt (int x, int y, const char* keySymbolName, bool withControl)
{
    return movePointerTo (x, y) && typeKey (keySymbolName, withControl);
}

bool clickAt (int x, int y)
{
    if (! movePointerTo (x, y))
        return false;
    auto display = openDisplay();
    if (display == nullptr)
        return false;
    XTestFakeButtonEvent (display.get(), 1, True, 50);
    XTestFakeButtonEvent (display.get(), 1, False, 50);
    flush (display.get());
    return true;
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

ScreenArea workArea()
{
    auto display = openDisplay();
    if (display == nullptr)
        return {};
    const auto area = longsOf (display.get(), DefaultRootWindow (display.get()), "_NET_WORKAREA");
    if (area.size() < 4)
        return {};
    return { (int) area[0], (int) area[1], (int) area[2], (int) area[3] };
}

void writeWorkArea (const std::vector<long>& area)
{
    auto display = openDisplay();
    if (display == nullptr)
        return;
    const auto root = DefaultRootWindow (display.get());
    const auto atom = XInternAtom (display.get(), "_NET_WORKAREA", False);
    if (area.empty())
        XDeleteProperty (display.get(), root, atom);
    else
        XChangeProperty (display.get(), root, atom, XA_CARDINAL, 32, PropModeReplace,
                         reinterpret_cast<const unsigned char*> (area.data()), (int) area.size());
    flush (display.get());
}

struct Panel::Connection
{
    DisplayPtr display = openDisplay();
};

Panel::Panel (Edge edge, int thickness) : connection (std::make_unique<Connection>())
{
    auto* display = connection->display.get();
    if (display == nullptr)
        return;
    const auto root = DefaultRootWindow (display);
    const int width = DisplayWidth (display, DefaultScreen (display));
    const int height = DisplayHeight (display, DefaultScreen (display));
    const bool bottom = edge == Edge::bottom;
    XSizeHints place {};
    place.flags = USPosition | USSize;
    place.x = 0;
    place.y = bottom ? height - thickness : 0;
    place.width = bottom ? width : thickness;
    place.height = bottom ? thickness : height;
    const auto panel = XCreateSimpleWindow (display, root, place.x, place.y, (unsigned) place.width,
                                            (unsigned) place.height, 0, 0, 0x404040);
    const auto setLongs = [&] (const char* name, Atom type, std::vector<long> items) {
        XChangeProperty (display, panel, XInternAtom (display, name, False), type, 32, PropModeReplace,
                         reinterpret_cast<unsigned char*> (items.data()), (int) items.size());
    };
    // Placed where it asks to be, as a panel places itself.
    XSetWMNormalHints (display, panel, &place);
    setLongs ("_NET_WM_WINDOW_TYPE", XA_ATOM, { (long) XInternAtom (display, "_NET_WM_WINDOW_TYPE_DOCK", False) });
    // left, right, top, bottom, then the start and end of each along its edge.
    if (bottom)
    {
        setLongs ("_NET_WM_STRUT", XA_CARDINAL, { 0, 0, 0, thickness });
        setLongs ("_NET_WM_STRUT_PARTIAL", XA_CARDINAL, { 0, 0, 0, thickness, 0, 0, 0, 0, 0, 0, 0, width - 1 });
    }
    else
    {
        setLongs ("_NET_WM_STRUT", XA_CARDINAL, { thickness, 0, 0, 0 });
        setLongs ("_NET_WM_STRUT_PARTIAL", XA_CARDINAL, { thickness, 0, 0, 0, 0, height - 1, 0, 0, 0, 0, 0, 0 });
    }
    XMapWindow (display, panel);
    flush (display);
}

Panel::~Panel() = default;
} // namespace exectest

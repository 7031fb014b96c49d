// Kept apart from every framework header: Xlib's macros clash with its names.
#include "WindowIconProperty.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace presetwindowtest
{
std::vector<unsigned long> readWindowIcon (unsigned long nativeWindow)
{
    std::vector<unsigned long> icon;
    Display* display = XOpenDisplay (nullptr);
    if (display == nullptr)
        return icon;

    const Atom iconAtom = XInternAtom (display, "_NET_WM_ICON", True);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (iconAtom != None
        && XGetWindowProperty (display, (Window) nativeWindow, iconAtom, 0, 1L << 24, False, XA_CARDINAL, &type,
                               &format, &count, &remaining, &data)
               == Success
        && data != nullptr)
    {
        // Xlib hands 32-bit properties over as longs, sign-extended.
        const auto* values = reinterpret_cast<const unsigned long*> (data);
        if (type == XA_CARDINAL && format == 32)
            for (unsigned long i = 0; i < count; ++i)
                icon.push_back (values[i] & 0xffffffffUL);
    }
    if (data != nullptr)
        XFree (data);
    XCloseDisplay (display);
    return icon;
}
} // namespace presetwindowtest

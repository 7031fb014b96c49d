#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "support/XWindowProbe.h"

#include <X11/Xutil.h>

#include <memory>

namespace testsupport
{
namespace
{
::Window nativeWindowOf (const juce::Component& window)
{
    const auto* peer = window.getPeer();
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}

struct DisplayCloser
{
    void operator() (::Display* display) const { XCloseDisplay (display); }
};
using OwnConnection = std::unique_ptr<::Display, DisplayCloser>;
} // namespace

bool resizeWithEventsLeftInTheQueue (const juce::Component& window, int width, int height)
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* framework = system != nullptr ? system->getDisplay() : nullptr;
    const auto windowH = nativeWindowOf (window);
    const OwnConnection other (XOpenDisplay (nullptr));
    if (framework == nullptr || windowH == 0 || other == nullptr)
        return false;
    XResizeWindow (other.get(), windowH, (unsigned int) width, (unsigned int) height);
    XSync (other.get(), False);

    juce::XWindowSystemUtilities::ScopedXLock lock;
    XSync (framework, False);
    return XEventsQueued (framework, QueuedAlready) > 0;
}

std::optional<juce::Point<int>> largestSizeForWindowManager (const juce::Component& window)
{
    const auto windowH = nativeWindowOf (window);
    const OwnConnection own (XOpenDisplay (nullptr));
    if (windowH == 0 || own == nullptr)
        return std::nullopt;
    XSizeHints hints {};
    long supplied = 0;
    if (XGetWMNormalHints (own.get(), windowH, &hints, &supplied) == 0 || (hints.flags & PMaxSize) == 0)
        return std::nullopt;
    return juce::Point<int> (hints.max_width, hints.max_height);
}

namespace
{
void setProperty (::Window window, const char* name, Atom type, const std::vector<long>& values)
{
    const OwnConnection own (XOpenDisplay (nullptr));
    if (own == nullptr)
        return;
    const auto atom = XInternAtom (own.get(), name, False);
    if (window == None)
        window = DefaultRootWindow (own.get());
    if (values.empty())
        XDeleteProperty (own.get(), window, atom);
    else
        XChangeProperty (own.get(), window, atom, type, 32, PropModeReplace,
                         reinterpret_cast<const unsigned char*> (values.data()), (int) values.size());
    XSync (own.get(), False);
}
} // namespace

void setRootProperty (const char* name, const std::vector<long>& values)
{
    setProperty (None, name, XA_CARDINAL, values);
}

void announceWindowManager (bool runs)
{
    // Any window serves: nothing here looks at it.
    setProperty (None, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, runs ? std::vector<long> { 1 } : std::vector<long>());
}

void publishFrame (const juce::Component& window, const std::vector<long>& extents)
{
    setProperty (nativeWindowOf (window), "_NET_FRAME_EXTENTS", XA_CARDINAL, extents);
}
} // namespace testsupport

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

void setRootProperty (const char* name, const std::vector<long>& values)
{
    const OwnConnection own (XOpenDisplay (nullptr));
    if (own == nullptr)
        return;
    const auto atom = XInternAtom (own.get(), name, False);
    const auto root = DefaultRootWindow (own.get());
    if (values.empty())
        XDeleteProperty (own.get(), root, atom);
    else
        XChangeProperty (own.get(), root, atom, XA_CARDINAL, 32, PropModeReplace,
                         reinterpret_cast<const unsigned char*> (values.data()), (int) values.size());
    XSync (own.get(), False);
}
} // namespace testsupport

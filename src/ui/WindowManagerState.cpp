// The framework's X declarations come only with this switch, before its
// header is read anywhere in this file.
//
// Every X call of ours goes through the framework's table of X functions
// (X11Symbols), as the framework's own code makes them: the framework loads
// the X library at run time, and the program is not linked to it, so a
// direct call would leave the program without a link.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "ui/WindowManagerState.h"

#include <algorithm>
#include <vector>

namespace ui
{
namespace
{
::Window nativeWindowOf (const juce::Component& window)
{
    const auto* peer = window.getPeer();
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}

::Display* displayOfFramework()
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    return system != nullptr ? system->getDisplay() : nullptr;
}

// The root window's 32-bit property as Xlib hands it over (longs); empty
// when it is absent or of another kind.
std::vector<long> rootProperty (::Display* display, const char* name, long items)
{
    using namespace juce::XWindowSystemUtilities;
    const auto atom = Atoms::getIfExists (display, name);
    if (atom == None)
        return {};
    auto* x = juce::X11Symbols::getInstance();
    const GetXProperty property (display, x->xRootWindow (display, x->xDefaultScreen (display)), atom, 0, items,
                                 false, XA_CARDINAL);
    if (! property.success || property.actualFormat != 32)
        return {};
    const auto* values = reinterpret_cast<const long*> (property.data);
    return { values, values + property.numItems };
}
} // namespace

std::optional<juce::Rectangle<int>> workAreaOfWindowManager()
{
    auto* display = displayOfFramework();
    if (display == nullptr)
        return std::nullopt;
    juce::XWindowSystemUtilities::ScopedXLock lock;
    // x, y, width and height for each desktop.
    constexpr long desktopsRead = 64;
    const auto areas = rootProperty (display, "_NET_WORKAREA", 4 * desktopsRead);
    const auto current = rootProperty (display, "_NET_CURRENT_DESKTOP", 1);
    // Any client may write the current desktop: one without an area of its
    // own (or a negative one) takes the first.
    auto desktop = current.size() == 1 && current[0] >= 0 ? (size_t) current[0] : 0;
    if (desktop >= areas.size() / 4)
        desktop = 0;
    if (areas.size() < 4)
        return std::nullopt;
    const auto* area = areas.data() + 4 * desktop;
    const juce::Rectangle<int> workArea ((int) area[0], (int) area[1], (int) area[2], (int) area[3]);
    if (workArea.isEmpty())
        return std::nullopt;
    return workArea;
}

bool isMaximisedByWindowManager (const juce::Component& window)
{
    auto* display = displayOfFramework();
    const auto windowH = nativeWindowOf (window);
    if (display == nullptr || windowH == 0)
        return false;

    using namespace juce::XWindowSystemUtilities;
    const auto state = Atoms::getIfExists (display, "_NET_WM_STATE");
    const auto maximised = Atoms::getIfExists (display, "_NET_WM_STATE_MAXIMIZED_VERT");
    if (state == None || maximised == None)
        return false;
    ScopedXLock lock;
    const GetXProperty property (display, windowH, state, 0, 64, false, XA_ATOM);
    if (! property.success || property.actualFormat != 32 || property.data == nullptr)
        return false;
    const auto* atoms = reinterpret_cast<const unsigned long*> (property.data);
    return std::find (atoms, atoms + property.numItems, maximised) != atoms + property.numItems;
}

void askWindowManagerToMaximise (const juce::Component& window)
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = system != nullptr ? system->getDisplay() : nullptr;
    const auto windowH = nativeWindowOf (window);
    if (display == nullptr || windowH == 0)
        return;
    // Every move of the window by the framework leaves the manager its place
    // and size without the size limits, which come back only once the
    // framework has handled the manager's answer: a manager that maximised
    // the window meanwhile would give it the whole screen's width.
    system->updateConstraints (windowH);
    system->setMaximised (windowH, true);
    juce::XWindowSystemUtilities::ScopedXLock lock;
    juce::X11Symbols::getInstance()->xFlush (display);
}

WhenFramed::WhenFramed (juce::Component& windowToWatch, std::function<void (juce::BorderSize<int>)> actionToRun)
    : window (windowToWatch), action (std::move (actionToRun))
{
    startTimer (50);
}

WhenFramed::~WhenFramed()
{
    stopTimer();
}

void WhenFramed::timerCallback()
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    const auto windowH = nativeWindowOf (window);
    const auto frame = system != nullptr && windowH != 0 ? system->getBorderSize (windowH)
                                                         : juce::ComponentPeer::OptionalBorderSize();
    if (frame)
    {
        stopTimer();
        action (*frame);
    }
    else if (++looks >= 200)
    {
        stopTimer();
    }
}

QueuedEventDispatcher::QueuedEventDispatcher (const juce::Component& windowToWake) : window (windowToWake)
{
    startTimer (50);
}

QueuedEventDispatcher::~QueuedEventDispatcher()
{
    stopTimer();
}

void QueuedEventDispatcher::timerCallback()
{
    auto* display = displayOfFramework();
    const auto windowH = nativeWindowOf (window);
    if (display == nullptr || windowH == 0)
        return;
    juce::XWindowSystemUtilities::ScopedXLock lock;
    auto* x = juce::X11Symbols::getInstance();
    if (x->xEventsQueued (display, QueuedAlready) == 0)
        return;
    // Of a type of its own, which the framework's handler passes over.
    XEvent wake {};
    wake.xclient.type = ClientMessage;
    wake.xclient.window = windowH;
    wake.xclient.message_type = juce::XWindowSystemUtilities::Atoms::getCreating (display, "_SLVN_WAKE_EVENT_LOOP");
    wake.xclient.format = 32;
    // Sent with no event mask: it goes to the window's own client, this one.
    x->xSendEvent (display, windowH, False, NoEventMask, &wake);
    x->xFlush (display);
}
} // namespace ui

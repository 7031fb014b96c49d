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

#include <cstdint>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace ui
{
// Events and round trips. While the X library waits for the reply to a
// request (a property read, a query, a sync), it reads everything the server
// sent before that reply, events included, into its own queue. The
// framework's event loop wakes only when the connection's socket has data,
// so events taken in that way wait there until something else arrives. A
// wake-up sent earlier in the same tick is taken in the same way by any
// later round trip. So every X call of this program goes through one place,
// XCalls below, which after its calls hands over what they left queued: it
// sends one of the program's own windows a client message of a type of its
// own, which the framework passes over; its arrival on the socket wakes the
// loop, which then reads the whole queue. The last call of ours in a tick
// thus always leaves a wake-up on its way. No timer of ours makes a round
// trip where the server reports a change by an event: the frame comes from
// the framework, which takes it from the manager's property notice. For the
// framework's own round trips, and for a wake-up taken in all the same (the
// X library's flush also reads what has arrived), QueuedEventDispatcher
// looks at the queue every 50 ms, which costs no request, and sends its
// wake-up on a connection of its own from the callback that the loop runs
// last, so that nothing reads it before the loop looks at the socket.
namespace
{
// The longest a hand-over waits for its wake-up to come back.
constexpr int wakeUpWaitMilliseconds = 100;

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

// A window of this program that a wake-up can be sent to; 0 when none shows.
::Window anyWindowOfOurs()
{
    for (int i = 0; i < juce::ComponentPeer::getNumPeers(); ++i)
        if (const auto windowH = nativeWindowOf (juce::ComponentPeer::getPeer (i)->getComponent()))
            return windowH;
    return 0;
}

// The one place of our X calls: held while they run, it hands over whatever
// they left in the queue when it goes. Nested, each hands over again: a
// later call may have taken in the wake-up of an earlier one.
class XCalls
{
public:
    XCalls() = default;
    ~XCalls() { handOverQueuedEvents(); }

    ::Display* const display = displayOfFramework();
    juce::X11Symbols& x = *juce::X11Symbols::getInstance();

private:
    JUCE_DECLARE_NON_COPYABLE (XCalls)
};

// The root window's 32-bit property as Xlib hands it over (longs); empty
// when it is absent or of another kind.
std::vector<long> rootProperty (XCalls& calls, const char* name, long items, Atom type)
{
    using namespace juce::XWindowSystemUtilities;
    const auto atom = Atoms::getIfExists (calls.display, name);
    if (atom == None)
        return {};
    const ScopedXLock lock;
    const GetXProperty property (calls.display,
                                 calls.x.xRootWindow (calls.display, calls.x.xDefaultScreen (calls.display)), atom, 0,
                                 items, false, type);
    if (! property.success || property.actualFormat != 32)
        return {};
    const auto* values = reinterpret_cast<const long*> (property.data);
    return { values, values + property.numItems };
}

// The area, when it lies whole on the screen and takes at least half of it
// in each direction. Checked in 64 bits: another client may have written
// anything there.
std::optional<juce::Rectangle<int>> sensibleWorkArea (XCalls& calls, const long* area)
{
    const auto screen = calls.x.xDefaultScreen (calls.display);
    const long long width = calls.x.xDisplayWidth (calls.display, screen);
    const long long height = calls.x.xDisplayHeight (calls.display, screen);
    const long long x = area[0], y = area[1], w = area[2], h = area[3];
    const bool onScreen = x >= 0 && y >= 0 && x + w <= width && y + h <= height;
    if (! onScreen || 2 * w < width || 2 * h < height)
        return std::nullopt;
    return juce::Rectangle<int> ((int) x, (int) y, (int) w, (int) h);
}
} // namespace

namespace
{
// Sends one of the program's own windows a client message of a type of its
// own, which the framework passes over; its arrival on the framework's
// socket wakes the loop, which then reads the whole queue. Sent with no
// event mask, it goes to the client that made the window, the framework,
// whichever connection sends it.
void sendWakeUp (::Display* sender, ::Window windowH)
{
    auto* x = juce::X11Symbols::getInstance();
    XEvent wake {};
    wake.xclient.type = ClientMessage;
    wake.xclient.window = windowH;
    wake.xclient.message_type = x->xInternAtom (sender, "_SLVN_WAKE_EVENT_LOOP", False);
    wake.xclient.format = 32;
    x->xSendEvent (sender, windowH, False, NoEventMask, &wake);
    x->xFlush (sender);
}
} // namespace

void handOverQueuedEvents()
{
    auto* display = displayOfFramework();
    const auto windowH = anyWindowOfOurs();
    if (display == nullptr || windowH == 0)
        return;
    const juce::XWindowSystemUtilities::ScopedXLock lock;
    if (juce::X11Symbols::getInstance()->xEventsQueued (display, QueuedAlready) > 0)
        sendWakeUp (display, windowH);
}

std::optional<juce::Rectangle<int>> workAreaOfWindowManager()
{
    XCalls calls;
    if (calls.display == nullptr)
        return std::nullopt;
    // x, y, width and height for each desktop.
    constexpr long desktopsRead = 64;
    const auto areas = rootProperty (calls, "_NET_WORKAREA", 4 * desktopsRead, XA_CARDINAL);
    const auto current = rootProperty (calls, "_NET_CURRENT_DESKTOP", 1, XA_CARDINAL);
    // Any client may write the current desktop: one without an area of its
    // own (or a negative one) takes the first.
    auto desktop = current.size() == 1 && current[0] >= 0 ? (size_t) current[0] : 0;
    if (desktop >= areas.size() / 4)
        desktop = 0;
    if (areas.size() < 4)
        return std::nullopt;
    return sensibleWorkArea (calls, areas.data() + 4 * desktop);
}

bool isMaximisedByWindowManager (const juce::Component& window)
{
    XCalls calls;
    const auto windowH = nativeWindowOf (window);
    if (calls.display == nullptr || windowH == 0)
        return false;

    using namespace juce::XWindowSystemUtilities;
    const auto state = Atoms::getIfExists (calls.display, "_NET_WM_STATE");
    const auto maximised = Atoms::getIfExists (calls.display, "_NET_WM_STATE_MAXIMIZED_VERT");
    if (state == None || maximised == None)
        return false;
    const ScopedXLock lock;
    const GetXProperty property (calls.display, windowH, state, 0, 64, false, XA_ATOM);
    if (! property.success || property.actualFormat != 32 || property.data == nullptr)
        return false;
    const auto* atoms = reinterpret_cast<const unsigned long*> (property.data);
    return std::find (atoms, atoms + property.numItems, maximised) != atoms + property.numItems;
}

void askWindowManagerToMaximise (const juce::Component& window)
{
    XCalls calls;
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    const auto windowH = nativeWindowOf (window);
    if (calls.display == nullptr || windowH == 0)
        return;
    // Every move of the window by the framework leaves the manager its place
    // and size without the size limits, which come back only once the
    // framework has handled the manager's answer: a manager that maximised
    // the window meanwhile would give it the whole screen's width.
    system->updateConstraints (windowH);
    system->setMaximised (windowH, true);
    const juce::XWindowSystemUtilities::ScopedXLock lock;
    calls.x.xFlush (calls.display);
}

void askWindowManagerToPlaceFrame (const juce::Component& window, juce::Rectangle<int> frameBounds,
                                   juce::BorderSize<int> frame)
{
    XCalls calls;
    const auto windowH = nativeWindowOf (window);
    if (calls.display == nullptr || windowH == 0)
        return;
    // The manager puts the frame's corner where the window is asked to go
    // (the conventions' north-west gravity); the size is the window's own.
    const auto physical = juce::Desktop::getInstance().getDisplays().logicalToPhysical (frameBounds);
    const auto inside = juce::Desktop::getInstance().getDisplays().logicalToPhysical (frame.subtractedFrom (frameBounds));
    const juce::XWindowSystemUtilities::ScopedXLock lock;
    calls.x.xMoveResizeWindow (calls.display, windowH, physical.getX(), physical.getY(),
                               (unsigned int) juce::jmax (1, inside.getWidth()),
                               (unsigned int) juce::jmax (1, inside.getHeight()));
    calls.x.xFlush (calls.display);
}

namespace
{
bool windowManagerRuns()
{
    XCalls calls;
    return calls.display != nullptr && ! rootProperty (calls, "_NET_SUPPORTING_WM_CHECK", 1, XA_WINDOW).empty();
}
} // namespace

WhenFramed::WhenFramed (juce::Component& windowToWatch, Action actionToRun)
    : window (windowToWatch), shownBounds (windowToWatch.getBounds()), action (std::move (actionToRun))
{
    if (windowManagerRuns())
        startTimer (50);
}

WhenFramed::~WhenFramed()
{
    stopTimer();
}

void WhenFramed::timerCallback()
{
    const auto* peer = window.getPeer();
    const auto frame = peer != nullptr ? peer->getFrameSizeIfPresent() : juce::ComponentPeer::OptionalBorderSize();
    if (frame)
    {
        stopTimer();
        action (*frame, frame->addedTo (shownBounds).withPosition (shownBounds.getPosition()));
    }
    else if (++looks >= 200)
    {
        stopTimer();
    }
}

// The framework's flush reads what has arrived into the queue, a wake-up it
// sent itself included, so the dispatcher sends its wake-ups on a connection
// of its own and makes no call on the framework's meanwhile.
struct QueuedEventDispatcher::WakeUpConnection
{
    explicit WakeUpConnection (::Display* framework)
        : display (juce::X11Symbols::getInstance()->xOpenDisplay (DisplayString (framework)))
    {
    }
    ~WakeUpConnection()
    {
        if (display != nullptr)
            juce::X11Symbols::getInstance()->xCloseDisplay (display);
    }

    ::Display* const display;
    JUCE_DECLARE_NON_COPYABLE (WakeUpConnection)
};

// The loop calls the callbacks of the descriptors it found readable in the
// order of their numbers. The descriptor is placed above the X connection's
// (and the message queue's, made before it), so its hand-over is the last
// thing before the loop looks again, and the wake-up waits on the socket.
QueuedEventDispatcher::QueuedEventDispatcher()
{
    if (auto* display = displayOfFramework())
    {
        wakeUps = std::make_unique<WakeUpConnection> (display);
        const auto created = ::eventfd (0, EFD_NONBLOCK | EFD_CLOEXEC);
        const auto connection = juce::X11Symbols::getInstance()->xConnectionNumber (display);
        if (created >= 0 && wakeUps->display != nullptr)
            descriptor = ::fcntl (created, F_DUPFD_CLOEXEC, juce::jmax (connection, created) + 1);
        if (created >= 0)
            ::close (created);
    }
    if (descriptor >= 0)
        juce::LinuxEventLoop::registerFdCallback (descriptor, [this] (int) { handOverLast(); });
    startTimer (50);
}

QueuedEventDispatcher::~QueuedEventDispatcher()
{
    stopTimer();
    if (descriptor >= 0)
    {
        juce::LinuxEventLoop::unregisterFdCallback (descriptor);
        ::close (descriptor);
    }
}

void QueuedEventDispatcher::timerCallback()
{
    const std::uint64_t one = 1;
    if (descriptor < 0 || ::write (descriptor, &one, sizeof (one)) != (ssize_t) sizeof (one))
        handOverQueuedEvents();
}

void QueuedEventDispatcher::handOverLast()
{
    std::uint64_t asked = 0;
    auto* display = displayOfFramework();
    const auto windowH = anyWindowOfOurs();
    if (::read (descriptor, &asked, sizeof (asked)) != (ssize_t) sizeof (asked) || display == nullptr || windowH == 0)
        return;
    auto* x = juce::X11Symbols::getInstance();
    {
        const juce::XWindowSystemUtilities::ScopedXLock lock;
        if (x->xEventsQueued (display, QueuedAlready) == 0)
            return;
    }
    sendWakeUp (wakeUps->display, windowH);
    // Back to the loop once the wake-up is on the framework's socket, so that
    // the loop's next look finds it; bounded: a late one is sent again at the
    // next tick.
    pollfd socket { x->xConnectionNumber (display), POLLIN, 0 };
    ::poll (&socket, 1, wakeUpWaitMilliseconds);
}
} // namespace ui

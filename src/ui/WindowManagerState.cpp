// The framework's X declarations come only with this switch, before its
// header is read anywhere in this file.
#define JUCE_GUI_BASICS_INCLUDE_XHEADERS 1
#include "ui/WindowManagerState.h"

#include <algorithm>

namespace ui
{
namespace
{
::Window nativeWindowOf (const juce::Component& window)
{
    const auto* peer = window.getPeer();
    return peer != nullptr ? (::Window) (juce::pointer_sized_uint) peer->getNativeHandle() : 0;
}
} // namespace

bool isMaximisedByWindowManager (const juce::Component& window)
{
    auto* system = juce::XWindowSystem::getInstanceWithoutCreating();
    auto* display = system != nullptr ? system->getDisplay() : nullptr;
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
    if (const auto windowH = nativeWindowOf (window); system != nullptr && windowH != 0)
        system->setMaximised (windowH, true);
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
} // namespace ui

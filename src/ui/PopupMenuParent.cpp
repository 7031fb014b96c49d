#include "ui/PopupMenuParent.h"

namespace x48305_ui
{
juce::Component* popupMenuParentFor (const juce::PopupMenu::Options& options)
{
    // A sub-menu goes where its parent menu went.
    if (auto* parent = options.getParentComponent())
        return parent;

    auto* owner = options.getTargetComponent();
    if (owner == nullptr && options.getTargetScreenArea().isEmpty())
        owner = juce::Desktop::getInstance().getMainMouseSource().getComponentUnderMouse();
    if (owner == nullptr)
        return nullptr;

    auto* window = owner->getTopLevelComponent();
    const auto* peer = window->getPeer();
    if (peer == nullptr || (peer->getStyleFlags() & juce::ComponentPeer::windowHasTitleBar) == 0)
        return nullptr;
    return window;
}
} // namespace x48305_ui

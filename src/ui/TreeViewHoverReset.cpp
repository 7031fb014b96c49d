#include "ui/TreeViewHoverReset.h"

namespace ui
{
TreeViewHoverReset::TreeViewHoverReset (juce::TreeView& tree)
    : content (tree.getViewport()->getViewedComponent())
{
    // Listeners are called last-added first: this one runs before the
    // viewport's, which deletes the row components that left the view.
    if (content != nullptr)
        content->addComponentListener (this);
}

TreeViewHoverReset::~TreeViewHoverReset()
{
    if (content != nullptr)
        content->removeComponentListener (this);
}

void TreeViewHoverReset::reset()
{
    if (content == nullptr)
        return;

    // A mouse exit at a point where no row lies: the tree then clears its
    // hovered box while the box's component still exists.
    auto source = juce::Desktop::getInstance().getMainMouseSource();
    const juce::Point<float> nowhere (-1.0f, -1.0f);
    const auto now = juce::Time::getCurrentTime();
    const juce::MouseEvent exit (source, nowhere, juce::ModifierKeys(), juce::MouseInputSource::defaultPressure,
                                 juce::MouseInputSource::defaultOrientation, juce::MouseInputSource::defaultRotation,
                                 juce::MouseInputSource::defaultTiltX, juce::MouseInputSource::defaultTiltY,
                                 content.getComponent(), content.getComponent(), now, nowhere, now, 0, false);
    content->mouseExit (exit);
}

void TreeViewHoverReset::componentMovedOrResized (juce::Component&, bool, bool)
{
    reset();
}
} // namespace ui

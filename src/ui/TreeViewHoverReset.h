#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// The framework's tree view (JUCE 7.0.5) remembers the row whose open/close
// box the mouse is over, and does not let go of it when it deletes that row's
// component because the row scrolled out of view or the tree was rebuilt: the
// next mouse move then touches freed memory (hover a box, turn the wheel, move
// the mouse). This makes the tree forget the hovered box, as if the mouse had
// left it, before any such deletion: when the tree's content moves or changes
// size (it hears of that ahead of the tree's own viewport, which does the
// deleting), and when the tree's owner calls reset() before resizing it.
class TreeViewHoverReset : private juce::ComponentListener
{
public:
    explicit TreeViewHoverReset (juce::TreeView& tree);
    ~TreeViewHoverReset() override;

    void reset();

private:
    void componentMovedOrResized (juce::Component&, bool wasMoved, bool wasResized) override;

    juce::Component::SafePointer<juce::Component> content;

    JUCE_DECLARE_NON_COPYABLE (TreeViewHoverReset)
};
} // namespace ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// Decides what a draggable table accepts and what a drop does.
class DraggableTableListBoxListener
{
public:
    virtual ~DraggableTableListBoxListener() {}
    virtual bool isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& details) = 0;
    virtual void itemDropped (const juce::DragAndDropTarget::SourceDetails& details) = 0;
};
} // namespace ui

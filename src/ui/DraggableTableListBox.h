#pragma once

#include "ui/DraggableTableListBoxListener.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

namespace ui
{
// A table that accepts drops: while a drag is over it, it knows the gap a
// drop would insert at and the row under the pointer (its owner paints the
// marker from them), and it scrolls by itself when the pointer is held near
// its top or bottom edge. Its listener decides what it accepts and what a
// drop does.
class DraggableTableListBox : public juce::TableListBox,
                              public juce::DragAndDropTarget,
                              private juce::Timer
{
public:
    static constexpr int scrollIntervalMilliseconds = 100;

    DraggableTableListBox (const juce::String& componentName, juce::TableListBoxModel* model,
                           DraggableTableListBoxListener* listener);
    ~DraggableTableListBox() override;

    bool isDragging() const { return dragging; }

    // 0 to the number of rows, or -1 when no drag is over the list.
    int getInsertionIndex() const { return insertionIndex; }

    // The row under the drag position, or -1.
    int getRowUnderMouse() const { return rowUnderMouse; }

    // The change of the vertical scroll position (0 top, 1 bottom) per tick.
    double getScrollSpeed() const { return scrollSpeed; }

    // The scroll speed for a drag at y (relative to the list) in a list of
    // that height whose rows start below a header: upwards over the header
    // and the upper half row, downwards over the lower half row.
    static double autoScrollSpeed (int y, int rowHeight, int headerHeight, int listHeight);

    // The image of dragged rows on the list's own background. A drag image
    // floats in a window of its own, and where the display cannot show
    // translucent windows the framework would fill it white.
    juce::Image makeDragImage (const juce::Image& rows) const;
    juce::ScaledImage createSnapshotOfRows (const juce::SparseSet<int>& rows, int& x, int& y) override;

    // Paints, on one row, where a drop would land: for a copy the row under
    // the pointer filled, otherwise a 2-pixel line at the insertion gap (on
    // the top edge of the row below it, or the bottom edge of the last row).
    // Nothing while no drag is over the list.
    void paintDropMarker (juce::Graphics& g, int row, int width, int height, bool copyDrop,
                          juce::Colour insertionLineColour, juce::Colour dropTargetColour) const;

    // A press and release on a row through a cell component, handled as the
    // table's own rows handle them: a press selects an unselected row at
    // once; a press on a selected row (pressRow gives true) changes the
    // selection only when it ends as a click, not as a drag.
    bool pressRow (int row, juce::ModifierKeys mods);
    void releaseRow (int row, const juce::MouseEvent& event, bool pressedOnSelectedRow);

    // Selects exactly these rows.
    void selectRows (const std::vector<int>& rows, juce::NotificationType notification);

    // The row shown at a position (relative to the list), or -1 where no row
    // is: over the header, beside or below the rows, over a scroll bar.
    int getRowShownAt (juce::Point<int> position) const;

    // While a drag is over the list its marker shows where a drop would land,
    // and the drag image would hide it: the image floats in a window of its
    // own, which desktops without a compositor show opaque (and the pointer
    // always lies on it), so it is not drawn over the list.
    bool shouldDrawDragImageWhenOver() override { return false; }

    bool isInterestedInDragSource (const SourceDetails& details) override;
    void itemDragEnter (const SourceDetails& details) override;
    void itemDragMove (const SourceDetails& details) override;
    void itemDragExit (const SourceDetails& details) override;
    void itemDropped (const SourceDetails& details) override;

private:
    void timerCallback() override;

    // The gap and row under a position; the scroll speed is left alone.
    void trackPosition (juce::Point<int> position);
    void endDrag();

    DraggableTableListBoxListener* listener;
    bool dragging = false;
    int insertionIndex = -1;
    int rowUnderMouse = -1;
    double scrollSpeed = 0.0;

    juce::Point<int> lastDragPosition;
    bool altWasDown = false;

    JUCE_DECLARE_NON_COPYABLE (DraggableTableListBox)
};
} // namespace ui

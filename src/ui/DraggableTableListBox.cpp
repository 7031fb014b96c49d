#include "ui/DraggableTableListBox.h"

namespace ui
{
DraggableTableListBox::DraggableTableListBox (const juce::String& componentName, juce::TableListBoxModel* model,
                                              DraggableTableListBoxListener* dropListener)
    : juce::TableListBox (componentName, model), listener (dropListener)
{
    startTimer (scrollIntervalMilliseconds);
}

DraggableTableListBox::~DraggableTableListBox()
{
    stopTimer();
}

double DraggableTableListBox::autoScrollSpeed (int y, int rowHeight, int headerHeight, int listHeight)
{
    const int h = rowHeight / 2;
    const double top = headerHeight + h;
    const double bottom = listHeight - h;

    if (y < headerHeight)
        return -(double) h * h / 3600.0;
    if (y < top)
        return -(top - y) * (top - y) / 3600.0;
    if (y <= bottom)
        return 0.0;
    return (y - bottom + 1) * (y - bottom + 1) / 3600.0;
}

juce::Image DraggableTableListBox::makeDragImage (const juce::Image& rows) const
{
    juce::Image image (juce::Image::ARGB, juce::jmax (1, rows.getWidth()), juce::jmax (1, rows.getHeight()), false);
    juce::Graphics g (image);
    g.fillAll (findColour (juce::ListBox::backgroundColourId).withAlpha (1.0f));
    g.drawImageAt (rows, 0, 0);
    return image;
}

juce::ScaledImage DraggableTableListBox::createSnapshotOfRows (const juce::SparseSet<int>& rows, int& x, int& y)
{
    const auto snapshot = juce::TableListBox::createSnapshotOfRows (rows, x, y);
    return juce::ScaledImage (makeDragImage (snapshot.getImage()), snapshot.getScale());
}

void DraggableTableListBox::paintDropMarker (juce::Graphics& g, int row, int width, int height, bool copyDrop,
                                             juce::Colour insertionLineColour, juce::Colour dropTargetColour) const
{
    if (! dragging)
        return;

    if (copyDrop)
    {
        if (row == rowUnderMouse)
        {
            g.setColour (dropTargetColour);
            g.fillRect (0, 0, width, height);
        }
        return;
    }

    auto* model = getModel();
    const int rows = model != nullptr ? model->getNumRows() : 0;
    if (insertionIndex < 0)
        return;

    const int markedRow = insertionIndex < rows ? insertionIndex : insertionIndex - 1;
    if (row != markedRow)
        return;

    g.setColour (insertionLineColour);
    g.fillRect (0, insertionIndex < rows ? 0 : height - 2, width, 2);
}

bool DraggableTableListBox::pressRow (int row, juce::ModifierKeys mods)
{
    if (isRowSelected (row))
        return true;
    selectRowsBasedOnModifierKeys (row, mods, false);
    return false;
}

void DraggableTableListBox::releaseRow (int row, const juce::MouseEvent& event, bool pressedOnSelectedRow)
{
    if (pressedOnSelectedRow && event.mouseWasClicked())
        selectRowsBasedOnModifierKeys (row, event.mods, true);
}

void DraggableTableListBox::selectRows (const std::vector<int>& rows, juce::NotificationType notification)
{
    juce::SparseSet<int> selection;
    for (auto row : rows)
        selection.addRange ({ row, row + 1 });
    if (notification == juce::dontSendNotification && selection == getSelectedRows())
        return;
    setSelectedRows (selection, notification);
}

int DraggableTableListBox::getRowShownAt (juce::Point<int> position) const
{
    // The framework's row lookup counts a position above the rows (on the
    // header) into the first row shown.
    const auto* viewport = getViewport();
    const juce::Rectangle<int> rowsArea (viewport->getX(), viewport->getY(), viewport->getMaximumVisibleWidth(),
                                         viewport->getMaximumVisibleHeight());
    return rowsArea.contains (position) ? getRowContainingPosition (position.x, position.y) : -1;
}

bool DraggableTableListBox::isInterestedInDragSource (const SourceDetails& details)
{
    return listener != nullptr && listener->isInterestedInDragSource (details);
}

void DraggableTableListBox::itemDragEnter (const SourceDetails& details)
{
    dragging = true;
    itemDragMove (details);
}

void DraggableTableListBox::itemDragMove (const SourceDetails& details)
{
    scrollSpeed = autoScrollSpeed (details.localPosition.y, getRowHeight(), getViewport()->getY(), getHeight());
    trackPosition (details.localPosition);
}

void DraggableTableListBox::itemDragExit (const SourceDetails&)
{
    endDrag();
}

void DraggableTableListBox::itemDropped (const SourceDetails& details)
{
    // The drop lands where the pointer is now, even when the list scrolled
    // under a pointer that stood still.
    trackPosition (details.localPosition);
    if (listener != nullptr)
        listener->itemDropped (details);
    endDrag();
}

void DraggableTableListBox::trackPosition (juce::Point<int> position)
{
    lastDragPosition = position;
    insertionIndex = getInsertionIndexForPosition (position.x, position.y);
    rowUnderMouse = getRowShownAt (position);
    altWasDown = juce::ModifierKeys::currentModifiers.isAltDown();
    repaint();
}

void DraggableTableListBox::endDrag()
{
    dragging = false;
    insertionIndex = -1;
    rowUnderMouse = -1;
    scrollSpeed = 0.0;
    repaint();
}

void DraggableTableListBox::timerCallback()
{
    if (! dragging)
        return;

    if (scrollSpeed != 0.0)
    {
        setVerticalPosition (juce::jlimit (0.0, 1.0, getVerticalPosition() + scrollSpeed));
        trackPosition (lastDragPosition);
    }
    else if (juce::ModifierKeys::currentModifiers.isAltDown() != altWasDown)
    {
        // Alt switches the marker between an insertion line and a target row.
        trackPosition (lastDragPosition);
    }
}
} // namespace ui

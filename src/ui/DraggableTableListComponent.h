#pragma once

#include "ui/DraggableTableListBox.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

namespace ui
{
// What the program list and the unit lists share: a draggable table filling
// the component on a dark ground, the colours of its drop marker, its
// header height and background, and the press and release on a row that
// keep a multi-row selection through a drag.
class DraggableTableListComponent : public juce::Component,
                                    public juce::TableListBoxModel,
                                    public DraggableTableListBoxListener,
                                    public juce::DragAndDropContainer
{
public:
    // Moving the pointer this far (|dx| + |dy|) from the press starts a drag
    // through a cell component.
    static constexpr int dragThreshold = 5;

    ~DraggableTableListComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // The insertion line of the lists on their black ground: light, so that
    // it stands out from the dark row lines and selected rows it lies on.
    static inline const juce::Colour standOutInsertionLineColour { 0xffd3d3d3 };

    void setInsertionLineColour (juce::Colour colour) { insertionLineColour = colour; }
    void setDropTargetColour (juce::Colour colour) { dropTargetColour = colour; }
    void setListBackgroundColour (juce::Colour colour);
    void setHeaderHeight (int height);

    DraggableTableListBox& getListBox() { return *listBox; }

protected:
    // Both marker colours start as the given one.
    explicit DraggableTableListComponent (juce::Colour markerColour);

    // Makes the table; called from the list's own constructor, when this
    // model can answer it.
    void createListBox (const juce::String& name);

    void paintDropMarker (juce::Graphics& g, int row, int width, int height, bool copyDrop);
    void pressRow (int row, const juce::MouseEvent& event);
    void releaseRow (int row, const juce::MouseEvent& event);
    static bool isPastDragThreshold (const juce::MouseEvent& event);

    // The selected rows, ascending.
    std::vector<int> getSelectedRows() const;

    std::unique_ptr<DraggableTableListBox> listBox;

private:
    juce::Colour insertionLineColour;
    juce::Colour dropTargetColour;
    bool pressedOnSelectedRow = false;

    JUCE_DECLARE_NON_COPYABLE (DraggableTableListComponent)
};
} // namespace ui

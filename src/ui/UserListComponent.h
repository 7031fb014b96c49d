#pragma once

#include "action/DataChangeObserver.h"
#include "ui/DraggableTableListComponent.h"
#include "ui/UserListControllerInterface.h"
#include "ui/UserListViewInterface.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// The table of one kind of user-unit slots: the selection goes to the kind's
// selection model, and rows dragged within the list move (or with Alt copy)
// units between slots through the controller.
class UserListComponent : public ui::DraggableTableListComponent,
                          public data::DataChangeObserver,
                          public ui::UserListViewListener,
                          public juce::ChangeListener
{
public:
    UserListComponent (ui::UserListViewInterface& view, ui::UserListControllerInterface& controller);
    ~UserListComponent() override;

    // The main tab bar changed its tab: the list hands its selection over
    // again.
    void changeListenerCallback (juce::ChangeBroadcaster* source) override;

    int getNumRows() override;
    void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    void selectedRowsChanged (int lastRowSelected) override;
    juce::var getDragSourceDescription (const juce::SparseSet<int>& rows) override;
    juce::Component* refreshComponentForCell (int row, int columnId, bool selected, juce::Component* existing) override;

    void dataChanged() override;

    void rowMouseDown (int row, const juce::MouseEvent& event) override;
    void rowMouseUp (int row, const juce::MouseEvent& event) override;
    void rowMouseDrag (int row, const juce::MouseEvent& event) override;

    bool isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& details) override;
    void itemDropped (const juce::DragAndDropTarget::SourceDetails& details) override;

    void setAcceptedDragType (const juce::String& type) { acceptedDragType = type; }
    void setRowHeight (int height);

private:
    // A description of this list's type, from this list, that names distinct
    // rows of it: all four lists share the type, and a drag that another list
    // started names slots of another kind.
    bool isOwnDescription (const juce::DragAndDropTarget::SourceDetails& details);

    void copyRowsTo (int targetRow, const std::vector<int>& rows);
    void insertRowsAt (int insertionIndex, const std::vector<int>& rows);

    ui::UserListViewInterface* view;
    ui::UserListControllerInterface* controller;

    juce::String acceptedDragType { "UserListDrag" };

    JUCE_DECLARE_NON_COPYABLE (UserListComponent)
};

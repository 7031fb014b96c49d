#include "ui/UserListComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "ui/DragItems.h"
#include "ui/DragMappings.h"
#include "ui/DropChecks.h"

#include <list>
#include <numeric>

UserListComponent::UserListComponent (ui::UserListViewInterface& listView,
                                      ui::UserListControllerInterface& listController)
    : ui::DraggableTableListComponent (juce::Colour (0xffd3d3d3)), view (&listView), controller (&listController)
{
    createListBox ("userList");

    ui::setUpListColumns (*listBox, *view);

    view->addListener (this);
    setSize (600, 400);
    listBox->selectRow (0);

    data::DataChangeBroadcaster::getInstance()->addListener (this);
}

UserListComponent::~UserListComponent()
{
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
    view->removeListener (this);
}

void UserListComponent::changeListenerCallback (juce::ChangeBroadcaster*)
{
    controller->selectionChanged (getSelectedRows());
    controller->listRefreshed();
}

int UserListComponent::getNumRows()
{
    return view->getNumRows();
}

void UserListComponent::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    view->paintRowBackground (g, row, width, height, selected);
    paintDropMarker (g, row, width, height, juce::ModifierKeys::currentModifiers.isAltDown());
}

void UserListComponent::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    view->paintCell (g, row, columnId, width, height, selected);
}

juce::Component* UserListComponent::refreshComponentForCell (int row, int columnId, bool selected,
                                                             juce::Component* existing)
{
    return view->refreshComponentForCell (row, columnId, selected, existing);
}

void UserListComponent::selectedRowsChanged (int)
{
    controller->selectionChanged (getSelectedRows());
    controller->selectionCommitted();
}

juce::var UserListComponent::getDragSourceDescription (const juce::SparseSet<int>& rows)
{
    ui::UserListDragItem item (acceptedDragType);
    for (int i = 0; i < rows.size(); ++i)
        item.add (rows[i]);
    return item.toVar();
}

void UserListComponent::dataChanged()
{
    listBox->updateContent();
    listBox->repaint();
    controller->listRefreshed();
}

void UserListComponent::rowMouseDown (int row, const juce::MouseEvent& event)
{
    pressRow (row, event);
}

void UserListComponent::rowMouseUp (int row, const juce::MouseEvent& event)
{
    releaseRow (row, event);
}

void UserListComponent::rowMouseDrag (int row, const juce::MouseEvent& event)
{
    if (isDragAndDropActive() || listBox->getComponentForRowNumber (row) == nullptr || ! isPastDragThreshold (event))
        return;

    ui::UserListDragItem item (ui::dragtypes::userList);
    for (auto selected : getSelectedRows())
        item.add (selected);
    if (item.count() > 0)
        listBox->startDragAndDrop (event, listBox->getSelectedRows(), item.toVar(), false);
}

bool UserListComponent::isOwnDescription (const juce::DragAndDropTarget::SourceDetails& details)
{
    auto* source = details.sourceComponent.get();
    if (source == nullptr || ! (source == this || isParentOf (source)))
        return false;
    if (! ui::UserListDragItem::isFrom (acceptedDragType, details.description))
        return false;
    const ui::UserListDragItem item (details.description);
    return item.isValid() && ui::areDistinctRows (item.getItems(), view->getNumRows());
}

bool UserListComponent::isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& details)
{
    return isOwnDescription (details);
}

void UserListComponent::itemDropped (const juce::DragAndDropTarget::SourceDetails& details)
{
    if (! isOwnDescription (details))
        return;

    const ui::UserListDragItem item (details.description);
    if (juce::ModifierKeys::currentModifiers.isAltDown())
        copyRowsTo (listBox->getRowUnderMouse(), item.getItems());
    else
        insertRowsAt (listBox->getInsertionIndex(), item.getItems());
}

void UserListComponent::copyRowsTo (int targetRow, const std::vector<int>& rows)
{
    if (targetRow < 0)
        return;

    ui::DragCopyTarget target (view->getNumRows());
    target.buildCopyTargetMap (targetRow, rows);

    std::vector<int> destinationRows;
    for (const auto& entry : target.getMap())
        destinationRows.push_back (entry.first);
    if (controller->copyRows (target.getMap()))
        listBox->selectRows (destinationRows, juce::sendNotification);
}

void UserListComponent::insertRowsAt (int insertionIndex, const std::vector<int>& rows)
{
    if (insertionIndex < 0)
        return;

    std::list<int> allRows ((size_t) view->getNumRows());
    std::iota (allRows.begin(), allRows.end(), 0);
    ui::DragInsertOrder insertOrder (std::move (allRows));
    insertOrder.buildInsertOrder (insertionIndex, rows);

    if (controller->moveRows (insertOrder.getOrder()))
        listBox->selectRows (insertOrder.getNewPositions(), juce::sendNotification);
}

void UserListComponent::setRowHeight (int height)
{
    // The list fonts follow the row height, and the number and version
    // columns their font.
    listBox->setRowHeight (height);
    ui::fitColumnWidths (*listBox, *view);
    listBox->sendLookAndFeelChange();
}

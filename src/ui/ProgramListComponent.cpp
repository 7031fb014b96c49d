#include "ui/ProgramListComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "library/DataCenter.h"
#include "ui/DragItems.h"
#include "ui/DragMappings.h"
#include "ui/DropChecks.h"

#include <list>
#include <numeric>

ProgramListComponent::ProgramListComponent (ui::ProgramListViewInterface& listView,
                                            ui::ProgramListControllerInterface& listController,
                                            const ProgramListRowMapping& mapping)
    : ui::DraggableTableListComponent (juce::Colour (0xff555555)),
      view (&listView),
      controller (&listController),
      rowMapping (&mapping)
{
    createListBox ("ProgramList");

    ui::setUpListColumns (*listBox, *view);

    view->addListener (this);
    setSize (600, 400);
    selectProgramsOfStatus();

    data::DataChangeBroadcaster::getInstance()->addListener (this);
    ui::SelectedProgramStatus::getInstance()->addListener (this);
}

ProgramListComponent::~ProgramListComponent()
{
    ui::SelectedProgramStatus::getInstance()->removeListener (this);
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
    view->removeListener (this);
}

void ProgramListComponent::changeListenerCallback (juce::ChangeBroadcaster*)
{
    selectedProgramChanged();
    ui::SelectedProgramStatus::getInstance()->setSelected (getSelectedPrograms());
    controller->selectionReapplied();
}

int ProgramListComponent::getNumRows()
{
    return view->getNumRows();
}

void ProgramListComponent::paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected)
{
    view->paintRowBackground (g, rowMapping->rowToProgram (row), width, height, selected);
    paintDropMarker (g, row, width, height, isCopyDrop());
}

void ProgramListComponent::paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected)
{
    view->paintCell (g, rowMapping->rowToProgram (row), columnId, width, height, selected);
}

juce::Component* ProgramListComponent::refreshComponentForCell (int row, int columnId, bool selected,
                                                                juce::Component* existing)
{
    return view->refreshComponentForCell (rowMapping->rowToProgram (row), columnId, selected, existing);
}

void ProgramListComponent::selectedRowsChanged (int)
{
    ui::SelectedProgramStatus::getInstance()->setSelected (getSelectedPrograms());
    controller->selectionChanged();
}

juce::var ProgramListComponent::getDragSourceDescription (const juce::SparseSet<int>& rows)
{
    ui::ProgramListDragItem item (acceptedProgramDragType);
    for (int i = 0; i < rows.size(); ++i)
        item.add (rowMapping->rowToProgram (rows[i]));
    return item.toVar();
}

void ProgramListComponent::dataChanged()
{
    listBox->updateContent();
    listBox->repaint();
    controller->selectionReapplied();
}

void ProgramListComponent::selectedProgramChanged()
{
    selectProgramsOfStatus();
}

void ProgramListComponent::rowMouseDown (int program, const juce::MouseEvent& event)
{
    pressRow (rowMapping->programToRow (program), event);
}

void ProgramListComponent::rowMouseUp (int program, const juce::MouseEvent& event)
{
    releaseRow (rowMapping->programToRow (program), event);
}

void ProgramListComponent::rowMouseDrag (int program, const juce::MouseEvent& event)
{
    if (isDragAndDropActive())
        return;

    auto* rowComponent = listBox->getComponentForRowNumber (rowMapping->programToRow (program));
    if (rowComponent == nullptr || ! isPastDragThreshold (event))
        return;

    ui::ProgramListDragItem item (ui::dragtypes::programList);
    for (auto selected : getSelectedPrograms())
        item.add (selected);
    if (item.count() == 0)
        return;

    const auto image = listBox->makeDragImage (
        rowComponent->createComponentSnapshot (rowComponent->getLocalBounds(), true, 1.0f));
    const juce::Point<int> imageOffset (-event.getEventRelativeTo (this).x, 0);
    // Other windows of the program (the favourites, the preset window) take
    // drops too: the drag image goes onto the desktop, where every window of
    // the program can be a target. Nothing outside the program is offered
    // the drag.
    startDragging (item.toVar(), this, juce::ScaledImage (image), true, &imageOffset, &event.source);
}

bool ProgramListComponent::isProgramDescription (const juce::var& description)
{
    if (! ui::ProgramListDragItem::isFrom (acceptedProgramDragType, description))
        return false;
    const ui::ProgramListDragItem item (description);
    return item.isValid() && ui::areDistinctRows (item.getItems(), view->getNumRows());
}

bool ProgramListComponent::isPresetDescription (const juce::var& description)
{
    if (! ui::PresetDataDragItem::isFrom (acceptedPresetDragType, description))
        return false;
    const ui::PresetDataDragItem item (description);
    const auto& presets = x48305_data::DataCenter::getInstance()->getPresetLibrary();
    return item.isValid() && ui::areInstalledPresetItems (item.getItems(), presets.getNumPresets());
}

bool ProgramListComponent::isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& details)
{
    // A description that names anything but programs of this list or of an
    // installed preset is refused here already, so it shows no marker.
    if (isProgramDescription (details.description))
    {
        dragKind = programDrag;
        return true;
    }
    if (isPresetDescription (details.description))
    {
        dragKind = presetDrag;
        return true;
    }
    return false;
}

void ProgramListComponent::itemDropped (const juce::DragAndDropTarget::SourceDetails& details)
{
    // Checked again: presets may have gone since the drag entered.
    if (isPresetDescription (details.description))
        dropPresetPrograms (ui::PresetDataDragItem (details.description).getItems());
    else if (isProgramDescription (details.description))
        dropPrograms (ui::ProgramListDragItem (details.description).getItems());
}

bool ProgramListComponent::isCopyDrop() const
{
    return dragKind == presetDrag || juce::ModifierKeys::currentModifiers.isAltDown();
}

void ProgramListComponent::dropPrograms (const std::vector<int>& programs)
{
    const int numRows = view->getNumRows();
    const int targetRow = listBox->getRowUnderMouse();
    const int insertionIndex = listBox->getInsertionIndex();

    if (juce::ModifierKeys::currentModifiers.isAltDown())
    {
        if (targetRow < 0)
            return;
        ui::DragCopyTarget target (numRows);
        target.buildCopyTargetMap (targetRow, programs);

        std::map<int, int> copies;
        std::vector<int> destinationRows;
        for (const auto& [row, program] : target.getMap())
        {
            copies[rowMapping->rowToProgram (row)] = program;
            destinationRows.push_back (row);
        }
        if (controller->copyRows (copies))
            listBox->selectRows (destinationRows, juce::sendNotification);
        return;
    }

    if (insertionIndex < 0)
        return;

    std::list<int> allRows ((size_t) numRows);
    std::iota (allRows.begin(), allRows.end(), 0);
    std::vector<int> draggedRows;
    for (auto program : programs)
        draggedRows.push_back (rowMapping->programToRow (program));

    ui::DragInsertOrder insertOrder (std::move (allRows));
    insertOrder.buildInsertOrder (insertionIndex, draggedRows);

    std::vector<int> order;
    for (auto row : insertOrder.getOrder())
        order.push_back (rowMapping->rowToProgram (row));
    if (controller->moveRows (order))
        listBox->selectRows (insertOrder.getNewPositions(), juce::sendNotification);
}

void ProgramListComponent::dropPresetPrograms (const std::vector<int>& packedItems)
{
    const int targetRow = listBox->getRowUnderMouse();
    if (targetRow < 0)
        return;

    ui::DragCopyPreset target (view->getNumRows());
    target.buildCopyPresetMap (targetRow, packedItems);

    std::map<int, int> copies;
    std::vector<int> destinationRows;
    for (const auto& [row, packed] : target.getMap())
    {
        copies[rowMapping->rowToProgram (row)] = packed;
        destinationRows.push_back (row);
    }
    if (controller->copyPresetPrograms (copies))
        listBox->selectRows (destinationRows, juce::sendNotification);
}

std::vector<int> ProgramListComponent::getSelectedPrograms() const
{
    std::vector<int> programs;
    for (auto row : getSelectedRows())
        programs.push_back (rowMapping->rowToProgram (row));
    return programs;
}

void ProgramListComponent::selectProgramsOfStatus()
{
    std::vector<int> rows;
    for (auto program : ui::SelectedProgramStatus::getInstance()->getAllSelected())
        rows.push_back (rowMapping->programToRow (program));
    listBox->selectRows (rows, juce::dontSendNotification);
}

void ProgramListComponent::setRowHeight (int height)
{
    // The list fonts follow the row height, and the number column its font.
    listBox->setRowHeight (height);
    ui::fitColumnWidths (*listBox, *view);
    repaint();
}

#pragma once

#include "action/DataChangeObserver.h"
#include "ui/DraggableTableListComponent.h"
#include "ui/ProgramListControllerInterface.h"
#include "ui/ProgramListRowMapping.h"
#include "ui/ProgramListViewInterface.h"
#include "ui/SelectedProgramStatus.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <vector>

// The table of the 500 library programs: selection follows (and sets) the
// selected programs, drags start from any cell, and drops of program rows or
// preset programs become undoable moves and copies through the controller.
class ProgramListComponent : public ui::DraggableTableListComponent,
                             public data::DataChangeObserver,
                             public ui::SelectedProgramStatusObserver,
                             public ui::ProgramListViewListener,
                             public juce::ChangeListener
{
public:
    ProgramListComponent (ui::ProgramListViewInterface& view, ui::ProgramListControllerInterface& controller,
                          const ProgramListRowMapping& rowMapping);
    ~ProgramListComponent() override;

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
    void selectedProgramChanged() override;

    void rowMouseDown (int program, const juce::MouseEvent& event) override;
    void rowMouseUp (int program, const juce::MouseEvent& event) override;
    void rowMouseDrag (int program, const juce::MouseEvent& event) override;

    bool isInterestedInDragSource (const juce::DragAndDropTarget::SourceDetails& details) override;
    void itemDropped (const juce::DragAndDropTarget::SourceDetails& details) override;

    void setRowHeight (int height);
    void setAcceptedProgramDragType (const juce::String& type) { acceptedProgramDragType = type; }
    void setAcceptedPresetDragType (const juce::String& type) { acceptedPresetDragType = type; }

private:
    enum DragKind
    {
        noDrag = 0,
        programDrag = 1,
        presetDrag = 2
    };

    void dropPrograms (const std::vector<int>& programs);
    void dropPresetPrograms (const std::vector<int>& packedItems);
    bool isCopyDrop() const;

    // The selected rows as program numbers, ascending.
    std::vector<int> getSelectedPrograms() const;
    void selectProgramsOfStatus();

    // A description of this list's kind that names only rows of the list or
    // programs of installed presets.
    bool isProgramDescription (const juce::var& description);
    bool isPresetDescription (const juce::var& description);

    ui::ProgramListViewInterface* view;
    ui::ProgramListControllerInterface* controller;
    const ProgramListRowMapping* rowMapping;

    juce::String acceptedProgramDragType { "ProgramListDrag" };
    juce::String acceptedPresetDragType { "PresetDataDrag" };
    juce::uint32 dragKind = noDrag;

    JUCE_DECLARE_NON_COPYABLE (ProgramListComponent)
};

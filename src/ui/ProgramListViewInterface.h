#pragma once

#include "data/ListenerHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// Told when the mouse is pressed, released or dragged on a row's name cell,
// which takes the mouse away from the table's own row.
class ProgramListViewListener
{
public:
    virtual ~ProgramListViewListener() {}
    virtual void rowMouseDown (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseUp (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseDrag (int row, const juce::MouseEvent& event) = 0;
};

// What the program list shows: its rows, columns and cells.
class ProgramListViewInterface : public ListenerHolder<ProgramListViewListener>
{
public:
    ~ProgramListViewInterface() override {}

    virtual int getNumRows() = 0;
    virtual int getNumColumns() = 0;
    virtual juce::String getColumnName (int columnId) = 0;
    virtual int getColumnWidth (int columnId) = 0;
    virtual int getColumnMinimumWidth (int columnId) = 0;
    virtual int getColumnPropertyFlags (int columnId) = 0;
    virtual void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected) = 0;
    virtual void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) = 0;
    virtual juce::Component* refreshComponentForCell (int row, int columnId, bool selected,
                                                      juce::Component* existing) = 0;
};
} // namespace ui

#pragma once

#include "data/ListenerHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// Told when the mouse is pressed, released or dragged on a row through a cell
// component of the view.
class UserListViewListener
{
public:
    virtual ~UserListViewListener() {}
    virtual void rowMouseDown (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseUp (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseDrag (int row, const juce::MouseEvent& event) = 0;
};

// What a user-unit list shows: its rows (one per slot), columns and cells.
class UserListViewInterface : public ListenerHolder<UserListViewListener>
{
public:
    ~UserListViewInterface() override {}

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

// Told about the mouse on a cell component of a user-unit list.
class UserListItemMouseListener
{
public:
    virtual ~UserListItemMouseListener() {}
    virtual void itemMouseDown (juce::Component* source, const juce::MouseEvent& event) = 0;
    virtual void itemMouseUp (juce::Component* source, const juce::MouseEvent& event) = 0;
    virtual void itemMouseDrag (juce::Component* source, const juce::MouseEvent& event) = 0;
};

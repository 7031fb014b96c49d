#pragma once

#include "data/ListenerHolder.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>

namespace ui
{
// Told when the mouse is pressed, released or dragged on a row through a cell
// component, which takes the mouse away from the table's own row.
class TableRowMouseListener
{
public:
    virtual ~TableRowMouseListener() {}
    virtual void rowMouseDown (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseUp (int row, const juce::MouseEvent& event) = 0;
    virtual void rowMouseDrag (int row, const juce::MouseEvent& event) = 0;
};

// What a list of the main window shows: its rows, columns and cells.
class TableListViewInterface : public ListenerHolder<TableRowMouseListener>
{
public:
    ~TableListViewInterface() override {}

    virtual int getNumRows() = 0;
    virtual int getNumColumns() = 0;
    virtual juce::String getColumnName (int columnId) = 0;
    virtual int getColumnWidth (int columnId) = 0;
    // Every column of the lists is at least 20 pixels wide, visible and
    // resizable; a selected row is filled and the others get a line along
    // their bottom edge.
    virtual int getColumnMinimumWidth (int columnId);
    virtual int getColumnPropertyFlags (int columnId);
    virtual void paintRowBackground (juce::Graphics& g, int row, int width, int height, bool selected);
    virtual void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) = 0;
    virtual juce::Component* refreshComponentForCell (int row, int columnId, bool selected,
                                                      juce::Component* existing) = 0;

    // Whether the column shows numbers, which must never be cut: its width
    // (getColumnWidth) then grows with its font to fit its widest text.
    virtual bool isFittedToText (int columnId);
};

// The view's columns on the table's header (without the header's pop-up
// menu), and multiple selection.
void setUpListColumns (juce::TableListBox& table, TableListViewInterface& view);

// Gives the columns fitted to their text the width the view now asks for
// (after the list fonts changed); the other columns keep their width.
void fitColumnWidths (juce::TableListBox& table, TableListViewInterface& view);

// The usual width, or more when the text drawn in the font from the indent
// and followed by the given room would not fit whole.
int columnWidthForText (const juce::Font& font, const juce::String& text, int indent, float roomAfter, int usualWidth);

// Of the whole numbers first to last, the text that the font draws widest.
juce::String widestNumberText (const juce::Font& font, int first, int last);

// One column of a list: the key of its title (empty: no title), its usual
// width and the key of its font; an emphasised column draws its text bright
// in every row.
struct ColumnInfo
{
    const char* titleKey;
    int width;
    const char* fontKey;
    bool alwaysEmphasised = false;
};

// A column without a description of its own is this wide.
constexpr int defaultColumnWidth = 100;

// The description of column `columnId` (the first is 1), or nullptr.
template <std::size_t numColumns>
const ColumnInfo* findColumn (const std::array<ColumnInfo, numColumns>& columns, int columnId)
{
    return columnId >= 1 && columnId <= (int) numColumns ? &columns[(std::size_t) (columnId - 1)] : nullptr;
}

// Draws a cell's text on one line; a text too long for its area ends with an
// ellipsis instead of being cut off unmarked.
void drawCellText (juce::Graphics& g, const juce::String& text, int x, int width, int height);
} // namespace ui

// Told about mouse presses, releases and drags on a cell component.
class ListItemMouseListener
{
public:
    virtual ~ListItemMouseListener() {}
    virtual void itemMouseDown (juce::Component* source, const juce::MouseEvent& event) = 0;
    virtual void itemMouseUp (juce::Component* source, const juce::MouseEvent& event) = 0;
    virtual void itemMouseDrag (juce::Component* source, const juce::MouseEvent& event) = 0;
};

#include "ui/TableListView.h"

#include <cmath>

namespace ui
{
int TableListViewInterface::getColumnMinimumWidth (int)
{
    return 20;
}

int TableListViewInterface::getColumnPropertyFlags (int)
{
    return juce::TableHeaderComponent::visible | juce::TableHeaderComponent::resizable;
}

bool TableListViewInterface::isFittedToText (int)
{
    return false;
}

void TableListViewInterface::paintRowBackground (juce::Graphics& g, int, int width, int height, bool selected)
{
    g.setColour (juce::Colour (0x44aaaaaa));
    if (selected)
        g.fillAll();
    else
        g.fillRect (0, height - 1, width, 1);
}

void setUpListColumns (juce::TableListBox& table, TableListViewInterface& view)
{
    auto& header = table.getHeader();
    for (int id = 1; id <= view.getNumColumns(); ++id)
        header.addColumn (view.getColumnName (id), id, view.getColumnWidth (id), view.getColumnMinimumWidth (id), -1,
                          view.getColumnPropertyFlags (id), -1);
    header.setPopupMenuActive (false);
    table.setMultipleSelectionEnabled (true);
}

void fitColumnWidths (juce::TableListBox& table, TableListViewInterface& view)
{
    auto& header = table.getHeader();
    for (int id = 1; id <= view.getNumColumns(); ++id)
        if (view.isFittedToText (id))
            header.setColumnWidth (id, view.getColumnWidth (id));
}

int columnWidthForText (const juce::Font& font, const juce::String& text, int indent, float roomAfter, int usualWidth)
{
    return juce::jmax (usualWidth, (int) std::ceil ((float) indent + font.getStringWidthFloat (text) + roomAfter));
}

juce::String widestNumberText (const juce::Font& font, int first, int last)
{
    juce::String widest;
    float widestWidth = -1.0f;
    for (int n = first; n <= last; ++n)
    {
        const juce::String text (n);
        const auto width = font.getStringWidthFloat (text);
        if (width > widestWidth)
        {
            widest = text;
            widestWidth = width;
        }
    }
    return widest;
}

void drawCellText (juce::Graphics& g, const juce::String& text, int x, int width, int height)
{
    // A shortened text keeps a little room before the next column, so that
    // its ellipsis does not run into that column's text.
    constexpr int roomAfterEllipsis = 4;
    juce::Rectangle<int> area (x, 0, width - x, height);
    if (g.getCurrentFont().getStringWidthFloat (text) > (float) area.getWidth())
        area.removeFromRight (roomAfterEllipsis);
    g.drawText (text, area, juce::Justification::centredLeft, true);
}
} // namespace ui

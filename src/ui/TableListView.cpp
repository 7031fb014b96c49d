#include "ui/TableListView.h"

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
} // namespace ui

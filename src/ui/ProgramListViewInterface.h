#pragma once

#include "ui/TableListView.h"

namespace ui
{
// Told when the mouse is pressed, released or dragged on a row's name cell.
using ProgramListViewListener = TableRowMouseListener;

// What the program list shows: its rows, columns and cells.
class ProgramListViewInterface : public TableListViewInterface
{
};
} // namespace ui

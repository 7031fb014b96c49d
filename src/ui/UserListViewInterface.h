#pragma once

#include "ui/TableListView.h"

namespace ui
{
// Told when the mouse is pressed, released or dragged on a row through a cell
// component of the view.
using UserListViewListener = TableRowMouseListener;

// What a user-unit list shows: its rows (one per slot), columns and cells.
class UserListViewInterface : public TableListViewInterface
{
};
} // namespace ui

// Told about the mouse on a cell component of a user-unit list.
using UserListItemMouseListener = ListItemMouseListener;

#pragma once

#include <map>
#include <vector>

namespace ui
{
// Turns a user-unit list's selection and drops into the kind's selection
// model and undoable changes of the unit store. The edits check what they
// are given and refuse (returning false, with nothing changed and no undo
// step) anything that would lose a unit or write outside the list.
class UserListControllerInterface
{
public:
    virtual ~UserListControllerInterface() {}

    // The selected rows, ascending.
    virtual void selectionChanged (const std::vector<int>& rows) = 0;
    virtual void selectionCommitted() = 0;
    virtual void listRefreshed() = 0;

    // order[i] is the slot whose unit moves to slot i: a permutation of all
    // slots of the list.
    virtual bool moveRows (const std::vector<int>& order) = 0;

    // destination slot -> source slot.
    virtual bool copyRows (const std::map<int, int>& destinationToSource) = 0;
};
} // namespace ui

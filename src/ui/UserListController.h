#pragma once

#include "action/UserUnitSlotActions.h"
#include "ui/UserListControllerInterface.h"
#include "ui/UserUnitLists.h"

#include <juce_data_structures/juce_data_structures.h>

#include <memory>

namespace x48305_ui
{
// The edits of a user-unit list on the unit store. Every edit reads its
// sources from a copy of the store taken before the first write, and is one
// named undo transaction; the undo manager's change message then refreshes
// every view.
class UserListController : public ui::UserListControllerInterface
{
public:
    UserListController (x48305_data::UserData& store, int numRows);

    void selectionCommitted() override {}
    void listRefreshed() override {}

    // "DragInsert": one set-slot action for every slot whose unit changes.
    bool moveRows (const std::vector<int>& order) override;

    // "DragCopy": one set-slot action per destination, in ascending order.
    bool copyRows (const std::map<int, int>& destinationToSource) override;

protected:
    // The kind's action that puts the unit of source slot `from` of the copy
    // into slot `to` of the store.
    virtual std::unique_ptr<juce::UndoableAction> makeSetSlotAction (int to, const x48305_data::UserData& copy,
                                                                     int from) const = 0;

private:
    x48305_data::UserData* store;
    int numRows;
};

template <typename Kind>
class UserListControllerOf : public UserListController
{
public:
    explicit UserListControllerOf (x48305_data::UserData& store)
        : UserListController (store, (int) Kind::Unit::numSlots)
    {
    }

    void selectionChanged (const std::vector<int>& rows) override { Kind::Selection::getInstance()->setSelected (rows); }

protected:
    std::unique_ptr<juce::UndoableAction> makeSetSlotAction (int to, const x48305_data::UserData& copy,
                                                             int from) const override
    {
        using Unit = typename Kind::Unit;
        return std::make_unique<x48305_action::SetUserUnitAction<Unit>> ((std::uint32_t) to,
                                                                         copy.slot<Unit> ((std::uint32_t) from));
    }
};

using UserOscListController = UserListControllerOf<UserOscList>;
using UserModFXListController = UserListControllerOf<UserModFXList>;
using UserDelFXListController = UserListControllerOf<UserDelFXList>;
using UserRevFXListController = UserListControllerOf<UserRevFXList>;
} // namespace x48305_ui

#pragma once

#include "ui/UserListControllerInterface.h"
#include "ui/UserUnitKinds.h"

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
    explicit UserListControllerOf (x48305_data::UserData& store) : UserListController (store, Kind::numRows) {}

    void selectionChanged (const std::vector<int>& rows) override { Kind::Selection::getInstance()->setSelected (rows); }

protected:
    std::unique_ptr<juce::UndoableAction> makeSetSlotAction (int to, const x48305_data::UserData& copy,
                                                             int from) const override
    {
        return std::make_unique<typename Kind::SetSlotAction> ((std::uint32_t) to, Kind::slot (copy, (std::uint32_t) from));
    }
};

using UserOscListController = UserListControllerOf<UserOscKind>;
using UserModFXListController = UserListControllerOf<UserModFXKind>;
using UserDelFXListController = UserListControllerOf<UserDelFXKind>;
using UserRevFXListController = UserListControllerOf<UserRevFXKind>;
} // namespace x48305_ui

#pragma once

#include "library/UserData.h"
#include "ui/UserListViewInterface.h"
#include "ui/UserUnitLists.h"

namespace x48305_ui
{
// The rows of one kind of user-unit slots and their four columns: slot
// number, unit name, unit version and API version. Cells are painted; there
// are no cell components.
class UserListView : public ui::UserListViewInterface,
                     public juce::Label::Listener,
                     public UserListItemMouseListener
{
public:
    enum ColumnId
    {
        slotColumn = 1,
        nameColumn = 2,
        versionColumn = 3,
        apiColumn = 4
    };

    using SlotReader = const x48305_data::UserUnitSlotData& (*) (const x48305_data::UserData&, std::uint32_t);

    UserListView (x48305_data::UserData& store, int numRows, SlotReader readSlot);

    int getNumRows() override { return numRows; }
    int getNumColumns() override;
    juce::String getColumnName (int columnId) override;
    int getColumnWidth (int columnId) override;
    bool isFittedToText (int columnId) override;
    void paintCell (juce::Graphics& g, int row, int columnId, int width, int height, bool selected) override;
    juce::Component* refreshComponentForCell (int, int, bool, juce::Component*) override { return nullptr; }

    void labelTextChanged (juce::Label*) override {}
    void itemMouseDown (juce::Component*, const juce::MouseEvent&) override {}
    void itemMouseUp (juce::Component*, const juce::MouseEvent&) override {}
    void itemMouseDrag (juce::Component*, const juce::MouseEvent&) override {}

    // The text of a cell; empty for unknown ids and rows.
    juce::String getCellText (int row, int columnId) const;

private:
    // The widest text a column fitted to its text can show.
    juce::String getWidestText (int columnId, const juce::Font& font) const;

    x48305_data::UserData* store;
    int numRows;
    SlotReader readSlot;
};

template <typename Kind>
class UserListViewOf : public UserListView
{
public:
    explicit UserListViewOf (x48305_data::UserData& store)
        : UserListView (store, (int) Kind::Unit::numSlots,
                        [] (const x48305_data::UserData& units, std::uint32_t slot) -> const x48305_data::UserUnitSlotData& {
                            return units.slot<typename Kind::Unit> (slot);
                        })
    {
    }
};

using UserOscListView = UserListViewOf<UserOscList>;
using UserModFXListView = UserListViewOf<UserModFXList>;
using UserDelFXListView = UserListViewOf<UserDelFXList>;
using UserRevFXListView = UserListViewOf<UserRevFXList>;
} // namespace x48305_ui

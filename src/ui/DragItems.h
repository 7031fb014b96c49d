#pragma once

#include <juce_core/juce_core.h>

#include <vector>

namespace ui
{
// The type texts that open every drag description of the application. A
// target compares them exactly (case included) before it reads anything else.
namespace dragtypes
{
inline const juce::String programList ("ProgramListDragItem");
inline const juce::String userList ("UserListDragItem");
inline const juce::String presetData ("PresetDataDragItem");
inline const juce::String favoriteData ("FavoriteDataDragItem");
} // namespace dragtypes

// A drag description of the shape [type, [int, int, ...]]: the program list
// rows, user-unit slots or packed preset items that a drag carries.
//
// A description comes from whichever window started the drag, so reading one
// trusts nothing: anything but an array of a type text and an array of whole
// numbers that fit an int leaves the item invalid and empty. What the numbers
// mean (and whether they are in range) is for the target to check.
class IndexListDragItem
{
public:
    virtual ~IndexListDragItem() {}

    void add (int item) { items.push_back (item); }
    int count() const { return (int) items.size(); }

    // The item at an index below count().
    int get (int index) const { return items[(size_t) index]; }

    const std::vector<int>& getItems() const { return items; }
    bool isValid() const { return valid; }
    const juce::String& getType() const { return type; }

    juce::var toVar() const;

    // The description's shape and its type text; the numbers are not read.
    static bool isFrom (const juce::String& typeText, const juce::var& description);

protected:
    explicit IndexListDragItem (const juce::String& typeText);
    explicit IndexListDragItem (const juce::var& description);

private:
    bool valid = false;
    juce::String type;
    std::vector<int> items;
};

// Program numbers of the program list, ascending.
class ProgramListDragItem : public IndexListDragItem
{
public:
    explicit ProgramListDragItem (const juce::String& typeText) : IndexListDragItem (typeText) {}
    explicit ProgramListDragItem (const juce::var& description) : IndexListDragItem (description) {}
};

// Slot indices of a user-unit list.
class UserListDragItem : public IndexListDragItem
{
public:
    explicit UserListDragItem (const juce::String& typeText) : IndexListDragItem (typeText) {}
    explicit UserListDragItem (const juce::var& description) : IndexListDragItem (description) {}
};

// Packed preset items (see PresetItemPacking.h) of the preset window.
class PresetDataDragItem : public IndexListDragItem
{
public:
    explicit PresetDataDragItem (const juce::String& typeText) : IndexListDragItem (typeText) {}
    explicit PresetDataDragItem (const juce::var& description) : IndexListDragItem (description) {}
};
} // namespace ui

// One favourite tile: [type, bank, slot], exactly three elements. Reading
// accepts only a bank of the live set (0-3) and a slot of a bank (0-7), so a
// valid item can index the live set directly.
class FavoriteDataDragItem
{
public:
    FavoriteDataDragItem (const juce::String& typeText, int bank, int slot);
    explicit FavoriteDataDragItem (const juce::var& description);

    const juce::var& toVar() const { return description; }
    const juce::String& getType() const { return type; }
    int getBank() const { return bank; }
    int getSlot() const { return slot; }
    bool isValid() const { return valid; }

    static bool isFrom (const juce::String& typeText, const juce::var& description);

private:
    juce::var description;
    juce::String type;
    int bank = -1;
    int slot = -1;
    bool valid = false;
};

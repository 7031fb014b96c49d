#include "ui/DragItems.h"

#include "library/FavoriteData.h"

#include <limits>

namespace ui
{
namespace
{
// A whole number that fits an int; anything else (text, a fraction, an
// object, a number out of range) is not an item.
bool readInt (const juce::var& value, int& result)
{
    if (value.isInt())
    {
        result = (int) value;
        return true;
    }
    if (value.isInt64())
    {
        const auto wide = (juce::int64) value;
        if (wide < std::numeric_limits<int>::min() || wide > std::numeric_limits<int>::max())
            return false;
        result = (int) wide;
        return true;
    }
    return false;
}

bool hasListShape (const juce::var& description)
{
    const auto* elements = description.getArray();
    return elements != nullptr && elements->size() >= 2 && (*elements)[0].isString() && (*elements)[1].isArray();
}
} // namespace

IndexListDragItem::IndexListDragItem (const juce::String& typeText) : valid (true), type (typeText) {}

IndexListDragItem::IndexListDragItem (const juce::var& description)
{
    if (! hasListShape (description))
        return;

    std::vector<int> read;
    for (const auto& element : *description[1].getArray())
    {
        int value = 0;
        if (! readInt (element, value))
            return;
        read.push_back (value);
    }

    type = description[0].toString();
    items = std::move (read);
    valid = true;
}

juce::var IndexListDragItem::toVar() const
{
    juce::Array<juce::var> list;
    for (auto item : items)
        list.add (item);

    juce::Array<juce::var> description;
    description.add (type);
    description.add (list);
    return description;
}

bool IndexListDragItem::isFrom (const juce::String& typeText, const juce::var& description)
{
    return hasListShape (description) && description[0].toString() == typeText;
}
} // namespace ui

FavoriteDataDragItem::FavoriteDataDragItem (const juce::String& typeText, int bankIndex, int slotIndex)
    : type (typeText), bank (bankIndex), slot (slotIndex), valid (true)
{
    description = juce::Array<juce::var> { juce::var (typeText), juce::var (bankIndex), juce::var (slotIndex) };
}

FavoriteDataDragItem::FavoriteDataDragItem (const juce::var& source)
{
    const auto* elements = source.getArray();
    if (elements == nullptr || elements->size() != 3 || ! (*elements)[0].isString() || ! (*elements)[1].isInt()
        || ! (*elements)[2].isInt())
        return;

    const int readBank = (*elements)[1];
    const int readSlot = (*elements)[2];
    if (readBank < 0 || readBank >= x48305_data::FavoriteData::numBanks || readSlot < 0
        || readSlot >= x48305_data::FavoriteData::numSlots)
        return;

    description = source;
    type = (*elements)[0].toString();
    bank = readBank;
    slot = readSlot;
    valid = true;
}

bool FavoriteDataDragItem::isFrom (const juce::String& typeText, const juce::var& description)
{
    const FavoriteDataDragItem item (description);
    return item.isValid() && item.getType() == typeText;
}

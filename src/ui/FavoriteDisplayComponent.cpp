#include "ui/FavoriteDisplayComponent.h"

#include "action/DataChangeBroadcaster.h"
#include "action/LibraryActions.h"
#include "action/UndoTransaction.h"
#include "library/DataCenter.h"
#include "resources/InterfaceImages.h"
#include "ui/DragItems.h"
#include "ui/DropChecks.h"
#include "ui/FontLibrary.h"

#include <cstdlib>
#include <tuple>

namespace
{
const juce::Colour textColour (0xffd3d3d3);

x48305_data::LibraryData& library()
{
    return x48305_data::DataCenter::getInstance()->getLibraryData();
}

unsigned liveSetEntry (int bank, int slot)
{
    return library().getFavoriteData().getProgramNumber (bank, slot);
}

// One undo step of live-set entries, set in the order given.
void setEntries (const juce::String& transactionName,
                 std::initializer_list<std::tuple<int, int, std::uint32_t>> entries)
{
    std::vector<std::unique_ptr<juce::UndoableAction>> actions;
    for (const auto& [bank, slot, number] : entries)
        actions.push_back (std::make_unique<x48305_action::SetFavoriteParameterAction> (bank, slot, number));
    application::performTransaction (transactionName, std::move (actions));
}
} // namespace

FavoriteDisplayComponent::FavoriteDisplayComponent (std::uint32_t bankIndex, std::uint32_t slotIndex)
    : bank (bankIndex), slot (slotIndex)
{
    dropImage = x48305_ui::InterfaceImages::favoriteTileDrop();
    normalImage = x48305_ui::InterfaceImages::favoriteTileNormal();
    setSize (84, 40);
    refresh();
    data::DataChangeBroadcaster::getInstance()->addListener (this);
}

FavoriteDisplayComponent::~FavoriteDisplayComponent()
{
    data::DataChangeBroadcaster::getInstance()->removeListener (this);
}

void FavoriteDisplayComponent::dataChanged()
{
    refresh();
}

void FavoriteDisplayComponent::refresh()
{
    const auto held = liveSetEntry ((int) bank, (int) slot);
    const bool empty = held >= (unsigned) x48305_data::LibraryData::numPrograms;
    bool changed = false;

    if ((int) held != programNumber)
    {
        programNumber = (int) held;
        numberText = empty ? juce::String ("---") : juce::String::formatted ("%03d", programNumber + 1);
        changed = true;
    }

    const juce::String name = empty ? juce::String ("------") : juce::String (library().getProgram (programNumber).getName());
    if (name != nameText)
    {
        nameText = name;
        changed = true;
    }

    if (changed)
        repaint();
}

void FavoriteDisplayComponent::paint (juce::Graphics& g)
{
    const auto& image = dragOver ? dropImage : normalImage;
    g.drawImage (image, 0, 0, getWidth(), getHeight(), 0, 0, image.getWidth(), image.getHeight());

    auto* fonts = ui::FontLibrary::getInstance();
    const int left = getWidth() / 2 - 36;
    g.setColour (textColour);
    g.setFont (fonts->getFont ("FavoriteDisplayNumber"));
    g.drawText (numberText, left, 3, 70, 20, juce::Justification::centred, false);
    g.setFont (fonts->getFont ("FavoriteDisplayName"));
    g.drawFittedText (nameText, left, 18, 70, 20, juce::Justification::centred, 1, 0.0f);
}

void FavoriteDisplayComponent::mouseEnter (const juce::MouseEvent& event)
{
    enterPosition = event.getPosition();
    dragStarted = false;
}

void FavoriteDisplayComponent::mouseDrag (const juce::MouseEvent& event)
{
    if (dragStarted)
        return;
    auto* container = juce::DragAndDropContainer::findParentDragContainerFor (this);
    if (container == nullptr)
        return;

    // Measured from where the pointer came in, so a pointer that has moved
    // about on the tile starts a drag with its first movement.
    const auto position = event.getPosition();
    if (std::abs (position.x - enterPosition.x) + std::abs (position.y - enterPosition.y) < dragThreshold)
        return;

    const FavoriteDataDragItem item (ui::dragtypes::favoriteData, (int) bank, (int) slot);
    container->startDragging (item.toVar(), this, juce::ScaledImage(), false, nullptr, &event.source);
    dragStarted = true;
}

void FavoriteDisplayComponent::mouseDoubleClick (const juce::MouseEvent&)
{
    setEntries ("NoAssignFavoriteData", { { (int) bank, (int) slot, x48305_data::FavoriteData::emptySlot } });
    data::DataChangeBroadcaster::getInstance()->notify();
}

bool FavoriteDisplayComponent::isOtherTileDescription (const juce::var& description) const
{
    if (! FavoriteDataDragItem::isFrom (ui::dragtypes::favoriteData, description))
        return false;
    const FavoriteDataDragItem item (description);
    return item.getBank() != (int) bank || item.getSlot() != (int) slot;
}

bool FavoriteDisplayComponent::isProgramDescription (const juce::var& description)
{
    // Only numbers of library programs may reach the live set: anything else
    // would be shown as a program that is not there.
    if (! ui::ProgramListDragItem::isFrom (ui::dragtypes::programList, description))
        return false;
    const ui::ProgramListDragItem item (description);
    return item.isValid() && ui::areDistinctRows (item.getItems(), x48305_data::LibraryData::numPrograms);
}

bool FavoriteDisplayComponent::isInterestedInDragSource (const SourceDetails& details)
{
    return isProgramDescription (details.description) || isOtherTileDescription (details.description);
}

void FavoriteDisplayComponent::itemDragEnter (const SourceDetails&)
{
    dragOver = true;
    repaint();
}

void FavoriteDisplayComponent::itemDragExit (const SourceDetails&)
{
    dragOver = false;
    repaint();
}

void FavoriteDisplayComponent::itemDropped (const SourceDetails& details)
{
    dragOver = false;
    repaint();

    if (isOtherTileDescription (details.description))
        dropTile (details.description);
    else if (isProgramDescription (details.description))
        dropPrograms (details.description);
}

void FavoriteDisplayComponent::dropTile (const juce::var& description)
{
    const FavoriteDataDragItem source (description);
    const auto sourceNumber = liveSetEntry (source.getBank(), source.getSlot());
    const auto ownNumber = liveSetEntry ((int) bank, (int) slot);

    if (juce::ModifierKeys::currentModifiers.isAltDown())
        setEntries ("CopyFavoriteData", { { (int) bank, (int) slot, sourceNumber } });
    else
        setEntries ("SwapFavoriteData",
                    { { (int) bank, (int) slot, sourceNumber }, { source.getBank(), source.getSlot(), ownNumber } });
    data::DataChangeBroadcaster::getInstance()->notify();
}

void FavoriteDisplayComponent::dropPrograms (const juce::var& description)
{
    // The first program of the drag takes the tile; a tile holds one.
    const ui::ProgramListDragItem item (description);
    setEntries ("SetFavoriteData", { { (int) bank, (int) slot, (std::uint32_t) item.get (0) } });
}

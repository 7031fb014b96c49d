#include "ui/DraggableTableListComponent.h"

#include <cstdlib>

namespace ui
{
DraggableTableListComponent::DraggableTableListComponent (juce::Colour markerColour)
    : insertionLineColour (markerColour), dropTargetColour (markerColour)
{
}

DraggableTableListComponent::~DraggableTableListComponent() = default;

void DraggableTableListComponent::createListBox (const juce::String& name)
{
    listBox = std::make_unique<DraggableTableListBox> (name, this, this);
    addAndMakeVisible (*listBox);
}

void DraggableTableListComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void DraggableTableListComponent::resized()
{
    listBox->setBounds (getLocalBounds());
}

void DraggableTableListComponent::setListBackgroundColour (juce::Colour colour)
{
    listBox->setColour (juce::ListBox::backgroundColourId, colour);
}

void DraggableTableListComponent::setHeaderHeight (int height)
{
    listBox->setHeaderHeight (height);
}

void DraggableTableListComponent::paintDropMarker (juce::Graphics& g, int row, int width, int height, bool copyDrop)
{
    listBox->paintDropMarker (g, row, width, height, copyDrop, insertionLineColour, dropTargetColour);
}

void DraggableTableListComponent::pressRow (int row, const juce::MouseEvent& event)
{
    pressedOnSelectedRow = listBox->pressRow (row, event.mods);
}

void DraggableTableListComponent::releaseRow (int row, const juce::MouseEvent& event)
{
    listBox->releaseRow (row, event, pressedOnSelectedRow);
    pressedOnSelectedRow = false;
}

bool DraggableTableListComponent::isPastDragThreshold (const juce::MouseEvent& event)
{
    return std::abs (event.getDistanceFromDragStartX()) + std::abs (event.getDistanceFromDragStartY()) >= dragThreshold;
}

std::vector<int> DraggableTableListComponent::getSelectedRows() const
{
    std::vector<int> rows;
    const auto selected = listBox->getSelectedRows();
    for (int i = 0; i < selected.size(); ++i)
        rows.push_back (selected[i]);
    return rows;
}
} // namespace ui

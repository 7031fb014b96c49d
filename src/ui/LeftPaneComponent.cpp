#include "ui/LeftPaneComponent.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "library/DataCenter.h"
#include "ui/DragItems.h"

LeftPaneComponent::LeftPaneComponent()
    : view (x48305_data::DataCenter::getInstance()->getLibraryData()),
      controller (x48305_data::DataCenter::getInstance()->getLibraryData())
{
    list = std::make_unique<ProgramListComponent> (view, controller, rowMapping);
    list->setName ("Program List");
    addAndMakeVisible (*list);

    list->setRowHeight (preferredRowHeight());
    list->setHeaderHeight (28);
    list->setAcceptedProgramDragType (ui::dragtypes::programList);
    list->setAcceptedPresetDragType (ui::dragtypes::presetData);
    list->setListBackgroundColour (juce::Colour (0xff000000));
    list->setLookAndFeel (&lookAndFeel);
    list->setDropTargetColour (juce::Colour (0xdd333333));
    list->setInsertionLineColour (ui::DraggableTableListComponent::standOutInsertionLineColour);

    setSize (1110, 400);
    application::PreferencesDataChangeBroadcaster::getInstance()->addListener (this);
}

LeftPaneComponent::~LeftPaneComponent()
{
    application::PreferencesDataChangeBroadcaster::getInstance()->removeListener (this);
    list->setLookAndFeel (nullptr);
}

void LeftPaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void LeftPaneComponent::resized()
{
    list->setBounds (getLocalBounds());
}

void LeftPaneComponent::preferencesDataChanged()
{
    list->setRowHeight (preferredRowHeight());
}

int LeftPaneComponent::preferredRowHeight()
{
    return x48305_preferences::PreferencesData::getInstance()->getInt (x48305_preferences::keys::programListHeight, 0);
}

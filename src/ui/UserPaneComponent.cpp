#include "ui/UserPaneComponent.h"

#include "application/FileDialogProcessor.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "file/FileExtensions.h"
#include "library/DataCenter.h"
#include "ui/DragItems.h"
#include "ui/ModalDialogState.h"

#include <algorithm>

namespace
{
bool modalDialogIsOpen()
{
    return ui::ModalDialogState::getInstance()->dialogOpen;
}

bool isUnitPackage (const juce::String& path)
{
    return juce::File::isAbsolutePath (path) && juce::File (path).hasFileExtension (file::userUnitFileExtension);
}
} // namespace

UserPaneComponent::UserPaneComponent (std::unique_ptr<ui::UserListViewInterface> listView,
                                      std::unique_ptr<ui::UserListControllerInterface> listController,
                                      const char* listName, int dropKind)
    : view (std::move (listView)), controller (std::move (listController)), fileDropKind (dropKind)
{
    list = std::make_unique<UserListComponent> (*view, *controller);
    addAndMakeVisible (*list);
    list->setName (listName);

    list->setRowHeight (preferredRowHeight());
    list->setHeaderHeight (28);
    list->setAcceptedDragType (ui::dragtypes::userList);
    list->setListBackgroundColour (juce::Colour (0xff000000));
    list->setLookAndFeel (&lookAndFeel);
    list->setDropTargetColour (juce::Colour (0xdd333333));
    list->setInsertionLineColour (ui::DraggableTableListComponent::standOutInsertionLineColour);

    setSize (790, 530);
    application::PreferencesDataChangeBroadcaster::getInstance()->addListener (this);
}

UserPaneComponent::~UserPaneComponent()
{
    application::PreferencesDataChangeBroadcaster::getInstance()->removeListener (this);
    list->setLookAndFeel (nullptr);
}

void UserPaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void UserPaneComponent::resized()
{
    list->setBounds (getLocalBounds());
}

void UserPaneComponent::preferencesDataChanged()
{
    list->setRowHeight (preferredRowHeight());
}

x48305_data::UserData& UserPaneComponent::storeUnits()
{
    return x48305_data::DataCenter::getInstance()->getUserData();
}

int UserPaneComponent::preferredRowHeight()
{
    return x48305_preferences::PreferencesData::getInstance()->getInt (x48305_preferences::keys::programListHeight, 0);
}

bool UserPaneComponent::isInterestedInFileDrag (const juce::StringArray& files)
{
    if (modalDialogIsOpen())
        return false;
    for (const auto& path : files)
        if (isUnitPackage (path))
            return true;
    return false;
}

void UserPaneComponent::filesDropped (const juce::StringArray& files, int x, int y)
{
    if (modalDialogIsOpen())
        return;

    const auto* package = std::find_if (files.begin(), files.end(), isUnitPackage);
    if (package == files.end())
        return;

    auto& listBox = list->getListBox();
    const auto position = listBox.getLocalPoint (this, juce::Point<int> (x, y));
    const int slot = listBox.getRowShownAt (position);
    if (slot < 0 || slot >= list->getNumRows())
        return;

    x48305_application::FileDialogProcessor().loadUserUnitByFile (juce::File (*package), slot, fileDropKind);
}

UserOscPaneComponent::UserOscPaneComponent() : UserPaneComponent (x48305_ui::UserOscList {}) {}

UserModFXPaneComponent::UserModFXPaneComponent() : UserPaneComponent (x48305_ui::UserModFXList {}) {}

UserDelFXPaneComponent::UserDelFXPaneComponent() : UserPaneComponent (x48305_ui::UserDelFXList {}) {}

UserRevFXPaneComponent::UserRevFXPaneComponent() : UserPaneComponent (x48305_ui::UserRevFXList {}) {}

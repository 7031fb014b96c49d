#pragma once

#include "ui/CommandForwardingTarget.h"
#include "application/PreferencesDataChangeBroadcasterObserver.h"
#include "ui/ProgramListLookAndFeel.h"
#include "ui/UserListComponent.h"
#include "ui/UserListController.h"
#include "ui/UserListView.h"

#include <memory>

// The content of one user-unit tab: the list of its kind's slots, with the
// view, controller and look-and-feel that it uses. A unit package dropped on
// a row is loaded into that slot. The row height follows the
// "ProgramListHeight" preference, as the program list's does.
class UserPaneComponent : public juce::Component,
                          public juce::DragAndDropContainer,
                          public ui::CommandForwardingTarget,
                          public juce::FileDragAndDropTarget,
                          public application::PreferencesDataChangeBroadcasterObserver
{
public:
    ~UserPaneComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void preferencesDataChanged() override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    UserListComponent& getList() { return *list; }

protected:
    // The pane of one kind (x48305_ui::UserOscList and the others).
    template <typename Kind>
    explicit UserPaneComponent (Kind)
        : UserPaneComponent (std::make_unique<x48305_ui::UserListViewOf<Kind>> (storeUnits()),
                             std::make_unique<x48305_ui::UserListControllerOf<Kind>> (storeUnits()), Kind::listName,
                             Kind::Unit::moduleIndex)
    {
    }

private:
    UserPaneComponent (std::unique_ptr<ui::UserListViewInterface> view,
                       std::unique_ptr<ui::UserListControllerInterface> controller, const char* listName,
                       int fileDropKind);

    static x48305_data::UserData& storeUnits();
    static int preferredRowHeight();

    std::unique_ptr<ui::UserListViewInterface> view;
    std::unique_ptr<ui::UserListControllerInterface> controller;
    x48305_ui::ProgramListLookAndFeel lookAndFeel;
    std::unique_ptr<UserListComponent> list;
    int fileDropKind;

    JUCE_DECLARE_NON_COPYABLE (UserPaneComponent)
};

// The USER OSCILLATORS tab: 16 slots.
class UserOscPaneComponent : public UserPaneComponent
{
public:
    UserOscPaneComponent();
};

// The USER MODULATION FX tab: 16 slots.
class UserModFXPaneComponent : public UserPaneComponent
{
public:
    UserModFXPaneComponent();
};

// The USER DELAY FX tab: 8 slots.
class UserDelFXPaneComponent : public UserPaneComponent
{
public:
    UserDelFXPaneComponent();
};

// The USER REVERB FX tab: 8 slots.
class UserRevFXPaneComponent : public UserPaneComponent
{
public:
    UserRevFXPaneComponent();
};

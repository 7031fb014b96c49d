#pragma once

#include "application/PreferencesDataChangeBroadcasterObserver.h"
#include "ui/ProgramListComponent.h"
#include "ui/ProgramListController.h"
#include "ui/ProgramListLookAndFeel.h"
#include "ui/ProgramListView.h"

#include <memory>

// The upper part of the PROGRAM tab: the program list with its view,
// controller, look-and-feel and row mapping. The row height follows the
// "ProgramListHeight" preference.
class LeftPaneComponent : public juce::Component,
                          public application::PreferencesDataChangeBroadcasterObserver
{
public:
    LeftPaneComponent();
    ~LeftPaneComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;
    void preferencesDataChanged() override;

    ProgramListComponent* getProgramListComponent() { return list.get(); }

private:
    static int preferredRowHeight();

    x48305_ui::ProgramListView view;
    x48305_ui::ProgramListController controller;
    x48305_ui::ProgramListLookAndFeel lookAndFeel;
    ProgramListRowMapping rowMapping;
    std::unique_ptr<ProgramListComponent> list;

    JUCE_DECLARE_NON_COPYABLE (LeftPaneComponent)
};

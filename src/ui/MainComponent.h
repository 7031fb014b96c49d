#pragma once

#include "ui/CommandForwardingTarget.h"
#include "ui/CustomTabbedComponent.h"
#include "ui/DefaultLookAndFeel.h"
#include "ui/HeaderComponent.h"

#include <memory>

class ProgramPaneComponent;

// The main window's content: the header strip over five tabs (the program
// list with the favourites, and one list per user-unit kind). Commands that
// no component below takes go to the application's command target; library,
// program and preset files dropped on the window are opened from here.
class MainComponent : public juce::Component,
                      public juce::DragAndDropContainer,
                      public ui::CommandForwardingTarget,
                      public juce::FileDragAndDropTarget
{
public:
    static constexpr int headerHeight = 85;
    static constexpr int tabBarDepth = 30;
    static constexpr int numTabs = 5;

    MainComponent();
    ~MainComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    HeaderComponent& getHeader() { return *header; }
    ui::CustomTabbedComponent& getTabs() { return *tabs; }
    ProgramPaneComponent& getProgramPane();

private:
    void addTabs();

    x48305_ui::DefaultLookAndFeel tabButtonLookAndFeel;
    std::unique_ptr<HeaderComponent> header;
    std::unique_ptr<ui::CustomTabbedComponent> tabs;

    JUCE_DECLARE_NON_COPYABLE (MainComponent)
};

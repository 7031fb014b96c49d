#pragma once

#include "ui/CommandForwardingTarget.h"
#include "ui/LeftPaneComponent.h"
#include "ui/RightPaneComponent.h"

#include <memory>

// The PROGRAM tab: the program list above, the favourites pane below.
// Library, program and preset files dropped on it are handled as on the
// main component.
class ProgramPaneComponent : public juce::Component,
                             public juce::DragAndDropContainer,
                             public ui::CommandForwardingTarget,
                             public juce::FileDragAndDropTarget
{
public:
    // The height of the favourites pane at the bottom of the tab.
    static constexpr int rightPaneHeight = 201;

    ProgramPaneComponent();
    ~ProgramPaneComponent() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    bool isInterestedInFileDrag (const juce::StringArray& files) override;
    void filesDropped (const juce::StringArray& files, int x, int y) override;

    LeftPaneComponent* getLeftPane() { return leftPane.get(); }
    RightPaneComponent* getRightPane() { return rightPane.get(); }

private:
    std::unique_ptr<RightPaneComponent> rightPane;
    std::unique_ptr<LeftPaneComponent> leftPane;

    JUCE_DECLARE_NON_COPYABLE (ProgramPaneComponent)
};

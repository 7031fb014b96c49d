#pragma once

#include "ui/RightPanePageModel.h"

#include <juce_gui_basics/juce_gui_basics.h>

// The lower part of the PROGRAM tab: the page of the page model (the
// favourites grid) at its own size from the pane's top-left corner, clipped
// to the pane and never scrolled.
class RightPaneComponent : public juce::Component,
                           public x48305_ui::RightPanePageModelObserver
{
public:
    RightPaneComponent();
    ~RightPaneComponent() override;

    void pageChanged() override;
    void paint (juce::Graphics& g) override;
    void resized() override;

    // The page shown, or null.
    juce::Component* getPage() const { return viewport->getViewedComponent(); }

private:
    void showPage();

    std::unique_ptr<juce::Viewport> viewport;

    JUCE_DECLARE_NON_COPYABLE (RightPaneComponent)
};

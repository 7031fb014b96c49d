#include "ui/RightPaneComponent.h"

#include "ui/FavoriteEditComponent.h"
#include "ui/ProgramInformationComponent.h"

RightPaneComponent::RightPaneComponent()
{
    viewport = std::make_unique<juce::Viewport> ("Right Pane Content");
    addAndMakeVisible (*viewport);
    viewport->setScrollBarsShown (false, false, false, false);
    showPage();
    setSize (870, 220);
    x48305_ui::RightPanePageModel::getInstance()->addListener (this);
}

RightPaneComponent::~RightPaneComponent()
{
    x48305_ui::RightPanePageModel::getInstance()->removeListener (this);
}

void RightPaneComponent::showPage()
{
    switch (x48305_ui::RightPanePageModel::getInstance()->page)
    {
        case x48305_ui::RightPanePageModel::favoritesPage:
            viewport->setVisible (true);
            viewport->setViewedComponent (new FavoriteEditComponent(), true);
            break;
        case x48305_ui::RightPanePageModel::programInformationPage:
            viewport->setVisible (true);
            viewport->setViewedComponent (new ProgramInformationComponent(), true);
            break;
        default:
            viewport->setViewedComponent (nullptr);
            break;
    }
}

void RightPaneComponent::pageChanged()
{
    showPage();
}

void RightPaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void RightPaneComponent::resized()
{
    viewport->setBounds (getLocalBounds());
}

#include "ui/ProgramPaneComponent.h"

#include "ui/LibraryFileDrop.h"

ProgramPaneComponent::ProgramPaneComponent()
    : rightPane (std::make_unique<RightPaneComponent>()),
      leftPane (std::make_unique<LeftPaneComponent>())
{
    addAndMakeVisible (*rightPane);
    addAndMakeVisible (*leftPane);
    setSize (790, 550);
}

ProgramPaneComponent::~ProgramPaneComponent() = default;

void ProgramPaneComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff111111));
}

void ProgramPaneComponent::resized()
{
    // The list takes whatever the window's height leaves above the
    // favourites, which keep their height.
    leftPane->setBounds (0, 0, getWidth(), getHeight() - rightPaneHeight);
    rightPane->setBounds (0, getHeight() - rightPaneHeight, getWidth(), rightPaneHeight);
}

bool ProgramPaneComponent::isInterestedInFileDrag (const juce::StringArray& files)
{
    return ui::LibraryFileDrop::isInterestedIn (files);
}

void ProgramPaneComponent::filesDropped (const juce::StringArray& files, int, int)
{
    ui::LibraryFileDrop::drop (files);
}

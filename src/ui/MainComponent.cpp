#include "ui/MainComponent.h"

#include "ui/LibraryFileDrop.h"
#include "ui/ProgramPaneComponent.h"
#include "ui/UserPaneComponent.h"

MainComponent::MainComponent()
{
    header = std::make_unique<HeaderComponent>();
    addAndMakeVisible (*header);

    tabs = std::make_unique<ui::CustomTabbedComponent> (juce::TabbedButtonBar::TabsAtTop);
    tabs->setTabBarDepth (tabBarDepth);
    addTabs();
    tabs->setCurrentTabIndex (0);
    addAndMakeVisible (*tabs);

    auto& tabBar = tabs->getTabbedButtonBar();
    for (int i = 0; i < tabBar.getNumTabs(); ++i)
        tabBar.getTabButton (i)->setLookAndFeel (&tabButtonLookAndFeel);

    setSize (870, 640);

    // Every change of tab reaches the program list, which hands its
    // selection over again.
    tabBar.addChangeListener (getProgramPane().getLeftPane()->getProgramListComponent());
}

MainComponent::~MainComponent()
{
    tabs->getTabbedButtonBar().removeChangeListener (getProgramPane().getLeftPane()->getProgramListComponent());
    auto& tabBar = tabs->getTabbedButtonBar();
    for (int i = 0; i < tabBar.getNumTabs(); ++i)
        tabBar.getTabButton (i)->setLookAndFeel (nullptr);
}

void MainComponent::addTabs()
{
    const juce::Colour tabColour (0xff222222);
    tabs->addTab ("PROGRAM", tabColour, new ProgramPaneComponent(), true);
    tabs->addTab ("USER OSCILLATORS", tabColour, new UserOscPaneComponent(), true);
    tabs->addTab ("USER MODULATION FX", tabColour, new UserModFXPaneComponent(), true);
    tabs->addTab ("USER DELAY FX", tabColour, new UserDelFXPaneComponent(), true);
    tabs->addTab ("USER REVERB FX", tabColour, new UserRevFXPaneComponent(), true);
}

ProgramPaneComponent& MainComponent::getProgramPane()
{
    return *static_cast<ProgramPaneComponent*> (tabs->getTabContentComponent (0));
}

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0x80262626));
}

void MainComponent::resized()
{
    header->setBounds (0, 0, getWidth(), headerHeight);
    // The tabs end at the window's bottom edge, so that every list can be
    // scrolled to its last row and its scroll bar is whole.
    tabs->setBounds (0, headerHeight, getWidth(), juce::jmax (0, getHeight() - headerHeight));
}

bool MainComponent::isInterestedInFileDrag (const juce::StringArray& files)
{
    return ui::LibraryFileDrop::isInterestedIn (files);
}

void MainComponent::filesDropped (const juce::StringArray& files, int, int)
{
    ui::LibraryFileDrop::drop (files);
}

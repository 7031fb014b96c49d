#include "ui/DebugWindow.h"

DebugMainComponent::DebugMainComponent()
{
    setSize (600, 400);
}

void DebugMainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

void DebugMainComponent::resized()
{
}

namespace x48305_debug
{
DebugWindow::DebugWindow()
    : juce::DocumentWindow ("Debug Window", juce::Colours::white, juce::DocumentWindow::closeButton, true)
{
    setContentOwned (new DebugMainComponent(), true);
    setUsingNativeTitleBar (false);
    setVisible (true);
    setResizable (true, false);
}

void DebugWindow::closeButtonPressed()
{
    DebugWindowManager::getInstance()->triggerAsyncUpdate();
}

DebugWindowManager::~DebugWindowManager()
{
    cancelPendingUpdate();
    window.reset();
}

void DebugWindowManager::showWindow()
{
    if (window == nullptr)
        window = std::make_unique<DebugWindow>();
}

void DebugWindowManager::handleAsyncUpdate()
{
    window.reset();
}
} // namespace x48305_debug

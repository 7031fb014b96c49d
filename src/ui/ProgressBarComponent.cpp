#include "ui/ProgressBarComponent.h"

namespace ui
{
ProgressBarComponent::ProgressBarComponent (const juce::String& componentName)
    : juce::Slider (componentName)
{
}

void ProgressBarComponent::mouseDown (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseDrag (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseUp (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseDoubleClick (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) {}
} // namespace ui

#include "ui/ProgressBarComponent.h"

namespace ui
{
ProgressBarComponent::ProgressBarComponent (const juce::String& componentName)
    : juce::Slider (componentName)
{
    setTextBoxIsEditable (false);
}

void ProgressBarComponent::mouseDown (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseDrag (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseUp (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseDoubleClick (const juce::MouseEvent&) {}
void ProgressBarComponent::mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) {}

void ProgressBarComponent::lookAndFeelChanged()
{
    juce::Slider::lookAndFeelChanged();
    if (isTextBoxEditable())
        setTextBoxIsEditable (false);
}
} // namespace ui

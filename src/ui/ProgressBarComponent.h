#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// A slider that only its owner moves: the progress of a transfer. Every mouse
// handler that could change the value does nothing. Range, style, text box
// and value are the owner's to set.
class ProgressBarComponent : public juce::Slider
{
public:
    explicit ProgressBarComponent (const juce::String& componentName);

    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
};
} // namespace ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// A slider that only its owner moves: the progress of a transfer. Every mouse
// handler that could change the value does nothing, and the value text is
// never editable, whatever text-box style the owner sets. Range, style, text
// box and value are the owner's to set.
class ProgressBarComponent : public juce::Slider
{
public:
    explicit ProgressBarComponent (const juce::String& componentName);

    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;

    // The framework rebuilds the value text here whenever the text-box style
    // changes, and a style that is not read-only would let a click on the
    // bar's text type in a new value.
    void lookAndFeelChanged() override;
};
} // namespace ui

#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace ui
{
// An image button with its caption drawn over the picture, centred, with an
// ellipsis when the caption does not fit. The owner may change the font and
// the colour.
class ImageTextButton : public juce::ImageButton
{
public:
    static constexpr float disabledTextAlpha = 0.35f;

    explicit ImageTextButton (const juce::String& componentName);

    void setTextFont (const juce::Font& newFont);
    const juce::Font& getTextFont() const { return font; }

    void setTextColour (juce::Colour newColour);
    juce::Colour getTextColour() const { return textColour; }

protected:
    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;

private:
    juce::Font font;
    juce::Colour textColour;

    JUCE_DECLARE_NON_COPYABLE (ImageTextButton)
};
} // namespace ui

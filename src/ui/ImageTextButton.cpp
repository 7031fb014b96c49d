#include "ui/ImageTextButton.h"

#include "ui/FontLibrary.h"

namespace ui
{
ImageTextButton::ImageTextButton (const juce::String& componentName)
    : juce::ImageButton (componentName),
      font (FontLibrary::getInstance()->getFont ("ImageTextButton")),
      textColour (0xffffffff)
{
}

void ImageTextButton::setTextFont (const juce::Font& newFont)
{
    font = newFont;
    repaint();
}

void ImageTextButton::setTextColour (juce::Colour newColour)
{
    textColour = newColour;
    repaint();
}

void ImageTextButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    juce::ImageButton::paintButton (g, highlighted, down);
    g.setFont (font);
    // A disabled button's caption fades with its picture.
    g.setColour (isEnabled() ? textColour : textColour.withMultipliedAlpha (disabledTextAlpha));
    g.drawText (getButtonText(), getLocalBounds(), juce::Justification::centred, true);
}
} // namespace ui

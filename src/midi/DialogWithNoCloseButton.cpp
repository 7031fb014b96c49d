#include "midi/DialogWithNoCloseButton.h"

namespace midi
{
DialogWithNoCloseButton::DialogWithNoCloseButton (const juce::String& title)
    : juce::DocumentWindow (title, juce::Colour (backgroundColour), 0, true)
{
}

void DialogWithNoCloseButton::closeButtonPressed() {}
}

#include "ui/ProgramNameDisplayComponent.h"

#include "ui/FontLibrary.h"

ProgramNameDisplayComponent::ProgramNameDisplayComponent()
{
    setSize (200, 40);
}

void ProgramNameDisplayComponent::setText (const juce::String& first, const juce::String& second)
{
    firstLine = padLine (first);
    secondLine = padLine (second);
    repaint();
}

void ProgramNameDisplayComponent::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (0xffffffff));
    g.setFont (ui::FontLibrary::getInstance()->getFont ("HeaderProgDisplay"));
    g.drawText (firstLine, 0, 0, 192, 18, juce::Justification::centred, true);
    g.drawText (secondLine, 0, 18, 192, 18, juce::Justification::centred, true);
}

juce::String ProgramNameDisplayComponent::padLine (const juce::String& line)
{
    const auto indent = (int) (8.0 - 0.5 * (double) line.length());
    return indent > 0 ? juce::String::repeatedString (" ", indent) + line : line;
}

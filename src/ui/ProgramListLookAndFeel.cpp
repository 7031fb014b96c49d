#include "ui/ProgramListLookAndFeel.h"

#include "ui/FontLibrary.h"

namespace x48305_ui
{
namespace
{
const juce::Colour listBackground (0xff111111);
const juce::Colour headerText (0xffd3d3d3);
const juce::Colour arrowFill (0xff333333);
const juce::Colour arrowOutline (0x80888888);
} // namespace

ProgramListLookAndFeel::ProgramListLookAndFeel()
{
    // The framework's scroll bar reads its thumb from here unless the bar
    // has a colour of its own.
    setColour (juce::ScrollBar::thumbColourId, listBackground.overlaidWith (juce::Colour (0x22ffffff)));
    setColour (juce::ScrollBar::backgroundColourId, listBackground);
}

void ProgramListLookAndFeel::drawTableHeaderBackground (juce::Graphics& g, juce::TableHeaderComponent&)
{
    g.fillAll (listBackground);
}

void ProgramListLookAndFeel::drawTableHeaderColumn (juce::Graphics& g, juce::TableHeaderComponent&,
                                                    const juce::String& columnName, int, int width, int height,
                                                    bool, bool, int)
{
    // The columns cannot be sorted, so no sort arrow is drawn.
    g.setColour (headerText);
    g.setFont (juce::Font (ui::FontLibrary::getInstance()->getTypefaceName(), (float) height * 0.5f,
                           juce::Font::bold));
    g.drawFittedText (columnName, 4, 0, width - 8, height, juce::Justification::centredLeft, 1);
}

void ProgramListLookAndFeel::drawScrollbarButton (juce::Graphics& g, juce::ScrollBar&, int width, int height,
                                                  int buttonDirection, bool, bool, bool isButtonDown)
{
    const auto w = (float) width;
    const auto h = (float) height;
    juce::Path arrow;
    switch (buttonDirection)
    {
        case 0: arrow.addTriangle (w * 0.5f, h * 0.2f, w * 0.1f, h * 0.7f, w * 0.9f, h * 0.7f); break;
        case 1: arrow.addTriangle (w * 0.8f, h * 0.5f, w * 0.3f, h * 0.1f, w * 0.3f, h * 0.9f); break;
        case 2: arrow.addTriangle (w * 0.5f, h * 0.8f, w * 0.1f, h * 0.3f, w * 0.9f, h * 0.3f); break;
        case 3: arrow.addTriangle (w * 0.2f, h * 0.5f, w * 0.7f, h * 0.1f, w * 0.7f, h * 0.9f); break;
        default: break;
    }

    g.setColour (isButtonDown ? arrowFill.contrasting (0.2f) : arrowFill);
    g.fillPath (arrow);
    g.setColour (arrowOutline);
    g.strokePath (arrow, juce::PathStrokeType (0.5f));
}

void ProgramListLookAndFeel::drawScrollbar (juce::Graphics& g, juce::ScrollBar& scrollbar, int x, int y, int width,
                                            int height, bool isScrollbarVertical, int thumbStartPosition,
                                            int thumbSize, bool isMouseOver, bool isMouseDown)
{
    g.fillAll (listBackground);
    juce::LookAndFeel_V2::drawScrollbar (g, scrollbar, x, y, width, height, isScrollbarVertical, thumbStartPosition,
                                         thumbSize, isMouseOver, isMouseDown);
}
} // namespace x48305_ui

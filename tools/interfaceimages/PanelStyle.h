#pragma once

#include <juce_graphics/juce_graphics.h>

// The look that every interface picture shares: the colours of a dark
// hardware panel, its lettering, and the few parts that recur (rounded
// bodies with a lit top edge, recessed glass, screws, knobs).
namespace panel
{
namespace colours
{
inline const juce::Colour black (0xff000000);
inline const juce::Colour background (0xff111111);
inline const juce::Colour menuBar (0xff222222);
inline const juce::Colour control (0xff333333);
inline const juce::Colour highlight (0xff666666);
inline const juce::Colour text (0xffd3d3d3);
inline const juce::Colour emphasis (0xffffffff);
} // namespace colours

// The typefaces of the lettering, loaded from the files the build names (the
// same files every time, so the pictures come out the same) for as long as
// the object lives; pictures are drawn inside one. Throws std::runtime_error
// when a file cannot be read.
class LetteringScope
{
public:
    LetteringScope();
    ~LetteringScope();

    LetteringScope (const LetteringScope&) = delete;
    LetteringScope& operator= (const LetteringScope&) = delete;

private:
    friend juce::Font lettering (float, bool);

    juce::Typeface::Ptr regular;
    juce::Typeface::Ptr bold;
    LetteringScope* previous;
};

// The lettering of the panel; only inside a LetteringScope.
juce::Font lettering (float height, bool bold);

// Draws one line of text with extra letter spacing (a fraction of the
// height), placed in the area by the justification, narrowed to fit.
void drawSpacedText (juce::Graphics&, const juce::String& text, juce::Font font, float spacing,
                     juce::Rectangle<float> area, juce::Justification justification);

// A vertical gradient from top to bottom of the area.
juce::ColourGradient verticalGradient (juce::Rectangle<float> area, juce::Colour top, juce::Colour bottom);

// A raised rounded body: a dark rim, a face shaded top to bottom, and a thin
// lit edge along its top.
void drawRaisedBody (juce::Graphics&, juce::Rectangle<float> area, float corner, juce::Colour faceTop,
                     juce::Colour faceBottom, float rim);

// A recessed window of dark glass with a shadow along its top edge.
void drawRecessedGlass (juce::Graphics&, juce::Rectangle<float> area, float corner);

// A countersunk panel screw.
void drawScrew (juce::Graphics&, juce::Point<float> centre, float radius, float slotAngle);

// A round control knob with a pointer line.
void drawKnob (juce::Graphics&, juce::Point<float> centre, float radius, float pointerAngle);

// A short keyboard of white and black keys filling the area.
void drawKeyboard (juce::Graphics&, juce::Rectangle<float> area, int whiteKeys, float gap);

// A smooth waveform (a rounded saw) across the area.
juce::Path waveform (juce::Rectangle<float> area, float cycles);
} // namespace panel

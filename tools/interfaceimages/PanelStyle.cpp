#include "PanelStyle.h"

#include <cmath>
#include <stdexcept>

namespace panel
{
namespace
{
juce::Typeface::Ptr loadTypeface (const char* path)
{
    juce::MemoryBlock bytes;
    if (! juce::File (path).loadFileAsData (bytes) || bytes.isEmpty())
        throw std::runtime_error (std::string ("cannot read the typeface file ") + path);
    auto typeface = juce::Typeface::createSystemTypefaceFor (bytes.getData(), bytes.getSize());
    if (typeface == nullptr)
        throw std::runtime_error (std::string ("cannot use the typeface file ") + path);
    return typeface;
}

LetteringScope* currentLettering = nullptr;

juce::GlyphArrangement arrange (const juce::String& text, const juce::Font& font)
{
    juce::GlyphArrangement glyphs;
    glyphs.addLineOfText (font, text, 0.0f, 0.0f);
    return glyphs;
}
} // namespace

LetteringScope::LetteringScope()
    : regular (loadTypeface (SLVN_PANEL_TYPEFACE_REGULAR)),
      bold (loadTypeface (SLVN_PANEL_TYPEFACE_BOLD)),
      previous (currentLettering)
{
    currentLettering = this;
}

LetteringScope::~LetteringScope()
{
    currentLettering = previous;
}

juce::Font lettering (float height, bool bold)
{
    if (currentLettering == nullptr)
        throw std::logic_error ("lettering is drawn only inside a LetteringScope");
    return juce::Font (bold ? currentLettering->bold : currentLettering->regular).withHeight (height);
}

void drawSpacedText (juce::Graphics& g, const juce::String& text, juce::Font font, float spacing,
                     juce::Rectangle<float> area, juce::Justification justification)
{
    font.setExtraKerningFactor (spacing);
    auto glyphs = arrange (text, font);
    auto ink = glyphs.getBoundingBox (0, -1, true);

    if (ink.getWidth() > area.getWidth())
    {
        font.setHorizontalScale (area.getWidth() / ink.getWidth());
        glyphs = arrange (text, font);
        ink = glyphs.getBoundingBox (0, -1, true);
    }

    // The ink itself is placed, so capitals sit in the optical middle.
    const auto placed = justification.appliedToRectangle (ink, area);
    glyphs.draw (g, juce::AffineTransform::translation (placed.getX() - ink.getX(), placed.getY() - ink.getY()));
}

juce::ColourGradient verticalGradient (juce::Rectangle<float> area, juce::Colour top, juce::Colour bottom)
{
    return juce::ColourGradient (top, 0.0f, area.getY(), bottom, 0.0f, area.getBottom(), false);
}

void drawRaisedBody (juce::Graphics& g, juce::Rectangle<float> area, float corner, juce::Colour faceTop,
                     juce::Colour faceBottom, float rim)
{
    g.setColour (colours::black);
    g.fillRoundedRectangle (area, corner);

    const auto face = area.reduced (rim);
    const auto faceCorner = juce::jmax (0.0f, corner - rim);
    g.setGradientFill (verticalGradient (face, faceTop, faceBottom));
    g.fillRoundedRectangle (face, faceCorner);

    // Light from above catches the upper edge only.
    const auto edge = juce::jmax (1.0f, rim * 0.6f);
    juce::ColourGradient lit (juce::Colours::white.withAlpha (0.20f), 0.0f, face.getY(),
                              juce::Colours::white.withAlpha (0.0f), 0.0f, face.getCentreY(), false);
    g.setGradientFill (lit);
    g.drawRoundedRectangle (face.reduced (edge * 0.5f), faceCorner, edge);
}

void drawRecessedGlass (juce::Graphics& g, juce::Rectangle<float> area, float corner)
{
    // The lower lip of the opening catches a little light.
    g.setColour (juce::Colours::white.withAlpha (0.10f));
    g.fillRoundedRectangle (area.translated (0.0f, 1.5f), corner);
    g.setColour (colours::black);
    g.fillRoundedRectangle (area, corner);

    const auto glass = area.reduced (2.0f);
    g.setGradientFill (verticalGradient (glass, juce::Colour (0xff030303), juce::Colour (0xff0d0d0d)));
    g.fillRoundedRectangle (glass, juce::jmax (0.0f, corner - 2.0f));

    const auto shadow = glass.withHeight (glass.getHeight() * 0.18f);
    g.setGradientFill (verticalGradient (shadow, juce::Colours::black.withAlpha (0.7f), juce::Colours::black.withAlpha (0.0f)));
    g.fillRect (shadow);
}

void drawScrew (juce::Graphics& g, juce::Point<float> centre, float radius, float slotAngle)
{
    const auto outer = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);
    g.setColour (colours::black);
    g.fillEllipse (outer.expanded (radius * 0.12f));
    g.setGradientFill (verticalGradient (outer, juce::Colour (0xff4a4a4a), juce::Colour (0xff1c1c1c)));
    g.fillEllipse (outer);

    const juce::Point<float> direction (std::cos (slotAngle), std::sin (slotAngle));
    const auto from = centre - direction * (radius * 0.72f);
    const auto to = centre + direction * (radius * 0.72f);
    g.setColour (juce::Colour (0xff0a0a0a));
    g.drawLine ({ from, to }, radius * 0.26f);
    g.setColour (juce::Colours::white.withAlpha (0.12f));
    g.drawLine ({ from.translated (0.0f, radius * 0.18f), to.translated (0.0f, radius * 0.18f) }, radius * 0.06f);
}

void drawKnob (juce::Graphics& g, juce::Point<float> centre, float radius, float pointerAngle)
{
    // Scale marks over 300 degrees around the knob.
    g.setColour (colours::highlight);
    constexpr int marks = 11;
    const auto start = juce::MathConstants<float>::pi * (2.0f / 3.0f);
    const auto sweep = juce::MathConstants<float>::pi * (5.0f / 3.0f);
    for (int i = 0; i < marks; ++i)
    {
        const auto angle = start + sweep * (float) i / (float) (marks - 1);
        const juce::Point<float> direction (std::cos (angle), std::sin (angle));
        g.drawLine ({ centre + direction * (radius * 1.22f), centre + direction * (radius * 1.40f) }, radius * 0.07f);
    }

    const auto skirt = juce::Rectangle<float> (radius * 2.0f, radius * 2.0f).withCentre (centre);
    g.setColour (colours::black);
    g.fillEllipse (skirt.expanded (radius * 0.06f));
    g.setGradientFill (verticalGradient (skirt, juce::Colour (0xff2a2a2a), juce::Colour (0xff141414)));
    g.fillEllipse (skirt);

    const auto cap = skirt.reduced (radius * 0.16f);
    g.setGradientFill (verticalGradient (cap, juce::Colour (0xff454545), juce::Colour (0xff1f1f1f)));
    g.fillEllipse (cap);

    const juce::Point<float> direction (std::cos (pointerAngle), std::sin (pointerAngle));
    g.setColour (colours::text);
    juce::Path pointer;
    pointer.addLineSegment ({ centre + direction * (radius * 0.28f), centre + direction * (radius * 0.80f) }, radius * 0.11f);
    g.strokePath (pointer, juce::PathStrokeType (radius * 0.11f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}

void drawKeyboard (juce::Graphics& g, juce::Rectangle<float> area, int whiteKeys, float gap)
{
    const auto keyWidth = (area.getWidth() + gap) / (float) whiteKeys;
    const auto corner = keyWidth * 0.10f;

    for (int i = 0; i < whiteKeys; ++i)
    {
        const juce::Rectangle<float> key (area.getX() + keyWidth * (float) i, area.getY(), keyWidth - gap, area.getHeight());
        juce::Path shape;
        shape.addRoundedRectangle (key.getX(), key.getY(), key.getWidth(), key.getHeight(), corner, corner,
                                   false, false, true, true);
        g.setGradientFill (verticalGradient (key, colours::text, colours::emphasis));
        g.fillPath (shape);
    }

    // Black keys follow the white keys C D E F G A B: after C, D, F, G and A.
    static constexpr bool blackAfter[] = { true, true, false, true, true, true, false };
    const auto blackWidth = keyWidth * 0.58f;
    for (int i = 0; i < whiteKeys - 1; ++i)
    {
        if (! blackAfter[i % 7])
            continue;
        const auto boundary = area.getX() + keyWidth * (float) (i + 1) - gap * 0.5f;
        const juce::Rectangle<float> key (boundary - blackWidth * 0.5f, area.getY(), blackWidth, area.getHeight() * 0.62f);
        juce::Path shape;
        shape.addRoundedRectangle (key.getX(), key.getY(), key.getWidth(), key.getHeight(), corner, corner,
                                   false, false, true, true);
        g.setColour (colours::black);
        g.fillPath (shape);
        // The key's top face, inset from its dark sides.
        const auto top = key.reduced (key.getWidth() * 0.12f, 0.0f).withTrimmedBottom (key.getHeight() * 0.06f);
        juce::Path face;
        face.addRoundedRectangle (top.getX(), top.getY(), top.getWidth(), top.getHeight(), corner * 0.7f,
                                  corner * 0.7f, false, false, true, true);
        g.setGradientFill (verticalGradient (top, juce::Colour (0xff161616), juce::Colour (0xff3a3a3a)));
        g.fillPath (face);
    }
}

juce::Path waveform (juce::Rectangle<float> area, float cycles)
{
    // A saw: slow rises and sheer falls, its corners slightly rounded as an
    // oscillator's output shows on a scope.
    const auto low = area.getBottom();
    const auto high = area.getY();
    const auto period = area.getWidth() / cycles;
    const auto fall = period * 0.06f;

    juce::Path saw;
    auto x = area.getX();
    saw.startNewSubPath (x, (low + high) * 0.5f);
    // The trace begins halfway up its first rise.
    auto peak = x + period * 0.5f;
    while (peak <= area.getRight() + 0.01f)
    {
        saw.lineTo (peak, high);
        const auto bottom = juce::jmin (peak + fall, area.getRight());
        saw.lineTo (bottom, low);
        peak = bottom + period - fall;
    }
    if (peak - period + fall < area.getRight())
        saw.lineTo (area.getRight(), low + (high - low) * (area.getRight() - (peak - period + fall)) / (period - fall));
    return saw.createPathWithRoundedCorners (area.getHeight() * 0.08f);
}
} // namespace panel

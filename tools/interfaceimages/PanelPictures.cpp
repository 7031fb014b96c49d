#include "PanelStyle.h"
#include "Pictures.h"

namespace panel::pictures
{
namespace
{
void drawWaveOnGlass (juce::Graphics& g, juce::Rectangle<float> glass, float cycles, float thickness)
{
    const auto wave = waveform (glass.reduced (glass.getWidth() * 0.07f, glass.getHeight() * 0.12f), cycles);

    // A soft glow first, as a lit display shows.
    for (const auto& [width, alpha] : { std::pair (5.0f, 0.03f), std::pair (3.5f, 0.05f), std::pair (2.2f, 0.08f) })
    {
        g.setColour (colours::emphasis.withAlpha (alpha));
        g.strokePath (wave, juce::PathStrokeType (thickness * width, juce::PathStrokeType::curved,
                                                  juce::PathStrokeType::rounded));
    }
    g.setColour (colours::emphasis);
    g.strokePath (wave, juce::PathStrokeType (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded));
}
} // namespace

void applicationIcon (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto scale = area.getWidth() / 512.0f;
    const auto at = [&] (float x, float y, float w, float h)
    { return juce::Rectangle<float> (x, y, w, h) * scale + area.getPosition(); };

    drawRaisedBody (g, at (16, 16, 480, 480), 96.0f * scale, juce::Colour (0xff303030), juce::Colour (0xff131313),
                    6.0f * scale);

    const auto glass = at (76, 84, 360, 172);
    drawRecessedGlass (g, glass, 18.0f * scale);
    drawWaveOnGlass (g, glass, 1.5f, 8.0f * scale);

    drawKeyboard (g, at (76, 292, 360, 148), 7, 7.0f * scale);
}

void aboutPicture (juce::Graphics& g, juce::Rectangle<float> area)
{
    // Drawn on a 2400 x 1600 plan and scaled to the area.
    const auto scale = area.getWidth() / 2400.0f;
    const auto at = [&] (float x, float y, float w, float h)
    { return juce::Rectangle<float> (x, y, w, h) * scale + area.getPosition(); };

    g.setGradientFill (verticalGradient (area, juce::Colour (0xff1e1e1e), juce::Colour (0xff111111)));
    g.fillRect (area);

    for (const auto& corner : { juce::Point<float> (72, 72), juce::Point<float> (2328, 72),
                                juce::Point<float> (72, 1368), juce::Point<float> (2328, 1368) })
        drawScrew (g, corner * scale + area.getPosition(), 22.0f * scale, 0.5f + corner.x * 0.0003f + corner.y * 0.0004f);

    g.setColour (colours::emphasis);
    drawSpacedText (g, "solivane", lettering (420.0f * scale, true), 0.02f, at (300, 150, 1800, 300),
                    juce::Justification::centred);
    g.setColour (colours::highlight);
    g.fillRect (at (560, 518, 1280, 6));
    g.setColour (colours::text);
    drawSpacedText (g, "SOUND LIBRARIAN", lettering (96.0f * scale, false), 0.42f, at (560, 566, 1280, 72),
                    juce::Justification::centred);

    // A strip of the instrument: its display and a row of knobs over a
    // keyboard.
    const auto glass = at (300, 760, 760, 220);
    drawRecessedGlass (g, glass, 20.0f * scale);
    drawWaveOnGlass (g, glass, 2.5f, 9.0f * scale);

    const float pointers[] = { -2.2f, -1.2f, -0.4f, 0.5f, -1.7f };
    for (int i = 0; i < 5; ++i)
        drawKnob (g, juce::Point<float> (1200.0f + 210.0f * (float) i, 870.0f) * scale + area.getPosition(),
                  58.0f * scale, pointers[i]);

    drawKeyboard (g, at (300, 1070, 1800, 300), 22, 9.0f * scale);

    // The dark band that carries the version and copyright lines.
    g.setColour (juce::Colour (0xff080808));
    g.fillRect (at (0, 1440, 2400, 160));
    g.setColour (colours::control);
    g.fillRect (at (0, 1440, 2400, 4));
}
} // namespace panel::pictures

#include "PanelStyle.h"
#include "Pictures.h"

namespace panel::pictures
{
void headerButton (juce::Graphics& g, juce::Rectangle<float> area, bool pressed)
{
    const auto body = area.reduced (1.0f);
    constexpr float corner = 8.0f;
    constexpr float rim = 2.5f;

    if (! pressed)
    {
        drawRaisedBody (g, body, corner, juce::Colour (0xff3e3e3e), juce::Colour (0xff262626), rim);
        return;
    }

    // Held down, the key sinks: a darker face lit from below, shadowed along
    // its top edge, inside a ring that shows it is engaged.
    g.setColour (colours::black);
    g.fillRoundedRectangle (body, corner);
    const auto face = body.reduced (rim);
    g.setGradientFill (verticalGradient (face, juce::Colour (0xff181818), juce::Colour (0xff2c2c2c)));
    g.fillRoundedRectangle (face, corner - rim);

    const auto shadow = face.withHeight (face.getHeight() * 0.3f);
    juce::Path facePath;
    facePath.addRoundedRectangle (face, corner - rim);
    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (facePath);
    g.setGradientFill (verticalGradient (shadow, colours::black.withAlpha (0.6f), colours::black.withAlpha (0.0f)));
    g.fillRect (shadow);
    g.setColour (colours::highlight.withAlpha (0.8f));
    g.drawRoundedRectangle (face.reduced (0.75f), corner - rim, 1.5f);
}

void headerDecoration (juce::Graphics& g, juce::Rectangle<float> area)
{
    const auto wordmark = juce::Rectangle<float> (area.getX() + 8.0f, area.getY() + 6.0f, area.getWidth() - 16.0f, 56.0f);
    g.setColour (colours::emphasis);
    drawSpacedText (g, "solivane", lettering (70.0f, true), 0.02f, wordmark, juce::Justification::centred);

    const auto ruleY = area.getY() + 71.0f;
    g.setColour (colours::highlight);
    g.fillRect (juce::Rectangle<float> (wordmark.getX(), ruleY, wordmark.getWidth(), 2.0f));

    g.setColour (colours::text);
    drawSpacedText (g, "SOUND LIBRARIAN", lettering (18.0f, false), 0.42f,
                    juce::Rectangle<float> (wordmark.getX(), ruleY + 9.0f, wordmark.getWidth(), 14.0f),
                    juce::Justification::centred);
}

void displayBezel (juce::Graphics& g, juce::Rectangle<float> area)
{
    drawRaisedBody (g, area.reduced (1.0f), 14.0f, juce::Colour (0xff333333), juce::Colour (0xff1a1a1a), 3.0f);

    // The glass covers the display's whole area in the header.
    const juce::Rectangle<float> glass (area.getX() + 40.0f, area.getY() + 10.0f, area.getWidth() - 80.0f,
                                        area.getHeight() - 20.0f);
    drawRecessedGlass (g, glass, 6.0f);

    drawScrew (g, { area.getX() + 20.0f, area.getCentreY() }, 7.0f, 0.6f);
    drawScrew (g, { area.getRight() - 20.0f, area.getCentreY() }, 7.0f, 2.2f);
}

void caption (juce::Graphics& g, juce::Rectangle<float> area, const juce::String& text)
{
    g.setColour (colours::emphasis);
    drawSpacedText (g, text, lettering (17.0f, true), 0.06f, area.reduced (2.0f, 3.0f), juce::Justification::centred);
}

void favoriteTile (juce::Graphics& g, juce::Rectangle<float> area, bool dragOver)
{
    const auto body = area.reduced (1.0f);
    constexpr float corner = 10.0f;

    if (! dragOver)
    {
        drawRaisedBody (g, body, corner, juce::Colour (0xff2a2a2a), juce::Colour (0xff1a1a1a), 2.5f);
        return;
    }

    // A drag over the tile lights it: a brighter face inside a light ring.
    drawRaisedBody (g, body, corner, juce::Colour (0xff4d4d4d), juce::Colour (0xff353535), 2.5f);
    g.setColour (colours::text);
    g.drawRoundedRectangle (body.reduced (2.0f), corner - 2.0f, 3.0f);
}
} // namespace panel::pictures

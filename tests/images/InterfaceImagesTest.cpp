#include "InterfaceImagePainter.h"
#include "resources/InterfaceImages.h"
#include "support/InterfaceSetUp.h"
#include "support/Snapshot.h"
#include "ui/FontLibrary.h"

#include <gtest/gtest.h>

#include <set>

using x48305_ui::InterfaceImageId;
using x48305_ui::InterfaceImages;

namespace
{
struct ExpectedImage
{
    InterfaceImageId id;
    juce::Image (*decode)();
    int width;
    int height;
    const char* name;
};

const ExpectedImage expectedImages[] = {
    { InterfaceImageId::applicationIcon, &InterfaceImages::applicationIcon, 512, 512, "application-icon" },
    { InterfaceImageId::headerButtonNormal, &InterfaceImages::headerButtonNormal, 160, 48, "header-button-normal" },
    { InterfaceImageId::headerButtonPressed, &InterfaceImages::headerButtonPressed, 160, 48, "header-button-pressed" },
    { InterfaceImageId::headerDecoration, &InterfaceImages::headerDecoration, 348, 100, "header-decoration" },
    { InterfaceImageId::displayBezel, &InterfaceImages::displayBezel, 524, 104, "display-bezel" },
    { InterfaceImageId::userOscFxCaption, &InterfaceImages::userOscFxCaption, 140, 20, "caption-user-osc-fx" },
    { InterfaceImageId::programsCaption, &InterfaceImages::programsCaption, 120, 20, "caption-programs" },
    { InterfaceImageId::favoriteTileNormal, &InterfaceImages::favoriteTileNormal, 168, 80, "favorite-tile-normal" },
    { InterfaceImageId::favoriteTileDrop, &InterfaceImages::favoriteTileDrop, 168, 80, "favorite-tile-drop" },
    { InterfaceImageId::aboutPicture, &InterfaceImages::aboutPicture, 2400, 1600, "about-picture" },
};

float averageBrightness (const juce::Image& image, juce::Rectangle<int> area)
{
    double sum = 0.0;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            sum += image.getPixelAt (x, y).getBrightness();
    return (float) (sum / (double) (area.getWidth() * area.getHeight()));
}

float maximumBrightness (const juce::Image& image, juce::Rectangle<int> area)
{
    float most = 0.0f;
    for (int y = area.getY(); y < area.getBottom(); ++y)
        for (int x = area.getX(); x < area.getRight(); ++x)
            most = juce::jmax (most, image.getPixelAt (x, y).getBrightness());
    return most;
}
} // namespace

// Every picture decodes at its size, with content: many colours, a real
// range of brightness, and ink over a good part of it.
TEST (InterfaceImages, EachDecodesAtItsSizeAndShowsSomething)
{
    ASSERT_EQ (std::size (expectedImages), x48305_ui::interfaceImageCount);
    for (const auto& expected : expectedImages)
    {
        SCOPED_TRACE (expected.name);
        const auto embedded = x48305_ui::getEmbeddedInterfaceImage (expected.id);
        ASSERT_NE (embedded.data, nullptr);
        ASSERT_GT (embedded.size, 8u);
        EXPECT_EQ (std::memcmp (embedded.data, "\x89PNG\r\n\x1a\n", 8), 0);

        const auto image = expected.decode();
        ASSERT_TRUE (image.isValid());
        EXPECT_EQ (image.getWidth(), expected.width);
        EXPECT_EQ (image.getHeight(), expected.height);

        const int step = juce::jmax (1, image.getWidth() / 400);
        std::set<juce::uint32> colours;
        int inked = 0, samples = 0;
        float darkest = 1.0f, brightest = 0.0f;
        for (int y = 0; y < image.getHeight(); y += step)
            for (int x = 0; x < image.getWidth(); x += step)
            {
                const auto pixel = image.getPixelAt (x, y);
                ++samples;
                colours.insert (pixel.getARGB());
                if (pixel.getAlpha() > 128)
                    ++inked;
                // As it shows on black.
                const auto shown = pixel.getBrightness() * pixel.getFloatAlpha();
                darkest = juce::jmin (darkest, shown);
                brightest = juce::jmax (brightest, shown);
            }
        EXPECT_GE (colours.size(), 20u);
        EXPECT_GT (inked * 10, samples) << "less than a tenth is drawn";
        EXPECT_GT (brightest - darkest, 0.12f);

        // Shown on the panel's ground, where the clear parts belong.
        juce::Image shown (juce::Image::RGB, image.getWidth(), image.getHeight(), false);
        {
            juce::Graphics g (shown);
            g.fillAll (juce::Colour (0xff111111));
            g.drawImageAt (image, 0, 0);
        }
        testsupport::writeSnapshot (shown, juce::String ("image-") + expected.name);
    }
}

// The build drew the embedded pictures; drawing them again gives the same
// bytes, so every build embeds the same files.
TEST (InterfaceImages, ASecondDrawingGivesTheSameBytes)
{
    for (const auto& spec : x48305_ui::interfaceImageSpecs)
    {
        SCOPED_TRACE (spec.fileName);
        const auto again = panel::encodePng (panel::paintInterfaceImage (spec.id));
        const auto embedded = x48305_ui::getEmbeddedInterfaceImage (spec.id);
        ASSERT_EQ (again.getSize(), embedded.size);
        EXPECT_EQ (std::memcmp (again.getData(), embedded.data, embedded.size), 0);
    }
}

// The captions are white capitals on a clear ground, spread over the image.
TEST (InterfaceImages, CaptionsAreWhiteLettersOnAClearGround)
{
    for (auto* decode : { &InterfaceImages::userOscFxCaption, &InterfaceImages::programsCaption })
    {
        const auto image = decode();
        int left = image.getWidth(), right = -1, top = image.getHeight(), bottom = -1;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
            {
                const auto pixel = image.getPixelAt (x, y);
                if (pixel.getAlpha() == 0)
                    continue;
                // Only white, however faint its edge.
                EXPECT_GT (pixel.getBrightness(), 0.97f) << x << "," << y;
                if (pixel.getAlpha() > 200)
                {
                    left = juce::jmin (left, x);
                    right = juce::jmax (right, x);
                    top = juce::jmin (top, y);
                    bottom = juce::jmax (bottom, y);
                }
            }
        EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);
        EXPECT_GT (right - left, image.getWidth() * 3 / 4);
        EXPECT_GE (bottom - top, 10);
        EXPECT_GE (top, 1);
        EXPECT_LE (bottom, image.getHeight() - 2);
    }
}

// Light grey and white type must read on every ground it is drawn on.
TEST (InterfaceImages, TextGroundsAreDark)
{
    const auto bezel = InterfaceImages::displayBezel();
    // Where the header draws the two display lines (at twice the size).
    EXPECT_LT (maximumBrightness (bezel, { 62, 14, 408, 76 }), 0.08f);
    EXPECT_GT (bezel.getPixelAt (12, 52).getAlpha(), 250);

    const auto normalTile = InterfaceImages::favoriteTileNormal();
    const auto dropTile = InterfaceImages::favoriteTileDrop();
    const juce::Rectangle<int> tileText (12, 6, 144, 70);
    EXPECT_LT (averageBrightness (normalTile, tileText), 0.2f);
    EXPECT_LT (averageBrightness (dropTile, tileText), 0.4f);
    EXPECT_GT (averageBrightness (dropTile, tileText), averageBrightness (normalTile, tileText) + 0.05f);

    const auto up = InterfaceImages::headerButtonNormal();
    const auto down = InterfaceImages::headerButtonPressed();
    EXPECT_LT (averageBrightness (up, { 20, 10, 120, 28 }), 0.3f);
    EXPECT_LT (averageBrightness (down, { 20, 10, 120, 28 }), averageBrightness (up, { 20, 10, 120, 28 }));

    // The About box's two lines sit on its dark band.
    const auto about = InterfaceImages::aboutPicture();
    EXPECT_LT (maximumBrightness (about, { 0, 1450, 2400, 150 }), 0.05f);

    // The icon is a rounded tile: clear corners, solid middle.
    const auto icon = InterfaceImages::applicationIcon();
    EXPECT_EQ (icon.getPixelAt (2, 2).getAlpha(), 0);
    EXPECT_EQ (icon.getPixelAt (256, 480).getAlpha(), 255);
}

// The pictures as the header, the favourites grid and the About box show
// them: at half their pixel size, with the texts drawn over them.
TEST (InterfaceImages, PreviewInPlace)
{
    testsupport::setUpInterfaceFonts();
    auto* fonts = ui::FontLibrary::getInstance();

    for (int scale : { 1, 2 })
    {
        juce::Image preview (juce::Image::RGB, 870 * scale, 205 * scale, true);
        juce::Graphics g (preview);
        g.addTransform (juce::AffineTransform::scale ((float) scale));
        g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);
        g.fillAll (juce::Colour (0xff111111));
        g.setColour (juce::Colours::black);
        g.fillRect (276, 20, 212, 42);
        g.drawImage (InterfaceImages::headerDecoration(), juce::Rectangle<float> (39, 19, 174, 50));
        g.drawImage (InterfaceImages::displayBezel(), juce::Rectangle<float> (252, 17, 264, 52));
        g.drawImage (InterfaceImages::userOscFxCaption(), juce::Rectangle<float> (765, 5, 70, 10));
        g.drawImage (InterfaceImages::programsCaption(), juce::Rectangle<float> (603, 5, 60, 10));

        const std::tuple<const char*, juce::Rectangle<int>, bool> buttons[] = {
            { "SEND ALL", { 640, 18, 80, 24 }, false }, { "SEND", { 548, 17, 80, 24 }, false },
            { "RECEIVE", { 548, 43, 80, 24 }, true },   { "RECEIVE ALL", { 640, 43, 80, 24 }, false },
            { "SEND ALL", { 761, 18, 80, 24 }, false }, { "RECEIVE ALL", { 761, 43, 80, 24 }, false },
        };
        for (const auto& [text, bounds, pressed] : buttons)
        {
            g.drawImage (pressed ? InterfaceImages::headerButtonPressed() : InterfaceImages::headerButtonNormal(),
                         bounds.toFloat());
            g.setColour (juce::Colour (0xffd3d3d3));
            g.setFont (fonts->getFont ("HeaderModeButton"));
            g.drawText (text, bounds, juce::Justification::centred, true);
        }

        g.setColour (juce::Colours::white);
        g.setFont (fonts->getFont ("HeaderProgDisplay"));
        g.drawText ("    Prog 001", 283, 23, 192, 18, juce::Justification::centred);
        g.drawText ("  Init Program", 283, 41, 192, 18, juce::Justification::centred);

        for (int slot = 0; slot < 8; ++slot)
        {
            const juce::Rectangle<int> tile (85 + 97 * slot, 100, 84, 40);
            g.drawImage (slot == 2 ? InterfaceImages::favoriteTileDrop() : InterfaceImages::favoriteTileNormal(),
                         tile.toFloat());
            g.setColour (juce::Colour (0xffd3d3d3));
            g.setFont (fonts->getFont ("FavoriteDisplayNumber"));
            g.drawText (slot < 6 ? juce::String::formatted ("%03d", slot * 7 + 1) : juce::String ("---"),
                        tile.getX() + 6, tile.getY() + 3, 70, 20, juce::Justification::centred, false);
            g.setFont (fonts->getFont ("FavoriteDisplayName"));
            g.drawFittedText (slot < 6 ? juce::String ("Init Program") : juce::String ("------"),
                              tile.getX() + 6, tile.getY() + 18, 70, 20, juce::Justification::centred, 1, 0.0f);
        }
        g.drawImage (InterfaceImages::applicationIcon(), juce::Rectangle<float> (85, 150, 48, 48));

        testsupport::writeSnapshot (preview, "images-in-place-x" + juce::String (scale));
    }
}

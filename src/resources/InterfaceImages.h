#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstddef>

namespace x48305_ui
{
// Every picture of the interface. They are drawn at build time by the
// project's own tool (tools/interfaceimages), embedded as PNG files and
// decoded through the framework's image cache.
enum class InterfaceImageId
{
    applicationIcon,
    headerButtonNormal,
    headerButtonPressed,
    headerDecoration,
    displayBezel,
    userOscFxCaption,
    programsCaption,
    favoriteTileNormal,
    favoriteTileDrop,
    aboutPicture,
};

// What the tool draws for each picture: its file name and pixel size.
struct InterfaceImageSpec
{
    InterfaceImageId id;
    const char* fileName;
    int width;
    int height;
};

inline constexpr InterfaceImageSpec interfaceImageSpecs[] = {
    { InterfaceImageId::applicationIcon, "ApplicationIcon.png", 512, 512 },
    { InterfaceImageId::headerButtonNormal, "HeaderButtonNormal.png", 160, 48 },
    { InterfaceImageId::headerButtonPressed, "HeaderButtonPressed.png", 160, 48 },
    { InterfaceImageId::headerDecoration, "HeaderDecoration.png", 348, 100 },
    { InterfaceImageId::displayBezel, "DisplayBezel.png", 524, 104 },
    { InterfaceImageId::userOscFxCaption, "UserOscFxCaption.png", 140, 20 },
    { InterfaceImageId::programsCaption, "ProgramsCaption.png", 120, 20 },
    { InterfaceImageId::favoriteTileNormal, "FavoriteTileNormal.png", 168, 80 },
    { InterfaceImageId::favoriteTileDrop, "FavoriteTileDrop.png", 168, 80 },
    { InterfaceImageId::aboutPicture, "AboutPicture.png", 2400, 1600 },
};

inline constexpr std::size_t interfaceImageCount = sizeof (interfaceImageSpecs) / sizeof (interfaceImageSpecs[0]);

// The PNG bytes of one picture as embedded. Linked in from the library
// slvn_interface_images that the build makes.
struct EmbeddedImageData
{
    const unsigned char* data;
    std::size_t size;
};

EmbeddedImageData getEmbeddedInterfaceImage (InterfaceImageId id);

// The decoded pictures, by what they show.
class InterfaceImages
{
public:
    // The application's icon (main window and preset window), 512 x 512.
    static juce::Image applicationIcon();

    // The face of the header's transfer buttons, 160 x 48, up and held down.
    static juce::Image headerButtonNormal();
    static juce::Image headerButtonPressed();

    // The product lettering left of the display, 348 x 100, transparent ground.
    static juce::Image headerDecoration();

    // The frame and glass of the two-line program display, 524 x 104.
    static juce::Image displayBezel();

    // White capitals on a transparent ground above the header's button
    // groups: "USER OSC/FX" 140 x 20 and "PROGRAMS" 120 x 20.
    static juce::Image userOscFxCaption();
    static juce::Image programsCaption();

    // A favourites tile, 168 x 80: as it rests, and while a drag is over it.
    static juce::Image favoriteTileNormal();
    static juce::Image favoriteTileDrop();

    // The About box's picture, 2400 x 1600, with a dark band along the
    // bottom where the version and copyright lines sit.
    static juce::Image aboutPicture();

    // Any of them by id.
    static juce::Image get (InterfaceImageId id);
};
} // namespace x48305_ui

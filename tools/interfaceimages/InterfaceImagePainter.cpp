#include "InterfaceImagePainter.h"

#include "PanelStyle.h"
#include "Pictures.h"

namespace panel
{
namespace
{
const x48305_ui::InterfaceImageSpec& specOf (x48305_ui::InterfaceImageId id)
{
    for (const auto& spec : x48305_ui::interfaceImageSpecs)
        if (spec.id == id)
            return spec;
    jassertfalse;
    return x48305_ui::interfaceImageSpecs[0];
}

void paint (juce::Graphics& g, x48305_ui::InterfaceImageId id, juce::Rectangle<float> area)
{
    using Id = x48305_ui::InterfaceImageId;
    switch (id)
    {
        case Id::applicationIcon: pictures::applicationIcon (g, area); break;
        case Id::headerButtonNormal: pictures::headerButton (g, area, false); break;
        case Id::headerButtonPressed: pictures::headerButton (g, area, true); break;
        case Id::headerDecoration: pictures::headerDecoration (g, area); break;
        case Id::displayBezel: pictures::displayBezel (g, area); break;
        case Id::userOscFxCaption: pictures::caption (g, area, "USER OSC/FX"); break;
        case Id::programsCaption: pictures::caption (g, area, "PROGRAMS"); break;
        case Id::favoriteTileNormal: pictures::favoriteTile (g, area, false); break;
        case Id::favoriteTileDrop: pictures::favoriteTile (g, area, true); break;
        case Id::aboutPicture: pictures::aboutPicture (g, area); break;
    }
}
} // namespace

juce::Image paintInterfaceImage (x48305_ui::InterfaceImageId id)
{
    const auto& spec = specOf (id);
    // A software image: its pixels do not depend on any display.
    juce::Image image (juce::Image::ARGB, spec.width, spec.height, true, juce::SoftwareImageType());
    {
        const LetteringScope letteringScope;
        juce::Graphics g (image);
        g.setImageResamplingQuality (juce::Graphics::highResamplingQuality);
        paint (g, id, image.getBounds().toFloat());
    }
    return image;
}

juce::MemoryBlock encodePng (const juce::Image& image)
{
    juce::MemoryOutputStream out;
    juce::PNGImageFormat().writeImageToStream (image, out);
    return out.getMemoryBlock();
}
} // namespace panel

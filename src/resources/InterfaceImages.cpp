#include "resources/InterfaceImages.h"

namespace x48305_ui
{
juce::Image InterfaceImages::get (InterfaceImageId id)
{
    const auto embedded = getEmbeddedInterfaceImage (id);
    return juce::ImageCache::getFromMemory (embedded.data, (int) embedded.size);
}

juce::Image InterfaceImages::applicationIcon() { return get (InterfaceImageId::applicationIcon); }
juce::Image InterfaceImages::headerButtonNormal() { return get (InterfaceImageId::headerButtonNormal); }
juce::Image InterfaceImages::headerButtonPressed() { return get (InterfaceImageId::headerButtonPressed); }
juce::Image InterfaceImages::headerDecoration() { return get (InterfaceImageId::headerDecoration); }
juce::Image InterfaceImages::displayBezel() { return get (InterfaceImageId::displayBezel); }
juce::Image InterfaceImages::userOscFxCaption() { return get (InterfaceImageId::userOscFxCaption); }
juce::Image InterfaceImages::programsCaption() { return get (InterfaceImageId::programsCaption); }
juce::Image InterfaceImages::favoriteTileNormal() { return get (InterfaceImageId::favoriteTileNormal); }
juce::Image InterfaceImages::favoriteTileDrop() { return get (InterfaceImageId::favoriteTileDrop); }
juce::Image InterfaceImages::aboutPicture() { return get (InterfaceImageId::aboutPicture); }
} // namespace x48305_ui

#include "ui/PresetWindow.h"

#include "application/CPXWResource.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "resources/InterfaceImages.h"
#include "ui/PresetListComponent.h"
#include "ui/PresetWindowManager.h"
#include "ui/StoredWindowBounds.h"

namespace x48305_ui
{
namespace keys = x48305_preferences::keys;

PresetWindow::PresetWindow (PresetWindowManager& owner)
    : juce::DocumentWindow (getLocalizedText ("PresetWindowTitle"), juce::Colour (0xffffffff),
                            juce::DocumentWindow::closeButton, true),
      manager (owner)
{
    // The title bar comes first: the list then fills the whole window, and
    // the size it gives the window is the size that is stored.
    setUsingNativeTitleBar (true);
    setContentOwned (new PresetListComponent(), true);
    restoreBounds();
    setVisible (true);
    setResizable (true, false);
    // Framed, the window must lie whole on its display, frame included.
    framed = std::make_unique<ui::WhenFramed> (*this, [this] (juce::BorderSize<int> frame, juce::Rectangle<int> frameBounds) {
        ui::StoredWindowBounds::fitFramedWindowOnDisplay (*this, frame, frameBounds, { minimumSize, minimumSize });
    });

    // Last: the steps above may give the window a new native window, and the
    // window system shows the icon of the native window it has.
    showIcon (InterfaceImages::applicationIcon());
}

PresetWindow::~PresetWindow()
{
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    preferences->setInt (keys::presetWindowPositionX, savedX);
    preferences->setInt (keys::presetWindowPositionY, savedY);
    preferences->setInt (keys::presetWindowWidth, savedWidth);
    preferences->setInt (keys::presetWindowHeight, savedHeight);
}

void PresetWindow::restoreBounds()
{
    const auto* preferences = x48305_preferences::PreferencesData::getInstance();
    ui::StoredWindowBounds stored;
    stored.x = preferences->getInt (keys::presetWindowPositionX, -1);
    stored.y = preferences->getInt (keys::presetWindowPositionY, -1);
    stored.width = preferences->getInt (keys::presetWindowWidth, getWidth());
    stored.height = preferences->getInt (keys::presetWindowHeight, getHeight());

    if (stored.shouldCentre (ui::StoredWindowBounds::getConnectedDisplayAreas(), minimumSize))
    {
        const auto size = stored.getSize (minimumSize);
        centreWithSize (size.x, size.y);
    }
    else
    {
        setBounds (ui::StoredWindowBounds::fittedOnDisplay (stored.getBounds (minimumSize), {},
                                                            ui::StoredWindowBounds::getConnectedDisplayAreas(),
                                                            { minimumSize, minimumSize }));
    }
    saveBounds();
}

void PresetWindow::showIcon (const juce::Image& icon)
{
    // The window's own setIcon only reaches a title bar the framework draws;
    // this window has the window system's, which takes it from the peer.
    setIcon (icon);
    if (auto* peer = getPeer())
        peer->setIcon (icon);
}

void PresetWindow::saveBounds()
{

    const auto corner = ui::StoredWindowBounds::outerCorner (*this);
    savedX = corner.x;
    savedY = corner.y;
    savedWidth = getWidth();
    savedHeight = getHeight();
}

void PresetWindow::closeButtonPressed()
{
    manager.closeWindow();
}

void PresetWindow::moved()
{
    juce::DocumentWindow::moved();
    saveBounds();
}

void PresetWindow::resized()
{
    juce::DocumentWindow::resized();
    saveBounds();
}
} // namespace x48305_ui

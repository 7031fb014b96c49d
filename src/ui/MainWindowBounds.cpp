#include "ui/MainWindowBounds.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "ui/StoredWindowBounds.h"

namespace x48305_ui
{
MainWindowBounds MainWindowBounds::compute (const Stored& stored, juce::Point<int> currentSize,
                                            const juce::Array<juce::Rectangle<int>>& displayAreas)
{
    const int height = stored.height > 0 ? stored.height : currentSize.y;

    MainWindowBounds result;
    result.maximised = stored.maximised;
    const ui::StoredWindowBounds place { stored.x, stored.y, juce::jmax (currentSize.x, minimumWidth),
                                         juce::jlimit (minimumHeight, maximumHeight, height) };
    result.restorePosition = ! place.shouldCentre (displayAreas, 1);
    result.bounds = place.getBounds (1);
    if (result.restorePosition)
        result.bounds = ui::StoredWindowBounds::fittedOnDisplay (result.bounds, {}, displayAreas,
                                                                 { result.bounds.getWidth(), minimumHeight });
    return result;
}

MainWindowBounds::Stored MainWindowBounds::readStored()
{
    namespace keys = x48305_preferences::keys;
    const auto* preferences = x48305_preferences::PreferencesData::getInstance();
    Stored stored;
    stored.x = preferences->getInt (keys::mainWindowPositionX, -1);
    stored.y = preferences->getInt (keys::mainWindowPositionY, -1);
    stored.height = preferences->getInt (keys::mainWindowHeight, 0);
    stored.maximised = preferences->getBool (keys::mainWindowMaximized, false);
    return stored;
}

void MainWindowBounds::store (juce::Rectangle<int> windowBounds, bool maximised)
{
    namespace keys = x48305_preferences::keys;
    auto* preferences = x48305_preferences::PreferencesData::getInstance();
    preferences->setInt (keys::mainWindowPositionX, windowBounds.getX());
    preferences->setInt (keys::mainWindowPositionY, windowBounds.getY());
    preferences->setInt (keys::mainWindowWidth, windowBounds.getWidth());
    preferences->setInt (keys::mainWindowHeight, windowBounds.getHeight());
    preferences->setBool (keys::mainWindowMaximized, maximised);
}
} // namespace x48305_ui

#include "ui/PresetWindowManager.h"

#include "action/PresetDataChangeBroadcaster.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"
#include "application/PreferencesDataChangeBroadcaster.h"

namespace x48305_ui
{
PresetWindowManager::PresetWindowManager()
{
    // The window still talks to these while it is deleted. Made before this
    // manager, they are deleted after it at shutdown.
    x48305_preferences::PreferencesData::getInstance();
    data::PresetDataChangeBroadcaster::getInstance();
    application::PreferencesDataChangeBroadcaster::getInstance();
}

PresetWindowManager::~PresetWindowManager()
{
    cancelPendingUpdate();
    window.reset();
}

void PresetWindowManager::openWindow()
{
    if (window != nullptr)
        return;

    window.reset (new PresetWindow (*this));
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::showPresetWindow, true);
}

void PresetWindowManager::closeWindow()
{
    triggerAsyncUpdate();
}

void PresetWindowManager::handleAsyncUpdate()
{
    if (window == nullptr)
        return;

    window.reset();
    x48305_preferences::PreferencesData::getInstance()->setBool (x48305_preferences::keys::showPresetWindow, false);
}
} // namespace x48305_ui

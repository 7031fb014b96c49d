#include "application/PreferencesDataUpdater.h"

#include "application/ApplicationFonts.h"
#include "application/PreferenceKeys.h"
#include "application/PreferencesDataChangeBroadcaster.h"
#include "midi/MidiDeviceManager.h"
#include "ui/FontLibrary.h"

namespace x48305_preferences
{
PreferencesDataUpdater::PreferencesDataUpdater (PreferencesData& store)
    : preferences (store)
{
}

void PreferencesDataUpdater::apply()
{
    applyMidiSettings();
    applyFontSettings();
}

void PreferencesDataUpdater::applyChanged()
{
    applyMidiSettings();

    if (preferences.getBool (keys::midiPortAutoScan, true))
        startDeviceSearch();

    applyFontSettings();
}

MidiPortSettings PreferencesDataUpdater::readMidiPortSettings() const
{
    MidiPortSettings settings;
    settings.autoScan = preferences.getBool (keys::midiPortAutoScan, true);

    // Fixed ports are read only when automatic search is off.
    if (! settings.autoScan)
    {
        settings.inPort = preferences.getString (keys::midiInPort, {});
        settings.outPort = preferences.getString (keys::midiOutPort, {});
    }
    return settings;
}

void PreferencesDataUpdater::applyMidiSettings()
{
    applyMidiPortSettingsToDeviceManager (readMidiPortSettings());
}

void PreferencesDataUpdater::applyFontSettings()
{
    auto size = x48305_application::listFontSizeForRowHeight (preferences.getInt (keys::programListHeight, 0));
    auto* fonts = ui::FontLibrary::getInstance();

    for (auto& key : x48305_application::getListFontKeys())
        fonts->setFontHeight (key, size);

    application::PreferencesDataChangeBroadcaster::getInstance()->notify();
}

void PreferencesDataUpdater::applyMidiPortSettingsToDeviceManager (const MidiPortSettings& settings)
{
    auto* manager = midi::MidiDeviceManager::getInstance();
    manager->setAutoScan (settings.autoScan);

    // In auto-scan mode the fixed port names are left as they were.
    if (! settings.autoScan)
    {
        manager->setInPortName (settings.inPort);
        manager->setOutPortName (settings.outPort);
    }
}

void PreferencesDataUpdater::startDeviceSearch()
{
    midi::MidiDeviceManager::getInstance()->startScan();
}
} // namespace x48305_preferences

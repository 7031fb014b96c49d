#pragma once

#include "application/PreferencesData.h"

namespace x48305_preferences
{
// The MIDI port settings as the preferences hold them.
struct MidiPortSettings
{
    bool autoScan = true;
    juce::String inPort;
    juce::String outPort;
};

// Pushes the preferences into the parts of the program that follow them: the
// MIDI port settings into the device manager and the list row height into
// the list fonts, then tells the observers. A short-lived stack object.
class PreferencesDataUpdater
{
public:
    explicit PreferencesDataUpdater (PreferencesData& store = *PreferencesData::getInstance());

    // Start-up: MIDI settings, then fonts (which ends with the notice).
    void apply();

    // After a confirmed preferences dialog: as apply(), with a new device
    // search in between when automatic search is on.
    void applyChanged();

    void applyMidiSettings();

    // The list fonts get 60 per cent of "ProgramListHeight"; then the
    // preferences notice.
    void applyFontSettings();

    MidiPortSettings readMidiPortSettings() const;

private:
    // The device manager's side of the MIDI settings.
    void applyMidiPortSettingsToDeviceManager (const MidiPortSettings& settings);
    void startDeviceSearch();

    PreferencesData& preferences;
};
} // namespace x48305_preferences

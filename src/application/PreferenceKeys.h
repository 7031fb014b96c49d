#pragma once

// The keys of the preferences store (PreferencesData).
namespace x48305_preferences::keys
{
inline constexpr const char* autoReceive = "AutoReceive";
inline constexpr const char* midiPortAutoScan = "MidiPortAutoScan";
inline constexpr const char* midiInPort = "MidiInPort";
inline constexpr const char* midiOutPort = "MidiOutPort";
inline constexpr const char* warnBeforeWriting = "WarnBeforeWriting";
inline constexpr const char* lastSavedFolder = "LastSavedFolder";
inline constexpr const char* showPresetWindow = "ShowPresetWindow";
inline constexpr const char* programListHeight = "ProgramListHeight";
inline constexpr const char* mainWindowWidth = "MainWindowWidth";
inline constexpr const char* mainWindowHeight = "MainWindowHeight";
inline constexpr const char* mainWindowPositionX = "MainWindowPositionX";
inline constexpr const char* mainWindowPositionY = "MainWindowPositionY";
inline constexpr const char* mainWindowMaximized = "MainWindowMaximized";
inline constexpr const char* presetWindowWidth = "PresetWindowWidth";
inline constexpr const char* presetWindowHeight = "PresetWindowHeight";
inline constexpr const char* presetWindowPositionX = "PresetWindowPositionX";
inline constexpr const char* presetWindowPositionY = "PresetWindowPositionY";
} // namespace x48305_preferences::keys

// The preferences store loading its file from the preferences folder (in a
// home folder of the fuzzing process), serving every key, and writing the
// file back as it does at shutdown.
#include "FuzzSupport.h"

#include "application/PreferenceKeys.h"
#include "application/PreferencesData.h"

#include <cstddef>
#include <cstdint>

namespace
{
namespace keys = x48305_preferences::keys;

const char* const allKeys[] = {
    keys::autoReceive,       keys::midiPortAutoScan,  keys::midiInPort,          keys::midiOutPort,
    keys::warnBeforeWriting, keys::lastSavedFolder,   keys::showPresetWindow,    keys::programListHeight,
    keys::mainWindowWidth,   keys::mainWindowHeight,  keys::mainWindowPositionX, keys::mainWindowPositionY,
    keys::presetWindowWidth, keys::presetWindowHeight, keys::presetWindowPositionX, keys::presetWindowPositionY,
};
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    fuzzsupport::useTemporaryHome();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    using x48305_preferences::PreferencesData;

    fuzzsupport::writeFile (PreferencesData::getFile(), data, size);

    {
        PreferencesData preferences;
        x48305_preferences::setUpPreferenceDefaults (preferences);
        for (const auto* key : allKeys)
        {
            (void) preferences.getString (key, "x");
            (void) preferences.getInt (key, -1);
            (void) preferences.getBool (key, false);
        }
        preferences.setInt (keys::mainWindowWidth, 800);
    } // saved here, as at shutdown

    // What was written reads back.
    PreferencesData reloaded;
    if (reloaded.getInt (keys::mainWindowWidth, -1) != 800)
        __builtin_trap();
    return 0;
}

// The localisation resources as shipped, and a preferences file written by
// the preferences store itself.
#include "SeedWriter.h"

#include "application/PreferencesData.h"

#include <cstdlib>

namespace seeds
{
void writeApplicationFileSeeds (SeedWriter& writer, const juce::File& resourceFolder)
{
    for (const auto* language : { "en", "ja" })
    {
        const auto file = resourceFolder.getChildFile (language).getChildFile ("LocalizableStrings.xml");
        juce::MemoryBlock bytes;
        if (file.loadFileAsData (bytes) && bytes.getSize() > 0)
            writer.write ("fuzz_resource", juce::String ("strings-") + language, bytes);
        else
            writer.fail ("cannot read " + file.getFullPathName());
    }

    // The preferences store writes into the preferences folder of the home
    // folder; a home folder of its own keeps the real one untouched.
    const auto home = juce::File::createTempFile ("seed-home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    {
        x48305_preferences::PreferencesData preferences;
        x48305_preferences::setUpPreferenceDefaults (preferences);
        preferences.setInt ("MainWindowWidth", 1024);
        preferences.setString ("MidiInPort", juce::String::fromUTF8 (u8"Port <1> & \u30dd\u30fc\u30c8"));
        preferences.save();
    }
    juce::MemoryBlock saved;
    if (x48305_preferences::PreferencesData::getFile().loadFileAsData (saved) && saved.getSize() > 0)
        writer.write ("fuzz_preferences", "defaults", saved);
    else
        writer.fail ("the preferences store wrote no file");
    home.deleteRecursively();
}
} // namespace seeds

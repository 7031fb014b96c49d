// The preset store's index as the store writes it while installing presets.
#include "SeedWriter.h"

#include "file/PresetFileManager.h"

#include <cstdlib>

namespace seeds
{
void writePresetStoreSeeds (SeedWriter& writer)
{
    // The store lives beside the preferences file: a home folder of its own
    // keeps the real one untouched.
    const auto home = juce::File::createTempFile ("seed-home");
    home.createDirectory();
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    {
        x48305_file::PresetFileManager store;
        // Two presets, the second with a DataID that needs a safe file name.
        if (! store.installPresetData (makePresetFile ("SEED-0002"))
            || ! store.installPresetData (makePresetFile ("SEED/../0003 <x>")))
            writer.fail ("the preset store refused the seed presets");
    }
    juce::MemoryBlock index;
    if (x48305_file::PresetFileManager::getIndexFile().loadFileAsData (index) && index.getSize() > 0)
        writer.write ("fuzz_preset_store_index", "two-presets", index);
    else
        writer.fail ("the preset store wrote no index");
    home.deleteRecursively();
}
} // namespace seeds

// The preset store's index read from the store folder (in a home folder of
// the fuzzing process), its entries looked up, and a preset installed over
// it, as start-up and the preset import do.
#include "FuzzSupport.h"

#include "file/FileResultCodes.h"
#include "file/PresetFileManager.h"
#include "formats/PresetFile.h"
#include "library/PresetData.h"

#include <cstddef>
#include <cstdint>

namespace
{
juce::File presetToImport;

// Every stored file the store names lies inside its folder.
void checkStoredFiles (const x48305_file::PresetFileManager& store)
{
    const auto folder = x48305_file::PresetFileManager::getPresetFolder();
    for (int i = 0; i < store.getNumPresets() && i < 1000; ++i)
    {
        const auto file = store.getPresetFile (i);
        if (file != juce::File() && ! file.isAChildOf (folder))
            __builtin_trap();
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize (int*, char***)
{
    fuzzsupport::useTemporaryHome();

    // The seed index names a preset with this DataID, so the import replaces
    // a stored copy there and adds a new preset elsewhere.
    x48305_data::PresetData preset;
    preset.getInformation().DataID = "SEED-0002";
    preset.getInformation().Name = "Imported";
    presetToImport = fuzzsupport::getScratchFolder().getChildFile ("import.slvnpreset");
    if (x48305_file::PresetFileWriter (&preset).write (presetToImport) != 0)
        __builtin_trap();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, std::size_t size)
{
    const auto folder = x48305_file::PresetFileManager::getPresetFolder();
    folder.deleteRecursively();
    folder.createDirectory();
    fuzzsupport::writeFile (x48305_file::PresetFileManager::getIndexFile(), data, size);

    x48305_file::PresetFileManager store;
    checkStoredFiles (store);

    const int before = store.getNumPresets();
    if (store.importPresetFile (presetToImport) == file::ReadErrorNoError)
    {
        checkStoredFiles (store);
        if (store.getNumPresets() < before)
            __builtin_trap();
    }
    return 0;
}

#include "file/InstalledPresetsReader.h"

#include "file/FileResultCodes.h"
#include "file/PresetFileManager.h"
#include "formats/PresetFile.h"

#include <unordered_set>

namespace x48305_file
{
int InstalledPresetsReader::read (x48305_data::PresetLibrary& presets) const
{
    // The program names each stored file once; an entry that names a file
    // again would hold another whole copy of its preset, so it is skipped.
    std::unordered_set<juce::String> readFiles;
    for (int i = 0; i < store.getNumPresets(); ++i)
    {
        const auto file = store.getPresetFile (i);
        if (! readFiles.insert (file.getFullPathName()).second)
            continue;

        x48305_data::PresetData preset;
        if (const int result = PresetFileReader (&preset).read (file); result != file::ReadErrorNoError)
            return result;
        presets.addPreset (preset);
    }
    return file::ReadErrorNoError;
}
} // namespace x48305_file

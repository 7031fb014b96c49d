#include "file/InstalledPresetsReader.h"

#include "file/FileResultCodes.h"
#include "file/PresetFileManager.h"
#include "formats/PresetFile.h"

#include <unordered_map>

namespace x48305_file
{
int InstalledPresetsReader::read (x48305_data::PresetLibrary& presets) const
{
    // Where in the library the preset of each stored file read so far is.
    std::unordered_map<juce::String, int> readFiles;
    for (int i = 0; i < store.getNumPresets(); ++i)
    {
        const auto file = store.getPresetFile (i);
        if (const auto known = readFiles.find (file.getFullPathName()); known != readFiles.end())
        {
            const auto again = presets.getPreset (known->second);
            presets.addPreset (again);
            continue;
        }

        x48305_data::PresetData preset;
        if (const int result = PresetFileReader (&preset).read (file); result != file::ReadErrorNoError)
            return result;
        readFiles.emplace (file.getFullPathName(), presets.getNumPresets());
        presets.addPreset (preset);
    }
    return file::ReadErrorNoError;
}
} // namespace x48305_file

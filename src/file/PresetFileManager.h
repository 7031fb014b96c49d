#pragma once

#include "data/Singleton.h"
#include "file/PresetFileIndex.h"

#include <juce_core/juce_core.h>
#include <juce_events/juce_events.h>

namespace x48305_file
{
// The preset store: the folder "Preset Data" beside the preferences file,
// one stored copy of every installed preset file in it, and the index that
// lists them in installation order. Failures are reported only as false; a
// failed operation leaves the stored presets and the index as they were.
// Message thread only.
class PresetFileManager : public Singleton<PresetFileManager>,
                          public juce::DeletedAtShutdown
{
public:
    // Loads the index from the store folder; nothing is written.
    PresetFileManager();
    ~PresetFileManager() override {}

    // Number of entries in the index; 0 when no index is held.
    int getNumPresets() const;

    // The stored file of the index-th preset; the default juce::File when
    // there is no such entry or its "File" text does not name a file inside
    // the store folder.
    juce::File getPresetFile (int index) const;

    // Installs a preset file. A file whose DataID is installed already
    // replaces that preset's stored copy (its place in the order stays);
    // any other is stored beside the others and appended to the index.
    // A ReadResultCode: ReadErrorOpenFile for a file that cannot be opened,
    // ReadErrorFailedToImportPresetData for one the store refuses.
    int importPresetFile (const juce::File& file);

    // Installs a preset file held in memory (the factory preset library).
    bool installPresetData (const juce::MemoryBlock& presetFile);

    // Deletes the store folder with everything in it; true when it existed
    // and is gone. The index held in memory stays as it is.
    bool deletePresetFolder();

    // The store folder, created (with its parents) when it is missing.
    static juce::File getPresetFolder();

    // "PresetFileInformation.xml" in the store folder.
    static juce::File getIndexFile();

private:
    static juce::File getPresetFolderPath();

    // The file's bytes are checked and stored; source is the file they came
    // from, if any.
    bool install (const juce::File& source, const juce::MemoryBlock& bytes);

    bool replaceStoredCopy (const juce::File& source, const juce::MemoryBlock& bytes, const juce::File& stored) const;
    bool renameStoredCopy (juce::XmlElement& preset, const juce::File& source, const juce::MemoryBlock& bytes,
                           const juce::String& dataID);
    bool addPreset (const juce::File& source, const juce::MemoryBlock& bytes, const juce::String& dataID);
    juce::String chooseNewFileName (const juce::String& dataID, const juce::XmlElement* except) const;
    juce::File getStoredFile (const juce::String& fileName) const;

    PresetFileIndex index;

    JUCE_DECLARE_NON_COPYABLE (PresetFileManager)
};
} // namespace x48305_file

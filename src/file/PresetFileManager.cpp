#include "file/PresetFileManager.h"

#include "application/PreferencesData.h"
#include "file/FileExtensions.h"
#include "file/FileReplacer.h"
#include "file/OpenedFileStream.h"
#include "file/FileResultCodes.h"
#include "file/PresetFileNames.h"
#include "formats/PresetFile.h"
#include "library/PresetData.h"

#include <cstdio>

namespace x48305_file
{
namespace
{
const juce::String indexFileName { "PresetFileInformation.xml" };
constexpr int maxNumberedNames = 1000;
} // namespace

PresetFileManager::PresetFileManager()
{
    index.load (getPresetFolderPath().getChildFile (indexFileName));
}

juce::File PresetFileManager::getPresetFolderPath()
{
    return x48305_preferences::PreferencesData::getFolder().getChildFile (file::presetFolderName);
}

juce::File PresetFileManager::getPresetFolder()
{
    auto folder = getPresetFolderPath();
    if (! folder.isDirectory())
        folder.createDirectory();
    return folder;
}

juce::File PresetFileManager::getIndexFile()
{
    return getPresetFolder().getChildFile (indexFileName);
}

int PresetFileManager::getNumPresets() const
{
    return index.getNumPresets();
}

juce::File PresetFileManager::getPresetFile (int number) const
{
    const auto name = index.getFileName (number);
    if (name.isEmpty())
        return {};
    return getStoredFile (name);
}

juce::File PresetFileManager::getStoredFile (const juce::String& fileName) const
{
    // The index names only preset copies; it never points at itself.
    if (fileName == indexFileName)
        return {};
    return getFileInsideFolder (getPresetFolder(), fileName);
}

int PresetFileManager::importPresetFile (const juce::File& source)
{
    const auto content = file::OpenedFileStream::open (source);
    if (content == nullptr)
        return file::ReadErrorOpenFile;

    // Read once: the bytes checked are the bytes stored.
    juce::MemoryBlock bytes;
    if (content->getTotalLength() > file::largestReadableFileSize
        || (juce::int64) content->readIntoMemoryBlock (bytes) != content->getTotalLength()
        || ! install (source, bytes))
        return file::ReadErrorFailedToImportPresetData;
    return file::ReadErrorNoError;
}

bool PresetFileManager::installPresetData (const juce::MemoryBlock& presetFile)
{
    return install (juce::File(), presetFile);
}

bool PresetFileManager::install (const juce::File& source, const juce::MemoryBlock& bytes)
{
    if (! index.isValid())
    {
        // Leaves an unreadable index file alone rather than overwrite the
        // list of installed presets with a new one.
        std::printf ("Preset index unreadable: %s\n", getIndexFile().getFullPathName().toRawUTF8());
        std::fflush (stdout);
        return false;
    }

    x48305_data::PresetData preset;
    juce::MemoryInputStream presetBytes (bytes, false);
    if (PresetFileReader (&preset).read (presetBytes) != file::ReadErrorNoError)
        return false;

    const auto dataID = preset.getInformation().DataID;
    if (auto* installed = index.findPreset (dataID))
    {
        const auto stored = getStoredFile (PresetFileIndex::getFileName (*installed));
        if (stored != juce::File())
            return replaceStoredCopy (source, bytes, stored);
        return renameStoredCopy (*installed, source, bytes, dataID);
    }
    return addPreset (source, bytes, dataID);
}

bool PresetFileManager::replaceStoredCopy (const juce::File& source, const juce::MemoryBlock& bytes,
                                           const juce::File& stored) const
{
    if (source == stored)
        return true;

    // The copy is written beside the stored file and takes its place only
    // once it is complete, so a failed copy keeps the installed preset. Once
    // it is in place the preset is stored, even if the folder could not be
    // flushed afterwards.
    return file::replaceFile (stored, bytes.getData(), bytes.getSize()).contentInPlace;
}

bool PresetFileManager::renameStoredCopy (juce::XmlElement& installed, const juce::File& source,
                                          const juce::MemoryBlock& bytes, const juce::String& dataID)
{
    // The entry's "File" text pointed outside the store: the preset keeps its
    // place in the order and gets a stored copy under a safe name.
    const auto name = chooseNewFileName (dataID, &installed);
    const auto target = name.isNotEmpty() ? getStoredFile (name) : juce::File();
    if (target == juce::File() || ! replaceStoredCopy (source, bytes, target))
        return false;

    const auto previousName = PresetFileIndex::getFileName (installed);
    PresetFileIndex::setFileName (installed, name);
    if (index.save (getIndexFile()))
        return true;

    PresetFileIndex::setFileName (installed, previousName);
    if (source != target)
        target.deleteFile();
    return false;
}

bool PresetFileManager::addPreset (const juce::File& source, const juce::MemoryBlock& bytes,
                                   const juce::String& dataID)
{
    const auto name = chooseNewFileName (dataID, nullptr);
    const auto target = name.isNotEmpty() ? getStoredFile (name) : juce::File();
    if (target == juce::File() || ! replaceStoredCopy (source, bytes, target))
        return false;

    auto* added = index.appendPreset (dataID, name);
    if (index.save (getIndexFile()))
        return true;

    // Without the index entry nobody would ever find the copy again.
    index.removePreset (added);
    if (source != target)
        target.deleteFile();
    return false;
}

juce::String PresetFileManager::chooseNewFileName (const juce::String& dataID,
                                                   const juce::XmlElement* except) const
{
    const auto name = getInstalledPresetFileName (dataID);
    if (! index.isFileNameUsed (name, except))
        return name;

    // Another entry names this file (an index edited by hand): never let the
    // new preset overwrite that one's copy.
    const auto base = name.dropLastCharacters (file::installedPresetFileExtension.length());
    for (int number = 2; number < maxNumberedNames; ++number)
    {
        const auto candidate = base + " (" + juce::String (number) + ")" + file::installedPresetFileExtension;
        if (! index.isFileNameUsed (candidate, except) && ! getPresetFolder().getChildFile (candidate).exists())
            return candidate;
    }
    return {};
}

bool PresetFileManager::deletePresetFolder()
{
    const auto folder = getPresetFolderPath();
    if (! folder.isDirectory())
        return false;
    return folder.deleteRecursively();
}
} // namespace x48305_file

#pragma once

#include "formats/MemoryBasedZipBuilder.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <vector>

namespace x48305_data
{
class FavoriteData;
class ProgramData;
class PresetInformation;
} // namespace x48305_data

namespace x48305_file
{
// Builds the zip container shared by library, program and preset files: one
// entry per live set, preset information and program (record and texts),
// plus the index "FileInformation.xml" that lists them, added last.
class ZipLibraryFileWriter
{
public:
    struct FileInformation
    {
        juce::String name;
    };

    ZipLibraryFileWriter() = default;
    virtual ~ZipLibraryFileWriter() = default;

    void addFavoriteData (const x48305_data::FavoriteData& liveSet);
    void addProgramData (const x48305_data::ProgramData& program);
    void addPresetInformation (const x48305_data::PresetInformation& information);

    // Adds the index, builds the archive in memory and saves it in place of
    // the file; a WriteResultCode. A file that cannot be replaced is refused
    // before anything is built.
    int write (const juce::File& file);

    // Adds the index and builds the archive; false when building failed.
    bool buildArchive (juce::MemoryBlock& archive);

private:
    void addXmlEntry (const juce::String& name, const juce::XmlElement& element);
    std::unique_ptr<juce::XmlElement> writeFileInformation() const;

    MemoryBasedZipBuilder builder;
    std::vector<FileInformation> favoriteFiles;
    std::vector<FileInformation> programFiles;
    std::vector<FileInformation> presetInformationFiles;
};
} // namespace x48305_file

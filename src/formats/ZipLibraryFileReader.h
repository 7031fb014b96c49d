#pragma once

#include "formats/MemoryBasedZipUncompressor.h"
#include "library/FavoriteData.h"
#include "library/LibraryData.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"

#include <juce_core/juce_core.h>

#include <memory>
#include <unordered_map>
#include <vector>

namespace x48305_file
{
// Reads the zip container of library, program and preset files: unpacks the
// archive, follows its index and collects, in index order, as many live sets,
// preset informations and programs as a file holds at most (1, 1 and 500).
// Further ones that the index lists are ignored, unread, as the file readers
// would ignore them.
class ZipLibraryFileReader
{
public:
    struct FavoriteFileInformation
    {
        juce::String name;
        x48305_data::FavoriteData data;
    };

    struct ProgramFileInformation
    {
        juce::String informationName;
        juce::String binaryName;
        x48305_data::ProgramData data;
    };

    struct PresetInformationFileInformation
    {
        juce::String name;
        x48305_data::PresetInformation data;
    };

    // Reads the archive from the opened file (and its directory); nothing is
    // unpacked yet.
    explicit ZipLibraryFileReader (juce::InputStream& content);
    virtual ~ZipLibraryFileReader() = default;

    static constexpr size_t maxFavoriteData = 1;
    static constexpr size_t maxPresetInformation = 1;
    static constexpr size_t maxProgramData = x48305_data::LibraryData::numPrograms;

    // Unpacks, checks and collects everything; a ReadResultCode. The lists
    // are valid only after it returned 0.
    int read();

    int getNumFavoriteData() const { return (int) favorites.size(); }
    int getNumProgramData() const { return (int) programs.size(); }
    int getNumPresetInformation() const { return (int) presetInformations.size(); }

    // Callers stay inside the lists.
    const x48305_data::FavoriteData& getFavoriteData (int index) const { return favorites[(size_t) index].data; }
    const x48305_data::ProgramData& getProgramData (int index) const { return programs[(size_t) index].data; }
    const x48305_data::PresetInformation& getPresetInformation (int index) const
    {
        return presetInformations[(size_t) index].data;
    }

private:
    int readIndex();
    void collectContents (const juce::XmlElement& contents);
    // Reads every listed entry (name and data) with a Reader: `missing` when
    // an entry is not in the archive, `unreadable` when it does not read.
    template <typename Reader, typename Entries>
    int readEntries (Entries& entries, int missing, int unreadable);
    int readPrograms();
    bool readProgramInformation (const juce::MemoryBlock& bytes, x48305_data::ProgramInformation& information) const;
    // The entry's document, parsed on first use and kept for the read; null
    // when it does not parse. For the index, the live set and the preset
    // information, of which a file holds one each.
    const juce::XmlElement* parseEntry (const juce::MemoryBlock& bytes);

    std::vector<FavoriteFileInformation> favorites;
    std::vector<ProgramFileInformation> programs;
    std::vector<PresetInformationFileInformation> presetInformations;
    MemoryBasedZipUncompressor archive;
    // Keyed by the unpacked entry, which is one per name.
    std::unordered_map<const juce::MemoryBlock*, std::unique_ptr<juce::XmlElement>> documents;
};
} // namespace x48305_file

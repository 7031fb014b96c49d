#pragma once

// Entry and element names of the zip container; exact and case-sensitive.
namespace x48305_file::zipnames
{
constexpr const char* fileInformationEntry = "FileInformation.xml";
constexpr const char* livesetEntry = "LivesetData.lvs_data";
constexpr const char* presetInformationEntry = "PresetInformation.xml";
constexpr const char* programEntryPrefix = "Prog_";
constexpr const char* programBinarySuffix = ".prog_bin";
constexpr const char* programInformationSuffix = ".prog_info";

constexpr const char* rootTag = "VexoMSLibrarian_Data";
constexpr const char* productTag = "Product";
constexpr const char* productName = "solivane";
constexpr const char* contentsTag = "Contents";
constexpr const char* numLivesetAttribute = "NumLivesetData";
constexpr const char* numProgramAttribute = "NumProgramData";
constexpr const char* numPresetInformationAttribute = "NumPresetInformation";
constexpr const char* livesetTag = "LivesetData";
constexpr const char* presetInformationTag = "PresetInformation";
constexpr const char* programTag = "ProgramData";
constexpr const char* fileTag = "File";
constexpr const char* informationTag = "Information";
constexpr const char* programBinaryTag = "ProgramBinary";

// Every entry is deflated at this level.
constexpr int compressionLevel = 5;
} // namespace x48305_file::zipnames

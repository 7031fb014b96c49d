#pragma once

#include <juce_core/juce_core.h>

namespace file
{
// Results of reading a file. Each code's key names the localised message
// shown when the read fails.
enum ReadResultCode
{
    ReadErrorNoError = 0,
    ReadErrorOpenFile,
    ReadErrorInvalidType,
    ReadErrorInvalidType1,
    ReadErrorInvalidType2,
    ReadErrorInvalidType3,
    ReadErrorInvalidType4,
    ReadErrorInvalidType5,
    ReadErrorInvalidType6,
    ReadErrorInvalidType7,
    ReadErrorInvalidType8,
    ReadErrorReadData,
    ReadErrorInvalidProgramNumber,
    ReadErrorDifferentTargetDevice,
    ReadErrorFailedToUncompressZipFile,
    ReadErrorFailedToParseXmlDocument,
    ReadErrorInvalidXmlDocument,
    ReadErrorLivesetDataMissing,
    ReadErrorProgramDataMissing,
    ReadErrorPresetInformationMissing,
    ReadErrorFailedToReadLivesetData,
    ReadErrorFailedToReadProgramBinary,
    ReadErrorFailedToReadProgramInformation,
    ReadErrorFailedToReadPresetInformation,
    ReadErrorFailedToImportPresetData,
    ReadErrorFailedToReadUserUnitFile,
    ReadErrorInvalidUserUnitFile,
    ReadErrorUserUnitFileMissingManifest,
    ReadErrorUserUnitFileMissingPayload,
    ReadErrorFailedToParseUserUnitManifest,
    ReadErrorFailedToParseUserUnitData,
    ReadErrorFailedToImportUserUnitData,
    ReadErrorUserUnitFileWrongModule,
    NumReadResultCodes
};

// Results of writing a file.
enum WriteResultCode
{
    WriteErrorNoError = 0,
    WriteErrorDeleteFile,
    WriteErrorOpenFile,
    WriteErrorWriteData,
    NumWriteResultCodes
};

// The localisation key of a code; the empty text for a code outside the range.
juce::String getReadResultKey (int code);
juce::String getWriteResultKey (int code);
} // namespace file

namespace x48305_file
{
// The localised message of a read or write code; the empty text for a code
// outside the range.
juce::String getReadErrorText (int code);
juce::String getWriteErrorText (int code);
} // namespace x48305_file

#include "file/FileResultCodes.h"

#include "application/CPXWResource.h"

namespace file
{
namespace
{
const juce::StringArray& readKeys()
{
    static const juce::StringArray keys {
        "ReadErrorNoError",
        "ReadErrorOpenFile",
        "ReadErrorInvalidType",
        "ReadErrorInvalidType1",
        "ReadErrorInvalidType2",
        "ReadErrorInvalidType3",
        "ReadErrorInvalidType4",
        "ReadErrorInvalidType5",
        "ReadErrorInvalidType6",
        "ReadErrorInvalidType7",
        "ReadErrorInvalidType8",
        "ReadErrorReadData",
        "ReadErrorInvalidProgramNumber",
        "ReadErrorDifferentTargetDevice",
        "ReadErrorFailedToUncompressZipFile",
        "ReadErrorFailedToParseXmlDocument",
        "ReadErrorInvalidXmlDocument",
        "ReadErrorLivesetDataMissing",
        "ReadErrorProgramDataMissing",
        "ReadErrorPresetInformationMissing",
        "ReadErrorFailedToReadLivesetData",
        "ReadErrorFailedToReadProgramBinary",
        "ReadErrorFailedToReadProgramInformation",
        "ReadErrorFailedToReadPresetInformation",
        "ReadErrorFailedToImportPresetData",
        "ReadErrorFailedToReadUserUnitFile",
        "ReadErrorInvalidUserUnitFile",
        "ReadErrorUserUnitFileMissingManifest",
        "ReadErrorUserUnitFileMissingPayload",
        "ReadErrorFailedToParseUserUnitManifest",
        "ReadErrorFailedToParseUserUnitData",
        "ReadErrorFailedToImportUserUnitData",
        "ReadErrorUserUnitFileWrongModule",
    };
    return keys;
}

const juce::StringArray& writeKeys()
{
    static const juce::StringArray keys {
        "WriteErrorNoError",
        "WriteErrorDeleteFile",
        "WriteErrorOpenFile",
        "WriteErrorWriteData",
    };
    return keys;
}
} // namespace

// StringArray::operator[] hands back the empty text outside the table, so a
// stray code can never read past it.
juce::String getReadResultKey (int code)
{
    return readKeys()[code];
}

juce::String getWriteResultKey (int code)
{
    return writeKeys()[code];
}
} // namespace file

namespace x48305_file
{
namespace
{
juce::String localizedTextOf (const juce::String& key)
{
    return key.isEmpty() ? juce::String() : getLocalizedText (key);
}
} // namespace

juce::String getReadErrorText (int code)
{
    return localizedTextOf (file::getReadResultKey (code));
}

juce::String getWriteErrorText (int code)
{
    return localizedTextOf (file::getWriteResultKey (code));
}
} // namespace x48305_file

#include "file/ZipUserUnitFileReader.h"

#include "data/MemoryBlockHelpers.h"
#include "file/FileExtensions.h"
#include "file/FileResultCodes.h"
#include "formats/UnitManifestReader.h"
#include "formats/Utf8Text.h"

#include <boost/regex.hpp>

#include <string>

namespace x48305_file
{
ZipUserUnitFileReader::ZipUserUnitFileReader (juce::InputStream& content) : zip (content) {}

int ZipUserUnitFileReader::read()
{
    if (zip.uncompressAll().failed())
        return file::ReadErrorFailedToUncompressZipFile;

    if (const int result = findEntries(); result != file::ReadErrorNoError)
        return result;
    if (const int result = parseManifest(); result != file::ReadErrorNoError)
        return result;

    data::assignMemoryBlock (payload, zip.getData (payloadEntryName));
    return file::ReadErrorNoError;
}

int ZipUserUnitFileReader::findEntries()
{
    static const boost::regex folderPattern ("([^/]+/).*");

    const auto* first = zip.getEntry (0);
    if (zip.getNumEntries() < 2 || first == nullptr)
        return file::ReadErrorInvalidUserUnitFile;

    const std::string firstName = first->name.toStdString();
    boost::smatch match;
    if (! boost::regex_match (firstName, match, folderPattern))
        return file::ReadErrorInvalidUserUnitFile;

    const auto folder = juce::String::fromUTF8 (match[1].str().c_str(), (int) match[1].length());
    manifestEntryName = folder + file::userUnitManifestEntryName;
    payloadEntryName = folder + file::userUnitPayloadEntryName;

    if (zip.getIndexOfFileName (manifestEntryName) < 0 || ! zip.hasData (manifestEntryName))
        return file::ReadErrorUserUnitFileMissingManifest;
    if (zip.getIndexOfFileName (payloadEntryName) < 0 || ! zip.hasData (payloadEntryName))
        return file::ReadErrorUserUnitFileMissingPayload;
    return file::ReadErrorNoError;
}

int ZipUserUnitFileReader::parseManifest()
{
    // The unpacked entry has no terminating zero: its length goes with it.
    const auto& manifest = zip.getData (manifestEntryName);
    std::string errorText;
    const auto record = parseUnitManifest (static_cast<const char*> (manifest.getData()), manifest.getSize(),
                                           errorText);

    statusText = formats::nameFromBytes (errorText.data(), errorText.size());
    if (! record.has_value())
        return file::ReadErrorFailedToParseUserUnitManifest;

    headerRecord = *record;
    return file::ReadErrorNoError;
}
} // namespace x48305_file

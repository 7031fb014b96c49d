#include "formats/ZipLibraryFileReader.h"

#include "file/FileResultCodes.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlTagNames.h"
#include "formats/ZipLibraryFileNames.h"
#include "library/InitialProgram.h"
#include "library/PresetData.h"

namespace x48305_file
{
namespace
{
constexpr size_t maxIndexSize = 1024 * 1024;
} // namespace

// A preset file holds as many programs as a library file.
static_assert (ZipLibraryFileReader::maxProgramData == (size_t) x48305_data::PresetData::numPrograms);

ZipLibraryFileReader::ZipLibraryFileReader (juce::InputStream& content)
    : archive (content)
{
}

const juce::XmlElement* ZipLibraryFileReader::parseEntry (const juce::MemoryBlock& bytes)
{
    auto known = documents.find (&bytes);
    if (known == documents.end())
        known = documents.emplace (&bytes, data::parseXmlDocumentBytes (bytes.getData(), bytes.getSize())).first;
    return known->second.get();
}

int ZipLibraryFileReader::read()
{
    if (archive.uncompressAll().failed() || archive.getNumEntries() == 0)
        return file::ReadErrorFailedToUncompressZipFile;

    if (const int result = readIndex(); result != file::ReadErrorNoError)
        return result;
    if (const int result = readEntries<x48305_data::FavoriteDataXmlReaderWriter> (
            favorites, file::ReadErrorLivesetDataMissing, file::ReadErrorFailedToReadLivesetData);
        result != file::ReadErrorNoError)
        return result;
    if (const int result = readEntries<x48305_data::PresetInformationXmlReaderWriter> (
            presetInformations, file::ReadErrorPresetInformationMissing, file::ReadErrorFailedToReadPresetInformation);
        result != file::ReadErrorNoError)
        return result;
    return readPrograms();
}

int ZipLibraryFileReader::readIndex()
{
    // An archive without an index is treated like an index that does not parse.
    const auto* indexBytes = archive.findData (zipnames::fileInformationEntry);
    if (indexBytes == nullptr)
        return file::ReadErrorFailedToParseXmlDocument;

    // The index of a full library is some 50 KB. A far larger one can only
    // list the same entries over and over: it is taken as unreadable.
    if (indexBytes->getSize() > maxIndexSize)
        return file::ReadErrorFailedToParseXmlDocument;

    const auto* index = parseEntry (*indexBytes);
    if (index == nullptr)
        return file::ReadErrorFailedToParseXmlDocument;

    const auto* product = data::findChild (*index, zipnames::productTag);
    if (! data::isNamed (*index, zipnames::rootTag) || product == nullptr)
        return file::ReadErrorInvalidXmlDocument;
    if (! product->getAllSubText().contains (zipnames::productName))
        return file::ReadErrorDifferentTargetDevice;

    const auto* contents = data::findChild (*index, zipnames::contentsTag);
    if (contents == nullptr)
        return file::ReadErrorInvalidXmlDocument;

    collectContents (*contents);
    return file::ReadErrorNoError;
}

void ZipLibraryFileReader::collectContents (const juce::XmlElement& contents)
{
    // The count attributes are not read: the elements themselves say it.
    for (const auto* element : contents.getChildIterator())
    {
        if (data::isNamed (*element, zipnames::livesetTag))
        {
            const auto* fileElement = data::findChild (*element, zipnames::fileTag);
            if (fileElement != nullptr && favorites.size() < maxFavoriteData)
                favorites.push_back ({ fileElement->getAllSubText(), {} });
        }
        else if (data::isNamed (*element, zipnames::programTag))
        {
            const auto* information = data::findChild (*element, zipnames::informationTag);
            const auto* binary = data::findChild (*element, zipnames::programBinaryTag);
            if (information != nullptr && binary != nullptr && programs.size() < maxProgramData)
                programs.push_back ({ information->getAllSubText(), binary->getAllSubText(), {} });
        }
        else if (data::isNamed (*element, zipnames::presetInformationTag))
        {
            const auto* fileElement = data::findChild (*element, zipnames::fileTag);
            if (fileElement != nullptr && presetInformations.size() < maxPresetInformation)
                presetInformations.push_back ({ fileElement->getAllSubText(), {} });
        }
    }
}

template <typename Reader, typename Entries>
int ZipLibraryFileReader::readEntries (Entries& entries, int missing, int unreadable)
{
    const Reader reader;
    for (auto& entry : entries)
    {
        const auto* bytes = archive.findData (entry.name);
        if (bytes == nullptr)
            return missing;
        const auto* element = parseEntry (*bytes);
        if (element == nullptr || ! reader.readXml (*element, entry.data))
            return unreadable;
    }
    return file::ReadErrorNoError;
}

int ZipLibraryFileReader::readPrograms()
{
    // Many programs may name one information entry: it is read once, into
    // the first of them, and copied from there.
    std::unordered_map<const juce::MemoryBlock*, const x48305_data::ProgramInformation*> informations;
    informations.reserve (programs.size());
    for (auto& program : programs)
    {
        const auto* record = archive.findData (program.binaryName);
        const auto* information = archive.findData (program.informationName);
        if (record == nullptr || information == nullptr)
            return file::ReadErrorProgramDataMissing;

        // Bytes beyond the record are ignored.
        if (record->getSize() < x48305_data::programRecordSize)
            return file::ReadErrorFailedToReadProgramBinary;
        program.data.setRawData (record->getData());

        if (const auto known = informations.find (information); known != informations.end())
        {
            program.data.setInformation (*known->second);
            continue;
        }
        if (! readProgramInformation (*information, program.data.getInformation()))
            return file::ReadErrorFailedToReadProgramInformation;
        informations.emplace (information, &program.data.getInformation());
    }
    return file::ReadErrorNoError;
}

bool ZipLibraryFileReader::readProgramInformation (const juce::MemoryBlock& bytes,
                                                   x48305_data::ProgramInformation& information) const
{
    // An entry that was also named as the live set or the preset information
    // is not parsed again; any other is parsed here and let go at once.
    std::unique_ptr<juce::XmlElement> parsed;
    const auto known = documents.find (&bytes);
    if (known == documents.end())
        parsed = data::parseXmlDocumentBytes (bytes.getData(), bytes.getSize());
    const auto* element = known != documents.end() ? known->second.get() : parsed.get();
    return element != nullptr && x48305_data::ProgramInformationXmlReaderWriter().readXml (*element, information);
}
} // namespace x48305_file

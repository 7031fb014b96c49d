#include "formats/ZipLibraryFileWriter.h"

#include "file/FileReplacer.h"
#include "file/FileResultCodes.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "formats/XmlTextElements.h"
#include "formats/ZipLibraryFileNames.h"
#include "library/FavoriteData.h"
#include "library/InitialProgram.h"
#include "library/PresetInformation.h"
#include "library/ProgramData.h"

namespace x48305_file
{
void ZipLibraryFileWriter::addXmlEntry (const juce::String& name, const juce::XmlElement& element)
{
    const auto text = data::createXmlDocumentText (element);
    builder.addEntry (name, juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8()),
                      zipnames::compressionLevel, {});
}

void ZipLibraryFileWriter::addFavoriteData (const x48305_data::FavoriteData& liveSet)
{
    const juce::String name (zipnames::livesetEntry);
    addXmlEntry (name, *x48305_data::FavoriteDataXmlReaderWriter().createXml (liveSet));
    favoriteFiles.push_back ({ name });
}

void ZipLibraryFileWriter::addProgramData (const x48305_data::ProgramData& program)
{
    const auto base = zipnames::programEntryPrefix + juce::String::formatted ("%03d", (int) programFiles.size());
    builder.addEntry (base + zipnames::programBinarySuffix,
                      juce::MemoryBlock (program.getRawData(), x48305_data::programRecordSize),
                      zipnames::compressionLevel, {});
    addXmlEntry (base + zipnames::programInformationSuffix,
                 *x48305_data::ProgramInformationXmlReaderWriter().createXml (program));
    programFiles.push_back ({ base });
}

void ZipLibraryFileWriter::addPresetInformation (const x48305_data::PresetInformation& information)
{
    const juce::String name (zipnames::presetInformationEntry);
    addXmlEntry (name, *x48305_data::PresetInformationXmlReaderWriter().createXml (information));
    presetInformationFiles.push_back ({ name });
}

std::unique_ptr<juce::XmlElement> ZipLibraryFileWriter::writeFileInformation() const
{
    auto root = std::make_unique<juce::XmlElement> (zipnames::rootTag);
    data::addTextElement (*root, zipnames::productTag, zipnames::productName);

    auto* contents = root->createNewChildElement (zipnames::contentsTag);
    contents->setAttribute (zipnames::numLivesetAttribute, (int) favoriteFiles.size());
    contents->setAttribute (zipnames::numProgramAttribute, (int) programFiles.size());
    contents->setAttribute (zipnames::numPresetInformationAttribute, (int) presetInformationFiles.size());

    for (const auto& liveSet : favoriteFiles)
        data::addTextElement (*contents->createNewChildElement (zipnames::livesetTag), zipnames::fileTag, liveSet.name);

    for (const auto& information : presetInformationFiles)
        data::addTextElement (*contents->createNewChildElement (zipnames::presetInformationTag), zipnames::fileTag,
                      information.name);

    for (const auto& program : programFiles)
    {
        auto* element = contents->createNewChildElement (zipnames::programTag);
        data::addTextElement (*element, zipnames::informationTag, program.name + zipnames::programInformationSuffix);
        data::addTextElement (*element, zipnames::programBinaryTag, program.name + zipnames::programBinarySuffix);
    }
    return root;
}

bool ZipLibraryFileWriter::buildArchive (juce::MemoryBlock& archive)
{
    addXmlEntry (zipnames::fileInformationEntry, *writeFileInformation());

    juce::MemoryOutputStream out (archive, false);
    return builder.writeToStream (out);
}

int ZipLibraryFileWriter::write (const juce::File& file)
{
    if (file::existingFileCannotBeReplaced (file))
        return file::WriteErrorDeleteFile;

    juce::MemoryBlock archive;
    if (! buildArchive (archive))
        return file::WriteErrorWriteData;
    return file::replaceFileContent (file, archive);
}
} // namespace x48305_file

#include "support/RepeatedEntryFixtures.h"

#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/MemoryBasedZipBuilder.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "formats/ZipLibraryFileNames.h"

namespace repeatedentry
{
namespace
{
namespace names = x48305_file::zipnames;

juce::MemoryBlock bytesOf (const juce::String& text)
{
    return juce::MemoryBlock (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

juce::MemoryBlock documentBytes (const juce::XmlElement& element)
{
    return bytesOf (data::createXmlDocumentText (element));
}

juce::String element (const juce::String& tag, const juce::String& content)
{
    return "<" + tag + ">" + content + "</" + tag + ">";
}

const juce::String programBase = juce::String (names::programEntryPrefix) + "000";

juce::String indexElement (Entry entry)
{
    switch (entry)
    {
        case Entry::liveSet:
            return element (names::livesetTag, element (names::fileTag, names::livesetEntry));
        case Entry::presetInformation:
            return element (names::presetInformationTag, element (names::fileTag, names::presetInformationEntry));
        case Entry::programInformation:
            break;
    }
    return element (names::programTag,
                    element (names::informationTag, programBase + names::programInformationSuffix)
                        + element (names::programBinaryTag, programBase + names::programBinarySuffix));
}
} // namespace

juce::String largeText()
{
    return juce::String::repeatedString ("slow pad ", 1024 * 1024 / 9);
}

RepeatedEntryFile::RepeatedEntryFile()
{
    for (int bank = 0; bank < x48305_data::FavoriteData::numBanks; ++bank)
        liveSet.setProgramNumber (bank, bank, (unsigned) (bank * 11));
    information.DataID = "REPEATED";
    information.Name = largeText();
    program.setName ("Repeated");
    program.getInformation().setProgrammer ("Someone");
    program.getInformation().setComment (largeText());
}

juce::MemoryBlock RepeatedEntryFile::build (Entry named, int times) const
{
    juce::String contents;
    for (const auto entry : { Entry::liveSet, Entry::presetInformation, Entry::programInformation })
        contents << juce::String::repeatedString (indexElement (entry), entry == named ? times : 1);
    const auto index = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       + element (names::rootTag, element (names::productTag, names::productName)
                                                      + element (names::contentsTag, contents));

    auto liveSetDocument = x48305_data::FavoriteDataXmlReaderWriter().createXml (liveSet);
    liveSetDocument->createNewChildElement ("Note")->addTextElement (largeText());

    MemoryBasedZipBuilder builder;
    const auto add = [&builder] (const juce::String& name, const juce::MemoryBlock& bytes) {
        builder.addEntry (name, bytes, names::compressionLevel, {});
    };
    add (names::livesetEntry, documentBytes (*liveSetDocument));
    add (names::presetInformationEntry,
         documentBytes (*x48305_data::PresetInformationXmlReaderWriter().createXml (information)));
    add (programBase + names::programBinarySuffix,
         juce::MemoryBlock (program.getRawData(), x48305_data::programRecordSize));
    add (programBase + names::programInformationSuffix,
         documentBytes (*x48305_data::ProgramInformationXmlReaderWriter().createXml (program)));
    add (names::fileInformationEntry, bytesOf (index));

    juce::MemoryOutputStream out;
    builder.writeToStream (out);
    return out.getMemoryBlock();
}

long long millisecondsSince (std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds> (std::chrono::steady_clock::now() - start).count();
}
} // namespace repeatedentry

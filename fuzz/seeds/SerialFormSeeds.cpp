// The tagged container's serial forms and the XML information documents.
#include "SeedWriter.h"

#include "data/SerializedSectionDataWriter.h"
#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/PresetInformation.h"

namespace seeds
{
namespace
{
juce::MemoryBlock blockOf (const data::SerializedData& data)
{
    return juce::MemoryBlock (data.getData(), data.getSize());
}
} // namespace

void writeSerialFormSeeds (SeedWriter& writer)
{
    const juce::String target ("fuzz_tagged_container");
    writer.write (target, "program", blockOf (makeProgram (1).serialize()));
    writer.write (target, "program-initial", blockOf (x48305_data::ProgramData().serialize()));
    writer.write (target, "liveset", blockOf (makeLiveSet().serialize()));
    // A library of 500 programs is large; one with a few made programs and
    // the rest initial keeps the form whole.
    writer.write (target, "library", blockOf (makeLibrary (4).serialize()));

    // A container of two plain sections, as the writer builds any form.
    data::SerializedData container;
    {
        data::SerializedSectionDataWriter sections (container);
        const char bytes[] = "abc";
        sections.addSection ("first", juce::MemoryBlock (bytes, 3), 0, 0, 0);
        sections.addSection ("second8c", juce::MemoryBlock(), 0, 0, 0);
        sections.finish ("tagged", 0, 0, 0);
    }
    writer.write (target, "sections", blockOf (container));
}

void writeXmlSeeds (SeedWriter& writer)
{
    const juce::String target ("fuzz_xml_information");

    const auto program = makeProgram (2);
    writer.write (target, "program-information",
                  data::createXmlDocumentText (*x48305_data::ProgramInformationXmlReaderWriter().createXml (program)));

    writer.write (target, "liveset",
                  data::createXmlDocumentText (*x48305_data::FavoriteDataXmlReaderWriter().createXml (makeLiveSet())));

    x48305_data::PresetInformation preset;
    preset.DataID = "SEED-0001";
    preset.Name = "Seed preset <1>";
    preset.Author = "Seed & author";
    preset.Copyright = juce::String::fromUTF8 (u8"\u00a9 2026");
    preset.Date = "2026/12/07";
    preset.Prefix = "SD";
    preset.Version = 3;
    preset.NumOfProg = 500;
    writer.write (target, "preset-information",
                  data::createXmlDocumentText (*x48305_data::PresetInformationXmlReaderWriter().createXml (preset)));
}
} // namespace seeds

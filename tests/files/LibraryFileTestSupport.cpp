#include "LibraryFileTestSupport.h"

#include "formats/FavoriteDataXmlReaderWriter.h"
#include "formats/PresetInformationXmlReaderWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/InitialProgram.h"

#include <gtest/gtest.h>

namespace ziptest
{
namespace
{
juce::MemoryBlock documentBytes (const juce::XmlElement& element)
{
    return bytesOf (data::createXmlDocumentText (element));
}
} // namespace

x48305_data::ProgramData makeProgram (int seed)
{
    juce::Random random (seed);
    uint8_t record[x48305_data::programRecordSize];
    for (auto& byte : record)
        byte = (uint8_t) random.nextInt (128);
    std::memcpy (record, "PROG", 4);
    std::memcpy (record + x48305_data::programRecordSize - 4, "PRED", 4);

    x48305_data::ProgramData program;
    program.setRawData (record);
    program.setName (juce::String::formatted ("Sound %03d", seed).toStdString());
    program.getInformation().setProgrammer ("Programmer " + juce::String (seed));
    program.getInformation().setComment (juce::String (juce::CharPointer_UTF8 ("\xe3\x83\x91\xe3\x83\x83\xe3\x83\x89 & <pad> "))
                                         + juce::String (seed));
    return program;
}

void fillLibrary (x48305_data::LibraryData& library, int seed)
{
    for (int i = 0; i < x48305_data::LibraryData::numPrograms; ++i)
        library.getProgram (i) = makeProgram (seed + i);
    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            library.getFavoriteData().setProgramNumber (bank, slot, (unsigned) ((seed + bank * 8 + slot * 3) % 500));
}

void fillPreset (x48305_data::PresetData& preset, int seed)
{
    for (int i = 0; i < x48305_data::PresetData::numPrograms; ++i)
        preset.getProgram (i) = makeProgram (seed + i);
    auto& information = preset.getInformation();
    information.DataID = "PRESET-" + juce::String (seed);
    information.Name = "Factory & friends";
    information.Author = "Sound team";
    information.Copyright = "(c) 2026";
    information.Date = "2026-12-07";
    information.Prefix = "F";
    information.Version = 3;
    information.NumOfProg = 500;
}

juce::MemoryBlock programRecordBytes (const x48305_data::ProgramData& program)
{
    return juce::MemoryBlock (program.getRawData(), x48305_data::programRecordSize);
}

juce::MemoryBlock programInformationDocument (const x48305_data::ProgramData& program)
{
    return documentBytes (*x48305_data::ProgramInformationXmlReaderWriter().createXml (program));
}

juce::MemoryBlock liveSetDocument (const x48305_data::LibraryData& library)
{
    return documentBytes (*x48305_data::FavoriteDataXmlReaderWriter().createXml (library.getFavoriteData()));
}

juce::MemoryBlock presetInformationDocument (const x48305_data::PresetInformation& information)
{
    return documentBytes (*x48305_data::PresetInformationXmlReaderWriter().createXml (information));
}

juce::MemoryBlock indexDocument (const juce::String& contentsBody, const juce::String& product)
{
    return bytesOf ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<VexoMSLibrarian_Data><Product>" + product
                    + "</Product><Contents>" + contentsBody + "</Contents></VexoMSLibrarian_Data>\n");
}

juce::String programElement (int number)
{
    const auto base = juce::String::formatted ("Prog_%03d", number);
    return "<ProgramData><Information>" + base + ".prog_info</Information><ProgramBinary>" + base
           + ".prog_bin</ProgramBinary></ProgramData>";
}

void expectSamePrograms (const x48305_data::ProgramData& expected, const x48305_data::ProgramData& actual)
{
    EXPECT_EQ (0, std::memcmp (expected.getRawData(), actual.getRawData(), x48305_data::programRecordSize));
    EXPECT_EQ (expected.getDigest(), actual.getDigest());
    EXPECT_EQ (expected.getInformation().getProgrammer(), actual.getInformation().getProgrammer());
    EXPECT_EQ (expected.getInformation().getComment(), actual.getInformation().getComment());
}
} // namespace ziptest

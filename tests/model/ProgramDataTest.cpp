#include "data/SerializedSectionDataReader.h"
#include "data/SerializedSectionDataWriter.h"
#include "formats/ProgramInformationXmlReaderWriter.h"
#include "formats/XmlDocumentText.h"
#include "library/InitialProgram.h"
#include "library/ProgramData.h"
#include "library/ProgramDataDeserializer.h"

#include <gtest/gtest.h>
#include <juce_cryptography/juce_cryptography.h>

#include <cstring>
#include <vector>

using x48305_data::ProgramData;
using x48305_data::ProgramDataDeserializer;
using x48305_data::programRecordSize;

namespace
{
juce::String md5Of (const void* bytes, std::size_t size)
{
    return juce::MD5 (bytes, size).toHexString();
}

std::vector<uint8_t> recordOf (const ProgramData& p)
{
    return std::vector<uint8_t> (p.getRawData(), p.getRawData() + programRecordSize);
}

ProgramData programWithTexts (const std::string& name, const juce::String& programmer, const juce::String& comment)
{
    ProgramData p;
    p.setName (name);
    p.setInformation ({ programmer, comment });
    return p;
}

data::SerializedData containerWith (const char* topTag, const std::vector<std::pair<std::string, juce::MemoryBlock>>& sections)
{
    data::SerializedData out;
    data::SerializedSectionDataWriter writer (out);
    for (const auto& [tag, bytes] : sections)
        writer.addSection (tag, bytes);
    writer.finish (topTag);
    return out;
}

juce::MemoryBlock textBlock (const char* text)
{
    return juce::MemoryBlock (text, std::strlen (text) + 1);
}
} // namespace

TEST (InitialProgram, MatchesTheImageByteForByteAtKnownOffsets)
{
    const auto* image = x48305_data::getInitialProgramImage();
    EXPECT_EQ (std::memcmp (image, "PROGInit Program", 16), 0);
    EXPECT_EQ (std::memcmp (image + 332, "PRED", 4), 0);

    struct Probe { std::size_t offset; std::vector<uint8_t> bytes; };
    const Probe probes[] = {
        { 16, { 0x02, 0x00, 0x02, 0x00, 0x40, 0xFF, 0x00, 0x3C } },
        { 24, { 0xB0, 0x04 } },                    // tempo 1200, low byte first
        { 42, { 0xFF, 0x01, 0xFF, 0x01 } },        // two 10-bit mid values 511
        { 62, { 0x01, 0xFF, 0x01, 0xFF, 0x01 } },
        { 80, { 0x00, 0xFF, 0x00, 0xFF } },
        { 138, { 0xFF, 0x03, 0x1E } },
        { 152, { 0xA8, 0x02, 0x00, 0x02, 0x02, 0x1C } },
        { 160, { 0x02, 0x64, 0xFF, 0x64, 0xFF, 0x64, 0xFF, 0x64, 0x64, 0xFF, 0xFF, 0x64 } },
        { 195, { 0x78, 0x01, 0x01, 0x00, 0x01, 0xFF } },
        { 204, { 0xFF, 0xFF, 0x00, 0xFF } },       // end of the first timbre, start of the second
        { 278, { 0xA8, 0x02 } },
        { 321, { 0x78, 0x01, 0x01, 0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF } },
    };
    for (const auto& probe : probes)
        for (std::size_t i = 0; i < probe.bytes.size(); ++i)
            EXPECT_EQ (image[probe.offset + i], probe.bytes[i]) << "offset " << probe.offset + i;

    // The two timbres are the same 126 bytes.
    EXPECT_EQ (std::memcmp (image + 80, image + 206, 126), 0);
    EXPECT_EQ (md5Of (image, programRecordSize), "a4fa5be24cb09c35a91e81ef2bbf71af");
}

TEST (ProgramData, NewProgramIsTheInitialProgramWithItsDigest)
{
    ProgramData p;
    EXPECT_EQ (p.getName(), "Init Program");
    EXPECT_EQ (std::memcmp (p.getRawData(), x48305_data::getInitialProgramImage(), programRecordSize), 0);
    EXPECT_EQ (p.getDigest(), md5Of (x48305_data::getInitialProgramImage(), programRecordSize));
    EXPECT_EQ (p.getDigest().length(), 32);
    EXPECT_TRUE (p.getInformation().getProgrammer().isEmpty());
    EXPECT_TRUE (p.getInformation().getComment().isEmpty());
}

TEST (ProgramData, NameRules)
{
    ProgramData p;
    p.setName ("SixteenCharName!");
    EXPECT_EQ (p.getName(), "SixteenCharN");

    p.setName ("");
    EXPECT_EQ (p.getName(), std::string (12, ' '));

    p.setName ("Lead");
    EXPECT_EQ (p.getName(), "Lead        ");
    EXPECT_EQ (std::memcmp (p.getRawData(), "PROG", 4), 0);
    EXPECT_EQ (p.getRawData()[16], 0x02); // nothing past the name touched

    // A byte with the high bit set ends the name as a zero byte would.
    auto raw = recordOf (p);
    const uint8_t name[12] = { 'A', 'b', 'c', 0xE9, 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k' };
    std::memcpy (raw.data() + 4, name, sizeof (name));
    p.setRawData (raw.data());
    EXPECT_EQ (p.getName(), "Abc");
    raw[4 + 3] = 0;
    p.setRawData (raw.data());
    EXPECT_EQ (p.getName(), "Abc");
}

TEST (ProgramData, DigestFollowsTheRecordOnlyAndTravelsWithCopies)
{
    ProgramData a, b;
    const auto initial = a.getDigest();

    a.setInformation ({ "Someone", "A comment" });
    EXPECT_EQ (a.getDigest(), initial);
    EXPECT_EQ (a.getDigest(), b.getDigest());

    a.setName ("Bass");
    EXPECT_NE (a.getDigest(), initial);
    EXPECT_EQ (a.getDigest(), md5Of (a.getRawData(), programRecordSize));

    ProgramData copy (a);
    EXPECT_EQ (copy.getDigest(), a.getDigest());
    EXPECT_EQ (copy.getInformation(), a.getInformation());
    b = a;
    EXPECT_EQ (b.getDigest(), a.getDigest());
    EXPECT_EQ (recordOf (b), recordOf (a));

    a.reset();
    EXPECT_EQ (a.getDigest(), md5Of (x48305_data::getInitialProgramImage(), programRecordSize));
    EXPECT_EQ (a.getName(), "Init Program");
    EXPECT_EQ (a.getInformation().getComment(), "A comment"); // reset keeps the texts
}

TEST (ProgramData, SetRawDataFromAShortBlockZeroFillsTheRest)
{
    ProgramData p;
    juce::MemoryBlock block (100);
    block.fillWith (0x11);
    p.setRawData (block);
    for (std::size_t i = 0; i < programRecordSize; ++i)
        ASSERT_EQ (p.getRawData()[i], i < 100 ? 0x11 : 0x00) << "byte " << i;
    EXPECT_EQ (p.getDigest(), md5Of (p.getRawData(), programRecordSize));

    // A longer block contributes its first 336 bytes only.
    juce::MemoryBlock longBlock (400);
    longBlock.fillWith (0x22);
    p.setRawData (longBlock);
    EXPECT_EQ (p.getRawData()[335], 0x22);
}

TEST (ProgramSerialForm, IsHeadersRecordAndZeroTerminatedXmlAndRoundTrips)
{
    auto original = programWithTexts ("Pad", juce::String (juce::CharPointer_UTF8 ("Ann \xc3\xa9 <&>")), "line one\nline two");
    auto raw = recordOf (original);
    raw[100] = 0x7F;
    original.setRawData (raw.data());

    const auto serialized = original.serialize();
    const auto xml = x48305_data::ProgramInformationXmlReaderWriter().createXml (original);
    const auto length = data::createXmlDocumentText (*xml).getNumBytesAsUTF8();
    EXPECT_EQ (serialized.getSize(), 433 + length);

    data::SerializedSectionDataReader reader (serialized);
    ASSERT_TRUE (reader.read());
    EXPECT_EQ (reader.getTag(), "slvnProg");
    ASSERT_EQ (reader.getSections().size(), 2u);
    EXPECT_EQ (reader.getSections()[0].tag, "slvnPrgD");
    EXPECT_EQ (reader.getSections()[0].data.getSize(), programRecordSize);
    EXPECT_EQ (reader.getSections()[1].tag, "slvnPrgI");
    EXPECT_EQ (reader.getSections()[1].data[(int) length], 0);

    // Top header count 2, first section header payload 336.
    const auto* bytes = static_cast<const uint8_t*> (serialized.getData());
    EXPECT_EQ (bytes[20], 2);
    EXPECT_EQ (bytes[32 + 10] | (bytes[32 + 11] << 8), 336);

    ProgramData copy;
    ASSERT_TRUE (copy.deserialize (serialized));
    EXPECT_EQ (recordOf (copy), recordOf (original));
    EXPECT_EQ (copy.getInformation(), original.getInformation());
    EXPECT_EQ (copy.getDigest(), original.getDigest());
}

TEST (ProgramSerialForm, EachReaderResultComesFromItsMalformedInput)
{
    const auto reference = programWithTexts ("Keep", "P", "C");

    // 2: not a container at all.
    {
        ProgramData p (reference);
        const char junk[] = "not a container";
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (data::SerializedData (junk, sizeof (junk))), 2);
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (data::SerializedData()), 2);
        EXPECT_EQ (p.getName(), "Keep        ");
    }
    // 1: a container of another form leaves the program unchanged.
    {
        ProgramData p (reference);
        const auto other = containerWith ("slvnLibD", { { "slvnPrgD", juce::MemoryBlock (336, true) } });
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (other), 1);
        EXPECT_FALSE (p.deserialize (other));
        EXPECT_EQ (recordOf (p), recordOf (reference));
        EXPECT_EQ (p.getDigest(), reference.getDigest());
    }
    // 3: information that is not XML, or XML with another root (names are
    // exact, case included); the record section before it has been applied.
    for (const char* info : { "<<< not xml", "<?xml version=\"1.0\"?><Other/>",
                              "<Solivane_ProgramInformation><Comment>x</Comment></Solivane_ProgramInformation>" })
    {
        ProgramData source;
        source.setName ("Written");
        ProgramData p (reference);
        const auto bad = containerWith ("slvnProg", { { "slvnPrgD", juce::MemoryBlock (source.getRawData(), programRecordSize) },
                                                      { "slvnPrgI", textBlock (info) } });
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (bad), 3) << info;
        EXPECT_EQ (p.getName(), "Written     ");
        EXPECT_EQ (p.getDigest(), source.getDigest());
        EXPECT_EQ (p.getInformation().getComment(), "C");
    }
    // 3: bytes that are not UTF-8 are not handed to the decoder.
    {
        ProgramData p (reference);
        const char invalid[] = "<?xml version=\"1.0\"?><solivane_ProgramInformation><Comment>\xC3</Comment></solivane_ProgramInformation>";
        const auto bad = containerWith ("slvnProg", { { "slvnPrgI", juce::MemoryBlock (invalid, sizeof (invalid) - 1) } });
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (bad), 3);
    }
    // 0: no sections resets the record and keeps the texts.
    {
        ProgramData p (reference);
        EXPECT_EQ (ProgramDataDeserializer (&p).deserialize (containerWith ("slvnProg", {})), 0);
        EXPECT_EQ (p.getName(), "Init Program");
        EXPECT_EQ (p.getInformation().getProgrammer(), "P");
    }
}

TEST (ProgramSerialForm, InformationOnlyGivesTheInitialRecordWithTheNewTexts)
{
    auto p = programWithTexts ("Old", "old", "old");
    const auto info = x48305_data::ProgramInformationXmlReaderWriter().createXml (x48305_data::ProgramInformation ("New", "Text"));
    const auto form = containerWith ("slvnProg", { { "slvnPrgI", data::createZeroTerminatedXmlDocument (*info) },
                                                   { "unknown", textBlock ("skipped") } });
    ASSERT_TRUE (p.deserialize (form));
    EXPECT_EQ (p.getName(), "Init Program");
    EXPECT_EQ (p.getInformation(), x48305_data::ProgramInformation ("New", "Text"));
    EXPECT_EQ (p.getDigest(), ProgramData().getDigest());
}

TEST (ProgramInformationXml, WritesBothChildrenAndReadsLeniently)
{
    x48305_data::ProgramInformationXmlReaderWriter rw;
    const auto xml = rw.createXml (x48305_data::ProgramInformation ("", "c"));
    EXPECT_EQ (xml->getTagName(), "solivane_ProgramInformation");
    ASSERT_EQ (xml->getNumChildElements(), 2);
    EXPECT_EQ (xml->getChildElement (0)->getTagName(), "Programmer");
    EXPECT_EQ (xml->getChildElement (1)->getTagName(), "Comment");
    EXPECT_EQ (xml->getChildElement (0)->getNumChildElements(), 1); // the empty text node

    x48305_data::ProgramInformation info ("keep", "keep");
    EXPECT_TRUE (rw.readXml (juce::XmlElement ("solivane_ProgramInformation"), info));
    EXPECT_EQ (info, x48305_data::ProgramInformation ("keep", "keep"));
    EXPECT_FALSE (rw.readXml (juce::XmlElement ("Other"), info));

    const auto parsed = juce::parseXML ("<solivane_ProgramInformation><Comment>a<b>inner</b>c</Comment>"
                                        "<Comment>second</Comment></solivane_ProgramInformation>");
    ASSERT_TRUE (parsed != nullptr);
    EXPECT_TRUE (rw.readXml (*parsed, info));
    EXPECT_EQ (info, x48305_data::ProgramInformation ("keep", "ainnerc"));
}

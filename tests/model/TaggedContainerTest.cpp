#include "data/SerializedDataHeaderReader.h"
#include "data/SerializedDataHeaderWriter.h"
#include "data/SerializedSectionDataReader.h"
#include "data/SerializedSectionDataWriter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes bytesOf (const data::SerializedData& d)
{
    const auto* p = static_cast<const uint8_t*> (d.getData());
    return Bytes (p, p + d.getSize());
}

void put16 (Bytes& b, std::size_t at, uint16_t v)
{
    b[at] = (uint8_t) v;
    b[at + 1] = (uint8_t) (v >> 8);
}

void put32 (Bytes& b, std::size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + (std::size_t) i] = (uint8_t) (v >> (8 * i));
}

uint32_t get32 (const Bytes& b, std::size_t at)
{
    return (uint32_t) b[at] | ((uint32_t) b[at + 1] << 8) | ((uint32_t) b[at + 2] << 16) | ((uint32_t) b[at + 3] << 24);
}

bool readBytes (const Bytes& b, data::SerializedSectionDataReader** out = nullptr)
{
    static std::unique_ptr<data::SerializedData> source;
    static std::unique_ptr<data::SerializedSectionDataReader> reader;
    source = std::make_unique<data::SerializedData> (b.data(), b.size());
    reader = std::make_unique<data::SerializedSectionDataReader> (*source);
    const bool ok = reader->read();
    if (out != nullptr)
        *out = reader.get();
    return ok;
}

Bytes twoSections()
{
    data::SerializedData d;
    data::SerializedSectionDataWriter w (d);
    w.addSection ("first", juce::MemoryBlock ("abcdef", 6));
    w.addSection ("second", juce::MemoryBlock ("XY", 2), 1, 2, 3);
    w.finish ("topTag", 4, 5, 6);
    return bytesOf (d);
}
} // namespace

TEST (TaggedContainer, WritesTheHeaderLayoutAndReadsItBack)
{
    const auto b = twoSections();
    ASSERT_EQ (b.size(), 32u + 32 + 6 + 32 + 2);

    // Top header: tag zero padded, header size 32, payload, reserved, count, 0xFF tail.
    EXPECT_EQ (std::memcmp (b.data(), "topTag\0\0", 8), 0);
    EXPECT_EQ (b[8] | (b[9] << 8), 32);
    EXPECT_EQ (get32 (b, 10), 32u + 6 + 32 + 2);
    EXPECT_EQ (b[14], 4);
    EXPECT_EQ (b[16], 5);
    EXPECT_EQ (b[18], 6);
    EXPECT_EQ (get32 (b, 20), 2u);
    EXPECT_EQ (get32 (b, 24), 0u);
    EXPECT_EQ (get32 (b, 28), 0xFFFFFFFFu);

    // First section header: payload 6, count 1.
    EXPECT_EQ (get32 (b, 32 + 10), 6u);
    EXPECT_EQ (get32 (b, 32 + 20), 1u);
    EXPECT_EQ (std::memcmp (b.data() + 64, "abcdef", 6), 0);

    data::SerializedSectionDataReader* reader = nullptr;
    ASSERT_TRUE (readBytes (b, &reader));
    EXPECT_EQ (reader->getTag(), "topTag");
    EXPECT_EQ (reader->getReservedA(), 4);
    EXPECT_EQ (reader->getReservedC(), 6);
    ASSERT_EQ (reader->getSections().size(), 2u);
    EXPECT_EQ (reader->getSections()[0].tag, "first");
    EXPECT_EQ (reader->getSections()[0].data, juce::MemoryBlock ("abcdef", 6));
    EXPECT_EQ (reader->getSections()[1].tag, "second");
    EXPECT_EQ (reader->getSections()[1].b, 2);
    EXPECT_EQ (reader->getSections()[1].data, juce::MemoryBlock ("XY", 2));
}

TEST (TaggedContainer, LongTagsAreCutToEightCharacters)
{
    data::SerializedData d;
    data::SerializedSectionDataWriter w (d);
    w.addSection ("sectionTagTooLong", juce::MemoryBlock());
    w.finish ("12345678extra");
    data::SerializedSectionDataReader* reader = nullptr;
    ASSERT_TRUE (readBytes (bytesOf (d), &reader));
    EXPECT_EQ (reader->getTag(), "12345678");
    ASSERT_EQ (reader->getSections().size(), 1u);
    EXPECT_EQ (reader->getSections()[0].tag, "sectionT");
    EXPECT_EQ (reader->getSections()[0].data.getSize(), 0u);
}

TEST (TaggedContainer, CountZeroReadsWithNoSections)
{
    data::SerializedData d;
    data::SerializedSectionDataWriter w (d);
    w.finish ("empty");
    data::SerializedSectionDataReader* reader = nullptr;
    ASSERT_TRUE (readBytes (bytesOf (d), &reader));
    EXPECT_EQ (reader->getTag(), "empty");
    EXPECT_TRUE (reader->getSections().empty());
}

TEST (TaggedContainer, ShortOrUndersizedHeadersFail)
{
    EXPECT_FALSE (readBytes ({}));
    EXPECT_FALSE (readBytes ({ 'x' }));     // a single byte is not an empty container
    const auto good = twoSections();
    EXPECT_FALSE (readBytes (Bytes (good.begin(), good.begin() + 31)));

    for (uint16_t headerSize : { 0, 1, 31 })
    {
        auto top = good;
        put16 (top, 8, headerSize);
        EXPECT_FALSE (readBytes (top)) << "top header size " << headerSize;
        auto section = good;
        put16 (section, 32 + 8, headerSize);
        EXPECT_FALSE (readBytes (section)) << "section header size " << headerSize;
    }
}

TEST (TaggedContainer, SizesLargerThanTheBytesThereFailBeforeAllocating)
{
    const auto good = twoSections();

    auto hugeSection = good;
    put32 (hugeSection, 32 + 10, 0xFFFFFFF0u);
    EXPECT_FALSE (readBytes (hugeSection));

    auto hugeTop = good;
    put32 (hugeTop, 10, 0x7FFFFFFFu);
    EXPECT_FALSE (readBytes (hugeTop));

    auto truncated = good;
    truncated.pop_back();
    EXPECT_FALSE (readBytes (truncated));

    // A count larger than the sections present fails at the missing header.
    auto moreCounted = good;
    put32 (moreCounted, 20, 3);
    EXPECT_FALSE (readBytes (moreCounted));
    auto hugeCount = good;
    put32 (hugeCount, 20, 0xFFFFFFFFu);
    EXPECT_FALSE (readBytes (hugeCount));
}

TEST (TaggedContainer, LargerHeaderSizeMovesTheDataNotTheNextSection)
{
    // The first section's header says 40 bytes: its 4 data bytes are read
    // from 40 bytes after its start, while the next section is still
    // expected 32 + 4 bytes after that start. Here that puts the data inside
    // the next section's tag.
    data::SerializedData d;
    {
        data::SerializedSectionDataWriter w (d);
        w.addSection ("wide", juce::MemoryBlock ("1234", 4));
        w.addSection ("abcdWXYZ", juce::MemoryBlock ("zz", 2));
        w.finish ("top");
    }
    auto bytes = bytesOf (d);
    put16 (bytes, 32 + 8, 40);

    data::SerializedSectionDataReader* reader = nullptr;
    ASSERT_TRUE (readBytes (bytes, &reader));
    ASSERT_EQ (reader->getSections().size(), 2u);
    EXPECT_EQ (reader->getSections()[0].data, juce::MemoryBlock ("WXYZ", 4));
    EXPECT_EQ (reader->getSections()[1].tag, "abcdWXYZ");
    EXPECT_EQ (reader->getSections()[1].data, juce::MemoryBlock ("zz", 2));

    // A header size that puts the data past the end fails.
    put16 (bytes, 32 + 8, 0xFFFF);
    EXPECT_FALSE (readBytes (bytes));
}

TEST (TaggedContainerHeader, WriterAndReaderAgreeAndReaderSkipsToTheHeaderSize)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        data::SerializedDataHeader h;
        h.tag = "abc";
        h.payloadSize = 123456;
        h.count = 9;
        h.reservedB = 0xBEEF;
        ASSERT_TRUE (data::SerializedDataHeaderWriter (out, h).write());
        out.writeRepeatedByte (0x5A, 16);
    }
    ASSERT_EQ (block.getSize(), 48u);
    EXPECT_EQ (block[3], 0);
    EXPECT_EQ ((uint8_t) block[31], 0xFF);

    static_cast<uint8_t*> (block.getData())[8] = 40;
    juce::MemoryInputStream in (block, false);
    data::SerializedDataHeaderReader reader (in);
    ASSERT_TRUE (reader.read());
    EXPECT_EQ (reader.getHeader().tag, "abc");
    EXPECT_EQ (reader.getHeader().headerSize, 40);
    EXPECT_EQ (reader.getHeader().payloadSize, 123456u);
    EXPECT_EQ (reader.getHeader().count, 9u);
    EXPECT_EQ (reader.getHeader().reservedB, 0xBEEF);
    EXPECT_EQ (in.getPosition(), 40);
}

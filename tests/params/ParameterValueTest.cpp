#include "library/ParameterTables.h"
#include "library/ParameterValue.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace x48305_data;

namespace
{
// A record on the heap of exactly the record's size, so that the address
// sanitizer reports any read past its end.
struct Record
{
    std::unique_ptr<uint8_t[]> bytes { new uint8_t[programRecordSize] };

    explicit Record (uint8_t fill = 0) { std::memset (bytes.get(), fill, programRecordSize); }

    uint8_t& operator[] (int i) { return bytes[(size_t) i]; }
    const void* data() const { return bytes.get(); }
};

ParameterEntry entryOf (int16_t section, int16_t index)
{
    ParameterEntry entry;
    EXPECT_TRUE (getParameterEntry ({ section, index }, entry));
    return entry;
}

ParameterEntry field (int16_t offset, uint8_t byteCount, uint8_t bitPosition = 0, uint8_t bitWidth = 8, bool isSigned = false)
{
    ParameterEntry entry;
    entry.offset = offset;
    entry.byteCount = byteCount;
    entry.bitPosition = bitPosition;
    entry.bitWidth = bitWidth;
    entry.isSigned = isSigned ? 1 : 0;
    return entry;
}
} // namespace

TEST (ParameterValue, OneByteRowsGiveTheByte)
{
    Record record;
    record[29] = 4;
    record[76] = 0xC8;
    record[80 + 10] = 2;
    record[206 + 10] = 1;

    EXPECT_EQ (getParameterValue (record.data(), { 0, 25 }, entryOf (0, 25)), 4);     // Category
    EXPECT_EQ (getParameterValue (record.data(), { 0, 45 }, entryOf (0, 45)), 200);   // Like, unsigned
    EXPECT_EQ (getParameterValue (record.data(), { 1, 4 }, entryOf (1, 4)), 2);       // first timbre's 1Wave
    EXPECT_EQ (getParameterValue (record.data(), { 2, 4 }, entryOf (2, 4)), 1);       // second timbre's 1Wave
}

TEST (ParameterValue, SignedOneByteRowsAreSignExtended)
{
    const auto octave = entryOf (0, 16);
    const struct
    {
        uint8_t stored;
        int16_t expected;
    } cases[] = { { 0xFE, -2 }, { 0x01, 1 }, { 0x00, 0 }, { 0xFF, -1 }, { 0x80, -128 }, { 0x7F, 127 } };

    for (const auto& c : cases)
    {
        Record record;
        record[16] = c.stored;
        EXPECT_EQ (getParameterValue (record.data(), { 0, 16 }, octave), c.expected) << (int) c.stored;
    }
}

// The tables give two-byte rows a bit width of 8; read literally that keeps
// only one byte of a little-endian word (tempo 1200 would read as 4).
TEST (ParameterValue, TwoByteRowsReadTheWholeLittleEndianWord)
{
    const auto tempo = entryOf (0, 23);
    ASSERT_EQ (tempo.byteCount, 2);
    ASSERT_EQ (tempo.bitWidth, 8);

    Record record;
    record[24] = 0xB0;
    record[25] = 0x04;
    EXPECT_EQ (getParameterValue (record.data(), { 0, 23 }, tempo), 1200);

    EXPECT_EQ (getParameterValue (getInitialProgramImage(), { 0, 23 }, tempo), 1200);
    EXPECT_EQ (getParameterValue (getInitialProgramImage(), { 0, 35 }, entryOf (0, 35)), 511);
}

TEST (ParameterValue, EveryTwoByteRowReadsItsOwnWord)
{
    for (int16_t section = 0; section <= 2; ++section)
    {
        ParameterSection shape;
        ASSERT_TRUE (getParameterSection (section, shape));

        for (int16_t index = 0; index < getParameterCount (section); ++index)
        {
            const auto entry = entryOf (section, index);
            if (entry.byteCount != 2)
                continue;
            SCOPED_TRACE (entry.name);

            // Background bytes that would show if a neighbour were read.
            Record record (0x5A);
            const int at = shape.start + entry.offset;
            const int16_t values[] = { entry.minValue, entry.maxValue, static_cast<int16_t> ((entry.minValue + entry.maxValue) / 2) };
            for (const auto value : values)
            {
                const auto word = static_cast<uint16_t> (value);
                record[at] = static_cast<uint8_t> (word & 0xFF);
                record[at + 1] = static_cast<uint8_t> (word >> 8);
                EXPECT_EQ (getParameterValue (record.data(), { section, index }, entry), value);
            }
        }
    }
}

TEST (ParameterValue, SignedTwoByteRowsExtendBit15)
{
    const auto panWidth = entryOf (1, 1);
    ASSERT_EQ (panWidth.isSigned, 1);
    ASSERT_EQ (panWidth.byteCount, 2);

    const struct
    {
        uint8_t low, high;
        int16_t expected;
    } cases[] = { { 0x00, 0xFE, -512 }, { 0xFF, 0x01, 511 }, { 0xFF, 0xFF, -1 }, { 0x00, 0x00, 0 },
                  { 0x00, 0xFF, -256 }, { 0x00, 0x80, -32768 }, { 0xFF, 0x7F, 32767 } };

    for (const auto& c : cases)
    {
        Record record;
        record[80 + 2] = c.low;
        record[80 + 3] = c.high;
        EXPECT_EQ (getParameterValue (record.data(), { 1, 1 }, panWidth), c.expected);
    }
}

TEST (ParameterValue, UnsignedWordsAbove32767WrapIntoTheSignedResult)
{
    Record record;
    record[20] = 0x40;
    record[21] = 0xFF;
    EXPECT_EQ (getParameterValue (record.data(), { 0, 20 }, entryOf (0, 20)), -192);
}

TEST (ParameterValue, OneByteBitFields)
{
    Record record;
    record[5] = 0xA7; // 1010 0111

    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 0, 4)), 0xA);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 4, 4)), 0x7);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 0, 4, true)), -6);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 4, 4, true)), 7);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 7, 1)), 1);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 1, 2)), 1);
    // A field running past the byte, or one of no bits, reads as nothing.
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 6, 4)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 0, 0)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 0, 255)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (5, 1, 255, 8)), 0);
}

TEST (ParameterValue, SectionThreeIsTheFirst32Bytes)
{
    Record record;
    record[0] = 0x11;
    record[31] = 0x22;
    record[32] = 0x33;
    EXPECT_EQ (getParameterValue (record.data(), { 3, 0 }, field (0, 1)), 0x11);
    EXPECT_EQ (getParameterValue (record.data(), { 3, 0 }, field (31, 1)), 0x22);
    EXPECT_EQ (getParameterValue (record.data(), { 3, 0 }, field (32, 1)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 3, 0 }, field (31, 2)), 0);
    // The same field through section 0 reaches further.
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (32, 1)), 0x33);
}

TEST (ParameterValue, UnknownSectionsAndNoRecordGiveZero)
{
    Record record (0x7F);
    EXPECT_EQ (getParameterValue (record.data(), { -1, 0 }, field (0, 1)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 4, 0 }, field (0, 1)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 32767, 0 }, field (0, 1)), 0);
    EXPECT_EQ (getParameterValue (nullptr, { 0, 23 }, entryOf (0, 23)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (0, 1)), 0x7F);
}

TEST (ParameterValue, FieldsReachingOutOfTheirSectionGiveZero)
{
    Record record (0xFF);
    // Common section ends at byte 80 although the record goes on.
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (79, 1)), 255);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (79, 2)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (80, 1)), 0);
    // The second timbre ends at byte 332, four bytes before the record does.
    EXPECT_EQ (getParameterValue (record.data(), { 2, 0 }, field (125, 1)), 255);
    EXPECT_EQ (getParameterValue (record.data(), { 2, 0 }, field (125, 2)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 2, 0 }, field (126, 1)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 1, 0 }, field (-1, 1)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 1, 0 }, field (-32768, 2)), 0);
    EXPECT_EQ (getParameterValue (record.data(), { 1, 0 }, field (32767, 2)), 0);
}

TEST (ParameterValue, ByteCountsOtherThanOneOrTwoGiveZero)
{
    Record record (0xFF);
    for (int count : { 0, 3, 4, 8, 255 })
        EXPECT_EQ (getParameterValue (record.data(), { 0, 0 }, field (16, static_cast<uint8_t> (count))), 0) << count;
}

// Whatever a descriptor says, nothing outside its section is read: with every
// byte set, any field that is not wholly inside the section must read 0, and
// the sanitizer catches any read past the record.
TEST (ParameterValue, NoDescriptorReadsOutsideItsSection)
{
    Record record (0xFF);
    const int16_t offsets[] = { -32768, -300, -2, -1, 0, 1, 30, 31, 32, 78, 79, 80, 124, 125, 126, 127, 300, 335, 336, 32767 };
    for (int16_t section = -2; section <= 5; ++section)
    {
        ParameterSection shape;
        const bool known = getParameterSection (section, shape);
        for (const auto offset : offsets)
            for (int count = 0; count <= 5; ++count)
                for (int position : { 0, 4, 8, 200 })
                    for (int width : { 0, 1, 8, 16, 255 })
                        for (bool isSigned : { false, true })
                        {
                            const auto entry = field (offset, (uint8_t) count, (uint8_t) position, (uint8_t) width, isSigned);
                            const auto value = getParameterValue (record.data(), { section, 0 }, entry);
                            const bool inside = known && offset >= 0 && (count == 1 || count == 2) && offset + count <= shape.size;
                            if (! inside)
                            {
                                EXPECT_EQ (value, 0) << section << " " << offset << " " << count;
                            }
                        }
    }
}

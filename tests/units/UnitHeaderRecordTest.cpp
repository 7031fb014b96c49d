#include "support/UnitTestHeaders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using unittest::makeHeader;

TEST (UnitHeaderRecord, FieldsLandAtTheirOffsetsLittleEndian)
{
    UnitHeaderRecord header;
    header.setModuleIndex (UnitModuleOscillator);
    header.setPlatform (1);
    header.setApiVersion (UnitHeaderRecord::packVersion (1, 2, 3));
    header.setDeveloperId (0x11223344);
    header.setUnitId (0xA0B0C0D0);
    header.setUnitVersion (UnitHeaderRecord::packVersion (99, 0, 7));
    header.setName ("Name");
    header.setParamCount (2);

    const std::uint8_t* b = header.data();
    EXPECT_EQ (b[0], 4);
    EXPECT_EQ (b[1], 1);
    EXPECT_EQ (std::memcmp (b + 2, "\x03\x02\x01\x00", 4), 0);
    EXPECT_EQ (std::memcmp (b + 6, "\x44\x33\x22\x11", 4), 0);
    EXPECT_EQ (std::memcmp (b + 10, "\xD0\xC0\xB0\xA0", 4), 0);
    EXPECT_EQ (std::memcmp (b + 14, "\x07\x00\x63\x00", 4), 0);
    EXPECT_EQ (std::memcmp (b + 18, "Name\0\0\0\0\0\0\0\0\0\0", 14), 0);
    EXPECT_EQ (readUnitU32 (b + 32), 2u);
    for (std::size_t i = 36; i < UnitHeaderRecord::size; ++i)
        ASSERT_EQ (b[i], 0) << i;

    EXPECT_EQ (header.getDeveloperId(), 0x11223344u);
    EXPECT_EQ (header.getUnitId(), 0xA0B0C0D0u);
    EXPECT_EQ (header.getName(), "Name");
}

TEST (UnitHeaderRecord, NameIsClippedToThirteenAndAlwaysTerminated)
{
    UnitHeaderRecord header;
    header.setName ("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ (header.getName(), "ABCDEFGHIJKLM");
    EXPECT_EQ (header.data()[31], 0);
    header.setName ("x");
    EXPECT_EQ (header.getName(), "x");
    EXPECT_EQ (header.data()[20], 0);
}

TEST (UnitHeaderRecord, ParamDescriptorsRoundTripAndStayInsideTheRecord)
{
    UnitParamDescriptor depth;
    depth.setMinimum (-50);
    depth.setMaximum (50);
    depth.setType (UnitParamDescriptor::typeBipolarPercent);
    depth.setName ("Depth");
    EXPECT_EQ (std::memcmp (depth.data(), "\xCE\x32\x01" "Depth\0\0\0\0\0\0\0\0", 16), 0);

    UnitParamDescriptor full;
    full.setName ("ABCDEFGHIJKLMNOP");
    EXPECT_EQ (full.getName(), "ABCDEFGHIJKLM"); // fills the field, no terminator

    UnitHeaderRecord header;
    EXPECT_TRUE (header.setParamDescriptor (0, depth));
    EXPECT_TRUE (header.setParamDescriptor (60, full));
    EXPECT_FALSE (header.setParamDescriptor (61, depth));
    EXPECT_EQ (std::memcmp (header.data() + 36, depth.data(), 16), 0);
    EXPECT_EQ (std::memcmp (header.data() + 36 + 60 * 16, full.data(), 16), 0);
    EXPECT_EQ (header.getParamDescriptor (0).getMinimum(), -50);
    EXPECT_EQ (header.getParamDescriptor (0).getName(), "Depth");
    EXPECT_EQ (header.getParamDescriptor (61).getName(), "");
    for (std::size_t i = 1012; i < UnitHeaderRecord::size; ++i)
        ASSERT_EQ (header.data()[i], 0) << i;
}

TEST (UnitHeaderRecord, VersionTextsClampAndPad)
{
    EXPECT_EQ (formatVersionTriple (1, 5, 3), "1.05-3");
    EXPECT_EQ (formatVersionTriple (0, 0, 0), "0.00-0");
    EXPECT_EQ (formatVersionTriple (120, 99, 100), "99.99-99");
    EXPECT_EQ (formatPackedVersion (UnitHeaderRecord::packVersion (1, 5, 3)), "1.05-3");
    // Major 120 in bits 16-22.
    EXPECT_EQ (formatPackedVersion (120u << 16 | 10u << 8 | 4u), "99.10-4");
    // Bits 7, 15 and 23 and the top byte are not part of any component.
    EXPECT_EQ (formatPackedVersion (0xFF808080u | 2u << 16 | 3u << 8 | 4u), "2.03-4");
}

TEST (UnitHeaderRecord, DescriptionOfHeader)
{
    EXPECT_EQ (formatUnitDescription (makeHeader (UnitModuleOscillator).getSummary()),
               "\"Saw Lead\" v2.05-0 api:1.02-3 did:00001A2B uid:00000007");

    UnitHeaderSummary zero {};
    EXPECT_EQ (formatUnitDescription (zero), "\"\" v0.00-0 api:0.00-0 did:00000000 uid:00000000");
}

TEST (UnitHeaderRecord, NameReadStopsAtTheSummaryEnd)
{
    // 14 non-NUL name bytes at the very end of an allocation: a read past
    // byte 31 would be caught by the address sanitizer.
    auto summary = std::make_unique<UnitHeaderSummary>();
    summary->fill ('Z');
    EXPECT_EQ (readUnitName (*summary), std::string (14, 'Z'));
    EXPECT_EQ (formatUnitDescription (*summary).substr (0, 17), "\"ZZZZZZZZZZZZZZ\" ");

    (*summary)[25] = 0;
    EXPECT_EQ (readUnitName (*summary), std::string (7, 'Z'));
}

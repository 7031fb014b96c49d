#include "support/sim/SimSevenBitCodec.h"

#include <gtest/gtest.h>

using sim::Bytes;

// Vectors worked out by hand: the codec is the yardstick for the production
// packing, so it is checked against nothing but these.
TEST (SimSevenBitCodec, EncodesHandWrittenVectors)
{
    EXPECT_TRUE (sim::encodeSevenBit ({}).empty());
    EXPECT_EQ (sim::encodeSevenBit ({ 0x00 }), (Bytes { 0x00, 0x00 }));
    EXPECT_EQ (sim::encodeSevenBit ({ 0x80 }), (Bytes { 0x01, 0x00 }));
    EXPECT_EQ (sim::encodeSevenBit ({ 0x7F, 0xFE }), (Bytes { 0x02, 0x7F, 0x7E }));
    EXPECT_EQ (sim::encodeSevenBit ({ 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xC7 }),
               (Bytes { 0x40, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x47 }));
    EXPECT_EQ (sim::encodeSevenBit ({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x10 }),
               (Bytes { 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x01, 0x7F, 0x10 }));
    // "PROG" has no top bits.
    EXPECT_EQ (sim::encodeSevenBit ({ 'P', 'R', 'O', 'G' }), (Bytes { 0x00, 'P', 'R', 'O', 'G' }));
}

TEST (SimSevenBitCodec, SizesOfTheProtocolsBlocks)
{
    EXPECT_EQ (sim::encodedSize (0), 0u);
    EXPECT_EQ (sim::encodedSize (7), 8u);
    EXPECT_EQ (sim::encodedSize (8), 10u);
    EXPECT_EQ (sim::encodedSize (32), 37u);
    EXPECT_EQ (sim::encodedSize (128), 147u);
    EXPECT_EQ (sim::encodedSize (336), 384u);
}

TEST (SimSevenBitCodec, DecodesHandWrittenVectorsAndRefusesBadWire)
{
    EXPECT_EQ (sim::decodeSevenBit ({ 0xF0, 0x40, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x47, 0xF7 }, 1, 7),
               (Bytes { 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xC7 }));
    EXPECT_EQ (sim::decodeSevenBit ({ 0x02, 0x7F, 0x7E }, 0, 2), (Bytes { 0x7F, 0xFE }));
    EXPECT_EQ (sim::decodeSevenBit ({ 0x02, 0x7F, 0x7E }, 0, 0), Bytes {});

    EXPECT_FALSE (sim::decodeSevenBit ({ 0x02, 0x7F }, 0, 2).has_value());
    EXPECT_FALSE (sim::decodeSevenBit ({ 0x02, 0x7F, 0x7E }, 4, 0).has_value());
    EXPECT_FALSE (sim::decodeSevenBit ({ 0x82, 0x7F, 0x7E }, 0, 2).has_value());
    EXPECT_FALSE (sim::decodeSevenBit ({ 0x02, 0x7F, 0xFE }, 0, 2).has_value());
}

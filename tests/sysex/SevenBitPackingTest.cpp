#include "midi/SevenBitPacking.h"
#include "support/sim/SimSevenBitCodec.h"
#include "sysex/SysExTestBytes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace x48305_midi;
using sysextest::Bytes;

namespace
{
Bytes pack (const Bytes& input)
{
    Bytes output (getPackedSize (input.size()), 0xEE);
    packSevenBit (output.data(), input.data(), input.size());
    return output;
}
}

TEST (SevenBitPacking, PackedSizesFollowTheGroupRule)
{
    EXPECT_EQ (getPackedSize (0), 0u);
    EXPECT_EQ (getPackedSize (1), 2u);
    EXPECT_EQ (getPackedSize (6), 7u);
    EXPECT_EQ (getPackedSize (7), 8u);
    EXPECT_EQ (getPackedSize (8), 10u);
    EXPECT_EQ (getPackedSize (14), 16u);
    EXPECT_EQ (getPackedSize (32), 37u);
    EXPECT_EQ (getPackedSize (108), 124u);
    EXPECT_EQ (getPackedSize (128), 147u);
    EXPECT_EQ (getPackedSize (336), 384u);
}

TEST (SevenBitPacking, HandWrittenVectors)
{
    EXPECT_TRUE (pack ({}).empty());

    // Top bits of bytes 0, 2, 5 and 6 are set: 0b1100101.
    EXPECT_EQ (pack ({ 0x80, 0x01, 0xFF, 0x7F, 0x00, 0xC3, 0x81 }),
               (Bytes { 0x65, 0x00, 0x01, 0x7F, 0x7F, 0x00, 0x43, 0x01 }));

    // An eighth byte opens a second group of one.
    EXPECT_EQ (pack ({ 0x80, 0x01, 0xFF, 0x7F, 0x00, 0xC3, 0x81, 0x80 }),
               (Bytes { 0x65, 0x00, 0x01, 0x7F, 0x7F, 0x00, 0x43, 0x01, 0x01, 0x00 }));

    // A lone 0x80 at position j sets bit j of the group's first byte.
    EXPECT_EQ (pack ({ 0x00, 0x00, 0x00, 0x80 }), (Bytes { 0x08, 0x00, 0x00, 0x00, 0x00 }));
    EXPECT_EQ (pack ({ 0x12 }), (Bytes { 0x00, 0x12 }));
    EXPECT_EQ (pack ({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF }),
               (Bytes { 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F, 0x7F }));
}

TEST (SevenBitPacking, UnpacksHandWrittenVectors)
{
    const Bytes wire { 0xAA, 0x65, 0x00, 0x01, 0x7F, 0x7F, 0x00, 0x43, 0x01, 0x01, 0x00, 0xF7 };
    Bytes out (8, 0);
    ASSERT_TRUE (unpackSevenBit (out.data(), out.size(), wire.data(), wire.size(), 1));
    EXPECT_EQ (out, (Bytes { 0x80, 0x01, 0xFF, 0x7F, 0x00, 0xC3, 0x81, 0x80 }));
}

TEST (SevenBitPacking, EveryLengthUpTo1200RoundTripsAndMatchesTheSimulatorsCodec)
{
    for (std::size_t length = 0; length <= 1200; ++length)
    {
        const auto input = sysextest::highBitPattern (length, (unsigned) length);
        const auto wire = pack (input);

        ASSERT_EQ (wire.size(), sim::encodedSize (length)) << length;
        ASSERT_TRUE (std::all_of (wire.begin(), wire.end(), [] (std::uint8_t b) { return b < 0x80; })) << length;
        ASSERT_EQ (wire, sim::encodeSevenBit (input)) << length;

        // Unpack from inside a message, between a header and a trailer.
        Bytes message { 0xF0, 0x7D, 0x30 };
        message.insert (message.end(), wire.begin(), wire.end());
        message.push_back (0xF7);
        sysextest::ExactMessage exact (message);

        Bytes output (length, 0x5A);
        ASSERT_TRUE (unpackSevenBit (output.data(), length, exact.data.get(), exact.length, 3)) << length;
        ASSERT_EQ (output, input) << length;
    }
}

TEST (SevenBitPacking, EveryByteValueSurvivesInEveryGroupPosition)
{
    for (unsigned position = 0; position < 7; ++position)
    {
        for (unsigned value = 0; value < 256; ++value)
        {
            Bytes input (7, 0x00);
            input[position] = (std::uint8_t) value;
            const auto wire = pack (input);
            ASSERT_EQ (wire[0], (value & 0x80) ? (1u << position) : 0u);
            ASSERT_EQ (wire[1 + position], value & 0x7F);

            Bytes output (7);
            ASSERT_TRUE (unpackSevenBit (output.data(), 7, wire.data(), wire.size(), 0));
            ASSERT_EQ (output, input);
        }
    }
}

TEST (SevenBitPacking, UnpackRefusesAMessageTooShortForTheCount)
{
    const auto input = sysextest::highBitPattern (336);
    const auto wire = pack (input);

    for (std::size_t cut : { (std::size_t) 1, (std::size_t) 2, (std::size_t) 50, wire.size() })
    {
        Bytes truncated (wire.begin(), wire.end() - (std::ptrdiff_t) cut);
        sysextest::ExactMessage exact (truncated);
        Bytes output (336, 0x33);
        EXPECT_FALSE (unpackSevenBit (output.data(), 336, exact.data.get(), exact.length, 0)) << cut;
        EXPECT_TRUE (std::all_of (output.begin(), output.end(), [] (std::uint8_t b) { return b == 0x33; }));
    }

    Bytes output (1);
    EXPECT_FALSE (unpackSevenBit (output.data(), 1, wire.data(), wire.size(), wire.size() + 1));
    EXPECT_TRUE (unpackSevenBit (output.data(), 0, wire.data(), wire.size(), wire.size()));
}

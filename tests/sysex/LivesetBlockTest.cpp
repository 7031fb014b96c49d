#include "midi/LivesetBlock.h"
#include "sysex/SysExTestBytes.h"

#include <gtest/gtest.h>

using x48305_midi::LivesetBlock;
using sysextest::Bytes;

TEST (LivesetBlock, ProgramNumbersAreLittleEndianAtTheirOffsets)
{
    EXPECT_EQ (LivesetBlock::getOffset (0, 0), 4);
    EXPECT_EQ (LivesetBlock::getOffset (0, 7), 18);
    EXPECT_EQ (LivesetBlock::getOffset (1, 0), 36);
    EXPECT_EQ (LivesetBlock::getOffset (3, 7), 114);
    EXPECT_EQ (LivesetBlock::getOffset (4, 0), -1);
    EXPECT_EQ (LivesetBlock::getOffset (0, 8), -1);
    EXPECT_EQ (LivesetBlock::getOffset (-1, 0), -1);

    LivesetBlock block;
    block.setProgramNumber (2, 3, 499);
    block.setProgramNumber (3, 7, 500);
    const auto bytes = sysextest::toBytes (block.getBytes());
    ASSERT_EQ (bytes.size(), 128u);
    EXPECT_EQ (bytes[2 * 32 + 4 + 6], 0xF3);
    EXPECT_EQ (bytes[2 * 32 + 4 + 7], 0x01);
    EXPECT_EQ (bytes[114], 0xF4);
    EXPECT_EQ (bytes[115], 0x01);
    EXPECT_EQ (block.getProgramNumber (2, 3), 499);
    EXPECT_EQ (block.getProgramNumber (3, 7), 500);
    EXPECT_EQ (block.getProgramNumber (0, 0), 0);
    EXPECT_EQ (block.getProgramNumber (4, 0), 0);
}

TEST (LivesetBlock, KeepsTheInstrumentsOwnBytes)
{
    const auto received = sysextest::highBitPattern (128, 6);
    LivesetBlock block (juce::MemoryBlock (received.data(), received.size()));

    for (int bank = 0; bank < 4; ++bank)
        for (int slot = 0; slot < 8; ++slot)
            block.setProgramNumber (bank, slot, (std::uint32_t) (bank * 100 + slot));

    const auto bytes = sysextest::toBytes (block.getBytes());
    for (std::size_t i = 0; i < 128; ++i)
    {
        const auto inBank = i % 32;
        if (inBank < 4 || inBank >= 20)
        {
            EXPECT_EQ (bytes[i], received[i]) << i;
        }
    }
    EXPECT_EQ (block.getProgramNumber (3, 5), 305);

    // Out-of-range writes change nothing.
    LivesetBlock copy = block;
    copy.setProgramNumber (4, 0, 1);
    copy.setProgramNumber (0, -1, 1);
    EXPECT_EQ (copy.getBytes(), block.getBytes());
}

TEST (LivesetBlock, ShortOrLongSourcesGiveExactly128Bytes)
{
    LivesetBlock shortBlock (juce::MemoryBlock (Bytes { 1, 2, 3, 4, 5, 6 }.data(), 6));
    EXPECT_EQ (shortBlock.getBytes().getSize(), 128u);
    EXPECT_EQ (shortBlock.getProgramNumber (0, 0), 0x0605);
    EXPECT_EQ (shortBlock.getProgramNumber (0, 1), 0);

    const Bytes longSource (300, 0x42);
    LivesetBlock longBlock (juce::MemoryBlock (longSource.data(), longSource.size()));
    EXPECT_EQ (longBlock.getBytes().getSize(), 128u);
}

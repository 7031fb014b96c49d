#include "midiport/CPXWMidiMessage.h"
#include "midiport/MidiPacketParser.h"

#include <gtest/gtest.h>

#include <vector>

TEST (CPXWMidiMessage, QueriesFollowLengthAndFirstByte)
{
    const std::uint8_t noteOn[] = { 0x91, 0x3C, 0x64 };
    CPXWMidiMessage m (noteOn, 3, 0);
    EXPECT_FALSE (m.isSysEx());
    EXPECT_EQ (m.getStatusByte(), 0x91);
    EXPECT_EQ (m.getData1(), 0x3C);
    EXPECT_EQ (m.getData2(), 0x64);

    const std::uint8_t program[] = { 0xC0, 0x05 };
    CPXWMidiMessage p (program, 2, 0);
    EXPECT_EQ (p.getData1(), 0x05);
    EXPECT_EQ (p.getData2(), 0);

    // A message starting 0xFF of 3 or more bytes is no short message.
    const std::uint8_t meta[] = { 0xFF, 0x01, 0x02 };
    CPXWMidiMessage f (meta, 3, 0);
    EXPECT_EQ (f.getStatusByte(), 0);
    EXPECT_EQ (f.getData1(), 0);
    EXPECT_EQ (f.getData2(), 0);

    CPXWMidiMessage clock (0xF8, 77);
    EXPECT_EQ (clock.getLength(), 1u);
    EXPECT_EQ (clock.getStatusByte(), 0xF8);
    EXPECT_EQ (clock.getData1(), 0);
    EXPECT_EQ (clock.getTimestamp(), 77u);

    CPXWMidiMessage empty (nullptr, 5, 0);
    EXPECT_EQ (empty.getLength(), 0u);
    EXPECT_EQ (empty.getStatusByte(), 0);
    EXPECT_FALSE (empty.isSysEx());
}

TEST (CPXWMidiMessage, CopiesOwnTheirBytesAndReadsPastTheEndGiveZero)
{
    std::vector<std::uint8_t> bytes { 0xF0, 0x7E, 0x00, 0xF7 };
    CPXWMidiMessage original (bytes.data(), (std::uint32_t) bytes.size(), 5);
    bytes[1] = 0x11; // the message took a copy

    CPXWMidiMessage copy (original);
    CPXWMidiMessage assigned (0x90, 0);
    assigned = original;
    original = CPXWMidiMessage (0xFE, 0);

    for (const auto* m : { &copy, &assigned })
    {
        EXPECT_TRUE (m->isSysEx());
        EXPECT_EQ (m->getLength(), 4u);
        EXPECT_EQ (m->getByte (1), 0x7E);
        EXPECT_EQ (m->getByte (3), 0xF7);
        EXPECT_EQ (m->getByte (4), 0);
        EXPECT_EQ (m->getByte (0xFFFFFFFFu), 0);
        EXPECT_EQ (m->getTimestamp(), 5u);
    }
    EXPECT_EQ (original.getStatusByte(), 0xFE);
}

TEST (MidiMessageLength, TableForEveryStatus)
{
    for (int s = 0; s < 0x80; ++s)
        EXPECT_EQ (getMidiMessageLength ((std::uint8_t) s), 0u);
    for (int s = 0x80; s <= 0xBF; ++s)
        EXPECT_EQ (getMidiMessageLength ((std::uint8_t) s), 3u);
    for (int s = 0xC0; s <= 0xDF; ++s)
        EXPECT_EQ (getMidiMessageLength ((std::uint8_t) s), 2u);
    for (int s = 0xE0; s <= 0xEF; ++s)
        EXPECT_EQ (getMidiMessageLength ((std::uint8_t) s), 3u);
    for (int s = 0xF8; s <= 0xFF; ++s)
        EXPECT_EQ (getMidiMessageLength ((std::uint8_t) s), 1u);
    EXPECT_EQ (getMidiMessageLength (0xF0), 0u);
    EXPECT_EQ (getMidiMessageLength (0xF7), 0u);
    EXPECT_EQ (getMidiMessageLength (0xF1), 2u);
    EXPECT_EQ (getMidiMessageLength (0xF2), 3u);
    EXPECT_EQ (getMidiMessageLength (0xF3), 2u);
    EXPECT_EQ (getMidiMessageLength (0xF4), 3u);
    EXPECT_EQ (getMidiMessageLength (0xF5), 3u);
    EXPECT_EQ (getMidiMessageLength (0xF6), 1u);
}

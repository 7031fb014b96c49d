// The wrapper's parsing of incoming packets, fed through a virtual device.
#include "WrapperRig.h"

#include "midiport/MidiPacketParser.h"

#include <gtest/gtest.h>

using namespace porttest;

TEST (PacketParser, SysExSplitOverThreePacketsArrivesOnceWhole)
{
    WrapperRig rig;
    ASSERT_TRUE (rig.opened);
    const Bytes message { 0xF0, 0x42, 0x30, 0x00, 0x01, 0x50, 0x10, 0x11, 0x12, 0xF7 };

    rig.feed (Bytes (message.begin(), message.begin() + 3));
    rig.feed (Bytes (message.begin() + 3, message.begin() + 7));
    EXPECT_TRUE (rig.listener.sysEx.empty());
    rig.feed (Bytes (message.begin() + 7, message.end()));

    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], message);

    // One progress call per unfinished packet with that packet's bytes, and
    // one at completion that carries the whole message.
    ASSERT_EQ (rig.listener.progress.size(), 3u);
    EXPECT_EQ (rig.listener.progress[0], Bytes (message.begin(), message.begin() + 3));
    EXPECT_EQ (rig.listener.progress[1], Bytes (message.begin() + 3, message.begin() + 7));
    EXPECT_EQ (rig.listener.progress[2], message);
    EXPECT_TRUE (rig.listener.shorts.empty());
}

TEST (PacketParser, RealTimeBytesInsideSysExAreDeliveredApartAndKeepTheMessage)
{
    WrapperRig rig;
    // Timing clock, active sensing and reset-byte values, across two packets.
    rig.feed ({ 0xF0, 0x01, 0xF8, 0x02, 0xFE });
    rig.feed ({ 0x03, 0xFA, 0x04, 0xF7 });

    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], (Bytes { 0xF0, 0x01, 0x02, 0x03, 0x04, 0xF7 }));
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0xF8 }, { 0xFE }, { 0xFA } }));
}

TEST (PacketParser, LongDumpWithActiveSensingInSmallPacketsSurvives)
{
    WrapperRig rig;
    rig.backend->setPacketSize (5);
    rig.backend->setRealTimeInterleave (0xFE, 7);
    const auto dump = sysExOfLength (3000);
    rig.feed (dump);

    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], dump);
    EXPECT_EQ (rig.listener.shorts.size(), dump.size() / 7);
    for (const auto& s : rig.listener.shorts)
        EXPECT_EQ (s, Bytes { 0xFE });
}

TEST (PacketParser, ShortMessageCutAtTheEndOfAPacketIsDropped)
{
    WrapperRig rig;
    rig.feed ({ 0xB0, 0x07, 0x64, 0x90, 0x40 });
    // The next packet's data byte is no status and belongs to nothing.
    rig.feed ({ 0x7F, 0xC0, 0x05 });

    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0xB0, 0x07, 0x64 }, { 0xC0, 0x05 } }));
}

TEST (PacketParser, AnotherStatusAbandonsTheSysExAndIsParsedItself)
{
    WrapperRig rig;
    rig.feed ({ 0xF0, 0x01, 0x02, 0x90, 0x40, 0x7F, 0x03, 0xF7 });
    EXPECT_TRUE (rig.listener.sysEx.empty());
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0x90, 0x40, 0x7F } }));

    // A new 0xF0 abandons the old message and starts its own.
    rig.feed ({ 0xF0, 0x11, 0x12 });
    rig.feed ({ 0xF0, 0x21, 0xF7 });
    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], (Bytes { 0xF0, 0x21, 0xF7 }));
}

TEST (PacketParser, StrayEndOfExclusiveIsIgnored)
{
    WrapperRig rig;
    rig.feed ({ 0xF7, 0x90, 0x3C, 0x64, 0xF7, 0xC0, 0x05 });
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0x90, 0x3C, 0x64 }, { 0xC0, 0x05 } }));
    EXPECT_TRUE (rig.listener.sysEx.empty());
}

TEST (PacketParser, MessageLengthsFollowTheStatus)
{
    WrapperRig rig;
    rig.feed ({ 0x12, 0x34,             // data without status: skipped
                0xD0, 0x40,             // channel pressure: 2
                0xE1, 0x00, 0x40,       // pitch bend: 3
                0xF1, 0x10,             // time code quarter frame: 2
                0xF2, 0x01, 0x02,       // song position: 3
                0xF3, 0x05,             // song select: 2
                0xF6,                   // tune request: 1
                0xFF,                   // real time: 1
                0x90, 0xF8, 0x40, 0x7F  // clock inside a note-on comes first
              });
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0xD0, 0x40 }, { 0xE1, 0x00, 0x40 }, { 0xF1, 0x10 },
                                                           { 0xF2, 0x01, 0x02 }, { 0xF3, 0x05 }, { 0xF6 }, { 0xFF },
                                                           { 0xF8 }, { 0x90, 0x40, 0x7F } }));
}

TEST (PacketParser, AStatusCutsAShortMessageShort)
{
    WrapperRig rig;
    rig.feed ({ 0x90, 0x40, 0xC0, 0x05 });
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0xC0, 0x05 } }));
}

TEST (PacketParser, SysExPastTheCapIsAbandoned)
{
    WrapperRig rig;
    const auto cap = MidiPacketParser::maxSysExLength;

    // Exactly at the cap it still arrives.
    auto largest = sysExOfLength (cap, 3);
    rig.feed (largest);
    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0].size(), cap);

    // One byte more is dropped, in whatever packets it comes; what follows
    // is parsed again.
    auto tooLong = sysExOfLength (cap + 1, 4);
    rig.feed (Bytes (tooLong.begin(), tooLong.begin() + 1000));
    rig.feed (Bytes (tooLong.begin() + 1000, tooLong.end()));
    rig.feed ({ 0xF0, 0x05, 0xF7, 0xC0, 0x01 });

    ASSERT_EQ (rig.listener.sysEx.size(), 2u);
    EXPECT_EQ (rig.listener.sysEx[1], (Bytes { 0xF0, 0x05, 0xF7 }));
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0xC0, 0x01 } }));
}

TEST (PacketParser, MessagesInOnePacketListAreParsedInOrder)
{
    WrapperRig rig;
    rig.backend->setPacketSize (3);
    rig.feed ({ 0x90, 0x40, 0x7F, 0xF0, 0x01, 0x02, 0xF7, 0x80, 0x40, 0x00 });
    EXPECT_EQ (rig.listener.shorts, (std::vector<Bytes> { { 0x90, 0x40, 0x7F } }))
        << "the note-off is cut at the end of its 3-byte packet";
    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], (Bytes { 0xF0, 0x01, 0x02, 0xF7 }));
}

TEST (PacketParser, ReopeningTheInputForgetsAPartialMessage)
{
    WrapperRig rig;
    rig.feed ({ 0xF0, 0x01, 0x02 });
    rig.midi.closeInput();
    ASSERT_TRUE (rig.midi.openInput (0));
    rig.feed ({ 0x03, 0xF7, 0xF0, 0x04, 0xF7 });
    ASSERT_EQ (rig.listener.sysEx.size(), 1u);
    EXPECT_EQ (rig.listener.sysEx[0], (Bytes { 0xF0, 0x04, 0xF7 }));
}

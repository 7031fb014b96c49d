// The ALSA backend's byte handling, and its behaviour on a machine without a
// sequencer.
#include "midiport/AlsaBackend.h"
#include "midiport/AlsaEventCodec.h"
#include "midiport/CPXWMidi.h"
#include "PortRecorder.h"

#include <gtest/gtest.h>

#include <juce_core/juce_core.h>

using namespace midiport;
using porttest::Bytes;

namespace
{
Bytes join (const std::vector<EventPayload>& payloads)
{
    Bytes all;
    for (const auto& p : payloads)
        all.insert (all.end(), p.bytes.begin(), p.bytes.end());
    return all;
}

Bytes dump (std::size_t length)
{
    Bytes m (length);
    m.front() = 0xF0;
    for (std::size_t i = 1; i + 1 < length; ++i)
        m[i] = (std::uint8_t) (i % 0x80);
    m.back() = 0xF7;
    return m;
}

EventPayload shortPayload (Bytes b) { return EventPayload { false, std::move (b) }; }
EventPayload sysExPayload (Bytes b) { return EventPayload { true, std::move (b) }; }
}

TEST (AlsaByteHandling, SysExIsCutIntoChunksOf256)
{
    const auto message = dump (1000);
    auto chunks = chunkSysEx (message.data(), message.size());
    ASSERT_EQ (chunks.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ (chunks[i].bytes.size(), 256u);
    EXPECT_EQ (chunks[3].bytes.size(), 1000u - 768u);
    for (const auto& c : chunks)
        EXPECT_TRUE (c.sysEx);
    EXPECT_EQ (join (chunks), message);

    EXPECT_EQ (chunkSysEx (message.data(), 256).size(), 1u);
    EXPECT_EQ (chunkSysEx (message.data(), 257).size(), 2u);
    EXPECT_TRUE (chunkSysEx (nullptr, 10).empty());
}

TEST (AlsaByteHandling, SplitterKeepsSysExAcrossPartsAndTakesRealTimeOut)
{
    OutgoingSplitter splitter (4);
    auto first = splitter.split (Bytes { 0xF0, 0x01, 0x02, 0x03, 0x04, 0xF8, 0x05 }.data(), 7);
    EXPECT_EQ (first, (std::vector<EventPayload> { sysExPayload ({ 0xF0, 0x01, 0x02, 0x03 }), sysExPayload ({ 0x04 }),
                                                   shortPayload ({ 0xF8 }), sysExPayload ({ 0x05 }) }));

    // The message goes on in the next part.
    const Bytes rest { 0x06, 0xF7, 0xC0, 0x05 };
    auto second = splitter.split (rest.data(), rest.size());
    EXPECT_EQ (second, (std::vector<EventPayload> { sysExPayload ({ 0x06, 0xF7 }), shortPayload ({ 0xC0, 0x05 }) }));
}

TEST (AlsaByteHandling, SplitterHandlesShortMessagesAndGarbage)
{
    OutgoingSplitter splitter;
    const Bytes stream { 0x11, 0xF7,                  // skipped
                         0x90, 0xFE, 0x40, 0x7F,      // real time inside a note-on goes first
                         0xB0, 0x07,                  // cut by the next status: dropped
                         0xF0, 0x01, 0x90, 0x3C, 0x00, // the note-on abandons the System Exclusive
                         0xE0, 0x00 };                 // incomplete at the end: dropped
    auto out = splitter.split (stream.data(), stream.size());
    EXPECT_EQ (out, (std::vector<EventPayload> { shortPayload ({ 0xFE }), shortPayload ({ 0x90, 0x40, 0x7F }),
                                                 sysExPayload ({ 0xF0, 0x01 }), shortPayload ({ 0x90, 0x3C, 0x00 }) }));
}

TEST (AlsaByteHandling, ShortMessagesRoundTripThroughEvents)
{
    MidiEventCoder coder;
    ASSERT_TRUE (coder.isValid());
    const std::vector<Bytes> messages { { 0x91, 0x3C, 0x64 }, { 0x80, 0x3C, 0x00 }, { 0xB2, 0x07, 0x50 },
                                        { 0xC3, 0x09 },       { 0xD4, 0x22 },       { 0xE5, 0x01, 0x40 },
                                        { 0xF2, 0x10, 0x20 }, { 0xF3, 0x05 },       { 0xF8 },
                                        { 0xFA },             { 0xFE },             { 0xF6 } };
    for (const auto& m : messages)
    {
        snd_seq_event_t event;
        snd_seq_ev_clear (&event);
        ASSERT_TRUE (coder.payloadToEvent (shortPayload (m), event)) << (int) m[0];
        Packet packet;
        ASSERT_TRUE (coder.eventToPacket (event, packet)) << (int) m[0];
        EXPECT_EQ (packet.bytes, m) << (int) m[0];
    }

    snd_seq_event_t event;
    snd_seq_ev_clear (&event);
    EXPECT_FALSE (coder.payloadToEvent (shortPayload ({ 0x90, 0x40 }), event)) << "incomplete";
    EXPECT_FALSE (coder.payloadToEvent (shortPayload ({}), event));
}

TEST (AlsaByteHandling, EventsBecomePackets)
{
    MidiEventCoder coder;
    Packet packet;

    snd_seq_event_t noteOn;
    snd_seq_ev_clear (&noteOn);
    snd_seq_ev_set_noteon (&noteOn, 2, 60, 100);
    ASSERT_TRUE (coder.eventToPacket (noteOn, packet));
    EXPECT_EQ (packet.bytes, (Bytes { 0x92, 60, 100 }));

    // A System Exclusive chunk is handed on as it is, also without its 0xF0.
    Bytes chunk { 0x10, 0x11, 0x12 };
    snd_seq_event_t sysEx;
    snd_seq_ev_clear (&sysEx);
    snd_seq_ev_set_sysex (&sysEx, (unsigned int) chunk.size(), chunk.data());
    ASSERT_TRUE (coder.eventToPacket (sysEx, packet));
    EXPECT_EQ (packet.bytes, chunk);

    const auto message = dump (40);
    const auto payload = sysExPayload (message); // the event points into it
    ASSERT_TRUE (coder.payloadToEvent (payload, sysEx));
    ASSERT_TRUE (coder.eventToPacket (sysEx, packet));
    EXPECT_EQ (packet.bytes, message);

    // Events that carry no MIDI bytes.
    snd_seq_event_t announce;
    snd_seq_ev_clear (&announce);
    announce.type = SND_SEQ_EVENT_PORT_START;
    EXPECT_FALSE (coder.eventToPacket (announce, packet));

    snd_seq_event_t emptySysEx;
    snd_seq_ev_clear (&emptySysEx);
    snd_seq_ev_set_sysex (&emptySysEx, 0, nullptr);
    EXPECT_FALSE (coder.eventToPacket (emptySysEx, packet));
}

TEST (AlsaBackend, WithoutASequencerTheProgramGoesOnWithoutMidi)
{
    if (juce::File ("/dev/snd/seq").exists())
        GTEST_SKIP() << "this machine has a sequencer";

    // The sound library's own complaint stays off the terminal; the
    // program says it in one line of its own.
    testing::internal::CaptureStderr();
    auto backend = std::make_shared<AlsaBackend>();
    const auto said = juce::String (testing::internal::GetCapturedStderr()).trim();
    EXPECT_FALSE (said.contains ("ALSA lib")) << said;
    EXPECT_TRUE (said.startsWith ("No MIDI: ") && ! said.containsChar ('\n')) << said;
    EXPECT_FALSE (backend->isAvailable());
    EXPECT_TRUE (backend->getSources().empty());
    EXPECT_TRUE (backend->getDestinations().empty());
    EXPECT_EQ (backend->createClient ("MidiDevice", [] {}), nullptr);

    porttest::PacketRecorder sink;
    DeviceSpec spec;
    spec.deviceName = "Synth";
    EXPECT_EQ (backend->createDevice (spec, sink.callback()), nullptr);

    CPXWMidi midi (backend);
    EXPECT_FALSE (midi.createClient ("MidiDevice"));
    EXPECT_FALSE (midi.openInput (0));
    EXPECT_FALSE (midi.openOutput (0));
    const Bytes message { 0xF0, 0x01, 0xF7 };
    EXPECT_FALSE (midi.sendSysEx (3, message.data()));
}

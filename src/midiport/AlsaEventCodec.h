#pragma once

// The byte handling of the ALSA sequencer backend, kept apart from the
// sequencer itself so that it can be checked without one: outgoing bytes cut
// into the pieces that become sequencer events (System Exclusive in paced
// chunks), and incoming events turned back into bytes.

#include "midiport/MidiPort.h"
#include "midiport/SysExPace.h"

#include <alsa/asoundlib.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace midiport
{
// What one outgoing event carries: a piece of a System Exclusive message
// (the first begins with 0xF0, the last ends with 0xF7) or one complete short
// message.
struct EventPayload
{
    bool sysEx = false;
    std::vector<std::uint8_t> bytes;

    bool operator== (const EventPayload& other) const { return sysEx == other.sysEx && bytes == other.bytes; }
};

// Cuts one System Exclusive message into chunks of at most chunkSize bytes.
std::vector<EventPayload> chunkSysEx (const std::uint8_t* data, std::size_t size,
                                      std::size_t chunkSize = alsaSysExChunkSize);

// Cuts a stream of MIDI bytes, handed over in arbitrary parts, into event
// payloads. A System Exclusive message may span parts: what is there at the
// end of a part goes out as a chunk at once. Real-time bytes become their own
// events, also inside other messages. Data bytes without a status and a stray
// 0xF7 are skipped; a short message left incomplete at the end of a part, or
// cut by another status, is dropped.
class OutgoingSplitter
{
public:
    explicit OutgoingSplitter (std::size_t chunkSize = alsaSysExChunkSize) : maxChunk (chunkSize) {}

    std::vector<EventPayload> split (const std::uint8_t* data, std::size_t size);

private:
    std::size_t maxChunk;
    bool inSysEx = false;
};

// Keeps a System Exclusive message that lost bytes from looking whole. When
// the kernel has thrown away queued events (a reader fell behind), the rest of
// a message that was under way would otherwise be glued to its beginning, and
// a message with a gap would end with its F7 like any other. From a loss on,
// System Exclusive pieces that do not start a message are dropped until a new
// message begins; what was delivered of the damaged one is then abandoned by
// the next status byte. Used on the reading thread only.
class LossGuard
{
public:
    explicit LossGuard (std::uint64_t lossesSoFar = 0) : seenLosses (lossesSoFar) {}

    // False when the packet must be dropped; lossCount is the number of
    // losses the connection has seen so far.
    bool admit (const Packet& packet, std::uint64_t lossCount);

private:
    std::uint64_t seenLosses;
    bool skipping = false;
};

// Converts between sequencer events and MIDI bytes for short messages, with
// a status byte on every message.
class MidiEventCoder
{
public:
    MidiEventCoder();
    ~MidiEventCoder();

    MidiEventCoder (const MidiEventCoder&) = delete;
    MidiEventCoder& operator= (const MidiEventCoder&) = delete;

    bool isValid() const { return coder != nullptr; }

    // Fills the event's type and data for one payload; for System Exclusive
    // the event points into the payload, which must outlive it. False when
    // the bytes make no event.
    bool payloadToEvent (const EventPayload& payload, snd_seq_event_t& event);

    // The bytes that an incoming event carries, as one packet; false for
    // events that carry no MIDI bytes (announcements, subscriptions).
    bool eventToPacket (const snd_seq_event_t& event, Packet& packet);

private:
    snd_midi_event_t* coder = nullptr;
};
}

#include "midiport/AlsaEventCodec.h"

#include "midiport/MidiPacketParser.h"

#include <algorithm>

namespace midiport
{
std::vector<EventPayload> chunkSysEx (const std::uint8_t* data, std::size_t size, std::size_t chunkSize)
{
    std::vector<EventPayload> chunks;
    if (data == nullptr || chunkSize == 0)
        return chunks;

    for (std::size_t start = 0; start < size; start += chunkSize)
    {
        auto end = std::min (size, start + chunkSize);
        chunks.push_back (EventPayload { true, std::vector<std::uint8_t> (data + start, data + end) });
    }
    return chunks;
}

std::vector<EventPayload> OutgoingSplitter::split (const std::uint8_t* data, std::size_t size)
{
    std::vector<EventPayload> out;
    if (data == nullptr)
        return out;

    std::vector<std::uint8_t> chunk;
    auto flushChunk = [&]
    {
        if (! chunk.empty())
            out.push_back (EventPayload { true, std::move (chunk) });
        chunk.clear();
    };

    std::size_t pos = 0;
    while (pos < size)
    {
        auto byte = data[pos];

        if (byte >= 0xF8)
        {
            flushChunk();
            out.push_back (EventPayload { false, { byte } });
            ++pos;
            continue;
        }

        if (inSysEx)
        {
            if (byte < 0x80 || byte == 0xF7)
            {
                chunk.push_back (byte);
                ++pos;
                if (byte == 0xF7)
                {
                    inSysEx = false;
                    flushChunk();
                }
                else if (chunk.size() >= maxChunk)
                {
                    flushChunk();
                }
                continue;
            }

            // Another status ends the message unfinished; the receiver drops it.
            flushChunk();
            inSysEx = false;
        }

        if (byte == 0xF0)
        {
            inSysEx = true;
            chunk.push_back (byte);
            ++pos;
            continue;
        }

        if (byte < 0x80 || byte == 0xF7)
        {
            ++pos;
            continue;
        }

        // A short message: its data bytes, with real-time bytes sent first.
        const auto wanted = getMidiMessageLength (byte);
        EventPayload message { false, { byte } };
        std::vector<EventPayload> realTime;
        std::size_t next = pos + 1;
        while (message.bytes.size() < wanted && next < size)
        {
            auto b = data[next];
            if (b >= 0xF8)
                realTime.push_back (EventPayload { false, { b } });
            else if (b >= 0x80)
                break;
            else
                message.bytes.push_back (b);
            ++next;
        }

        out.insert (out.end(), realTime.begin(), realTime.end());
        if (message.bytes.size() == wanted)
            out.push_back (std::move (message));
        pos = next;
    }

    flushChunk();
    return out;
}

MidiEventCoder::MidiEventCoder()
{
    if (snd_midi_event_new (alsaSysExChunkSize, &coder) < 0)
        coder = nullptr;
    else
        snd_midi_event_no_status (coder, 1);
}

MidiEventCoder::~MidiEventCoder()
{
    if (coder != nullptr)
        snd_midi_event_free (coder);
}

bool MidiEventCoder::payloadToEvent (const EventPayload& payload, snd_seq_event_t& event)
{
    if (payload.bytes.empty())
        return false;

    if (payload.sysEx)
    {
        snd_seq_ev_set_sysex (&event, (unsigned int) payload.bytes.size(),
                              const_cast<std::uint8_t*> (payload.bytes.data()));
        return true;
    }

    if (coder == nullptr)
        return false;

    event.type = SND_SEQ_EVENT_NONE;
    snd_midi_event_reset_encode (coder);
    auto used = snd_midi_event_encode (coder, payload.bytes.data(), (long) payload.bytes.size(), &event);
    return used == (long) payload.bytes.size() && event.type != SND_SEQ_EVENT_NONE;
}

bool LossGuard::admit (const Packet& packet, std::uint64_t lossCount)
{
    if (lossCount != seenLosses)
    {
        seenLosses = lossCount;
        skipping = true;
    }
    if (! skipping || packet.bytes.empty())
        return true;

    const auto first = packet.bytes.front();
    if (first >= 0xF8)
        return true; // real-time bytes never belong to a message
    if (first >= 0x80 && first != 0xF7)
    {
        skipping = false; // a new message begins
        return true;
    }
    return false;
}

bool MidiEventCoder::eventToPacket (const snd_seq_event_t& event, Packet& packet)
{
    packet.bytes.clear();
    packet.timestamp = 0;

    if (event.type == SND_SEQ_EVENT_SYSEX)
    {
        if ((event.flags & SND_SEQ_EVENT_LENGTH_MASK) != SND_SEQ_EVENT_LENGTH_VARIABLE
            || event.data.ext.ptr == nullptr || event.data.ext.len == 0)
            return false;
        auto* bytes = static_cast<const std::uint8_t*> (event.data.ext.ptr);
        packet.bytes.assign (bytes, bytes + event.data.ext.len);
        return true;
    }

    if (coder == nullptr)
        return false;

    std::uint8_t buffer[16];
    snd_midi_event_reset_decode (coder);
    auto length = snd_midi_event_decode (coder, buffer, (long) sizeof (buffer), &event);
    if (length <= 0)
        return false;

    packet.bytes.assign (buffer, buffer + length);
    return true;
}
}

#include "midiport/MidiPacketParser.h"

namespace
{
bool isRealTime (std::uint8_t byte) { return byte >= 0xF8; }
bool isStatus (std::uint8_t byte) { return byte >= 0x80; }
}

std::uint32_t getMidiMessageLength (std::uint8_t status)
{
    if (status < 0x80 || status == 0xF0 || status == 0xF7)
        return 0;
    if (status < 0xC0 || (status >= 0xE0 && status <= 0xEF))
        return 3;
    if (status < 0xE0)
        return 2;
    if (status == 0xF1 || status == 0xF3)
        return 2;
    if (status == 0xF2)
        return 3;
    if (status == 0xF6 || status >= 0xF8)
        return 1;
    return 3;
}

void MidiPacketParser::parse (const std::uint8_t* data, std::size_t size, std::uint64_t timestamp, Output& output)
{
    if (data == nullptr)
        return;

    std::size_t pos = 0;
    while (pos < size)
    {
        if (buffer.inMessage)
        {
            pos = assemble (data, size, pos, timestamp, output);
            continue;
        }

        auto byte = data[pos];
        if (! isStatus (byte) || byte == 0xF7)
        {
            // Data without a status, or the end of a message already given up.
            ++pos;
            continue;
        }

        if (byte == 0xF0)
        {
            buffer.clear();
            pos = assemble (data, size, pos, timestamp, output);
            continue;
        }

        pos = parseShort (data, size, pos, timestamp, output);
    }
}

// Returns where parsing goes on.
std::size_t MidiPacketParser::parseShort (const std::uint8_t* data, std::size_t size, std::size_t start,
                                          std::uint64_t timestamp, Output& output)
{
    const auto wanted = getMidiMessageLength (data[start]);
    std::uint8_t message[3] = { data[start], 0, 0 };
    std::uint32_t have = 1;
    std::size_t pos = start + 1;

    // First make sure the message is whole: real-time bytes inside it are
    // delivered (before it), another status byte cuts it short.
    std::size_t end = pos;
    while (have < wanted && end < size)
    {
        auto byte = data[end];
        if (! isStatus (byte))
            ++have;
        else if (! isRealTime (byte))
            break;
        ++end;
    }

    if (have < wanted)
    {
        if (end >= size)
            return size; // cut off by the end of the packet: drop the rest
        return end;      // interrupted by a status byte: start again there
    }

    for (; pos < end; ++pos)
    {
        if (isRealTime (data[pos]))
            output.shortMessage (CPXWMidiMessage (data[pos], timestamp));
    }

    have = 1;
    for (std::size_t i = start + 1; i < end; ++i)
        if (! isStatus (data[i]))
            message[have++] = data[i];

    output.shortMessage (CPXWMidiMessage (message, wanted, timestamp));
    return end;
}

std::size_t MidiPacketParser::assemble (const std::uint8_t* data, std::size_t size, std::size_t start,
                                        std::uint64_t timestamp, Output& output)
{
    for (std::size_t pos = start; pos < size; ++pos)
    {
        auto byte = data[pos];

        if (byte == 0xF0 && buffer.bytes.empty())
        {
            buffer.bytes.push_back (byte);
            buffer.inMessage = true;
            continue;
        }

        if (! isStatus (byte))
        {
            if (buffer.bytes.size() + 1 >= maxSysExLength)
            {
                // No room left for this byte and the closing 0xF7.
                buffer.clear();
                return pos;
            }
            buffer.bytes.push_back (byte);
            continue;
        }

        if (isRealTime (byte))
        {
            output.shortMessage (CPXWMidiMessage (byte, timestamp));
            continue;
        }

        if (byte == 0xF7)
        {
            buffer.bytes.push_back (byte);
            CPXWMidiMessage message (buffer.bytes.data(), (std::uint32_t) buffer.bytes.size(), timestamp);
            buffer.clear();
            output.sysExComplete (message);
            return pos + 1;
        }

        // Any other status ends the message unfinished; parse it afresh.
        buffer.clear();
        return pos;
    }

    if (buffer.inMessage)
        output.sysExProgress ((std::uint32_t) (size - start), data + start);
    return size;
}

#pragma once

#include "midiport/CPXWMidiMessage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The number of bytes of a short message with this status byte (0 for a data
// byte, and for 0xF0 and 0xF7, which are no short messages).
std::uint32_t getMidiMessageLength (std::uint8_t status);

// The System Exclusive message being assembled across packets.
struct CSysExBuffer
{
    std::vector<std::uint8_t> bytes;
    bool inMessage = false;

    void clear()
    {
        bytes.clear();
        inMessage = false;
    }
};

// Cuts incoming packets into short messages and complete System Exclusive
// messages. A System Exclusive message may span packets; real-time bytes
// (0xF8-0xFF) may come anywhere and are delivered at once as one-byte
// messages without disturbing the message around them. Any other status byte
// inside a System Exclusive message abandons it, and so does growing past the
// size cap; a stray 0xF7 is ignored. Data bytes without a status are skipped,
// and a short message cut off by the end of its packet is dropped.
class MidiPacketParser
{
public:
    static constexpr std::size_t maxSysExLength = 1024 * 1024;

    class Output
    {
    public:
        virtual ~Output() = default;
        virtual void shortMessage (const CPXWMidiMessage& message) = 0;
        // A packet ended inside a System Exclusive message: the bytes of this
        // packet that belong to it (real-time bytes among them).
        virtual void sysExProgress (std::uint32_t byteCount, const std::uint8_t* data) = 0;
        virtual void sysExComplete (const CPXWMidiMessage& message) = 0;
    };

    void parse (const std::uint8_t* data, std::size_t size, std::uint64_t timestamp, Output& output);

    // Forgets a partly assembled message.
    void reset() { buffer.clear(); }

    bool isAssembling() const { return buffer.inMessage; }

private:
    std::size_t parseShort (const std::uint8_t* data, std::size_t size, std::size_t start,
                            std::uint64_t timestamp, Output& output);
    std::size_t assemble (const std::uint8_t* data, std::size_t size, std::size_t start,
                          std::uint64_t timestamp, Output& output);

    CSysExBuffer buffer;
};

#pragma once

#include <cstdint>
#include <memory>

// One MIDI message: a short message or a complete System Exclusive message
// (0xF0 ... 0xF7), the unit passed between the MIDI wrapper and the protocol
// code.
class CPXWMidiMessage
{
public:
    CPXWMidiMessage (std::uint8_t status, std::uint64_t timestamp);
    CPXWMidiMessage (const std::uint8_t* data, std::uint32_t length, std::uint64_t timestamp);
    CPXWMidiMessage (const CPXWMidiMessage& other);
    CPXWMidiMessage& operator= (const CPXWMidiMessage& other);
    virtual ~CPXWMidiMessage();

    bool isSysEx() const;

    // Byte 0; 0 when empty, or when the message is 3 or more bytes long and
    // starts with 0xFF.
    std::uint8_t getStatusByte() const;

    // Byte 1 of a 2-byte message, or of a longer one not starting with 0xFF.
    std::uint8_t getData1() const;

    // Byte 2 of a message of 3 or more bytes not starting with 0xFF.
    std::uint8_t getData2() const;

    // The byte at the index; 0 for an index at or past the end, so that a
    // reader that forgot a length check reads no foreign memory.
    std::uint8_t getByte (std::uint32_t index) const;

    std::uint32_t getLength() const { return length; }
    const std::uint8_t* getBytes() const { return bytes.get(); }
    std::uint64_t getTimestamp() const { return timestamp; }

private:
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint32_t length = 0;
    std::uint64_t timestamp = 0;
};

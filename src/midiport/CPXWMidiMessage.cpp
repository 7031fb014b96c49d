#include "midiport/CPXWMidiMessage.h"

#include <algorithm>

CPXWMidiMessage::CPXWMidiMessage (std::uint8_t status, std::uint64_t time)
    : bytes (new std::uint8_t[1] { status }), length (1), timestamp (time)
{
}

CPXWMidiMessage::CPXWMidiMessage (const std::uint8_t* data, std::uint32_t size, std::uint64_t time)
    : bytes (new std::uint8_t[size > 0 ? size : 1]), length (data != nullptr ? size : 0), timestamp (time)
{
    if (length > 0)
        std::copy (data, data + length, bytes.get());
}

CPXWMidiMessage::CPXWMidiMessage (const CPXWMidiMessage& other)
    : CPXWMidiMessage (other.bytes.get(), other.length, other.timestamp)
{
}

CPXWMidiMessage& CPXWMidiMessage::operator= (const CPXWMidiMessage& other)
{
    if (this != &other)
    {
        CPXWMidiMessage copy (other);
        bytes = std::move (copy.bytes);
        length = copy.length;
        timestamp = copy.timestamp;
    }
    return *this;
}

CPXWMidiMessage::~CPXWMidiMessage() = default;

bool CPXWMidiMessage::isSysEx() const
{
    return length >= 1 && bytes[0] == 0xF0;
}

std::uint8_t CPXWMidiMessage::getStatusByte() const
{
    if (length == 0 || (length >= 3 && bytes[0] == 0xFF))
        return 0;
    return bytes[0];
}

std::uint8_t CPXWMidiMessage::getData1() const
{
    if (length == 2 || (length >= 3 && bytes[0] != 0xFF))
        return bytes[1];
    return 0;
}

std::uint8_t CPXWMidiMessage::getData2() const
{
    if (length >= 3 && bytes[0] != 0xFF)
        return bytes[2];
    return 0;
}

std::uint8_t CPXWMidiMessage::getByte (std::uint32_t index) const
{
    return index < length ? bytes[index] : 0;
}

#pragma once

#include "midiport/CPXWMidiMessage.h"

#include <cstdint>

class CPXWMidi;

// Receives what the MIDI wrapper parses and reports. Every call comes on a
// thread of the MIDI port layer while the wrapper holds its listener lock.
class CPXWMidiListener
{
public:
    virtual ~CPXWMidiListener() {}

    virtual void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage&) {}

    // One complete System Exclusive message, from 0xF0 to 0xF7 inclusive.
    virtual void sysExReceived (CPXWMidi*, const CPXWMidiMessage&) {}

    // A System Exclusive message is being assembled: byteCount bytes at data.
    virtual void sysExProgress (CPXWMidi*, std::uint32_t /*byteCount*/, const std::uint8_t* /*data*/) {}

    // One System Exclusive message of byteCount bytes has been sent.
    virtual void sysExSent (CPXWMidi*, std::uint32_t /*byteCount*/) {}

    // The MIDI setup of the machine changed.
    virtual void setupChanged (CPXWMidi*) {}
};

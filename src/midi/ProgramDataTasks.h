#pragma once

#include "library/ProgramData.h"
#include "midi/MidiCommunicationTask.h"

namespace x48305_midi
{
// Fetches one program of the instrument's memory (0x1C request, 0x4C dump).
class ProgramDataReceiver : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 5000;

    ProgramDataReceiver (CPXWMidi* midi, std::uint32_t channel)
        : MidiCommunicationTask (midi, channel, defaultTimeoutMs)
    {
    }

    // 0 (the program is in getReceived), 3, 5 (refused) or 8 (too short).
    // Only a dump that carries the number asked for is taken.
    std::int32_t receive (std::uint32_t programNumber);

    const x48305_data::ProgramData& getReceived() const { return received; }

private:
    x48305_data::ProgramData received;
};

// Writes one program into the instrument's memory (0x4C dump).
class ProgramDataTransmitter : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 3000;

    ProgramDataTransmitter (CPXWMidi* midi, std::uint32_t channel)
        : MidiCommunicationTask (midi, channel, defaultTimeoutMs)
    {
    }

    // 0 (acknowledged), 3, 6 (refused) or 8 (too short).
    std::int32_t transmit (std::uint32_t programNumber, const x48305_data::ProgramData& program);
};

// Makes a program the instrument's current one without storing it (0x40).
class CurrentProgramTransmitter : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 5000;

    CurrentProgramTransmitter (CPXWMidi* midi, std::uint32_t channel)
        : MidiCommunicationTask (midi, channel, defaultTimeoutMs)
    {
    }

    // 0 (acknowledged), 3, 6 (refused) or 8 (too short).
    std::int32_t transmit (const x48305_data::ProgramData& program);
};
}

#pragma once

#include "midi/MidiCommunicationTask.h"

namespace x48305_midi
{
// Fetches the instrument's 128-byte live-set block (0x16 request, 0x46 dump).
class LivesetDataReceiver : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 5000;

    LivesetDataReceiver (CPXWMidi* midi, std::uint32_t channel)
        : MidiCommunicationTask (midi, channel, defaultTimeoutMs)
    {
    }

    // 0 (the block is in getBlock), 3, 5 (refused) or 8 (too short).
    std::int32_t receive();

    const juce::MemoryBlock& getBlock() const { return block; }

private:
    juce::MemoryBlock block;
};

// Writes a live-set block into the instrument (0x46 dump).
class LivesetDataTransmitter : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 3000;

    LivesetDataTransmitter (CPXWMidi* midi, std::uint32_t channel)
        : MidiCommunicationTask (midi, channel, defaultTimeoutMs)
    {
    }

    // 0 (acknowledged), 3, 6 (refused) or 8 (too short).
    std::int32_t transmit (const juce::MemoryBlock& block);
};
}

#pragma once

#include "midi/MidiCommunicationTask.h"

#include <array>

namespace x48305_midi
{
// Asks who is at the other end (universal identity request) and checks that
// it is the instrument: the reply must carry the maker's ID and the
// instrument's family code. Learns the instrument's channel and firmware
// version from it.
class DeviceInquiry : public MidiCommunicationTask
{
public:
    static constexpr std::uint32_t defaultTimeoutMs = 3000;

    explicit DeviceInquiry (CPXWMidi* midi) : MidiCommunicationTask (midi, 0, defaultTimeoutMs) {}

    // 0, 3 (no reply in time) or 4 (a reply from another maker or family;
    // channel and version then keep their values).
    std::int32_t inquire();

    // Identity reply bytes 10, 11 and 12.
    const std::array<std::uint32_t, 3>& getVersion() const { return version; }

private:
    std::array<std::uint32_t, 3> version {};
};
}

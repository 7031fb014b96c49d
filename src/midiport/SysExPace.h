#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace midiport
{
// The pace of the ALSA backend's System Exclusive sends, the slowest of the
// port layer's backends; whoever bounds a wait for a send reckons with it.
//
// The largest System Exclusive piece sent as one event. The sequencer's
// kernel queues hold about 18 events of this size; sent one by one with a
// short pause, a long dump gets through whole.
constexpr std::size_t alsaSysExChunkSize = 256;
// The pause after each such event, and the pace that makes.
constexpr std::chrono::microseconds alsaSysExChunkPause { 1000 };
constexpr std::uint32_t alsaSysExBytesPerMs = alsaSysExChunkSize * 1000 / alsaSysExChunkPause.count();
}

#pragma once

#include "devices/TaskRig.h"
#include "support/UnitTestHeaders.h"

#include "library/UserUnitSlotData.h"
#include "midi/MidiCommunicationError.h"

#include <vector>

namespace unitjobs
{
// A device manager with its ports open to one simulated instrument.
using InstrumentRig = devicetest::TaskRig;

// Task time-out for the exchanges that are meant to stay unanswered.
constexpr std::uint32_t shortTaskTimeoutMs = 300;

inline sim::Bytes bytesOf (const juce::MemoryBlock& block)
{
    const auto* data = static_cast<const std::uint8_t*> (block.getData());
    return sim::Bytes (data, data + block.getSize());
}

inline sim::Bytes headerBytesOf (const x48305_data::UserUnitSlotData& slot)
{
    return sim::Bytes (slot.getHeaderSummary().begin(), slot.getHeaderSummary().end());
}

// An occupied slot of the simulated instrument: a header of the module with
// the name (API 1.0.0, version 1.2.3), no image.
inline sim::InstrumentMemory::UnitSlot unitSlotOf (int moduleIndex, const char* name)
{
    sim::InstrumentMemory::UnitSlot slot;
    slot.header = sim::InstrumentMemory::makeUnitHeader (moduleIndex, name);
    return slot;
}

// A whole unit image as a package gives it.
inline juce::MemoryBlock unitImageOf (int moduleIndex, const std::string& name, std::size_t extraPayload = 0)
{
    return unittest::makeUnitImage (moduleIndex, name, extraPayload);
}
}

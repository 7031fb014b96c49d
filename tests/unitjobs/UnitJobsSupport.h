#pragma once

#include "support/UnitTestHeaders.h"
#include "support/midi/JobRig.h"

#include "library/UserUnitSlotData.h"
#include "midi/MidiCommunicationError.h"

#include <vector>

namespace unitjobs
{
// The application's device manager (the one the jobs use) with its ports
// open to one simulated instrument, for the exchanges of single tasks. One
// manager serves the whole executable: a second one would take over the
// instrument address that every message carries.
struct InstrumentRig
{
    explicit InstrumentRig (const sim::InstrumentIdentity& identity = {})
        : rig (identity), instrument (rig.instrument), opened (devicetest::JobRig::manager().openPorts())
    {
    }

    ~InstrumentRig() { devicetest::JobRig::manager().closePorts(); }

    CPXWMidi* midi() { return devicetest::JobRig::manager().getMidi(); }
    sim::Protocol protocol() const { return sim::Protocol (instrument.getIdentity()); }

    devicetest::JobRig rig;
    sim::SimulatedInstrument& instrument;
    bool opened;
};

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

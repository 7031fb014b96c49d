#pragma once

#include "support/midi/DeviceRig.h"

#include "library/ProgramData.h"
#include "midi/MidiCommunicationError.h"

namespace devicetest
{
// A device manager with its ports open to one simulated instrument (set by
// name), for the exchanges of the communication tasks.
struct TaskRig : DeviceRig
{
    explicit TaskRig (const sim::InstrumentIdentity& identity = {})
        : instrument (*virtualBackend, identity)
    {
        manager->setAutoScan (false);
        manager->setInPortName (juce::String::fromUTF8 (instrument.getSourceDisplayName().c_str()));
        manager->setOutPortName (juce::String::fromUTF8 (instrument.getDestinationDisplayName().c_str()));
        opened = manager->openPorts();
    }

    ~TaskRig() { manager->closePorts(); }

    CPXWMidi* midi() { return manager->getMidi(); }
    sim::Protocol protocol() const { return sim::Protocol (instrument.getIdentity()); }

    sim::SimulatedInstrument instrument;
    bool opened = false;
};

inline std::vector<std::uint8_t> recordOf (const x48305_data::ProgramData& program)
{
    return { program.getRawData(), program.getRawData() + x48305_data::programRecordSize };
}

inline x48305_data::ProgramData programNamed (const std::string& name, std::uint8_t fill)
{
    x48305_data::ProgramData program;
    std::vector<std::uint8_t> record (recordOf (program));
    for (std::size_t i = 16; i < 332; ++i)
        record[i] = (std::uint8_t) (fill + i);
    program.setRawData (record.data());
    program.setName (name);
    return program;
}

constexpr std::uint32_t shortTimeout = 300;
}

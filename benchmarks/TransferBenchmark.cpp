// A full library receive and a full library write against the simulated
// instrument over the in-process virtual MIDI backend, with no link delay:
// what the program itself costs per transfer (500 exchanges and the live
// set), host time. The ports stay open across iterations, as they do for
// the whole of one job.

#include "library/LibraryData.h"
#include "midi/LibraryProcesses.h"
#include "midi/MidiDeviceManager.h"
#include "midiport/DefaultBackend.h"
#include "midiport/VirtualBackend.h"
#include "support/sim/SimulatedInstrument.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{
struct Instrument
{
    Instrument() : backend (std::make_shared<midiport::VirtualBackend>()), instrument (*backend)
    {
        midiport::setDefaultBackend (backend);
        auto* manager = midi::MidiDeviceManager::getInstance();
        manager->setFamilyCode (343);
        manager->setAutoScan (false);
        manager->setInPortName (juce::String::fromUTF8 (instrument.getSourceDisplayName().c_str()));
        manager->setOutPortName (juce::String::fromUTF8 (instrument.getDestinationDisplayName().c_str()));
        opened = manager->openPorts();
    }

    std::shared_ptr<midiport::VirtualBackend> backend;
    sim::SimulatedInstrument instrument;
    bool opened = false;
};

Instrument& instrument()
{
    static Instrument made;
    return made;
}

template <typename Job>
void runTransfer (benchmark::State& state)
{
    if (! instrument().opened)
    {
        state.SkipWithError ("the simulated instrument's ports did not open");
        return;
    }

    x48305_data::LibraryData library;
    for (auto _ : state)
    {
        Job job (library);
        if (job.run() != 0)
        {
            state.SkipWithError ("the transfer failed");
            return;
        }
    }
    state.counters["exchanges"] = 501;
}

void receiveLibrary (benchmark::State& state) { runTransfer<x48305_midi::ReceiveLibraryProcess> (state); }
void writeLibrary (benchmark::State& state) { runTransfer<x48305_midi::WriteLibraryProcess> (state); }
}

BENCHMARK (receiveLibrary)->Unit (benchmark::kMillisecond)->UseRealTime()->MinTime (2.0);
BENCHMARK (writeLibrary)->Unit (benchmark::kMillisecond)->UseRealTime()->MinTime (2.0);

#include "UnitJobRuns.h"

#include "support/midi/TaskRig.h"

#include "library/LibraryData.h"
#include "midi/LibraryProcesses.h"
#include "midi/MidiCommunicationError.h"
#include "midi/SelectedProgramProcesses.h"

using namespace unitjobs;
using sim::RequestKind;

namespace
{
using StrayReplies = UnitJobTest;

constexpr int oscKind = sim::InstrumentMemory::oscillator;

// Until the instrument receives a request that `until` picks, the link
// reports each send complete only long after the instrument has answered
// it: every answer, a repeat included, is queued before the next request
// leaves.
void holdCompletionsUntil (sim::SimulatedInstrument& instrument, sim::RequestMatcher until)
{
    auto backend = JobRig::applicationBackend();
    backend->setSysExCompletion (midiport::VirtualBackend::Completion::delayed, std::chrono::milliseconds (250));
    instrument.addRule ([backend, until] (const sim::Request& request) {
        if (until (request))
            backend->setSysExCompletion (midiport::VirtualBackend::Completion::immediate);
        return false;
    }, sim::Behaviour());
}

std::vector<int> programsThatDiffer (const x48305_data::LibraryData& library, sim::SimulatedInstrument& instrument)
{
    std::vector<int> differing;
    for (int n = 0; n < 500; ++n)
        if (devicetest::recordOf (library.getProgram (n)) != instrument.getProgram (n))
            differing.push_back (n);
    return differing;
}
}

// A reply that the instrument repeats is taken once, for the request it
// answers: a program dump only for its own number, whenever it comes; an
// acknowledgement or a unit header, which carry nothing to match, only when
// it came after the request left.
TEST_F (StrayReplies, AreNeverTakenForAnotherRequest)
{
    struct Case
    {
        const char* what;
        std::function<void (sim::SimulatedInstrument&)> prepare;
        std::function<void (JobRig&)> scenario;
    };

    const Case cases[] = {
        { "a program dump repeated late",
          [] (auto& instrument) {
              instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 5), sim::Behaviour::repeatedLate(), 1);
          },
          [] (JobRig& rig) {
              x48305_data::LibraryData library;
              x48305_midi::ReceiveLibraryProcess job (library);
              EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::noError);
              EXPECT_EQ (programsThatDiffer (library, rig.instrument), std::vector<int>());
          } },
        { "an acknowledgement repeated, the next write refused",
          [] (auto& instrument) {
              holdCompletionsUntil (instrument, sim::withNumber (RequestKind::programDump, 8));
              instrument.addRule (sim::withNumber (RequestKind::programDump, 7), sim::Behaviour::duplicated(), 1);
              instrument.addRule (sim::withNumber (RequestKind::programDump, 8), sim::Behaviour::refuse());
          },
          [] (JobRig& rig) {
              x48305_data::LibraryData library;
              library.getProgram (7) = devicetest::programNamed ("Seven", 7);
              x48305_midi::WriteSelectedProgramProcess job ({ 7, 8 }, library);
              EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::receiveNakOnWrite);
              EXPECT_EQ (rig.instrument.getProgram (7), devicetest::recordOf (library.getProgram (7)));
          } },
        { "a unit header repeated, then the store written back",
          [] (auto& instrument) {
              instrument.setUnitSlot (oscKind, 0, unitSlotOf (4, "Zero"));
              instrument.setUnitSlot (oscKind, 2, unitSlotOf (4, "Two"));
              holdCompletionsUntil (instrument, unitRequest (RequestKind::unitHeaderRequest, oscKind, 1));
              instrument.addRule (unitRequest (RequestKind::unitHeaderRequest, oscKind, 0), sim::Behaviour::duplicated(), 1);
          },
          [] (JobRig& rig) {
              x48305_data::UserData store;
              x48305_midi::ReceiveUserDataProcess receive (store);
              EXPECT_EQ (runOnThread (receive, rig), MidiCommunicationError::noError);
              EXPECT_TRUE (store == storeOf (rig.instrument));

              x48305_midi::WriteUserDataProcess write (store);
              EXPECT_EQ (runOnThread (write, rig), MidiCommunicationError::noError);
              EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
              EXPECT_EQ (countOccupied (rig.instrument), 2);
          } },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.what);
        JobRig rig;
        c.prepare (rig.instrument);
        c.scenario (rig);
        JobRig::applicationBackend()->setSysExCompletion (midiport::VirtualBackend::Completion::immediate);
    }
}

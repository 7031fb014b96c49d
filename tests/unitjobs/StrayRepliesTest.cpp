#include "UnitJobRuns.h"

#include "support/midi/TaskRig.h"

#include "library/LibraryData.h"
#include "midi/LibraryProcesses.h"
#include "midi/MidiCommunicationError.h"
#include "midi/SelectedProgramProcesses.h"

#include <thread>

using namespace unitjobs;
using sim::RequestKind;

namespace
{
using StrayReplies = UnitJobTest;

constexpr int oscKind = sim::InstrumentMemory::oscillator;

// Until a request that `until` picks, the link reports each send complete
// only long after the instrument answered it, so every answer, a repeat
// included, is queued before the next request leaves.
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
// A busy machine: the port layer's thread stalls after handing over each
// message, so that a repeat sent right behind an answer is still on its way
// when the next request leaves.
class BusyDelivery : public CPXWMidiListener
{
public:
    BusyDelivery() { JobRig::manager().getMidi()->addListener (this); }
    ~BusyDelivery() override { JobRig::manager().getMidi()->removeListener (this); }
    void sysExReceived (CPXWMidi*, const CPXWMidiMessage&) override
    {
        std::this_thread::sleep_for (std::chrono::milliseconds (20));
    }
};

// The modulation unit in instrument slot 0 dragged to position 1, every
// oscillator position empty: the write clears 16 oscillator slots, then
// swaps modulation slots 0 and 1.
x48305_data::UserData modulationUnitMovedToPositionOne (JobRig& rig)
{
    rig.instrument.setUnitSlot (sim::InstrumentMemory::modulationEffect, 0, unitSlotOf (1, "Chorus"));
    auto store = storeOf (rig.instrument);
    std::swap (store.getUserModFXData (0), store.getUserModFXData (1));
    return store;
}
}

// A repeated reply is taken once, for its own request: a program dump by its
// number whenever it comes; an acknowledgement or unit header only after the
// request left.
TEST_F (StrayReplies, AreNeverTakenForAnotherRequest)
{
    const std::pair<const char*, std::function<void (JobRig&)>> cases[] = {
        { "a program dump repeated late",
          [] (JobRig& rig) {
              rig.instrument.addRule (sim::withNumber (RequestKind::programDumpRequest, 5), sim::Behaviour::repeatedLate(), 1);
              x48305_data::LibraryData library;
              x48305_midi::ReceiveLibraryProcess job (library);
              EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::noError);
              for (int n = 0; n < sim::InstrumentMemory::numPrograms; ++n)
                  EXPECT_EQ (devicetest::recordOf (library.getProgram (n)), rig.instrument.getProgram (n)) << n;
          } },
        { "an acknowledgement repeated, the next write refused",
          [] (JobRig& rig) {
              holdCompletionsUntil (rig.instrument, sim::withNumber (RequestKind::programDump, 8));
              rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 7), sim::Behaviour::duplicated(), 1);
              rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 8), sim::Behaviour::refuse());
              x48305_data::LibraryData library;
              library.getProgram (7) = devicetest::programNamed ("Seven", 7);
              x48305_midi::WriteSelectedProgramProcess job ({ 7, 8 }, library);
              EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::receiveNakOnWrite);
              EXPECT_EQ (rig.instrument.getProgram (7), devicetest::recordOf (library.getProgram (7)));
          } },
        { "a unit header repeated, then the store written back",
          [] (JobRig& rig) {
              rig.instrument.setUnitSlot (oscKind, 0, unitSlotOf (4, "Zero"));
              rig.instrument.setUnitSlot (oscKind, 2, unitSlotOf (4, "Two"));
              holdCompletionsUntil (rig.instrument, unitRequest (RequestKind::unitHeaderRequest, oscKind, 1));
              rig.instrument.addRule (unitRequest (RequestKind::unitHeaderRequest, oscKind, 0), sim::Behaviour::duplicated(), 1);
              x48305_data::UserData store;
              x48305_data::UserUnitsMatch unitsMatch;
              x48305_midi::ReceiveUserDataProcess receive (store, unitsMatch);
              EXPECT_EQ (runOnThread (receive, rig), MidiCommunicationError::noError);
              EXPECT_TRUE (store == storeOf (rig.instrument));
              x48305_midi::WriteUserDataProcess write (store, unitsMatch);
              EXPECT_EQ (runOnThread (write, rig), MidiCommunicationError::noError);
              EXPECT_EQ (differencesAfterWrite (store, rig.instrument), "");
              EXPECT_EQ (countOccupied (rig.instrument), 2);
          } },
        { "an acknowledgement repeated on a busy machine, the next write refused",
          [] (JobRig& rig) {
              BusyDelivery busy;
              rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 7), sim::Behaviour::duplicated(), 1);
              rig.instrument.addRule (sim::withNumber (RequestKind::programDump, 8), sim::Behaviour::refuse());
              x48305_data::LibraryData library;
              x48305_midi::WriteSelectedProgramProcess job ({ 7, 8 }, library);
              EXPECT_EQ (runOnThread (job, rig), MidiCommunicationError::receiveNakOnWrite);
          } },
        { "a unit header repeated byte by byte on a busy machine",
          [] (JobRig& rig) {
              BusyDelivery busy;
              rig.instrument.setUnitSlot (oscKind, 0, unitSlotOf (4, "Zero"));
              rig.instrument.setUnitSlot (oscKind, 2, unitSlotOf (4, "Two"));
              auto twiceBytewise = sim::Behaviour::duplicated();
              twiceBytewise.packetSize = 1;
              rig.instrument.addRule (unitRequest (RequestKind::unitHeaderRequest, oscKind, 0), twiceBytewise, 1);
              x48305_data::UserData store;
              x48305_data::UserUnitsMatch unitsMatch;
              x48305_midi::ReceiveUserDataProcess receive (store, unitsMatch);
              EXPECT_EQ (runOnThread (receive, rig), MidiCommunicationError::noError);
              EXPECT_TRUE (store == storeOf (rig.instrument));
          } },
        { "a unit header repeated late, before a different one",
          [] (JobRig& rig) {
              for (const bool firstEmpty : { false, true })
              {
                  rig.instrument.setUnitSlot (oscKind, 0, firstEmpty ? sim::InstrumentMemory::UnitSlot {} : unitSlotOf (4, "Zero"));
                  rig.instrument.setUnitSlot (oscKind, 1, unitSlotOf (4, "One"));
                  rig.instrument.addRule (unitRequest (RequestKind::unitHeaderRequest, oscKind, 0), sim::Behaviour::repeatedLate(), 1);
                  x48305_data::UserData store;
                  x48305_data::UserUnitsMatch unitsMatch;
                  x48305_midi::ReceiveUserDataProcess receive (store, unitsMatch);
                  EXPECT_EQ (runOnThread (receive, rig), MidiCommunicationError::messageBroken) << firstEmpty;
              }
          } },
        { "a swap refused behind a repeated clear acknowledgement",
          [] (JobRig& rig) {
              auto store = modulationUnitMovedToPositionOne (rig);
              rig.instrument.addRule (unitRequest (RequestKind::unitClear, oscKind, 15), sim::Behaviour::repeatedLate(), 1);
              rig.instrument.addRule (sim::every (RequestKind::unitSwap), sim::Behaviour::refuse());
              x48305_data::UserUnitsMatch unitsMatch;
              x48305_midi::WriteUserDataProcess write (store, unitsMatch);
              EXPECT_NE (runOnThread (write, rig), MidiCommunicationError::noError);
              EXPECT_EQ (rig.instrument.getUnitSlot (sim::InstrumentMemory::modulationEffect, 0).header,
                         unitSlotOf (1, "Chorus").header);
              EXPECT_EQ (untruthfulSlotIndices (store, rig.instrument), "");
              EXPECT_TRUE (rig.instrument.getRequestsOfKind (RequestKind::unitClear).size() == 16u);
          } },
        { "a unit write refused behind a repeated acknowledgement",
          [] (JobRig& rig) {
              x48305_data::UserData store;
              store.getUserOscData (1) = x48305_data::UserOscData (unitImageOf (4, "New", 24));
              rig.instrument.addRule (unitRequest (RequestKind::unitClear, oscKind, 0), sim::Behaviour::repeatedLate(), 1);
              rig.instrument.addRule (sim::every (RequestKind::unitDump), sim::Behaviour::userUnitError());
              x48305_data::UserUnitsMatch unitsMatch;
              x48305_midi::WriteUserDataProcess write (store, unitsMatch);
              EXPECT_NE (runOnThread (write, rig), MidiCommunicationError::noError);
              EXPECT_EQ (store.getUserOscData (1).getState(), UnitSlotState::FromFile);
              EXPECT_TRUE (rig.instrument.getUnitSlot (oscKind, 1).isEmpty());
          } },
    };

    for (const auto& [what, scenario] : cases)
    {
        SCOPED_TRACE (what);
        JobRig rig;
        scenario (rig);
        JobRig::applicationBackend()->setSysExCompletion (midiport::VirtualBackend::Completion::immediate);
    }
}

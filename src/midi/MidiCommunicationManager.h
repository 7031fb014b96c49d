#pragma once

#include "data/Singleton.h"
#include "library/LibraryData.h"
#include "library/ProgramData.h"
#include "library/UserData.h"
#include "library/UserUnitsMatch.h"
#include "midi/AsyncCurrentProgramTransmitter.h"

#include <juce_events/juce_events.h>

#include <memory>
#include <vector>

namespace midi
{
class MidiCommunicationProcess;
}

namespace x48305_midi
{
// Makes the device manager before the communication manager registers for
// deletion at shutdown: the framework deletes in the reverse order, so the
// device manager outlives the transmitter that listens to it.
class DeviceManagerMadeFirst
{
protected:
    DeviceManagerMadeFirst();
};

// The one entry point for transfers with the instrument. The commands run
// their jobs through it, each behind the progress dialog; the current-program
// model hands it every newly current program, which the background
// transmitter sends unless a job is running. A job never shares the ports
// with a background send: the transmitter is stopped, and its thread has
// ended, before the dialog opens them.
//
// Message thread only.
class MidiCommunicationManager : public Singleton<MidiCommunicationManager>,
                                 private DeviceManagerMadeFirst,
                                 public juce::DeletedAtShutdown
{
public:
    MidiCommunicationManager() = default;
    ~MidiCommunicationManager() override = default;

    // Each runs its job behind the progress dialog and returns the dialog's
    // result: 0 after success, 1 after a failure or a cancel (the dialog has
    // shown the error). Only 0 means that the data may be used.
    int receiveLibrary (x48305_data::LibraryData& library);
    int writeLibrary (x48305_data::LibraryData& library);
    int receiveSelectedPrograms (const std::vector<int>& programNumbers, x48305_data::LibraryData& library);
    int writeSelectedPrograms (const std::vector<int>& programNumbers, x48305_data::LibraryData& library);

    // Reads the instrument's unit headers into the store. Firmware without
    // user units ends the run at once with success and the store untouched:
    // wasUserDataReceiveSkipped() then says that the store tells nothing. A
    // receive of every slot clears the mark of a write that lost track.
    int receiveUserData (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch);
    bool wasUserDataReceiveSkipped() const { return userDataReceiveSkipped; }

    // Makes the instrument's unit slots match the store. The job works on a
    // copy, so the lists never read a store that the job's thread writes; the
    // copy, as the instrument was left (after an error or a cancel too),
    // replaces the store once the dialog has returned, and the views are told.
    // A run that loses track of the instrument marks `unitsMatch`; while it
    // is marked, every run is refused before it changes anything.
    int writeUserData (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch);

    // Stops the background transmitter, whose send under way gives up at
    // once, waits until its thread has ended, then runs the job behind the
    // dialog; the dialog's result.
    int runProcess (midi::MidiCommunicationProcess& job);

    // Sends the program in the background; ignored while a job runs.
    void transmitCurrentProgramAsync (const x48305_data::ProgramData& program);

    bool isBusy() const { return busy; }
    AsyncCurrentProgramTransmitter& getTransmitter() { return transmitter; }

private:
    int runJob (std::unique_ptr<midi::MidiCommunicationProcess> job);

    AsyncCurrentProgramTransmitter transmitter;
    bool busy = false;
    bool userDataReceiveSkipped = false;

    JUCE_DECLARE_NON_COPYABLE (MidiCommunicationManager)
};
}

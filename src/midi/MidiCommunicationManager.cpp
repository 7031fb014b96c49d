#include "midi/MidiCommunicationManager.h"

#include "action/DataChangeBroadcaster.h"
#include "midi/LibraryProcesses.h"
#include "midi/MidiCommunicationDialog.h"
#include "midi/MidiCommunicationProcess.h"
#include "midi/MidiCommunicationProcessFactory.h"
#include "midi/MidiDeviceManager.h"
#include "midi/ReceiveUserDataProcess.h"
#include "midi/SelectedProgramProcesses.h"
#include "midi/WriteUserDataProcess.h"

namespace x48305_midi
{
namespace
{
// Busy for the scope; a nested job leaves it as the outer one set it.
class ScopedBusy
{
public:
    explicit ScopedBusy (bool& flag) : busy (flag), previous (flag) { busy = true; }
    ~ScopedBusy() { busy = previous; }

private:
    bool& busy;
    bool previous;

    JUCE_DECLARE_NON_COPYABLE (ScopedBusy)
};
}

DeviceManagerMadeFirst::DeviceManagerMadeFirst()
{
    midi::MidiDeviceManager::getInstance();
}

int MidiCommunicationManager::receiveLibrary (x48305_data::LibraryData& library)
{
    const ScopedBusy scope (busy);
    return runJob (MidiCommunicationProcessFactory().createReceiveLibraryProcess (library));
}

int MidiCommunicationManager::writeLibrary (x48305_data::LibraryData& library)
{
    const ScopedBusy scope (busy);
    return runJob (MidiCommunicationProcessFactory().createWriteLibraryProcess (library));
}

int MidiCommunicationManager::receiveSelectedPrograms (const std::vector<int>& programNumbers,
                                                       x48305_data::LibraryData& library)
{
    const ScopedBusy scope (busy);
    return runJob (MidiCommunicationProcessFactory().createReceiveSelectedProgramProcess (programNumbers, library));
}

int MidiCommunicationManager::writeSelectedPrograms (const std::vector<int>& programNumbers,
                                                     x48305_data::LibraryData& library)
{
    const ScopedBusy scope (busy);
    return runJob (MidiCommunicationProcessFactory().createWriteSelectedProgramProcess (programNumbers, library));
}

int MidiCommunicationManager::receiveUserData (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch)
{
    const ScopedBusy scope (busy);
    userDataReceiveSkipped = false;
    auto job = MidiCommunicationProcessFactory().createReceiveUserDataProcess (store, unitsMatch);
    const int result = runProcess (*job);
    userDataReceiveSkipped = job->wasSkipped();
    return result;
}

int MidiCommunicationManager::writeUserData (x48305_data::UserData& store, x48305_data::UserUnitsMatch& unitsMatch)
{
    const ScopedBusy scope (busy);
    const int result = WriteUserDataProcess::runOnCopy (store, [this, &unitsMatch] (x48305_data::UserData& copy) {
        return runJob (MidiCommunicationProcessFactory().createWriteUserDataProcess (copy, unitsMatch));
    });
    data::DataChangeBroadcaster::getInstance()->notify();
    return result;
}

int MidiCommunicationManager::runJob (std::unique_ptr<midi::MidiCommunicationProcess> job)
{
    return runProcess (*job);
}

int MidiCommunicationManager::runProcess (midi::MidiCommunicationProcess& job)
{
    transmitter.stop();
    transmitter.waitUntilEnded();
    return midi::MidiCommunicationDialog::runModal (job.getTitle(), job, false);
}

void MidiCommunicationManager::transmitCurrentProgramAsync (const x48305_data::ProgramData& program)
{
    if (! busy)
        transmitter.request (program);
}
}

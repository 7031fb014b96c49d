// The communication manager's and the factory's user-unit transfers.

#include "midi/MidiCommunicationManager.h"
#include "midi/MidiCommunicationProcessFactory.h"
#include "midi/ReceiveUserDataProcess.h"
#include "midi/WriteUserDataProcess.h"

namespace x48305_midi
{
std::unique_ptr<ReceiveUserDataProcess>
    MidiCommunicationProcessFactory::createReceiveUserDataProcess (x48305_data::UserData& store) const
{
    return std::make_unique<ReceiveUserDataProcess> (store);
}

std::unique_ptr<WriteUserDataProcess>
    MidiCommunicationProcessFactory::createWriteUserDataProcess (x48305_data::UserData& store) const
{
    return std::make_unique<WriteUserDataProcess> (store);
}

int MidiCommunicationManager::receiveUserData (x48305_data::UserData& store, bool& skipped)
{
    const bool wasBusy = busy;
    busy = true;
    auto job = MidiCommunicationProcessFactory().createReceiveUserDataProcess (store);
    const int result = runProcess (*job);
    skipped = job->wasSkipped();
    busy = wasBusy;
    return result;
}

int MidiCommunicationManager::writeUserData (x48305_data::UserData& store)
{
    const bool wasBusy = busy;
    busy = true;
    const int result = WriteUserDataProcess::runOnCopy (store, [this] (x48305_data::UserData& copy)
    {
        return runJob (MidiCommunicationProcessFactory().createWriteUserDataProcess (copy));
    });
    busy = wasBusy;
    return result;
}
} // namespace x48305_midi

#include "midi/MidiCommunicationProcessFactory.h"

#include "midi/LibraryProcesses.h"
#include "midi/ReceiveUserDataProcess.h"
#include "midi/SelectedProgramProcesses.h"
#include "midi/TransmitCurrentProgramProcess.h"
#include "midi/WriteUserDataProcess.h"

namespace x48305_midi
{
std::unique_ptr<TransmitCurrentProgramProcess>
    MidiCommunicationProcessFactory::createTransmitCurrentProgramProcess (const x48305_data::ProgramData& program) const
{
    return std::make_unique<TransmitCurrentProgramProcess> (program);
}

std::unique_ptr<ReceiveSelectedProgramProcess>
    MidiCommunicationProcessFactory::createReceiveSelectedProgramProcess (const std::vector<int>& programNumbers,
                                                                          x48305_data::LibraryData& library) const
{
    return std::make_unique<ReceiveSelectedProgramProcess> (programNumbers, library);
}

std::unique_ptr<WriteSelectedProgramProcess>
    MidiCommunicationProcessFactory::createWriteSelectedProgramProcess (const std::vector<int>& programNumbers,
                                                                        x48305_data::LibraryData& library) const
{
    return std::make_unique<WriteSelectedProgramProcess> (programNumbers, library);
}

std::unique_ptr<ReceiveLibraryProcess>
    MidiCommunicationProcessFactory::createReceiveLibraryProcess (x48305_data::LibraryData& library) const
{
    return std::make_unique<ReceiveLibraryProcess> (library);
}

std::unique_ptr<WriteLibraryProcess>
    MidiCommunicationProcessFactory::createWriteLibraryProcess (x48305_data::LibraryData& library) const
{
    return std::make_unique<WriteLibraryProcess> (library);
}

std::unique_ptr<ReceiveUserDataProcess>
    MidiCommunicationProcessFactory::createReceiveUserDataProcess (x48305_data::UserData& store,
                                                                  x48305_data::UserUnitsMatch& unitsMatch) const
{
    return std::make_unique<ReceiveUserDataProcess> (store, unitsMatch);
}

std::unique_ptr<WriteUserDataProcess>
    MidiCommunicationProcessFactory::createWriteUserDataProcess (x48305_data::UserData& store,
                                                                  x48305_data::UserUnitsMatch& unitsMatch) const
{
    return std::make_unique<WriteUserDataProcess> (store, unitsMatch);
}
}

#include "midi/MidiCommunicationProcessFactory.h"

#include "midi/LibraryProcesses.h"
#include "midi/SelectedProgramProcesses.h"
#include "midi/TransmitCurrentProgramProcess.h"

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
}

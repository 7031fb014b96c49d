#pragma once

#include "library/LibraryData.h"
#include "library/ProgramData.h"
#include "library/UserData.h"
#include "library/UserUnitsMatch.h"

#include <memory>
#include <vector>

namespace x48305_midi
{
class TransmitCurrentProgramProcess;
class ReceiveSelectedProgramProcess;
class WriteSelectedProgramProcess;
class ReceiveLibraryProcess;
class WriteLibraryProcess;
class ReceiveUserDataProcess;
class WriteUserDataProcess;

// Makes the jobs; the caller owns each job for one run. The jobs keep
// pointers to the library or unit store they are given, which must outlive them.
class MidiCommunicationProcessFactory
{
public:
    virtual ~MidiCommunicationProcessFactory() = default;

    std::unique_ptr<TransmitCurrentProgramProcess> createTransmitCurrentProgramProcess (const x48305_data::ProgramData& program) const;
    std::unique_ptr<ReceiveSelectedProgramProcess> createReceiveSelectedProgramProcess (const std::vector<int>& programNumbers,
                                                                                        x48305_data::LibraryData& library) const;
    std::unique_ptr<WriteSelectedProgramProcess> createWriteSelectedProgramProcess (const std::vector<int>& programNumbers,
                                                                                    x48305_data::LibraryData& library) const;
    std::unique_ptr<ReceiveLibraryProcess> createReceiveLibraryProcess (x48305_data::LibraryData& library) const;
    std::unique_ptr<WriteLibraryProcess> createWriteLibraryProcess (x48305_data::LibraryData& library) const;
    std::unique_ptr<ReceiveUserDataProcess> createReceiveUserDataProcess (x48305_data::UserData& store,
                                                                          x48305_data::UserUnitsMatch& unitsMatch) const;
    std::unique_ptr<WriteUserDataProcess> createWriteUserDataProcess (x48305_data::UserData& store,
                                                                      x48305_data::UserUnitsMatch& unitsMatch) const;
};
}

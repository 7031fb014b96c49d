#pragma once

#include "library/LibraryData.h"
#include "midi/TransferProcess.h"

#include <vector>

namespace x48305_midi
{
// What the jobs on listed programs share: the list, the library they work
// on (not owned) and the walk through the list in its order.
class SelectedProgramProcess : public TransferProcess
{
protected:
    SelectedProgramProcess (const char* titleKey, const char* statusKey, const std::vector<int>& numbers,
                            x48305_data::LibraryData& programs)
        : TransferProcess (titleKey, statusKey, true), library (&programs), programNumbers (numbers)
    {
    }

    // The start of the run, then exchange (task, number) for every listed
    // program with one Task on the instrument's channel.
    template <typename Task, typename Exchange>
    std::int32_t forEachProgram (Exchange exchange);

    x48305_data::LibraryData* library;

private:
    std::vector<int> programNumbers;
};

// Receives the listed programs of the instrument into the same numbers of the library.
class ReceiveSelectedProgramProcess : public SelectedProgramProcess
{
public:
    ReceiveSelectedProgramProcess (const std::vector<int>& numbers, x48305_data::LibraryData& target)
        : SelectedProgramProcess ("ConnectionReceiveSelectedProgramTitle", "CommunicationProcessReceiveSelectedProgram",
                                  numbers, target)
    {
    }

    std::int32_t run() override;
};

// Writes the listed programs of the library into the same numbers of the instrument.
class WriteSelectedProgramProcess : public SelectedProgramProcess
{
public:
    WriteSelectedProgramProcess (const std::vector<int>& numbers, x48305_data::LibraryData& source)
        : SelectedProgramProcess ("ConnectionWriteSelectedProgramTitle", "CommunicationProcessWriteSelectedProgram",
                                  numbers, source)
    {
    }

    std::int32_t run() override;
};
}

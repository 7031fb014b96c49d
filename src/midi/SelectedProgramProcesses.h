#pragma once

#include "library/LibraryData.h"
#include "midi/TransferProcess.h"

#include <vector>

namespace x48305_midi
{
// Receives the listed programs of the instrument into the same numbers of
// the library, in the order of the list.
class ReceiveSelectedProgramProcess : public TransferProcess
{
public:
    ReceiveSelectedProgramProcess (const std::vector<int>& programNumbers, x48305_data::LibraryData& library);

    std::int32_t run() override;

private:
    std::vector<int> programNumbers;
    x48305_data::LibraryData* library;
};

// Writes the listed programs of the library into the same numbers of the
// instrument, in the order of the list.
class WriteSelectedProgramProcess : public TransferProcess
{
public:
    WriteSelectedProgramProcess (const std::vector<int>& programNumbers, x48305_data::LibraryData& library);

    std::int32_t run() override;

private:
    std::vector<int> programNumbers;
    x48305_data::LibraryData* library;
};
}

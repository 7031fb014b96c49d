#pragma once

#include "library/LibraryData.h"
#include "midi/TransferProcess.h"

namespace x48305_midi
{
// Receives the instrument's whole library (500 programs, then the live set)
// into the library it is given. Programs received before a failure or a
// cancel stay there; the caller uses the library only after a success.
class ReceiveLibraryProcess : public TransferProcess
{
public:
    explicit ReceiveLibraryProcess (x48305_data::LibraryData& library);

    std::int32_t run() override;

private:
    std::int32_t receivePrograms (std::uint32_t channel);
    std::int32_t receiveLiveset (std::uint32_t channel);

    x48305_data::LibraryData* library;
};

// Writes the whole library into the instrument: the 500 programs, then the
// live set's program numbers into the instrument's own live-set block.
class WriteLibraryProcess : public TransferProcess
{
public:
    explicit WriteLibraryProcess (x48305_data::LibraryData& library);

    std::int32_t run() override;

private:
    std::int32_t writePrograms (std::uint32_t channel);
    std::int32_t writeLiveset (std::uint32_t channel);

    x48305_data::LibraryData* library;
};
}

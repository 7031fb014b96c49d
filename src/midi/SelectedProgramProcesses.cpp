#include "midi/SelectedProgramProcesses.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/ProgramDataTasks.h"

namespace x48305_midi
{
ReceiveSelectedProgramProcess::ReceiveSelectedProgramProcess (const std::vector<int>& numbers,
                                                              x48305_data::LibraryData& target)
    : TransferProcess ("ConnectionReceiveSelectedProgramTitle", "CommunicationProcessReceiveSelectedProgram", true),
      programNumbers (numbers),
      library (&target)
{
}

std::int32_t ReceiveSelectedProgramProcess::run()
{
    beginTransfer();

    DeviceInquiry inquiry (getMidi());
    if (const auto code = identifyInstrument (inquiry))
        return code;

    ProgramDataReceiver receiver (getMidi(), inquiry.getChannel());
    applyTaskTimeout (receiver);

    const auto count = programNumbers.size();
    for (std::size_t k = 0; k < count && ! isCancelRequested(); ++k)
    {
        const auto n = programNumbers[k];
        if (const auto code = receiver.receive ((std::uint32_t) n))
            return endWithError (code);
        library->getProgram (n) = receiver.getReceived();
        setProgress ((float) k / (float) count);
    }

    return isCancelRequested() ? endCanceled() : MidiCommunicationError::noError;
}

WriteSelectedProgramProcess::WriteSelectedProgramProcess (const std::vector<int>& numbers,
                                                          x48305_data::LibraryData& source)
    : TransferProcess ("ConnectionWriteSelectedProgramTitle", "CommunicationProcessWriteSelectedProgram", true),
      programNumbers (numbers),
      library (&source)
{
}

std::int32_t WriteSelectedProgramProcess::run()
{
    beginTransfer();

    DeviceInquiry inquiry (getMidi());
    if (const auto code = identifyInstrument (inquiry))
        return code;

    ProgramDataTransmitter transmitter (getMidi(), inquiry.getChannel());
    applyTaskTimeout (transmitter);

    const auto count = programNumbers.size();
    for (std::size_t k = 0; k < count && ! isCancelRequested(); ++k)
    {
        const auto n = programNumbers[k];
        if (const auto code = transmitter.transmit ((std::uint32_t) n, library->getProgram (n)))
            return endWithError (code);
        setProgress ((float) k / (float) count);
    }

    return isCancelRequested() ? endCanceled() : MidiCommunicationError::noError;
}
}

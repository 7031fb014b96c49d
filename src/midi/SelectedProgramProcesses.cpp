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
    prepareTask (receiver);

    const auto count = programNumbers.size();
    return forEachItem (count, (float) count, [&] (std::size_t k) {
        const auto n = programNumbers[k];
        const auto code = receiver.receive ((std::uint32_t) n);
        if (code == MidiCommunicationError::noError)
            library->getProgram (n) = receiver.getReceived();
        return code;
    });
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
    prepareTask (transmitter);

    const auto count = programNumbers.size();
    return forEachItem (count, (float) count, [&] (std::size_t k) {
        const auto n = programNumbers[k];
        return transmitter.transmit ((std::uint32_t) n, library->getProgram (n));
    });
}
}

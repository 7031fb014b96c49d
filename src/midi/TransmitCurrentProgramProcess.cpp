#include "midi/TransmitCurrentProgramProcess.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/ProgramDataTasks.h"

namespace x48305_midi
{
TransmitCurrentProgramProcess::TransmitCurrentProgramProcess (const x48305_data::ProgramData& source)
    : TransferProcess ("ConnectionTransmitCurrentProgramTitle", "CommunicationProcessTransmitCurrentProgram", false),
      program (&source)
{
}

std::int32_t TransmitCurrentProgramProcess::run()
{
    DeviceInquiry inquiry (getMidi());
    if (const auto code = beginTransfer (inquiry))
        return code;

    CurrentProgramTransmitter transmitter (getMidi(), inquiry.getChannel());
    prepareTask (transmitter);
    if (const auto code = transmitter.transmit (*program))
        return endWithError (code);
    return MidiCommunicationError::noError;
}
}

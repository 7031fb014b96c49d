#include "midi/SelectedProgramProcesses.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"
#include "midi/ProgramDataTasks.h"

namespace x48305_midi
{
template <typename Task, typename Exchange>
std::int32_t SelectedProgramProcess::forEachProgram (Exchange exchange)
{
    DeviceInquiry inquiry (getMidi());
    if (const auto code = beginTransfer (inquiry))
        return code;

    Task task (getMidi(), inquiry.getChannel());
    prepareTask (task);

    const auto count = programNumbers.size();
    return forEachItem (count, (float) count, [&] (std::size_t k) { return exchange (task, programNumbers[k]); });
}

std::int32_t ReceiveSelectedProgramProcess::run()
{
    return forEachProgram<ProgramDataReceiver> ([this] (ProgramDataReceiver& receiver, int n) {
        const auto code = receiver.receive ((std::uint32_t) n);
        if (code == MidiCommunicationError::noError)
            library->getProgram (n) = receiver.getReceived();
        return code;
    });
}

std::int32_t WriteSelectedProgramProcess::run()
{
    return forEachProgram<ProgramDataTransmitter> ([this] (ProgramDataTransmitter& transmitter, int n) {
        return transmitter.transmit ((std::uint32_t) n, library->getProgram (n));
    });
}
}

#include "midi/ProgramDataTasks.h"

#include "midi/MidiCommunicationError.h"
#include "midi/SysExGenerator.h"

namespace x48305_midi
{
namespace
{
const std::vector<std::int32_t> dumpReplies { AnalyzedMessageType::broken, AnalyzedMessageType::programDataDump,
                                              AnalyzedMessageType::refusal };
const std::vector<std::int32_t> writeReplies { AnalyzedMessageType::broken, AnalyzedMessageType::acknowledge,
                                               AnalyzedMessageType::refusal };
}

std::int32_t ProgramDataReceiver::receive (std::uint32_t programNumber)
{
    sendMessage (SysExGenerator (channel).createProgramDataDumpRequest (programNumber));

    // A dump of another program answers another request; the number goes on
    // the wire in 14 bits.
    const auto requested = (std::int32_t) (programNumber & 0x3FFF);
    auto reply = waitForMessage (dumpReplies, getTimeout(), [requested] (const AnalyzedInformation& information) {
        return information.type != AnalyzedMessageType::programDataDump || information.value == requested;
    });
    auto code = codeForReply (reply.type, AnalyzedMessageType::programDataDump,
                              MidiCommunicationError::receiveNakOnReceive);

    if (code == MidiCommunicationError::noError)
    {
        // The analyzer decodes exactly one record; anything else is broken.
        if (reply.data.getSize() != sysex::programRecordSize)
            return MidiCommunicationError::messageBroken;
        received.setRawData (reply.data.getData());
    }
    return code;
}

std::int32_t ProgramDataTransmitter::transmit (std::uint32_t programNumber, const x48305_data::ProgramData& program)
{
    sendMessage (SysExGenerator (channel).createProgramDataDump (programNumber, program));

    auto reply = waitForMessage (writeReplies, getTimeout());
    return codeForReply (reply.type, AnalyzedMessageType::acknowledge, MidiCommunicationError::receiveNakOnWrite);
}

std::int32_t CurrentProgramTransmitter::transmit (const x48305_data::ProgramData& program)
{
    sendMessage (SysExGenerator (channel).createCurrentProgramDataDump (program));

    auto reply = waitForMessage (writeReplies, getTimeout());
    return codeForReply (reply.type, AnalyzedMessageType::acknowledge, MidiCommunicationError::receiveNakOnWrite);
}
}

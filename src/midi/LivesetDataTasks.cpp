#include "midi/LivesetDataTasks.h"

#include "midi/MidiCommunicationError.h"
#include "midi/SysExGenerator.h"

namespace x48305_midi
{
std::int32_t LivesetDataReceiver::receive()
{
    sendMessage (SysExGenerator (channel).createLivesetDataDumpRequest());

    auto reply = waitForMessage ({ AnalyzedMessageType::broken, AnalyzedMessageType::livesetDataDump,
                                   AnalyzedMessageType::refusal },
                                 getTimeout());
    auto code = codeForReply (reply.type, AnalyzedMessageType::livesetDataDump,
                              MidiCommunicationError::receiveNakOnReceive);

    if (code == MidiCommunicationError::noError)
    {
        if (reply.data.getSize() != sysex::livesetBlockSize)
            return MidiCommunicationError::messageBroken;
        block = juce::MemoryBlock (reply.data.getData(), reply.data.getSize());
    }
    return code;
}

std::int32_t LivesetDataTransmitter::transmit (const juce::MemoryBlock& liveset)
{
    sendMessage (SysExGenerator (channel).createLivesetDataDump (liveset));

    auto reply = waitForMessage ({ AnalyzedMessageType::broken, AnalyzedMessageType::acknowledge,
                                   AnalyzedMessageType::refusal },
                                 getTimeout());
    return codeForReply (reply.type, AnalyzedMessageType::acknowledge, MidiCommunicationError::receiveNakOnWrite);
}
}

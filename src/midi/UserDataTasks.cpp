#include "midi/UserDataTasks.h"

#include "midi/SysExGenerator.h"

#include <cstring>

namespace x48305_midi
{
namespace
{
const std::vector<std::int32_t> headerReplies { AnalyzedMessageType::broken, AnalyzedMessageType::userDataHeader,
                                                AnalyzedMessageType::refusal,
                                                AnalyzedMessageType::userCommunicationError };
const std::vector<std::int32_t> writeReplies { AnalyzedMessageType::broken, AnalyzedMessageType::acknowledge,
                                               AnalyzedMessageType::refusal,
                                               AnalyzedMessageType::userCommunicationError };

std::uint8_t onTheWire (std::uint32_t slot)
{
    return (std::uint8_t) (slot & 0x7F);
}
}

UserUnitHeaderReceiver::UserUnitHeaderReceiver (CPXWMidi* wrapper, std::uint32_t ch, UserUnitKind k,
                                                std::int32_t errorCode)
    : MidiCommunicationTask (wrapper, ch, defaultTimeoutMs), kind (k), userErrorCode (errorCode)
{
}

std::int32_t UserUnitHeaderReceiver::receiveHeader (std::uint32_t slot, UnitHeaderSummary& header)
{
    sendMessage (SysExGenerator (channel).createUserDataRequest (kind, slot));

    const auto reply = waitForMessage (headerReplies, getTimeout());
    if (reply.type == AnalyzedMessageType::userCommunicationError)
        return userErrorCode;

    const auto code = codeForReply (reply.type, AnalyzedMessageType::userDataHeader,
                                    MidiCommunicationError::receiveNakOnReceive);
    if (code != MidiCommunicationError::noError)
        return code;

    // The analyzer hands over 32 bytes for every header it accepts (zeros for
    // an empty slot); fewer cannot describe a unit.
    if (reply.data.getSize() < header.size())
        return MidiCommunicationError::messageBroken;

    std::memcpy (header.data(), reply.data.getData(), header.size());
    receivedHeader = header;
    return MidiCommunicationError::noError;
}

UserUnitTransmitter::UserUnitTransmitter (CPXWMidi* wrapper, std::uint32_t ch, UserUnitKind k)
    : MidiCommunicationTask (wrapper, ch, defaultTimeoutMs), kind (k)
{
}

std::int32_t UserUnitTransmitter::swapSlots (const std::uint32_t& firstSlot, const std::uint32_t& secondSlot)
{
    sendMessage (SysExGenerator (channel).createUserSlotSwap (kind, onTheWire (firstSlot), onTheWire (secondSlot)));
    return waitForAcknowledge();
}

std::int32_t UserUnitTransmitter::clearSlot (const std::uint32_t& slot)
{
    sendMessage (SysExGenerator (channel).createUserSlotClear (kind, onTheWire (slot)));
    return waitForAcknowledge();
}

std::int32_t UserUnitTransmitter::transmitImage (const std::uint32_t& slot, const juce::MemoryBlock& image)
{
    sendMessage (SysExGenerator (channel).createUserDataDump (kind, slot, image));
    return waitForAcknowledge();
}

std::int32_t UserUnitTransmitter::waitForAcknowledge()
{
    const auto reply = waitForMessage (writeReplies, getTimeout());
    if (reply.type == AnalyzedMessageType::userCommunicationError)
        return MidiCommunicationError::receiveUserCommErr;
    // A refused swap, write or clear reports 5 (a refused request), not the
    // program dumps' 6.
    return codeForReply (reply.type, AnalyzedMessageType::acknowledge, MidiCommunicationError::receiveNakOnReceive);
}
}

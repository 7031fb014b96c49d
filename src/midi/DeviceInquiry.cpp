#include "midi/DeviceInquiry.h"

#include "midi/InstrumentAddress.h"
#include "midi/MidiCommunicationError.h"
#include "midi/SysExGenerator.h"

namespace x48305_midi
{
namespace
{
// Positions in the 15-byte universal identity reply.
constexpr std::size_t identityReplyLength = 15;
constexpr std::size_t deviceIdOffset = 2;
constexpr std::size_t manufacturerOffset = 5;
constexpr std::size_t familyLowOffset = 6;
constexpr std::size_t familyHighOffset = 7;
constexpr std::size_t versionOffset = 10;
}

std::int32_t DeviceInquiry::inquire()
{
    sendMessage (SysExGenerator (channel).createIdentityRequest());

    auto reply = waitForMessage ({ AnalyzedMessageType::identityReply }, getTimeout());
    if (reply.type != AnalyzedMessageType::identityReply)
        return MidiCommunicationError::timeout;

    // The analyzer hands over the whole reply; its length is checked again
    // here because everything below indexes into it.
    if (reply.data.getSize() != identityReplyLength)
        return MidiCommunicationError::targetDevice;

    const auto* bytes = static_cast<const std::uint8_t*> (reply.data.getData());
    const auto family = ((std::uint32_t) bytes[familyHighOffset] << 8) | bytes[familyLowOffset];
    if (bytes[manufacturerOffset] != sysex::manufacturerId || family != getCurrentInstrumentAddress().familyCode)
        return MidiCommunicationError::targetDevice;

    channel = bytes[deviceIdOffset] & 0x0F;
    for (std::size_t i = 0; i < version.size(); ++i)
        version[i] = bytes[versionOffset + i];
    return MidiCommunicationError::noError;
}
}

#include "midi/DeviceSearchMessage.h"

#include "midi/SysExProtocol.h"

namespace midi
{
namespace DeviceSearchMessage
{
namespace
{
using x48305_midi::sysex::end;
using x48305_midi::sysex::manufacturerId;
using x48305_midi::sysex::start;
constexpr std::uint8_t searchGroup = 0x50;
constexpr std::uint8_t request = 0x00;
constexpr std::uint8_t reply = 0x01;

std::uint32_t fourteenBits (std::uint8_t low, std::uint8_t high)
{
    return (std::uint32_t) (low & 0x7F) | ((std::uint32_t) (high & 0x7F) << 8);
}
}

std::vector<std::uint8_t> createRequest (int outputIndex)
{
    return { start, manufacturerId, searchGroup, request, (std::uint8_t) (outputIndex & 0x7F), end };
}

int matchReply (const std::uint8_t* bytes, std::size_t length, std::uint32_t familyCode, std::uint32_t memberId)
{
    if (bytes == nullptr || length != replyLength)
        return -1;
    if (bytes[0] != start || bytes[1] != manufacturerId || bytes[2] != searchGroup || bytes[3] != reply)
        return -1;
    if (fourteenBits (bytes[6], bytes[7]) != familyCode)
        return -1;
    if (memberId != anyMember && fourteenBits (bytes[8], bytes[9]) != memberId)
        return -1;
    return bytes[5] & 0x7F;
}
}
}

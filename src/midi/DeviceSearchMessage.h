#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace midi
{
// The two messages of the device search. The request goes out on every
// output and carries that output's index as its id; the instrument answers
// with a 15-byte reply that echoes the id and names its family and member.
namespace DeviceSearchMessage
{
constexpr std::size_t replyLength = 15;
constexpr std::uint32_t anyMember = 0xFFFFFFFFu;

// F0 7D 50 00 id F7, id = outputIndex & 0x7F.
std::vector<std::uint8_t> createRequest (int outputIndex);

// The id that a matching reply echoes (0 to 127), or -1 when the bytes are
// no search reply (length other than 15, or bytes 0 to 3 not F0 7D 50 01),
// name another family, or, unless memberId is anyMember, another member.
int matchReply (const std::uint8_t* bytes, std::size_t length, std::uint32_t familyCode, std::uint32_t memberId);
}
}

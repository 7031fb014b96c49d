#include "midi/DeviceSearchMessage.h"

#include "support/sim/SimProtocol.h"

#include <gtest/gtest.h>

using namespace midi;

namespace
{
std::vector<std::uint8_t> reply (std::uint8_t id, std::uint32_t family, std::uint32_t member)
{
    sim::InstrumentIdentity identity;
    identity.familyCode = family;
    identity.memberId = member;
    return sim::Protocol (identity).searchReply (id);
}

int match (const std::vector<std::uint8_t>& bytes, std::uint32_t family = 343,
           std::uint32_t member = DeviceSearchMessage::anyMember)
{
    return DeviceSearchMessage::matchReply (bytes.data(), bytes.size(), family, member);
}
}

TEST (DeviceSearchMessage, RequestCarriesTheOutputIndexInSevenBits)
{
    EXPECT_EQ (DeviceSearchMessage::createRequest (3), (std::vector<std::uint8_t> { 0xF0, 0x7D, 0x50, 0x00, 0x03, 0xF7 }));
    EXPECT_EQ (DeviceSearchMessage::createRequest (130)[4], 0x02);

    // The simulated instrument, written apart, reads it as a search.
    sim::Protocol protocol ({});
    EXPECT_EQ (protocol.classify (DeviceSearchMessage::createRequest (5)).kind, sim::RequestKind::deviceSearch);
}

TEST (DeviceSearchMessage, ReplyMatchesFamilyAndEchoesTheId)
{
    EXPECT_EQ (match (reply (7, 343, 2)), 7);
    EXPECT_EQ (match (reply (0, 343, 2)), 0);
    EXPECT_EQ (match (reply (7, 344, 2)), -1);
    // Any member unless one is asked for.
    EXPECT_EQ (match (reply (7, 343, 9)), 7);
    EXPECT_EQ (match (reply (7, 343, 9), 343, 2), -1);
    EXPECT_EQ (match (reply (7, 343, 2), 343, 2), 7);
}

TEST (DeviceSearchMessage, MalformedRepliesMatchNothing)
{
    auto good = reply (4, 343, 2);
    ASSERT_EQ (good.size(), 15u);

    auto longer = good;
    longer.insert (longer.end() - 1, 0x00);
    EXPECT_EQ (match (longer), -1);

    auto shorter = good;
    shorter.erase (shorter.begin() + 10);
    EXPECT_EQ (match (shorter), -1);

    for (std::size_t i = 0; i < 4; ++i)
    {
        auto changed = good;
        changed[i] ^= 0x01;
        EXPECT_EQ (match (changed), -1) << "byte " << i;
    }

    EXPECT_EQ (DeviceSearchMessage::matchReply (nullptr, 15, 343, DeviceSearchMessage::anyMember), -1);
}

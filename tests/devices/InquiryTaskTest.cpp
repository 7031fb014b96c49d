#include "support/midi/TaskRig.h"

#include "midi/DeviceInquiry.h"

#include <gtest/gtest.h>

using namespace devicetest;

namespace
{
std::int32_t inquire (x48305_midi::DeviceInquiry& inquiry)
{
    inquiry.setTimeout (shortTimeout);
    return inquiry.inquire();
}
}

TEST (InquiryTask, LearnsTheChannelAndTheVersion)
{
    sim::InstrumentIdentity identity;
    identity.channel = 5;
    identity.versionMajor = 2;
    identity.versionMinor = 3;
    identity.versionPatch = 4;
    TaskRig rig (identity);
    ASSERT_TRUE (rig.opened);

    x48305_midi::DeviceInquiry inquiry (rig.midi());
    EXPECT_EQ (inquiry.getChannel(), 0u);
    EXPECT_EQ (inquire (inquiry), MidiCommunicationError::noError);
    EXPECT_EQ (inquiry.getChannel(), 5u);
    EXPECT_EQ (inquiry.getVersion(), (std::array<std::uint32_t, 3> { 2, 3, 4 }));

    // The identity request is the same whatever the channel.
    auto requests = rig.instrument.getRequestsOfKind (sim::RequestKind::identityRequest);
    ASSERT_EQ (requests.size(), 1u);
    EXPECT_EQ (requests[0].bytes, (sim::Bytes { 0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7 }));
}

TEST (InquiryTask, AnotherMakerOrFamilyIsTheWrongDevice)
{
    sim::InstrumentIdentity otherMaker;
    otherMaker.channel = 7;
    otherMaker.identityManufacturerId = 0x41;
    TaskRig rig (otherMaker);

    x48305_midi::DeviceInquiry inquiry (rig.midi());
    EXPECT_EQ (inquire (inquiry), MidiCommunicationError::targetDevice);
    EXPECT_EQ (inquiry.getChannel(), 0u);
    EXPECT_EQ (inquiry.getVersion(), (std::array<std::uint32_t, 3> { 0, 0, 0 }));

    auto otherFamily = otherMaker;
    otherFamily.identityManufacturerId = 0x7D;
    otherFamily.familyCode = 344;
    rig.instrument.setIdentity (otherFamily);
    x48305_midi::DeviceInquiry second (rig.midi());
    EXPECT_EQ (inquire (second), MidiCommunicationError::targetDevice);
    EXPECT_EQ (second.getChannel(), 0u);
}

TEST (InquiryTask, SilenceAndGarbageTimeOut)
{
    TaskRig rig;
    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());
    x48305_midi::DeviceInquiry silent (rig.midi());
    auto start = juce::Time::currentTimeMillis();
    EXPECT_EQ (inquire (silent), MidiCommunicationError::timeout);
    EXPECT_GE (millisecondsSince (start), (std::int64_t) shortTimeout - 5);

    // Identity replies of the wrong length or sub-IDs, and non-messages.
    auto reply = rig.protocol().identityReply();
    auto longer = reply;
    longer.insert (longer.end() - 1, 0x00);
    auto wrongSubId = reply;
    wrongSubId[4] = 0x03;
    sim::Bytes garbage { 0x7E, 0x06, 0x02, 0xF0, 0x7E, 0xF7, 0xF7 };
    garbage.insert (garbage.end(), longer.begin(), longer.end());
    garbage.insert (garbage.end(), wrongSubId.begin(), wrongSubId.end());
    rig.instrument.setDefaultBehaviour (sim::Behaviour::custom (garbage));

    x48305_midi::DeviceInquiry confused (rig.midi());
    EXPECT_EQ (inquire (confused), MidiCommunicationError::timeout);
    EXPECT_EQ (confused.getChannel(), 0u);
}

TEST (InquiryTask, RepliesInOneBytePacketsWithTimingBytes)
{
    sim::InstrumentIdentity identity;
    identity.channel = 9;
    TaskRig rig (identity);
    rig.instrument.setDefaultBehaviour (sim::Behaviour::inPackets (1, 2));

    // Each byte is a delivery of its own: a loaded machine may take longer
    // than the short time-out for all of them.
    x48305_midi::DeviceInquiry inquiry (rig.midi());
    inquiry.setTimeout (3000);
    EXPECT_EQ (inquiry.inquire(), MidiCommunicationError::noError);
    EXPECT_EQ (inquiry.getChannel(), 9u);
}

TEST (InquiryTask, RealTimeOutIsThreeSeconds)
{
    TaskRig rig;
    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());

    x48305_midi::DeviceInquiry inquiry (rig.midi());
    EXPECT_EQ (inquiry.getTimeout(), 3000u);
    auto start = juce::Time::currentTimeMillis();
    EXPECT_EQ (inquiry.inquire(), MidiCommunicationError::timeout);
    auto elapsed = millisecondsSince (start);
    EXPECT_GE (elapsed, 2995);
    EXPECT_LT (elapsed, 4500);
}

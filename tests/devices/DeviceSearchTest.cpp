#include "support/midi/DeviceRig.h"

#include "midi/DeviceInquiry.h"
#include "midi/MidiCommunicationError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace devicetest;
using namespace std::chrono_literals;

namespace
{
sim::InstrumentIdentity identityWith (std::uint32_t family, std::uint32_t member)
{
    sim::InstrumentIdentity identity;
    identity.familyCode = family;
    identity.memberId = member;
    return identity;
}

// Opens the found ports and asks who is there: 0 when it is an instrument.
std::int32_t inquireThroughManager (midi::MidiDeviceManager& manager)
{
    if (! manager.openPorts())
        return -1;
    x48305_midi::DeviceInquiry inquiry (manager.getMidi());
    inquiry.setTimeout (1000);
    auto code = inquiry.inquire();
    manager.closePorts();
    return code;
}
}

TEST (DeviceSearch, FindsTheInstrumentAmongOtherDevices)
{
    DeviceRig rig (3000);
    SilentDevice keys (*rig.virtualBackend, "Keys", true, false);
    SilentDevice synth (*rig.virtualBackend, "Synth", true, true);
    sim::SimulatedInstrument instrument (*rig.virtualBackend, {}, simNames ("Solivane"));
    SilentDevice pads (*rig.virtualBackend, "Pads", false, true);

    const int in = rig.sourceIndexOf (instrument.getSource());
    const int out = rig.destinationIndexOf (instrument.getDestination());
    ASSERT_EQ (in, 2);
    ASSERT_EQ (out, 1);

    EXPECT_EQ (rig.manager->getInPortIndex(), -1);
    auto start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search());
    // The reply cuts the wait short.
    EXPECT_LT (millisecondsSince (start), 2000);

    EXPECT_TRUE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.manager->getInPortIndex(), in);
    EXPECT_EQ (rig.manager->getOutPortIndex(), out);
    EXPECT_EQ (rig.listener.calls, 1);

    // Every output was asked with its own index.
    auto searches = instrument.getRequestsOfKind (sim::RequestKind::deviceSearch);
    ASSERT_EQ (searches.size(), 1u);
    EXPECT_EQ (searches[0].number, out);
    EXPECT_EQ (synth.getReceived(), (std::vector<std::uint8_t> { 0xF0, 0x7D, 0x50, 0x00, 0x00, 0xF7 }));
    EXPECT_EQ (pads.getReceived(), (std::vector<std::uint8_t> { 0xF0, 0x7D, 0x50, 0x00, 0x02, 0xF7 }));

    // The search ports are all closed, and the found ones lead to the instrument.
    EXPECT_EQ (rig.counting->portsHeld(), 0);
    EXPECT_EQ (inquireThroughManager (*rig.manager), MidiCommunicationError::noError);
}

TEST (DeviceSearch, ReportsNothingAfterItsTimeOutWhenNobodyAnswers)
{
    DeviceRig rig (400);
    auto identity = sim::InstrumentIdentity {};
    identity.answerDeviceSearch = false;
    sim::SimulatedInstrument mute (*rig.virtualBackend, identity);
    SilentDevice other (*rig.virtualBackend, "Other", true, true);

    auto start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search());
    auto elapsed = millisecondsSince (start);
    EXPECT_GE (elapsed, 390);
    EXPECT_LT (elapsed, 3000);

    EXPECT_EQ (mute.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 1u);
    EXPECT_FALSE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.manager->getInPortIndex(), -1);
    EXPECT_EQ (rig.manager->getOutPortIndex(), -1);
    EXPECT_FALSE (rig.manager->openPorts());
    EXPECT_EQ (rig.counting->portsHeld(), 0);

    // A reply that comes after the search no longer counts.
    mute.sendRaw (sim::Protocol ({}).searchReply (0));
    rig.virtualBackend->waitUntilDelivered();
    EXPECT_EQ (rig.manager->getInPortIndex(), -1);
}

TEST (DeviceSearch, WithoutPortsFinishesAtOnce)
{
    DeviceRig rig (3000);
    auto start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search());
    EXPECT_LT (millisecondsSince (start), 1500);
    EXPECT_FALSE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.counting->getCounts().inputPortsCreated, 0);

    // Only sources: still nothing to ask on.
    SilentDevice keys (*rig.virtualBackend, "Keys", true, false);
    start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search());
    EXPECT_LT (millisecondsSince (start), 1500);
    EXPECT_EQ (rig.counting->portsHeld(), 0);
}

TEST (DeviceSearch, ClosesItsInputsWhenNoOutputCouldBeOpened)
{
    DeviceRig rig (3000);
    sim::SimulatedInstrument instrument (*rig.virtualBackend);
    SilentDevice other (*rig.virtualBackend, "Other", true, true);
    rig.counting->getCounts().refuseOutputPorts = true;

    auto start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search());
    EXPECT_LT (millisecondsSince (start), 1500);

    // Both inputs had been opened, and none is left open.
    EXPECT_EQ (rig.counting->getCounts().mostConnectedInputs, 2);
    EXPECT_EQ (rig.counting->getCounts().connectedInputs, 0);
    EXPECT_EQ (rig.counting->portsHeld(), 0);
    EXPECT_FALSE (rig.manager->isDeviceKnown());

    // Once outputs can be had again, the instrument is found.
    rig.counting->getCounts().refuseOutputPorts = false;
    ASSERT_TRUE (rig.search());
    EXPECT_TRUE (rig.manager->isDeviceKnown());
}

TEST (DeviceSearch, TakesTheFirstInstrumentToAnswer)
{
    DeviceRig rig (3000);
    sim::SimulatedInstrument first (*rig.virtualBackend, {}, simNames ("First"));
    sim::SimulatedInstrument second (*rig.virtualBackend, {}, simNames ("Second"));

    // The one listed first answers late (late enough that a loaded machine
    // still delivers the other's reply first): the other's reply decides.
    first.addRule (sim::every (sim::RequestKind::deviceSearch), sim::Behaviour::delayed (1000ms));
    ASSERT_TRUE (rig.search());
    EXPECT_EQ (rig.manager->getInPortIndex(), rig.sourceIndexOf (second.getSource()));
    EXPECT_EQ (rig.manager->getOutPortIndex(), rig.destinationIndexOf (second.getDestination()));
    EXPECT_EQ (rig.manager->getInPortIndex(), 1);

    // The simulator answers one request at a time: until the late reply to the
    // first search has gone out, it would hold back the quick reply to the next.
    ASSERT_TRUE (first.waitForRequests (1, 5000ms));
    first.clearRules();
    second.addRule (sim::every (sim::RequestKind::deviceSearch), sim::Behaviour::delayed (1000ms));
    ASSERT_TRUE (rig.search());
    EXPECT_EQ (rig.manager->getInPortIndex(), 0);
    EXPECT_EQ (rig.manager->getOutPortIndex(), 0);
}

TEST (DeviceSearch, AcceptsAnyMemberAndIgnoresAnotherFamily)
{
    DeviceRig rig (400);
    sim::SimulatedInstrument cousin (*rig.virtualBackend, identityWith (344, 2), simNames ("Cousin"));

    ASSERT_TRUE (rig.search());
    EXPECT_FALSE (rig.manager->isDeviceKnown());
    EXPECT_EQ (cousin.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 1u);

    sim::SimulatedInstrument member (*rig.virtualBackend, identityWith (343, 77), simNames ("Member"));
    ASSERT_TRUE (rig.search());
    EXPECT_TRUE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.manager->getInPortIndex(), 1);
    EXPECT_EQ (rig.manager->getOutPortIndex(), 1);
}

TEST (DeviceSearch, UsesTheNewIndicesAfterADeviceIsRemoved)
{
    DeviceRig rig (3000);
    auto before = std::make_unique<SilentDevice> (*rig.virtualBackend, "Before", true, true);
    sim::SimulatedInstrument instrument (*rig.virtualBackend);

    ASSERT_TRUE (rig.search());
    EXPECT_EQ (rig.manager->getInPortIndex(), 1);
    EXPECT_EQ (rig.manager->getOutPortIndex(), 1);

    before.reset();
    instrument.clearLog();
    ASSERT_TRUE (rig.search());
    EXPECT_EQ (rig.manager->getInPortIndex(), 0);
    EXPECT_EQ (rig.manager->getOutPortIndex(), 0);
    auto searches = instrument.getRequestsOfKind (sim::RequestKind::deviceSearch);
    ASSERT_EQ (searches.size(), 1u);
    EXPECT_EQ (searches[0].number, 0);

    EXPECT_EQ (inquireThroughManager (*rig.manager), MidiCommunicationError::noError);
}

TEST (DeviceSearch, GarbageOnTheInputsIsIgnored)
{
    DeviceRig rig (400);
    auto identity = sim::InstrumentIdentity {};
    identity.answerDeviceSearch = false;
    sim::SimulatedInstrument noisy (*rig.virtualBackend, identity);
    sim::Protocol protocol ({});

    auto reply = protocol.searchReply (0);
    auto longer = reply;
    longer.insert (longer.end() - 1, 0x00);
    auto wrongGroup = reply;
    wrongGroup[3] = 0x02;
    auto unknownOutput = protocol.searchReply (9);   // no output has index 9
    sim::Bytes garbage { 0x90, 0x3C, 0x7F, 0xF0, 0x01, 0x02, 0xF7, 0x12, 0xF7 };

    noisy.addRule (sim::every (sim::RequestKind::deviceSearch),
                   sim::Behaviour::custom ([&] {
                       sim::Bytes all = garbage;
                       for (const auto* part : { &longer, &wrongGroup, &unknownOutput })
                           all.insert (all.end(), part->begin(), part->end());
                       return all;
                   }()));

    ASSERT_TRUE (rig.search());
    EXPECT_FALSE (rig.manager->isDeviceKnown());
}

TEST (DeviceSearch, RealTimingsReportNothingAfterFifteenHundredMilliseconds)
{
    DeviceRig rig (midi::MidiDeviceScanner::defaultReplyTimeoutMs, midi::MidiDeviceScanner::defaultSettleMs);
    SilentDevice other (*rig.virtualBackend, "Other", true, true);

    auto start = juce::Time::currentTimeMillis();
    ASSERT_TRUE (rig.search (8000));
    auto elapsed = millisecondsSince (start);
    EXPECT_GE (elapsed, 1500);
    EXPECT_LT (elapsed, 4000);
    EXPECT_FALSE (rig.manager->isDeviceKnown());
    EXPECT_EQ (rig.counting->portsHeld(), 0);
}

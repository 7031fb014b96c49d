#include "ManagerRig.h"

#include "support/MessageLoop.h"

#include "midi/MidiCommunicationManager.h"
#include "ui/ModalDialogState.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>

using namespace managertest;
using devicetest::programNamed;
using x48305_midi::AsyncCurrentProgramTransmitter;

namespace
{
std::vector<std::string> names (std::initializer_list<const char*> list)
{
    return { list.begin(), list.end() };
}

std::size_t currentDumps (const ManagerRig& rig)
{
    return rig.instrument.getRequestsOfKind (sim::RequestKind::currentProgramDump).size();
}
}

TEST (AsyncCurrentProgramTransmitter, SlowInstrumentGetsTheFirstProgramThenOnlyTheLastAndRequestsNeverWait)
{
    ManagerRig rig;
    rig.instrument.addRule (sim::every (sim::RequestKind::currentProgramDump), sim::Behaviour::delayed (600ms));
    const ThreadsAskingForTheAddress threads;
    AsyncCurrentProgramTransmitter transmitter;

    transmitter.request (programNamed ("First", 1));
    ASSERT_TRUE (waitFor ([&] { return currentDumps (rig) == 1; }));

    std::chrono::microseconds longestRequest { 0 };
    for (const char* name : { "Second", "Third", "Fourth", "Last" })
    {
        const auto start = std::chrono::steady_clock::now();
        transmitter.request (programNamed (name, 2));
        longestRequest = std::max (longestRequest, std::chrono::duration_cast<std::chrono::microseconds> (
                                                       std::chrono::steady_clock::now() - start));
    }
    EXPECT_LT (longestRequest, 100ms);

    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (rig.currentProgramNames(), names ({ "First", "Last" }));
    EXPECT_EQ (nameInRecord (rig.instrument.getCurrentProgram()), "Last");
    EXPECT_FALSE (ManagerRig::devices().arePortsOpen());

    // Every exchange ran on the transmitter's own thread, none on the
    // message thread.
    EXPECT_EQ (threads.getNames(), names ({ "AsyncCurrentProgramTransmitter" }));
}

// A request that comes just as the loop finds nothing more to send must still
// go out: the loop re-tests under the lock, and a request after the loop has
// ended starts the thread again once it is gone.
TEST (AsyncCurrentProgramTransmitter, RequestsJustAfterASendEndsAreNeverLost)
{
    ManagerRig rig;
    AsyncCurrentProgramTransmitter transmitter;
    std::mt19937 random (18);
    std::uniform_int_distribution<int> pauseMicroseconds (0, 60);
    const auto spin = [] (std::chrono::microseconds pause) {
        const auto until = std::chrono::steady_clock::now() + pause;
        while (std::chrono::steady_clock::now() < until) {}
    };

    constexpr int cycles = 150;
    int lost = 0;
    for (int cycle = 0; cycle < cycles && lost == 0; ++cycle)
    {
        const auto name = "Cycle " + std::to_string (cycle);
        transmitter.request (programNamed (name, (std::uint8_t) cycle));
        // The next request comes as the loop, its send done and the ports
        // closed, tests for more and ends.
        const auto deadline = std::chrono::steady_clock::now() + 3s;
        while (nameInRecord (rig.instrument.getCurrentProgram()) != name || ManagerRig::devices().arePortsOpen())
        {
            if (std::chrono::steady_clock::now() > deadline)
            {
                ++lost;
                break;
            }
            std::this_thread::yield();
        }
        spin (std::chrono::microseconds (pauseMicroseconds (random)));
    }

    EXPECT_EQ (lost, 0);
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (nameInRecord (rig.instrument.getCurrentProgram()), "Cycle " + std::to_string (cycles - 1));
}

TEST (AsyncCurrentProgramTransmitter, StopDropsTheWaitingProgramAndALaterRequestGoesOut)
{
    ManagerRig rig;
    rig.instrument.addRule (sim::nth (sim::RequestKind::currentProgramDump, 0), sim::Behaviour::delayed (300ms));
    AsyncCurrentProgramTransmitter transmitter;

    transmitter.request (programNamed ("Sending", 1));
    ASSERT_TRUE (waitFor ([&] { return currentDumps (rig) == 1; }));
    transmitter.request (programNamed ("Dropped", 2));
    transmitter.stop();
    transmitter.waitUntilEnded();
    EXPECT_FALSE (transmitter.isRunning());
    EXPECT_EQ (rig.currentProgramNames(), names ({ "Sending" }));

    transmitter.request (programNamed ("After", 3));
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (rig.currentProgramNames(), names ({ "Sending", "After" }));
}

// The manager goes at shutdown, maybe in the middle of a send: its
// transmitter has the send give up, and waits for that before its members go
// (ASan watches).
TEST (AsyncCurrentProgramTransmitter, DestroyingTheManagerDuringASlowSendEndsIt)
{
    ManagerRig rig;
    rig.instrument.addRule (sim::every (sim::RequestKind::currentProgramDump), sim::Behaviour::delayed (400ms));
    auto manager = std::make_unique<x48305_midi::MidiCommunicationManager>();

    manager->transmitCurrentProgramAsync (programNamed ("Going", 1));
    ASSERT_TRUE (waitFor ([&] { return currentDumps (rig) == 1; }));
    manager->transmitCurrentProgramAsync (programNamed ("Never", 2));

    const auto start = std::chrono::steady_clock::now();
    manager.reset();
    EXPECT_LT (std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_FALSE (ManagerRig::devices().arePortsOpen());
    EXPECT_EQ (rig.currentProgramNames(), names ({ "Going" }));
    testsupport::runMessageLoop (50);
}

// With nobody answering, an instrument that refuses, or no ports at all, a
// background send ends after its time-outs and shows nothing. The jobs it
// makes and deletes on its thread post nothing to the message thread (which
// runs meanwhile), so nothing reaches a deleted job.
TEST (AsyncCurrentProgramTransmitter, FailedSendsEndSilently)
{
    ManagerRig rig;
    const int windowsBefore = juce::Desktop::getInstance().getNumComponents();
    AsyncCurrentProgramTransmitter transmitter;
    transmitter.setTaskTimeout (150);

    rig.instrument.setDefaultBehaviour (sim::Behaviour::silent());
    const auto start = std::chrono::steady_clock::now();
    transmitter.request (programNamed ("Unheard", 1));
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_GE (std::chrono::steady_clock::now() - start, 150ms);
    EXPECT_EQ (rig.instrument.getRequestsOfKind (sim::RequestKind::identityRequest).size(), 1u);
    EXPECT_EQ (currentDumps (rig), 0u);

    rig.instrument.setDefaultBehaviour ({});
    rig.instrument.addRule (sim::every (sim::RequestKind::currentProgramDump), sim::Behaviour::refuse());
    for (int i = 0; i < 30; ++i)
    {
        transmitter.request (programNamed ("Refused " + std::to_string (i), (std::uint8_t) i));
        testsupport::runMessageLoop (2);
    }
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (rig.currentProgramNames().back(), "Refused 29");

    ManagerRig::devices().setInPortName ("Nowhere - Out");
    ManagerRig::devices().setOutPortName ("Nowhere - In");
    const auto requestsBefore = rig.instrument.getRequestCount();
    transmitter.request (programNamed ("Nowhere", 2));
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (rig.instrument.getRequestCount(), requestsBefore);

    testsupport::runMessageLoop (100);
    EXPECT_EQ (juce::Desktop::getInstance().getNumComponents(), windowsBefore);
    EXPECT_EQ (juce::Component::getCurrentlyModalComponent(), nullptr);
    EXPECT_FALSE (ui::ModalDialogState::getInstance()->dialogOpen);
    EXPECT_TRUE (devicetest::JobRig::isDeviceReleased());
}

// The ports are unknown while the device search runs (at start-up, say): a
// program chosen then goes out once the search has found the instrument,
// unless a stop (a job starting) drops it first.
TEST (AsyncCurrentProgramTransmitter, AProgramChosenDuringTheSearchGoesOutWhenItEnds)
{
    ManagerRig rig;
    rig.instrument.addRule (sim::every (sim::RequestKind::deviceSearch), sim::Behaviour::delayed (300ms));
    auto& devices = ManagerRig::devices();
    devices.setAutoScan (true);
    AsyncCurrentProgramTransmitter transmitter;
    const auto searchEnds = [&] {
        return testsupport::runMessageLoopUntil ([&] { return devices.isScanFinished() && ! devices.isScanning(); }, 5000);
    };

    devices.startScan();
    transmitter.request (programNamed ("Dropped", 1));
    ASSERT_TRUE (transmitterEnds (transmitter));
    transmitter.stop();
    ASSERT_TRUE (searchEnds());
    testsupport::runMessageLoop (50);
    EXPECT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (currentDumps (rig), 0u);

    devices.startScan();
    transmitter.request (programNamed ("Early", 2));
    transmitter.request (programNamed ("Chosen", 3));
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (currentDumps (rig), 0u) << "the search still runs";
    ASSERT_TRUE (searchEnds());
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return currentDumps (rig) == 1; }, 5000));
    ASSERT_TRUE (transmitterEnds (transmitter));
    EXPECT_EQ (rig.currentProgramNames(), names ({ "Chosen" }));
}

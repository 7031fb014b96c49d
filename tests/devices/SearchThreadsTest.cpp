#include "support/midi/DeviceRig.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

using namespace devicetest;
using namespace std::chrono_literals;

namespace
{
sim::InstrumentIdentity mute()
{
    sim::InstrumentIdentity identity;
    identity.answerDeviceSearch = false;
    return identity;
}
}

TEST (SearchThreads, QuitBlockingFlagFollowsTheSearch)
{
    DeviceRig rig (300);
    sim::SimulatedInstrument instrument (*rig.virtualBackend);

    EXPECT_TRUE (midi::deviceScanFinished);
    EXPECT_FALSE (rig.manager->isScanFinished());
    rig.manager->startScan();
    EXPECT_FALSE (midi::deviceScanFinished);
    EXPECT_TRUE (rig.manager->isScanning());

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls == 1; }));
    EXPECT_TRUE (midi::deviceScanFinished);
    EXPECT_TRUE (rig.listener.flagSeen);
    EXPECT_TRUE (rig.manager->isScanFinished());
    EXPECT_FALSE (rig.manager->isScanning());

    // A search that finds nothing lowers and raises it the same way.
    auto silent = std::make_unique<sim::SimulatedInstrument> (*rig.virtualBackend, mute(), simNames ("Mute"));
    rig.manager->startScan();
    EXPECT_FALSE (midi::deviceScanFinished);
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls == 2; }));
    EXPECT_TRUE (midi::deviceScanFinished);
}

TEST (SearchThreads, ASearchAskedForWhileOneIsBusyIsNotStartedAgain)
{
    DeviceRig rig (400);
    sim::SimulatedInstrument instrument (*rig.virtualBackend, mute());

    rig.manager->startScan();
    ASSERT_TRUE (rig.manager->isScanning());
    rig.manager->startScan();
    EXPECT_FALSE (rig.manager->openPorts());

    // The search thread ends, but its results wait for the message thread.
    std::this_thread::sleep_for (900ms);
    EXPECT_TRUE (rig.manager->isScanning());
    EXPECT_FALSE (midi::deviceScanFinished);
    rig.manager->startScan();
    EXPECT_FALSE (rig.manager->openPorts());

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls >= 1; }));
    testsupport::runMessageLoop (600);
    EXPECT_EQ (rig.listener.calls, 1);
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 1u);
    EXPECT_TRUE (midi::deviceScanFinished);
    EXPECT_EQ (rig.counting->portsHeld(), 0);

    // Once it has ended, a new one can start.
    ASSERT_TRUE (rig.search());
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 2u);
}

TEST (SearchThreads, ABackgroundRequestWhileResultsAreHandedOverStartsNoSecondSearch)
{
    DeviceRig rig (300);
    sim::SimulatedInstrument instrument (*rig.virtualBackend, mute());

    rig.manager->startScan();
    ASSERT_TRUE (instrument.waitForRequests (1, 2000ms));

    // The search thread has ended and its results wait for the message
    // thread, queued before the request that a background sender now makes.
    std::this_thread::sleep_for (900ms);
    ASSERT_TRUE (rig.manager->isScanning());
    bool opened = true;
    std::thread sender ([&] { opened = rig.manager->openPorts(); });
    sender.join();
    EXPECT_FALSE (opened);

    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls >= 1; }));
    testsupport::runMessageLoop (700);
    EXPECT_EQ (rig.listener.calls, 1);
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 1u);
    EXPECT_FALSE (rig.manager->isScanning());
    EXPECT_TRUE (midi::deviceScanFinished);
}

TEST (SearchThreads, OpenPortsOnAnotherThreadLeavesTheSearchToTheMessageThread)
{
    DeviceRig rig (300);
    sim::SimulatedInstrument instrument (*rig.virtualBackend);

    // Several background senders at once: none of them starts a search.
    std::vector<std::thread> senders;
    std::atomic<int> opened { 0 };
    for (int i = 0; i < 4; ++i)
        senders.emplace_back ([&] { opened += rig.manager->openPorts() ? 1 : 0; });
    for (auto& sender : senders)
        sender.join();

    EXPECT_EQ (opened, 0);
    EXPECT_FALSE (rig.manager->isScanning());
    EXPECT_TRUE (midi::deviceScanFinished);
    EXPECT_EQ (instrument.getRequestCount(), 0u);

    // The message thread starts one search for all of them.
    ASSERT_TRUE (testsupport::runMessageLoopUntil ([&] { return rig.listener.calls >= 1; }));
    testsupport::runMessageLoop (200);
    EXPECT_EQ (rig.listener.calls, 1);
    EXPECT_EQ (instrument.getRequestsOfKind (sim::RequestKind::deviceSearch).size(), 1u);
    EXPECT_TRUE (rig.manager->isDeviceKnown());

    // Now the background thread can open and close the found ports.
    bool openedLater = false;
    std::thread sender ([&] {
        openedLater = rig.manager->openPorts();
        rig.manager->closePorts();
    });
    sender.join();
    EXPECT_TRUE (openedLater);
    EXPECT_FALSE (rig.manager->arePortsOpen());
    EXPECT_EQ (rig.counting->portsHeld(), 0);
}

TEST (SearchThreads, DestroyingTheManagerDuringASearchEndsItAndClosesEveryPort)
{
    DeviceRig rig (5000);
    sim::SimulatedInstrument instrument (*rig.virtualBackend, mute());
    SilentDevice other (*rig.virtualBackend, "Other", true, true);

    rig.manager->startScan();
    ASSERT_TRUE (instrument.waitForRequests (1, 2000ms));
    EXPECT_GT (rig.counting->portsHeld(), 0);

    auto start = juce::Time::currentTimeMillis();
    rig.manager->removeListener (&rig.listener);
    rig.manager.reset();
    EXPECT_LT (millisecondsSince (start), 2000);
    EXPECT_EQ (rig.counting->portsHeld(), 0);
    EXPECT_EQ (rig.counting->getCounts().liveClients, 0);

    testsupport::runMessageLoop (50);
    EXPECT_EQ (rig.listener.calls, 0);
}

// A client stopped by its own reader, from inside a read callback, while
// another thread waits for that reader to hand over what came in. The stop
// lets go of the reading thread's object as the waiting thread asks whether it
// is the reader: a thread that told by that object would race with the stop.
// Nothing but ThreadSanitizer sees that race, so this file is also built on
// its own with it (alsa_vm_thread_tests) and run in the VM.

#include "midiport/AlsaBackend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

TEST (AlsaReaderStop, AStopFromInsideACallbackEndsTheWaitOfAnotherThread)
{
    midiport::AlsaBackend backend;
    ASSERT_TRUE (backend.isAvailable()) << "no sequencer in this machine";

    midiport::DeviceSpec spec;
    spec.deviceName = "Stopping Peer";
    spec.sourceName = "Peer Out";
    spec.hasDestination = false;
    auto peer = backend.createDevice (spec, {});
    ASSERT_NE (peer, nullptr);

    // The reader tells this thread that it is inside the callback, and
    // nothing that this thread does afterwards orders it before the stop:
    // only the stop itself, and what the port layer orders, may.
    std::atomic<bool> inCallback { false };
    auto client = backend.createClient ("Librarian Under Test", [] {});
    ASSERT_NE (client, nullptr);
    auto input = client->createInputPort ("Librarian In", [&] (const midiport::PacketList&) {
        if (inCallback.exchange (true))
            return;
        std::this_thread::sleep_for (300ms); // while the other thread waits
        client.reset();
    });
    ASSERT_NE (input, nullptr);
    ASSERT_TRUE (input->connectSource (peer->getSource()));

    const std::uint8_t noteOn[] = { 0x90, 0x3C, 0x64 };
    ASSERT_TRUE (peer->send (noteOn, sizeof (noteOn)));
    const auto sent = std::chrono::steady_clock::now();
    while (! inCallback && std::chrono::steady_clock::now() - sent < 10s)
        std::this_thread::sleep_for (1ms);
    ASSERT_TRUE (inCallback) << "the reader never got the message";

    midiport::StopSignal never;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE (input->waitUntilDelivered (start + 20s, never));
    EXPECT_LT (std::chrono::steady_clock::now() - start, 10s);
    EXPECT_EQ (client, nullptr);
}

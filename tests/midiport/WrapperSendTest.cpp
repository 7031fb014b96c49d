// Sending through the wrapper: short messages, System Exclusive and the wait
// for its completion.
#include "WrapperRig.h"

#include <gtest/gtest.h>

#include <thread>

using namespace porttest;
using Completion = midiport::VirtualBackend::Completion;
using Clock = std::chrono::steady_clock;

namespace
{
long long msSince (Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds> (Clock::now() - start).count();
}
}

TEST (CPXWMidiSend, WithoutAnOutputPortFailsAtOnce)
{
    WrapperRig rig;
    rig.midi.closeOutput();
    const auto message = sysExOfLength (20);
    auto start = Clock::now();
    EXPECT_FALSE (rig.midi.sendSysEx ((std::uint32_t) message.size(), message.data()));
    EXPECT_FALSE (rig.midi.sendShort (0x90, 0x40, 0x7F));
    rig.midi.send (CPXWMidiMessage (message.data(), (std::uint32_t) message.size(), 0));
    EXPECT_LT (msSince (start), 100);
    rig.backend->waitUntilDelivered();
    EXPECT_TRUE (rig.instrument.joined().empty());
}

TEST (CPXWMidiSend, ShortMessagesTakeTheirLength)
{
    WrapperRig rig;
    const std::uint8_t noteOn[] = { 0x90, 0x40, 0x7F };
    const std::uint8_t program[] = { 0xC3, 0x09 };
    rig.midi.send (CPXWMidiMessage (noteOn, 3, 0));
    rig.midi.send (CPXWMidiMessage (program, 2, 0));
    rig.midi.send (CPXWMidiMessage (0xF6, 0));
    EXPECT_FALSE (rig.midi.sendShort (0x40, 0x00, 0x00)) << "a data byte is no status";
    rig.backend->waitUntilDelivered();
    EXPECT_EQ (rig.instrument.joined(), (Bytes { 0x90, 0x40, 0x7F, 0xC3, 0x09, 0xF6 }));
}

TEST (CPXWMidiSend, SysExReachesTheDeviceAndReportsItsCompletion)
{
    WrapperRig rig;
    const auto message = sysExOfLength (300);
    auto start = Clock::now();
    EXPECT_TRUE (rig.midi.sendSysEx ((std::uint32_t) message.size(), message.data()));
    EXPECT_LT (msSince (start), 400) << "the completion ended the wait";
    ASSERT_TRUE (rig.listener.waitUntil ([&] { return ! rig.listener.sent.empty(); }));
    EXPECT_EQ (rig.listener.sent, (std::vector<std::uint32_t> { 300 }));
    EXPECT_EQ (rig.instrument.joined(), message);
}

TEST (CPXWMidiSend, ACompletionThatNeverComesEndsTheWaitAfter500Ms)
{
    WrapperRig rig;
    rig.backend->setSysExCompletion (Completion::never);
    const auto message = sysExOfLength (10);
    auto start = Clock::now();
    EXPECT_TRUE (rig.midi.sendSysEx ((std::uint32_t) message.size(), message.data()));
    auto waited = msSince (start);
    EXPECT_GE (waited, 480);
    EXPECT_LT (waited, 1500);
    EXPECT_TRUE (rig.listener.sent.empty());
}

TEST (CPXWMidiSend, ALateCompletionDoesNotEndTheNextWait)
{
    WrapperRig rig;
    rig.backend->setSysExCompletion (Completion::delayed, std::chrono::milliseconds (700));
    const auto first = sysExOfLength (10, 1);
    const auto second = sysExOfLength (12, 2);

    auto start = Clock::now();
    rig.midi.sendSysEx ((std::uint32_t) first.size(), first.data());
    EXPECT_GE (msSince (start), 480);

    // The first completion comes about 200 ms into this wait; it must not end it.
    rig.backend->setSysExCompletion (Completion::never);
    auto secondStart = Clock::now();
    rig.midi.sendSysEx ((std::uint32_t) second.size(), second.data());
    EXPECT_GE (msSince (secondStart), 480);

    // The late completion was still reported to the listener.
    ASSERT_TRUE (rig.listener.waitUntil ([&] { return rig.listener.sent.size() == 1; }));
    EXPECT_EQ (rig.listener.sent[0], 10u);
}

TEST (CPXWMidiSend, ALateCompletionNeverReachesAWrapperOrListenerThatIsGone)
{
    auto backend = std::make_shared<midiport::VirtualBackend>();
    PacketRecorder instrument;
    midiport::DeviceSpec spec;
    spec.deviceName = "Synth";
    spec.sourceName = "Out";
    spec.destinationName = "In";
    auto device = backend->createDevice (spec, instrument.callback());
    backend->setSysExCompletion (Completion::delayed, std::chrono::milliseconds (600));

    RecordingListener removed;
    auto listener = std::make_unique<RecordingListener>();
    {
        auto midi = std::make_unique<CPXWMidi> (backend);
        ASSERT_TRUE (midi->createClient ("MidiDevice"));
        ASSERT_TRUE (midi->openOutput (0));
        midi->addListener (listener.get());
        midi->addListener (&removed);
        const auto message = sysExOfLength (10);
        midi->sendSysEx ((std::uint32_t) message.size(), message.data());
        midi->removeListener (&removed);
        midi.reset();
    }
    listener.reset();

    // Wait past the completion's due time: under AddressSanitizer a call into
    // the destroyed wrapper or listener would fail here.
    std::this_thread::sleep_for (std::chrono::milliseconds (300));
    backend->waitUntilDelivered();
    EXPECT_TRUE (removed.sent.empty());
    EXPECT_EQ (instrument.joined().size(), 10u);
}

TEST (CPXWMidiSend, SendsFromTwoThreadsAreOneAfterTheOtherAndNeverInterleave)
{
    WrapperRig rig;
    rig.backend->setSysExCompletion (Completion::never);
    rig.backend->setPacketSize (0);
    const auto a = sysExOfLength (200, 1);
    const auto b = sysExOfLength (200, 2);

    auto start = Clock::now();
    std::thread other ([&] { rig.midi.sendSysEx ((std::uint32_t) b.size(), b.data()); });
    rig.midi.sendSysEx ((std::uint32_t) a.size(), a.data());
    other.join();
    EXPECT_GE (msSince (start), 960) << "the send lock is held over each send and its wait";

    auto received = rig.instrument.joined();
    EXPECT_TRUE (received == concat ({ a, b }) || received == concat ({ b, a }));
}

TEST (CPXWMidiSend, ClosingTheOutputWaitsForASendInProgress)
{
    WrapperRig rig;
    rig.backend->setSysExCompletion (Completion::never);
    const auto message = sysExOfLength (10);
    std::atomic<bool> sending { false };
    std::thread sender ([&] {
        sending = true;
        rig.midi.sendSysEx ((std::uint32_t) message.size(), message.data());
    });
    while (! sending)
        std::this_thread::yield();
    std::this_thread::sleep_for (std::chrono::milliseconds (50));
    auto start = Clock::now();
    rig.midi.closeOutput();
    EXPECT_GE (msSince (start), 300);
    sender.join();
}

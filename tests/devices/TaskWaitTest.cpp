#include "midi/MidiCommunicationTask.h"
#include "midi/MidiMessageQueue.h"
#include "midi/ProgramDataTasks.h"

#include "support/midi/TaskRig.h"
#include "support/sim/ScopedInstrumentAddress.h"
#include "support/sim/SimProtocol.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <thread>

using namespace std::chrono_literals;
using x48305_midi::AnalyzedMessageType::acknowledge;
using x48305_midi::AnalyzedMessageType::refusal;

namespace
{
CPXWMidiMessage messageOf (const sim::Bytes& bytes)
{
    return CPXWMidiMessage (bytes.data(), (std::uint32_t) bytes.size(), 0);
}

// A task without ports: messages are handed to it as the wrapper would.
class BareTask : public x48305_midi::MidiCommunicationTask
{
public:
    BareTask() : MidiCommunicationTask (nullptr, 0, 0) {}
};

// Holds the port's reader in the first System Exclusive message it hands over,
// as a reader that stops making progress would; it lets go when destroyed, or
// after a few seconds, so that a wait without a limit fails the test instead
// of hanging it.
class StalledReader : public CPXWMidiListener
{
public:
    explicit StalledReader (CPXWMidi& m) : midi (m) { midi.addListener (this); }

    ~StalledReader() override
    {
        {
            std::lock_guard<std::mutex> lock (mutex);
            released = true;
        }
        changed.notify_all();
        midi.removeListener (this);
    }

    void sysExReceived (CPXWMidi*, const CPXWMidiMessage&) override
    {
        std::unique_lock<std::mutex> lock (mutex);
        held = true;
        changed.notify_all();
        changed.wait_for (lock, 4s, [this] { return released; });
    }

    bool waitUntilHeld()
    {
        std::unique_lock<std::mutex> lock (mutex);
        return changed.wait_for (lock, 2s, [this] { return held; });
    }

private:
    CPXWMidi& midi;
    std::mutex mutex;
    std::condition_variable changed;
    bool held = false;
    bool released = false;
};

struct NeverStartedThread : juce::Thread
{
    NeverStartedThread() : juce::Thread ("never started") {}
    void run() override {}
};

double threadCpuMilliseconds()
{
    timespec now {};
    clock_gettime (CLOCK_THREAD_CPUTIME_ID, &now);
    return (double) now.tv_sec * 1000.0 + (double) now.tv_nsec / 1.0e6;
}
}

TEST (TaskWait, AMessageSentBeforeTheWaitIsStillTaken)
{
    sim::ScopedInstrumentAddress address;
    sim::Protocol protocol ({});
    BareTask task;

    sim::InstrumentIdentity cousin;
    cousin.familyCode = 344;
    task.sysExReceived (nullptr, messageOf (sim::Protocol (cousin).acknowledge()));
    task.sysExReceived (nullptr, messageOf (protocol.refusal()));
    task.sysExReceived (nullptr, messageOf (protocol.acknowledge()));

    auto start = std::chrono::steady_clock::now();
    auto information = task.waitForMessage ({ acknowledge }, 1000);
    EXPECT_EQ (information.type, acknowledge);
    EXPECT_LT (std::chrono::steady_clock::now() - start, 200ms);
    // The other family's acknowledge and the refusal were dropped on the way.
    EXPECT_EQ (task.getQueuedMessageCount(), 0u);
}

TEST (TaskWait, WaitingBlocksInsteadOfSpinningAndWakesOnArrival)
{
    sim::ScopedInstrumentAddress address;
    sim::Protocol protocol ({});
    BareTask task;

    auto cpuBefore = threadCpuMilliseconds();
    auto start = std::chrono::steady_clock::now();
    auto none = task.waitForMessage ({ acknowledge }, 500);
    auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ (none.type, x48305_midi::AnalyzedMessageType::none);
    EXPECT_GE (waited, 495ms);
    EXPECT_LT (threadCpuMilliseconds() - cpuBefore, 100.0);

    // A message that comes during the wait ends it at once.
    std::thread sender ([&] {
        std::this_thread::sleep_for (100ms);
        task.sysExReceived (nullptr, messageOf (protocol.refusal()));
    });
    start = std::chrono::steady_clock::now();
    auto information = task.waitForMessage ({ acknowledge, refusal }, 3000);
    waited = std::chrono::steady_clock::now() - start;
    sender.join();
    EXPECT_EQ (information.type, refusal);
    EXPECT_LT (waited, 1000ms);
}

TEST (TaskWait, AStreamOfOtherMessagesDoesNotStretchTheWait)
{
    sim::ScopedInstrumentAddress address;
    sim::Protocol protocol ({});
    BareTask task;

    std::atomic<bool> stop { false };
    std::thread flood ([&] {
        while (! stop)
        {
            task.sysExReceived (nullptr, messageOf (protocol.refusal()));
            std::this_thread::sleep_for (1ms);
        }
    });
    auto start = std::chrono::steady_clock::now();
    auto information = task.waitForMessage ({ acknowledge }, 200);
    auto waited = std::chrono::steady_clock::now() - start;
    stop = true;
    flood.join();
    EXPECT_EQ (information.type, x48305_midi::AnalyzedMessageType::none);
    EXPECT_LT (waited, 1000ms);
}

// The port must hand over what it received before a request goes out; a
// reader that stops doing so ends the exchange, unsent, as timed out: at the
// task's time-out, or at once when the job's thread is asked to exit. The
// simulated instrument receives on the thread that the reader holds, so what
// was sent is counted where it leaves, at the output port.
TEST (TaskWait, AStalledReaderEndsTheExchangeAtTheTimeOutOrTheExit)
{
    struct Case
    {
        const char* name;
        std::uint32_t timeoutMs;
        bool exitAsked;
        std::chrono::milliseconds least, most;
    };
    for (const auto& c : { Case { "time-out", devicetest::shortTimeout, false, 290ms, 1500ms },
                           Case { "exit", 3000, true, 90ms, 1500ms } })
    {
        devicetest::TaskRig rig;
        ASSERT_TRUE (rig.opened);
        NeverStartedThread jobThread;
        x48305_midi::ProgramDataReceiver receiver (rig.midi(), 0);
        receiver.setTimeout (c.timeoutMs);
        receiver.endWaitsWhenAskedToExit (jobThread);
        StalledReader reader (*rig.midi());
        ASSERT_TRUE (rig.instrument.sendRaw (rig.protocol().acknowledge()));
        ASSERT_TRUE (reader.waitUntilHeld());
        const int sentBefore = rig.counting->getCounts().messagesSent;

        std::thread asker ([&] {
            std::this_thread::sleep_for (100ms);
            if (c.exitAsked)
                jobThread.signalThreadShouldExit();
        });
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ (receiver.receive (0), MidiCommunicationError::timeout) << c.name;
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds> (std::chrono::steady_clock::now() - start);
        asker.join();
        EXPECT_GE (waited.count(), c.least.count()) << c.name;
        EXPECT_LT (waited.count(), c.most.count()) << c.name;
        EXPECT_EQ (rig.counting->getCounts().messagesSent, sentBefore) << c.name;
    }
}

TEST (MessageQueue, KeepsOrderUnderConcurrentPushAndPop)
{
    midi::MidiMessageQueue queue;
    constexpr int count = 3000;

    std::thread producer ([&] {
        for (int i = 0; i < count; ++i)
        {
            const std::uint8_t bytes[] = { 0xF0, (std::uint8_t) (i & 0x7F), (std::uint8_t) ((i >> 7) & 0x7F), 0xF7 };
            queue.push (CPXWMidiMessage (bytes, 4, 0));
        }
    });

    int next = 0;
    bool inOrder = true;
    while (next < count)
    {
        auto message = queue.waitAndPop (std::chrono::steady_clock::now() + 2s);
        if (! message)
            break;
        inOrder = inOrder && (message->getByte (1) | (message->getByte (2) << 7)) == next;
        ++next;
    }
    producer.join();

    EXPECT_TRUE (inOrder);
    EXPECT_EQ (next, count);
    EXPECT_EQ (queue.size(), 0u);
    EXPECT_FALSE (queue.pop().has_value());
}

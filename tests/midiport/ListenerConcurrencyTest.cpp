// Listeners added and removed from other threads while messages arrive.
#include "WrapperRig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace porttest;

namespace
{
class CountingListener : public CPXWMidiListener
{
public:
    void shortMessageReceived (CPXWMidi*, const CPXWMidiMessage& m) override
    {
        if (m.getLength() == 3 && m.getStatusByte() == 0x90)
            ++shorts;
    }

    void sysExReceived (CPXWMidi*, const CPXWMidiMessage& m) override
    {
        if (m.isSysEx() && m.getByte (m.getLength() - 1) == 0xF7)
            ++sysEx;
    }

    std::atomic<int> shorts { 0 };
    std::atomic<int> sysEx { 0 };
};

// Removes itself, and adds a listener, from inside a call.
class SelfRemovingListener : public CPXWMidiListener
{
public:
    explicit SelfRemovingListener (CPXWMidiListener& toAdd) : added (toAdd) {}

    void shortMessageReceived (CPXWMidi* midi, const CPXWMidiMessage&) override
    {
        ++calls;
        midi->removeListener (this);
        midi->addListener (&added);
    }

    CPXWMidiListener& added;
    std::atomic<int> calls { 0 };
};
}

TEST (CPXWMidiListeners, AddedAndRemovedWhileMessagesArrive)
{
    WrapperRig rig;
    rig.midi.removeAllListeners();
    rig.backend->setPacketSize (23); // the System Exclusive spans two packets

    CountingListener steady;
    rig.midi.addListener (&steady);

    const Bytes burst = concat ({ { 0x90, 0x40, 0x7F }, sysExOfLength (40), { 0x90, 0x41, 0x7F } });
    constexpr int rounds = 300;

    std::atomic<bool> done { false };
    std::thread churn ([&] {
        while (! done)
        {
            auto transient = std::make_unique<CountingListener>();
            rig.midi.addListener (transient.get());
            std::this_thread::yield();
            rig.midi.removeListener (transient.get());
            transient.reset(); // freed right after removal: must never be called again
        }
    });

    for (int i = 0; i < rounds; ++i)
        rig.device->send (burst.data(), burst.size());
    rig.backend->waitUntilDelivered();
    done = true;
    churn.join();

    EXPECT_EQ (steady.shorts.load(), 2 * rounds);
    EXPECT_EQ (steady.sysEx.load(), rounds);
}

TEST (CPXWMidiListeners, AListenerMayRemoveItselfDuringACall)
{
    WrapperRig rig;
    rig.midi.removeAllListeners();
    CountingListener later;
    SelfRemovingListener once (later);
    rig.midi.addListener (&once);

    rig.feed ({ 0x90, 0x40, 0x7F });
    rig.feed ({ 0x90, 0x40, 0x7F });
    EXPECT_EQ (once.calls.load(), 1);
    EXPECT_EQ (later.shorts.load(), 1) << "added during the first call, called from the second";
}

TEST (CPXWMidiListeners, RemovingAllStopsEveryCall)
{
    WrapperRig rig;
    CountingListener other;
    rig.midi.addListener (&other);
    rig.midi.removeAllListeners();
    rig.feed ({ 0x90, 0x40, 0x7F, 0xF0, 0x01, 0xF7 });
    EXPECT_EQ (other.shorts.load(), 0);
    EXPECT_TRUE (rig.listener.shorts.empty());
    EXPECT_TRUE (rig.listener.sysEx.empty());
}

namespace
{
// Empties the list from inside a call and registers two new listeners.
class ReplacingListener : public CPXWMidiListener
{
public:
    ReplacingListener (CPXWMidiListener& a, CPXWMidiListener& b) : first (a), second (b) {}

    void shortMessageReceived (CPXWMidi* midi, const CPXWMidiMessage&) override
    {
        midi->removeAllListeners();
        midi->addListener (&first);
        midi->addListener (&second);
    }

    CPXWMidiListener& first;
    CPXWMidiListener& second;
};
}

TEST (CPXWMidiListeners, RemovingAllDuringACallStopsThatPassAndKeepsNewListenersForTheNext)
{
    WrapperRig rig;
    rig.midi.removeAllListeners();
    CountingListener removed, addedFirst, addedSecond;
    ReplacingListener replacer (addedFirst, addedSecond);
    rig.midi.addListener (&replacer);
    rig.midi.addListener (&removed);

    rig.feed ({ 0x90, 0x40, 0x7F });
    EXPECT_EQ (removed.shorts.load(), 0) << "removed before its turn";
    EXPECT_EQ (addedFirst.shorts.load(), 0) << "added during the pass";
    EXPECT_EQ (addedSecond.shorts.load(), 0) << "added during the pass";

    rig.feed ({ 0x90, 0x40, 0x7F });
    EXPECT_EQ (addedFirst.shorts.load(), 1);
    EXPECT_EQ (addedSecond.shorts.load(), 1);
    EXPECT_EQ (removed.shorts.load(), 0);
}

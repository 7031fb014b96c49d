#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace midiport
{
// When a wait of the port layer gives up.
using Deadline = std::chrono::steady_clock::time_point;

// Ends a wait of the port layer early: once stop() has been called, on any
// thread, a wait given the signal returns at once, and so does every later
// one. One thread at a time waits with a signal.
//
// The stop wakes the waiter through the mutex and condition it waits on:
// while a wait runs, the signal holds them as its waiter, under a lock of its
// own that the waiter never holds together with its mutex.
class StopSignal
{
public:
    StopSignal() = default;
    StopSignal (const StopSignal&) = delete;
    StopSignal& operator= (const StopSignal&) = delete;

    void stop()
    {
        stopped = true;
        std::lock_guard<std::mutex> lock (waiterLock);
        if (waiter.mutex != nullptr)
        {
            std::lock_guard<std::mutex> waiting (*waiter.mutex);
            waiter.condition->notify_all();
        }
    }

    // Waits on the condition, whose state changes under the mutex, until done()
    // holds, the deadline passes or the signal is stopped; returns done().
    // Costs one test of done() when it holds at once. Called without the mutex.
    template <typename Done>
    bool waitUntil (std::mutex& mutex, std::condition_variable& condition, Deadline deadline, Done done)
    {
        {
            std::lock_guard<std::mutex> lock (mutex);
            if (done())
                return true;
        }
        const WaiterScope scope (*this, mutex, condition);
        std::unique_lock<std::mutex> lock (mutex);
        condition.wait_until (lock, deadline, [&] { return done() || stopped; });
        return done();
    }

private:
    struct Waiter
    {
        std::mutex* mutex = nullptr;
        std::condition_variable* condition = nullptr;
    };

    class WaiterScope
    {
    public:
        WaiterScope (StopSignal& s, std::mutex& mutex, std::condition_variable& condition) : signal (s)
        {
            signal.setWaiter ({ &mutex, &condition });
        }
        ~WaiterScope() { signal.setWaiter ({}); }
        WaiterScope (const WaiterScope&) = delete;
        WaiterScope& operator= (const WaiterScope&) = delete;

    private:
        StopSignal& signal;
    };

    void setWaiter (Waiter w)
    {
        std::lock_guard<std::mutex> lock (waiterLock);
        waiter = w;
    }

    std::atomic<bool> stopped { false };
    std::mutex waiterLock;
    Waiter waiter;
};
}

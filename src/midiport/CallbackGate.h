#pragma once

#include <cstdint>
#include <mutex>

namespace midiport
{
// Lets a backend thread call into an object that another thread may close at
// any moment. A call runs only while the gate is open and, when it names a
// generation, only while that generation is current; closing or advancing
// waits for a call running on another thread, so that nothing of the old state
// runs afterwards. A call may close its own gate (the lock is recursive).
class CallbackGate
{
public:
    template <typename Fn>
    bool run (Fn&& fn)
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        if (! open)
            return false;
        fn();
        return true;
    }

    template <typename Fn>
    bool runInGeneration (std::uint64_t wanted, Fn&& fn)
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        if (! open || generation != wanted)
            return false;
        fn();
        return true;
    }

    std::uint64_t getGeneration()
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        return generation;
    }

    // Drops every call still bound to the current generation.
    std::uint64_t advanceGeneration()
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        return ++generation;
    }

    void close()
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        open = false;
    }

    bool isOpen()
    {
        std::lock_guard<std::recursive_mutex> lock (mutex);
        return open;
    }

private:
    std::recursive_mutex mutex;
    bool open = true;
    std::uint64_t generation = 0;
};
}

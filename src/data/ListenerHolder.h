#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// An ordered list of observer pointers; the holder never owns them. An
// observer added twice is notified twice; removal takes the first entry.
template <typename T>
class ListenerHolder
{
public:
    virtual ~ListenerHolder() {}

    void addListener (T* listener)
    {
        listeners.push_back (listener);
    }

    void removeListener (T* listener)
    {
        auto it = std::find (listeners.begin(), listeners.end(), listener);
        if (it == listeners.end())
            return;

        auto index = (std::size_t) (it - listeners.begin());
        listeners.erase (it);

        // Keep a running pass on the observer it was about to call.
        for (auto* pass : activePasses)
        {
            if (index < pass->next)
                --pass->next;
            else if (index < pass->next + pass->remaining)
                --pass->remaining;
        }
    }

    std::size_t getNumListeners() const { return listeners.size(); }

protected:
    // Calls fn on every observer in registration order. The count is taken at
    // the start: an observer appended during the pass waits for the next one.
    // An observer removed during the pass is not called afterwards, and the
    // pass never reads past the shortened list.
    template <typename Fn>
    void callListeners (Fn&& fn)
    {
        Pass pass;
        pass.remaining = listeners.size();
        activePasses.push_back (&pass);

        while (pass.remaining > 0 && pass.next < listeners.size())
        {
            auto* listener = listeners[pass.next];
            ++pass.next;
            --pass.remaining;
            fn (*listener);
        }

        activePasses.erase (std::find (activePasses.begin(), activePasses.end(), &pass));
    }

    std::vector<T*> listeners;

private:
    struct Pass
    {
        std::size_t next = 0;
        std::size_t remaining = 0;
    };

    std::vector<Pass*> activePasses;
};

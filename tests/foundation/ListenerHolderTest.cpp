#include "data/ListenerHolder.h"
#include "data/Singleton.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
struct Observer
{
    std::string name;
    std::vector<std::string>* log = nullptr;
    std::function<void()> onCall;

    void called()
    {
        log->push_back (name);
        if (onCall)
            onCall();
    }
};

struct Holder : ListenerHolder<Observer>
{
    void notifyAll()
    {
        callListeners ([] (Observer& o) { o.called(); });
    }
};

struct Counted : Singleton<Counted>
{
    int value = 0;
};
} // namespace

TEST (ListenerHolder, CallsInRegistrationOrderAndTwiceForDuplicates)
{
    std::vector<std::string> log;
    Observer a { "a", &log, {} }, b { "b", &log, {} };
    Holder holder;
    holder.addListener (&a);
    holder.addListener (&b);
    holder.addListener (&a);
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "a", "b", "a" }));

    log.clear();
    holder.removeListener (&a);
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "b", "a" }));

    holder.removeListener (&b);
    holder.removeListener (&b); // absent: nothing happens
    EXPECT_EQ (holder.getNumListeners(), 1u);
}

TEST (ListenerHolder, ObserverRemovedDuringPassIsNotCalledAfterwards)
{
    std::vector<std::string> log;
    Observer a { "a", &log, {} }, b { "b", &log, {} }, c { "c", &log, {} };
    Holder holder;
    holder.addListener (&a);
    holder.addListener (&b);
    holder.addListener (&c);

    a.onCall = [&] { holder.removeListener (&b); };
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "a", "c" }));

    // Removing itself and the one before keeps the pass on the right entry.
    log.clear();
    a.onCall = nullptr;
    holder.addListener (&b);          // a, c, b
    c.onCall = [&] { holder.removeListener (&c); holder.removeListener (&a); };
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "a", "c", "b" }));
    EXPECT_EQ (holder.getNumListeners(), 1u);
}

TEST (ListenerHolder, ObserverAddedDuringPassWaitsForTheNextPass)
{
    std::vector<std::string> log;
    Observer a { "a", &log, {} }, b { "b", &log, {} };
    Holder holder;
    holder.addListener (&a);
    a.onCall = [&] { holder.addListener (&b); a.onCall = nullptr; };
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "a" }));
    log.clear();
    holder.notifyAll();
    EXPECT_EQ (log, (std::vector<std::string> { "a", "b" }));
}

TEST (Singleton, GetterCreatesOnceAndReturnsTheSameInstance)
{
    auto* first = Counted::getInstance();
    first->value = 7;
    EXPECT_EQ (Counted::getInstance(), first);
    EXPECT_EQ (Counted::getInstance()->value, 7);
    delete first; // not DeletedAtShutdown: the test owns it
}

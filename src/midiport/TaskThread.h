#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace midiport
{
// One thread that runs posted tasks one at a time: tasks due at the same time
// run in the order they were posted. Tasks still waiting when the thread is
// destroyed are dropped unrun. A task may destroy the TaskThread that runs it:
// the thread then ends after that task.
class TaskThread
{
public:
    using Clock = std::chrono::steady_clock;

    TaskThread();
    ~TaskThread();

    TaskThread (const TaskThread&) = delete;
    TaskThread& operator= (const TaskThread&) = delete;

    void post (std::function<void()> task);
    void postAfter (std::chrono::milliseconds delay, std::function<void()> task);

    bool isCurrentThread() const { return std::this_thread::get_id() == thread.get_id(); }

    // Blocks until every task posted before the call and already due has run.
    // Returns at once on the thread itself.
    void waitUntilIdle();

private:
    struct Queue
    {
        std::mutex mutex;
        std::condition_variable wake;
        std::map<std::pair<Clock::time_point, std::uint64_t>, std::function<void()>> tasks;
        std::uint64_t nextSequence = 0;
        bool stopping = false;
    };

    static void run (std::shared_ptr<Queue> queue);

    std::shared_ptr<Queue> queue;
    std::thread thread;
};
}

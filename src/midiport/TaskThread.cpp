#include "midiport/TaskThread.h"

#include <future>

namespace midiport
{
TaskThread::TaskThread()
    : queue (std::make_shared<Queue>()),
      thread (&TaskThread::run, queue)
{
}

TaskThread::~TaskThread()
{
    {
        std::lock_guard<std::mutex> lock (queue->mutex);
        queue->stopping = true;
    }
    queue->wake.notify_all();

    if (isCurrentThread())
        thread.detach();
    else
        thread.join();

    // Dropped tasks are destroyed outside the lock: their captures may own
    // objects whose destructors post again.
    decltype (queue->tasks) dropped;
    {
        std::lock_guard<std::mutex> lock (queue->mutex);
        dropped.swap (queue->tasks);
    }
}

void TaskThread::post (std::function<void()> task)
{
    postAfter (std::chrono::milliseconds (0), std::move (task));
}

void TaskThread::postAfter (std::chrono::milliseconds delay, std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock (queue->mutex);
        if (queue->stopping)
            return;
        queue->tasks.emplace (std::make_pair (Clock::now() + delay, queue->nextSequence++), std::move (task));
    }
    queue->wake.notify_all();
}

void TaskThread::waitUntilIdle()
{
    if (isCurrentThread())
        return;

    auto done = std::make_shared<std::promise<void>>();
    auto finished = done->get_future();
    post ([done] { done->set_value(); });

    // A thread that stops first drops the marker, which breaks the promise.
    try
    {
        finished.get();
    }
    catch (const std::future_error&)
    {
    }
}

void TaskThread::run (std::shared_ptr<Queue> queue)
{
    std::unique_lock<std::mutex> lock (queue->mutex);

    while (! queue->stopping)
    {
        if (queue->tasks.empty())
        {
            queue->wake.wait (lock);
            continue;
        }

        auto first = queue->tasks.begin();
        auto due = first->first.first;
        if (Clock::now() < due)
        {
            queue->wake.wait_until (lock, due);
            continue;
        }

        auto task = std::move (first->second);
        queue->tasks.erase (first);
        lock.unlock();
        task();
        task = nullptr;
        lock.lock();
    }
}
}

#pragma once
// Tasks run on a few threads of the queue's own, in the order they were posted. The
// hand-over uses std::mutex and std::condition_variable, so race checkers see it.

#include <Base/BaseExport.h>

#include <functional>
#include <memory>

namespace Base {

class BASE_EXPORT CWorkQueue
{
public:
    using Task = std::function<void()>;

    /// Up to maxThreads threads (at least one), started when queued tasks outnumber the
    /// idle threads. With one thread the tasks also finish in posting order.
    explicit CWorkQueue(int maxThreads = 1);
    /// Runs the tasks still queued, then joins the threads. Not from a task of this queue.
    ~CWorkQueue();
    CWorkQueue(const CWorkQueue &) = delete;
    CWorkQueue &operator=(const CWorkQueue &) = delete;

    /// Queues task; any thread. False (the task is dropped) for an empty task, while the
    /// queue is being destroyed, or when no thread can be started. A task that throws is
    /// logged and the thread goes on.
    bool post(Task task);
    /// Blocks until every task posted so far has finished and its captures are destroyed.
    /// Not from a task of this queue.
    void waitForIdle();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace Base

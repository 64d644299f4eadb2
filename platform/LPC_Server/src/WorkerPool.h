#pragma once
// Fixed set of threads running queued tasks in FIFO order. Counted tasks (requests that
// wait for an answer) can be refused when too many of them are waiting.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace lpcserver {
namespace details {

class CWorkerPool
{
public:
    CWorkerPool() = default;
    ~CWorkerPool();
    CWorkerPool(const CWorkerPool &) = delete;
    CWorkerPool &operator=(const CWorkerPool &) = delete;

    void start(std::size_t threads);
    /// Queues a task. A counted task is refused (false) when limit counted tasks are
    /// already waiting; any task is refused when the pool is not running.
    bool post(std::function<void()> task, bool counted, std::size_t limit);
    /// drain: run what is queued before stopping; otherwise drop it. Waits for the threads.
    void stop(bool drain);

private:
    struct Task
    {
        std::function<void()> run;
        bool counted;
    };
    void loop();

    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<Task> m_queue;
    std::size_t m_counted = 0;
    bool m_running = false;
    bool m_drain = false;
    std::vector<std::thread> m_threads;
};

} // namespace details
} // namespace lpcserver

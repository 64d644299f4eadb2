#include <Base/Log.h>
#include <Base/WorkQueue.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace Base {

struct CWorkQueue::Impl
{
    std::mutex mutex; // guards everything below
    std::condition_variable wake;
    std::condition_variable idle;
    std::deque<Task> queue;
    std::vector<std::thread> threads;
    std::size_t maxThreads = 1;
    std::size_t waiting = 0; // threads blocked in wake
    std::size_t running = 0; // tasks taken and not yet finished
    bool stopping = false;

    void loop()
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            ++waiting;
            wake.wait(lock, [this] { return stopping || !queue.empty(); });
            --waiting;
            if (queue.empty())
                return; // stopping and drained
            Task task = std::move(queue.front());
            queue.pop_front();
            ++running;
            lock.unlock();
            run(task);
            task = nullptr; // captures go before the task counts as finished
            lock.lock();
            --running;
            if (running == 0 && queue.empty())
                idle.notify_all();
        }
    }

    static void run(const Task &task)
    {
        try {
            task();
        } catch (const std::exception &e) {
            LOG_ERROR("CWorkQueue: task threw [%s].", e.what());
        } catch (...) {
            LOG_ERROR("CWorkQueue: task threw an unknown exception.");
        }
    }
};

CWorkQueue::CWorkQueue(int maxThreads) : d(new Impl)
{
    d->maxThreads = maxThreads > 1 ? static_cast<std::size_t>(maxThreads) : 1;
}

CWorkQueue::~CWorkQueue()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->stopping = true;
    }
    d->wake.notify_all();
    for (std::thread &thread : d->threads)
        thread.join();
}

bool CWorkQueue::post(Task task)
{
    if (!task)
        return false;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->stopping)
            return false;
        d->queue.push_back(std::move(task));
        if (d->queue.size() > d->waiting && d->threads.size() < d->maxThreads) {
            try {
                d->threads.emplace_back([impl = d.get()] { impl->loop(); });
            } catch (const std::system_error &e) {
                LOG_ERROR("CWorkQueue: cannot start a thread [%s].", e.what());
                if (d->threads.empty()) {
                    d->queue.pop_back();
                    return false;
                }
            }
        }
    }
    d->wake.notify_one();
    return true;
}

void CWorkQueue::waitForIdle()
{
    std::unique_lock<std::mutex> lock(d->mutex);
    d->idle.wait(lock, [this] { return d->running == 0 && d->queue.empty(); });
}

} // namespace Base

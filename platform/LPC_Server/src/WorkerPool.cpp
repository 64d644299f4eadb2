#include "WorkerPool.h"

#include <Base/Log.h>

#include <exception>

namespace lpcserver {
namespace details {

CWorkerPool::~CWorkerPool()
{
    stop(false);
}

void CWorkerPool::start(std::size_t threads)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_running)
        return;
    m_running = true;
    m_drain = false;
    for (std::size_t i = 0; i < (threads ? threads : 1); ++i)
        m_threads.emplace_back([this] { loop(); });
}

bool CWorkerPool::post(std::function<void()> task, bool counted, std::size_t limit)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_running || (counted && m_counted >= limit))
            return false;
        m_queue.push_back(Task{std::move(task), counted});
        if (counted)
            ++m_counted;
    }
    m_cv.notify_one();
    return true;
}

void CWorkerPool::stop(bool drain)
{
    std::vector<std::thread> threads;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_running = false;
        m_drain = drain;
        if (!drain) {
            m_queue.clear();
            m_counted = 0;
        }
        threads.swap(m_threads);
    }
    m_cv.notify_all();
    for (auto &t : threads)
        t.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.clear();
    m_counted = 0;
}

void CWorkerPool::loop()
{
    for (;;) {
        Task task;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_cv.wait(lock, [this] { return !m_queue.empty() || !m_running; });
            if (m_queue.empty() || (!m_running && !m_drain))
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
            if (task.counted)
                --m_counted;
        }
        try {
            task.run();
        } catch (const std::exception &e) {
            LOG_ERROR("LPC server task failed: %s.", e.what());
        } catch (...) {
            LOG_ERROR("LPC server task failed with an unknown exception.");
        }
    }
}

} // namespace details
} // namespace lpcserver

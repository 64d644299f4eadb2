#include <Common/CommonMethod/ThreadStealWork.h>

#include <Base/Log.h>

#include <boost/chrono/duration.hpp>

#include <exception>
#include <utility>

namespace comm_method {

namespace {

const boost::chrono::milliseconds kIdleWait(5000);

} // namespace

CThreadStealWork::CThreadStealWork(CThreadPoolStealModel *pool, std::string key,
                                   uint32_t threadCount, bool allowSteal)
    : m_pool(pool), m_threadCount(threadCount), m_key(std::move(key)), m_allowSteal(allowSteal)
{}

CThreadStealWork::~CThreadStealWork()
{
    stop();
    std::deque<std::unique_ptr<CPriorityInnerTask>> left;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        left.swap(m_queue);
    }
}

void CThreadStealWork::start()
{
    for (uint32_t i = 0; i < m_threadCount; ++i)
        m_threads.emplace_back([this] { threadLoop(); });
}

void CThreadStealWork::stop()
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        m_stopping = true;
        m_cond.notify_all();
    }
    for (auto &thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
}

void CThreadStealWork::push(std::unique_ptr<CPriorityInnerTask> task)
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        if (m_stopping)
            return; // task destroyed on return, outside the lock
        if (m_queue.size() <= task->task()->queueLimit()) {
            if (task->isUrgent())
                m_queue.push_front(std::move(task));
            else
                m_queue.push_back(std::move(task));
            m_cond.notify_one();
            return;
        }
    }
    execute(*task, true);
}

std::unique_ptr<CPriorityInnerTask> CThreadStealWork::steal()
{
    if (!m_allowSteal)
        return nullptr;
    boost::lock_guard<boost::mutex> lock(m_mutex);
    if (m_queue.empty())
        return nullptr;
    auto task = std::move(m_queue.front());
    m_queue.pop_front();
    return task;
}

std::size_t CThreadStealWork::size() const
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    return m_queue.size();
}

void CThreadStealWork::threadLoop()
{
    for (;;) {
        std::unique_ptr<CPriorityInnerTask> task;
        {
            boost::unique_lock<boost::mutex> lock(m_mutex);
            if (m_queue.empty()) {
                if (m_stopping)
                    return;
                m_cond.wait_for(lock, kIdleWait, [this] { return !m_queue.empty() || m_stopping; });
                continue;
            }
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        execute(*task, false);
    }
}

void CThreadStealWork::execute(CPriorityInnerTask &task, bool timeout)
{
    const char *step = timeout ? "onTimeout" : "run";
    try {
        if (timeout)
            task.onTimeout();
        else
            task.run();
    } catch (const std::exception &e) {
        LOG_ERROR("Inner task threw in %s.Key:[%s],Error:[%s].", step,
                  task.task()->taskKey().c_str(), e.what());
    } catch (...) {
        LOG_ERROR("Inner task threw in %s.Key:[%s],Error:[unknown].", step,
                  task.task()->taskKey().c_str());
    }
}

} // namespace comm_method

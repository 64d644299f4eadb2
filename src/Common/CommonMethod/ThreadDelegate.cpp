#include <Common/CommonMethod/ThreadDelegate.h>

#include <Common/CommonMethod/ThreadPoolDelegateModel.h>

#include <Base/Log.h>

#include <boost/chrono/duration.hpp>

#include <chrono>
#include <exception>
#include <utility>

namespace comm_method {

namespace {

const boost::chrono::milliseconds kIdleWait(5000);

} // namespace

CThreadDelegate::CThreadDelegate(CThreadPoolDelegateModel *pool, Kind kind)
    : m_pool(pool), m_kind(kind)
{}

CThreadDelegate::~CThreadDelegate()
{
    requestStop();
    join();
}

void CThreadDelegate::start()
{
    m_thread = boost::thread([this] { threadLoop(); });
}

void CThreadDelegate::requestStop()
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    m_stopping = true;
    m_cond.notify_all();
}

void CThreadDelegate::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CThreadDelegate::assign(std::unique_ptr<CNetTask> task)
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    // Cleared under the worker's mutex: the worker only sets it again after it has
    // seen an empty queue under the same mutex, so it can never hide this task.
    m_idle.store(false, std::memory_order_release);
    m_queue.push_back(std::move(task));
    m_cond.notify_one();
}

void CThreadDelegate::threadLoop()
{
    for (;;) {
        std::unique_ptr<CNetTask> task;
        {
            boost::unique_lock<boost::mutex> lock(m_mutex);
            if (m_queue.empty()) {
                if (m_stopping)
                    return;
                m_idle.store(true, std::memory_order_release);
                m_cond.wait_for(lock, kIdleWait, [this] { return !m_queue.empty() || m_stopping; });
                continue;
            }
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        execute(*task);
        if (m_kind == Keyed)
            m_pool->finishKeyedTask(task.get());
        task.reset();
        {
            // Idle at once rather than on the next pass, so that the dispatcher woken
            // below finds this worker free.
            boost::lock_guard<boost::mutex> lock(m_mutex);
            if (m_queue.empty())
                m_idle.store(true, std::memory_order_release);
        }
        m_pool->workerFinished();
    }
}

void CThreadDelegate::execute(CNetTask &task)
{
    bool timedOut = false;
    if (task.timeout() >= 1) {
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                                CTaskClock::now() - task.createTime())
                                .count();
        timedOut = waited > task.timeout();
    }
    const char *step = timedOut ? "onTimeout" : "run";
    try {
        if (timedOut)
            task.onTimeout();
        else
            task.run();
    } catch (const std::exception &e) {
        LOG_ERROR("Net task threw in %s.Key:[%s],Error:[%s].", step, task.key().c_str(), e.what());
    } catch (...) {
        LOG_ERROR("Net task threw in %s.Key:[%s],Error:[unknown].", step, task.key().c_str());
    }
}

} // namespace comm_method

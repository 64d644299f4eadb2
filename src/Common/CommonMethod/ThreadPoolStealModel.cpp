#include <Common/CommonMethod/ThreadPoolStealModel.h>

#include <Base/Log.h>

#include <boost/chrono/duration.hpp>

#include <utility>

namespace comm_method {

namespace {

const boost::chrono::milliseconds kDispatcherWait(5000);

} // namespace

CThreadPoolStealModel::CThreadPoolStealModel()
{
    // The logger must outlive a pool that is destroyed at process exit.
    Base::details::CLog::instance();
}

CThreadPoolStealModel::~CThreadPoolStealModel()
{
    // No log line here: at process exit the log sinks may already be gone.
    stopPool(false);
    std::deque<std::unique_ptr<CPriorityInnerTask>> left;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        left.swap(m_incoming);
    }
}

void CThreadPoolStealModel::init(int32_t surplusCount)
{
    if (surplusCount < 1)
        return;
    boost::lock_guard<boost::mutex> lifecycle(m_lifecycleMutex);
    const bool startDispatcher = !m_dispatcher.joinable();
    if (startDispatcher) {
        // A pool may be started again after stop().
        boost::lock_guard<boost::mutex> lock(m_mutex);
        m_stopping = false;
    }
    for (int32_t i = 0; i < surplusCount; ++i) {
        auto surplus = std::make_unique<CThreadStealSurplus>(this);
        surplus->start();
        m_surplus.push_back(std::move(surplus));
    }
    if (startDispatcher)
        m_dispatcher = boost::thread([this] { dispatchLoop(); });
    LOG_INFO("Inner task pool started. Surplus:[%d].", static_cast<int>(m_surplus.size()));
}

bool CThreadPoolStealModel::post(std::unique_ptr<CInnerTask> task)
{
    if (!task)
        return false;
    return postWrapped(
        std::make_unique<CPriorityInnerTask>(std::move(task), CPriorityInnerTask::Normal));
}

bool CThreadPoolStealModel::postUrgent(std::unique_ptr<CInnerTask> task)
{
    if (!task)
        return false;
    return postWrapped(
        std::make_unique<CPriorityInnerTask>(std::move(task), CPriorityInnerTask::Urgent));
}

bool CThreadPoolStealModel::postWrapped(std::unique_ptr<CPriorityInnerTask> task)
{
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        if (!m_stopping) {
            m_incoming.push_back(std::move(task));
            m_cond.notify_one();
            return true;
        }
    }
    LOG_WARN("Inner task refused after stop.Key:[%s].", task->task()->taskKey().c_str());
    return false;
}

void CThreadPoolStealModel::stop()
{
    stopPool(true);
}

void CThreadPoolStealModel::stopPool(bool log)
{
    boost::lock_guard<boost::mutex> lifecycle(m_lifecycleMutex);
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        m_stopping = true;
        m_cond.notify_all();
    }
    if (m_dispatcher.joinable())
        m_dispatcher.join();
    // No dispatcher any more: the list can only shrink from here.
    for (const auto &work : workQueues())
        work->stop();
    for (auto &surplus : m_surplus)
        surplus->requestStop();
    for (auto &surplus : m_surplus)
        surplus->join();
    m_surplus.clear();
    std::vector<std::shared_ptr<CThreadStealWork>> works;
    {
        boost::lock_guard<boost::mutex> lock(m_worksMutex);
        works.swap(m_works);
    }
    for (const auto &work : works) {
        if (const auto left = work->size())
            LOG_WARN("Inner tasks dropped at stop, no thread may run them.Key:[%s],Count:[%d].",
                     work->key().c_str(), static_cast<int>(left));
    }
    works.clear();
    if (log)
        LOG_INFO("Inner task pool stopped.");
}

std::vector<std::shared_ptr<CThreadStealWork>> CThreadPoolStealModel::workQueues() const
{
    boost::lock_guard<boost::mutex> lock(m_worksMutex);
    return m_works;
}

std::shared_ptr<CThreadStealWork> CThreadPoolStealModel::workQueue(const std::string &key) const
{
    boost::lock_guard<boost::mutex> lock(m_worksMutex);
    for (const auto &work : m_works) {
        if (work->key() == key)
            return work;
    }
    return nullptr;
}

int32_t CThreadPoolStealModel::surplusThreadCount() const
{
    boost::lock_guard<boost::mutex> lifecycle(m_lifecycleMutex);
    return static_cast<int32_t>(m_surplus.size());
}

void CThreadPoolStealModel::dispatchLoop()
{
    for (;;) {
        std::deque<std::unique_ptr<CPriorityInnerTask>> batch;
        {
            boost::unique_lock<boost::mutex> lock(m_mutex);
            if (m_incoming.empty()) {
                if (m_stopping)
                    return;
                m_cond.wait_for(lock, kDispatcherWait,
                                [this] { return !m_incoming.empty() || m_stopping; });
                continue;
            }
            batch.swap(m_incoming);
        }
        for (auto &task : batch)
            route(std::move(task));
    }
}

void CThreadPoolStealModel::route(std::unique_ptr<CPriorityInnerTask> task)
{
    const std::string key = task->task()->taskKey();
    std::shared_ptr<CThreadStealWork> work = workQueue(key);
    if (!work) {
        // Only this thread creates queues, so nobody can add the same key meanwhile.
        work = std::make_shared<CThreadStealWork>(this, key, task->task()->threadCount(),
                                                  task->task()->allowSteal());
        work->start();
        boost::lock_guard<boost::mutex> lock(m_worksMutex);
        m_works.push_back(work);
    }
    work->push(std::move(task));
}

} // namespace comm_method

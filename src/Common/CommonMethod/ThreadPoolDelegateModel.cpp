#include <Common/CommonMethod/ThreadPoolDelegateModel.h>

#include <Base/Log.h>

#include <boost/chrono/duration.hpp>

#include <algorithm>

namespace comm_method {

namespace {

const boost::chrono::milliseconds kDispatcherWait(5000);

} // namespace

CThreadPoolDelegateModel::CThreadPoolDelegateModel(bool startDispatcher)
    : m_startDispatcher(startDispatcher)
{
    // The logger must outlive a pool that is destroyed at process exit.
    Base::details::CLog::instance();
}

CThreadPoolDelegateModel::~CThreadPoolDelegateModel()
{
    // No log line here: at process exit the log sinks may already be gone.
    stopPool(false);
    // Left over when the dispatcher never ran; destroyed outside the lock because a
    // task's destructor may post again.
    TaskQueue incoming;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        incoming.swap(m_incoming);
    }
    incoming.clear();
    m_working.clear();
    m_deferred.clear();
}

int32_t CThreadPoolDelegateModel::init(int32_t threadCount, int32_t queueLimit, int32_t keyedCount)
{
    boost::lock_guard<boost::mutex> lifecycle(m_lifecycleMutex);
    if (m_running.load() || m_dispatcher.joinable())
        return 1;
    if (threadCount < 1) {
        LOG_ERROR("Failed to init net task pool. ThreadCount:[%d].", threadCount);
        return -1;
    }
    if (keyedCount < 1 || keyedCount > threadCount)
        keyedCount = threadCount / 2;
    if (queueLimit > 0)
        m_queueLimit.store(queueLimit);
    {
        // A pool may be started again after stop().
        boost::lock_guard<boost::mutex> lock(m_mutex);
        m_stopping.store(false);
        m_discard.store(false);
    }

    for (int32_t i = 0; i < keyedCount; ++i) {
        auto worker = std::make_shared<CThreadDelegate>(this, CThreadDelegate::Keyed);
        worker->start();
        m_keyedWorkers.push_back(std::move(worker));
    }
    for (int32_t i = keyedCount; i < threadCount; ++i) {
        auto worker = std::make_shared<CThreadDelegate>(this, CThreadDelegate::Free);
        worker->start();
        m_freeWorkers.push_back(std::move(worker));
    }
    m_keyedCount.store(keyedCount);
    m_freeCount.store(threadCount - keyedCount);
    if (m_startDispatcher)
        m_dispatcher = boost::thread([this] { dispatchLoop(); });
    m_running.store(true);
    LOG_INFO("Net task pool started. Keyed:[%d],Free:[%d],QueueLimit:[%d].", keyedCount,
             threadCount - keyedCount, m_queueLimit.load());
    return 0;
}

bool CThreadPoolDelegateModel::post(std::unique_ptr<CNetTask> task)
{
    if (!task)
        return false;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        // Checked under the lock so that concurrent producers cannot overshoot the limit
        // and nothing is appended after stop() has discarded the queue.
        if (!m_stopping.load() && m_queuedCount.load() <= m_queueLimit.load()) {
            if (m_queuedCount.load() == 0 && handToIdleWorker(task))
                return true;
            m_incoming.push_back(std::move(task));
            m_queuedCount.fetch_add(1);
            // Not while the dispatcher waits for a busy worker: it could not place the
            // task anyway, and waking it for every post would cost it the CPU it needs.
            if (m_wakeOnPost)
                m_cond.notify_one();
            return true;
        }
    }
    task.reset(); // outside the lock: a destructor may post again
    return false;
}

bool CThreadPoolDelegateModel::handToIdleWorker(std::unique_ptr<CNetTask> &task)
{
    // Nothing is queued (the caller holds m_mutex and saw no task counted), so the
    // dispatcher holds no task to place and the order of earlier tasks cannot be broken;
    // going through it would only add a second thread wake-up before the task starts.
    // m_running is set only after init() has filled the worker lists, and stop() raises
    // m_stopping under m_mutex before it clears them.
    if (!m_startDispatcher || !m_running.load())
        return false;
    bool conflict = false;
    CThreadDelegate *worker = chooseWorker(*task, conflict);
    if (worker == nullptr)
        return false;
    assignTask(*worker, std::move(task));
    m_directHandOffs.fetch_add(1);
    return true;
}

void CThreadPoolDelegateModel::assignTask(CThreadDelegate &worker, std::unique_ptr<CNetTask> task)
{
    if (worker.kind() == CThreadDelegate::Keyed) {
        // Registered before the worker can see the task, so its removal can never come
        // first.
        boost::lock_guard<boost::mutex> lock(m_runningKeysMutex);
        m_runningKeys.emplace_back(task.get(), task->key());
    }
    worker.assign(std::move(task));
}

void CThreadPoolDelegateModel::stop()
{
    stopPool(true);
}

void CThreadPoolDelegateModel::stopPool(bool log)
{
    boost::lock_guard<boost::mutex> lifecycle(m_lifecycleMutex);
    if (!m_running.load())
        return;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        m_stopping.store(true);
        m_discard.store(true);
        m_cond.notify_all();
    }
    if (m_dispatcher.joinable())
        m_dispatcher.join();
    // Ask all first, then join: workers finish their current tasks in parallel.
    for (auto &worker : m_keyedWorkers)
        worker->requestStop();
    for (auto &worker : m_freeWorkers)
        worker->requestStop();
    for (auto &worker : m_keyedWorkers)
        worker->join();
    for (auto &worker : m_freeWorkers)
        worker->join();
    m_keyedWorkers.clear();
    m_freeWorkers.clear();
    m_keyedCount.store(0);
    m_freeCount.store(0);
    {
        boost::lock_guard<boost::mutex> lock(m_runningKeysMutex);
        m_runningKeys.clear();
    }
    m_running.store(false);
    if (log)
        LOG_INFO("Net task pool stopped.");
}

int32_t CThreadPoolDelegateModel::workerCount(CThreadDelegate::Kind kind) const
{
    return kind == CThreadDelegate::Keyed ? m_keyedCount.load() : m_freeCount.load();
}

void CThreadPoolDelegateModel::finishKeyedTask(const CNetTask *task)
{
    boost::lock_guard<boost::mutex> lock(m_runningKeysMutex);
    auto it = std::find_if(m_runningKeys.begin(), m_runningKeys.end(),
                           [task](const auto &entry) { return entry.first == task; });
    if (it != m_runningKeys.end())
        m_runningKeys.erase(it);
}

void CThreadPoolDelegateModel::workerFinished()
{
    m_finished.fetch_add(1);
    // Both atomics are sequentially consistent: either this sees the dispatcher's flag
    // or the dispatcher's check under the lock sees the raised count.
    if (m_waitingForWorker.load()) {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        m_cond.notify_one();
    }
}

void CThreadPoolDelegateModel::waitForWorker(uint64_t seenFinished, bool wakeOnPost)
{
    m_workerWaits.fetch_add(1);
    boost::unique_lock<boost::mutex> lock(m_mutex);
    if (m_stopping.load())
        return;
    m_wakeOnPost = wakeOnPost;
    m_waitingForWorker.store(true);
    const bool woken = m_cond.wait_for(lock, boost::chrono::milliseconds(m_pause.count()), [&] {
        return m_finished.load() != seenFinished || m_stopping.load() ||
               (wakeOnPost && !m_incoming.empty());
    });
    m_waitingForWorker.store(false);
    m_wakeOnPost = true;
    if (!woken)
        m_fullPauses.fetch_add(1);
}

void CThreadPoolDelegateModel::discardQueued()
{
    TaskQueue incoming;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        incoming.swap(m_incoming);
    }
    const auto count = static_cast<int32_t>(m_working.size() + m_deferred.size() + incoming.size());
    m_working.clear();
    m_deferred.clear();
    incoming.clear();
    m_queuedCount.fetch_sub(count);
}

void CThreadPoolDelegateModel::dropIncomingAtLimit()
{
    TaskQueue incoming;
    {
        boost::lock_guard<boost::mutex> lock(m_mutex);
        incoming.swap(m_incoming);
    }
    if (incoming.empty())
        return;
    const auto count = static_cast<int32_t>(incoming.size());
    incoming.clear();
    m_queuedCount.fetch_sub(count);
    LOG_WARN("Net task queue reached its limit, dropped [%d] incoming tasks.", count);
}

CThreadDelegate *CThreadPoolDelegateModel::chooseWorker(const CNetTask &task, bool &conflict) const
{
    {
        boost::lock_guard<boost::mutex> lock(m_runningKeysMutex);
        conflict = std::any_of(m_runningKeys.begin(), m_runningKeys.end(),
                               [&task](const auto &entry) { return entry.second == task.key(); });
    }
    if (!conflict) {
        for (const auto &worker : m_keyedWorkers) {
            if (worker->isIdle())
                return worker.get();
        }
    }
    for (const auto &worker : m_freeWorkers) {
        if (worker->isIdle())
            return worker.get();
    }
    return nullptr;
}

void CThreadPoolDelegateModel::dispatchLoop()
{
    // Worker finishes seen before the last choice of a worker.
    uint64_t seenFinished = m_finished.load();
    for (;;) {
        if (m_stopping.load() && m_working.empty() && m_deferred.empty()) {
            boost::lock_guard<boost::mutex> lock(m_mutex);
            if (m_incoming.empty())
                return;
        }
        if (m_discard.load())
            discardQueued();
        if (m_queuedCount.load() >= m_queueLimit.load())
            dropIncomingAtLimit();

        if (m_working.empty()) {
            {
                boost::lock_guard<boost::mutex> lock(m_mutex);
                m_working.swap(m_incoming);
            }
            if (!m_deferred.empty()) {
                // Only tasks of busy keys are left: retry once a worker finishes (or a
                // new task arrives), at the latest after the pause.
                if (m_working.empty())
                    waitForWorker(seenFinished, true);
                m_working.insert(m_working.begin(), std::make_move_iterator(m_deferred.begin()),
                                 std::make_move_iterator(m_deferred.end()));
                m_deferred.clear();
            }
            if (m_working.empty()) {
                boost::unique_lock<boost::mutex> lock(m_mutex);
                if (!m_stopping.load())
                    m_cond.wait_for(lock, kDispatcherWait,
                                    [this] { return !m_incoming.empty() || m_stopping.load(); });
                continue;
            }
        }

        bool conflict = false;
        seenFinished = m_finished.load();
        CThreadDelegate *worker = chooseWorker(*m_working.front(), conflict);
        if (worker) {
            std::unique_ptr<CNetTask> task = std::move(m_working.front());
            m_working.pop_front();
            assignTask(*worker, std::move(task));
            // Lowered only once the task is with its worker: while it is counted, post()
            // does not hand tasks to workers itself.
            m_queuedCount.fetch_sub(1);
        } else if (conflict) {
            m_deferred.push_back(std::move(m_working.front()));
            m_working.pop_front();
            m_deferrals.fetch_add(1);
        } else {
            waitForWorker(seenFinished, false);
        }
    }
}

} // namespace comm_method

#pragma once
// Task pool of the delegate model: one dispatcher thread hands each net task to an
// idle worker, except that a task posted while nothing is queued goes straight to one.
// Keyed workers never run two tasks of the same key at once; a task whose key is busy
// goes to an idle free worker or waits in the deferred queue. A task that
// waited longer than its time-out gets onTimeout() instead of run(). While no worker can
// take the next task the dispatcher waits at most a short pause, and a worker that
// finishes a task wakes it at once.

#include <Common/CommonMethod/NetTask.h>
#include <Common/CommonMethod/ThreadDelegate.h>

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace comm_method {

class CThreadPoolDelegateModel
{
public:
    static constexpr int32_t kDefaultQueueLimit = 20000;
    static constexpr std::chrono::milliseconds kDefaultPause{5};

    /// startDispatcher false is for tests: init() starts the workers only, so posted
    /// tasks stay queued and the queue limit can be observed without a dispatcher pass.
    explicit CThreadPoolDelegateModel(bool startDispatcher = true);
    /// Stops the pool; tasks still queued are destroyed without any call.
    virtual ~CThreadPoolDelegateModel();

    CThreadPoolDelegateModel(const CThreadPoolDelegateModel &) = delete;
    CThreadPoolDelegateModel &operator=(const CThreadPoolDelegateModel &) = delete;

    /// Starts keyedCount keyed workers, threadCount - keyedCount free workers and the
    /// dispatcher. keyedCount below 1 or above threadCount becomes threadCount / 2; a
    /// queueLimit above 0 replaces the default. Returns 0 on success, 1 when the pool is
    /// already running, -1 when threadCount is below 1.
    int32_t init(int32_t threadCount, int32_t queueLimit, int32_t keyedCount);

    /// Takes ownership of task. Returns false, destroying the task without any call,
    /// when the pool is stopping or more than queueLimit() tasks are queued (so at most
    /// limit + 1 tasks wait). Any thread.
    bool post(std::unique_ptr<CNetTask> task);

    /// Discards every queued task without any call, lets each worker finish the task it
    /// holds and joins all threads. Does nothing unless running. Blocks the caller.
    void stop();

    bool isRunning() const { return m_running.load(); }
    int32_t queueLimit() const { return m_queueLimit.load(); }
    /// Tasks accepted and not yet handed to a worker (or discarded).
    int32_t queuedTaskCount() const { return m_queuedCount.load(); }
    int32_t workerCount(CThreadDelegate::Kind kind) const;
    /// How often the dispatcher waited for a worker because every worker was busy or
    /// only deferred tasks were left.
    uint64_t workerWaitCount() const { return m_workerWaits.load(); }
    /// How many of those waits lasted the whole pause without a worker finishing.
    uint64_t fullPauseCount() const { return m_fullPauses.load(); }
    /// How often a task was moved to the deferred queue because its key was busy.
    uint64_t deferralCount() const { return m_deferrals.load(); }
    /// How many tasks post() gave to an idle worker itself, the dispatcher not involved.
    uint64_t directHandOffCount() const { return m_directHandOffs.load(); }

    /// The longest wait for a busy worker (kDefaultPause). Tests set a long one to show
    /// that a finishing worker, not the pause, ends the wait. Before init() only.
    void setPause(std::chrono::milliseconds pause) { m_pause = pause; }

private:
    friend class CThreadDelegate;

    using TaskQueue = std::deque<std::unique_ptr<CNetTask>>;

    void stopPool(bool log);
    void dispatchLoop();
    CThreadDelegate *chooseWorker(const CNetTask &task, bool &conflict) const;
    /// post() with m_mutex held and no task queued: gives task to an idle worker that
    /// may run it; false (task untouched) when there is none.
    bool handToIdleWorker(std::unique_ptr<CNetTask> &task);
    void assignTask(CThreadDelegate &worker, std::unique_ptr<CNetTask> task);
    void discardQueued();
    void dropIncomingAtLimit();
    /// Waits at most the pause until a worker finishes after seenFinished (or, with
    /// wakeOnPost, until a task arrives).
    void waitForWorker(uint64_t seenFinished, bool wakeOnPost);
    /// Called by a keyed worker after running a task: its key may run again.
    void finishKeyedTask(const CNetTask *task);
    /// Called by every worker once it is idle again after a task.
    void workerFinished();

    const bool m_startDispatcher;
    std::atomic<bool> m_running{false};
    // Lists change only in init() and stop(), never while the dispatcher runs.
    std::vector<std::shared_ptr<CThreadDelegate>> m_keyedWorkers;
    std::vector<std::shared_ptr<CThreadDelegate>> m_freeWorkers;
    std::atomic<int32_t> m_keyedCount{0};
    std::atomic<int32_t> m_freeCount{0};

    TaskQueue m_incoming; // guarded by m_mutex
    TaskQueue m_working;  // dispatcher thread only
    TaskQueue m_deferred; // dispatcher thread only
    boost::mutex m_mutex;
    boost::condition_variable m_cond;
    boost::thread m_dispatcher;
    // Raised by each worker that becomes idle; the dispatcher compares it with the
    // value it saw before choosing, so a finish between choosing and waiting is not lost.
    std::atomic<uint64_t> m_finished{0};
    // Set under m_mutex while the dispatcher waits for a worker; workers notify m_cond
    // only then, and posts only when m_wakeOnPost is set too.
    std::atomic<bool> m_waitingForWorker{false};
    bool m_wakeOnPost = true; // guarded by m_mutex
    std::chrono::milliseconds m_pause{kDefaultPause};

    std::atomic<int32_t> m_queueLimit{kDefaultQueueLimit};
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_discard{false};
    std::atomic<int32_t> m_queuedCount{0};

    // Tasks running on keyed workers, with their keys.
    std::vector<std::pair<const CNetTask *, std::string>> m_runningKeys;
    mutable boost::mutex m_runningKeysMutex;

    // Serialises init() and stop() called from different threads.
    boost::mutex m_lifecycleMutex;

    std::atomic<uint64_t> m_workerWaits{0};
    std::atomic<uint64_t> m_fullPauses{0};
    std::atomic<uint64_t> m_deferrals{0};
    std::atomic<uint64_t> m_directHandOffs{0};
};

} // namespace comm_method

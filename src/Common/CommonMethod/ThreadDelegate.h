#pragma once
// One worker thread of the delegate-model pool. The dispatcher hands it one task at a
// time while it is idle; the worker runs it (or its time-out handling) and frees the
// task's key when it is a keyed worker.

#include <Common/CommonMethod/NetTask.h>

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

#include <atomic>
#include <deque>
#include <memory>

namespace comm_method {

class CThreadPoolDelegateModel;

class CThreadDelegate
{
public:
    enum Kind { Keyed = 0, Free = 1 };

    CThreadDelegate(CThreadPoolDelegateModel *pool, Kind kind);
    /// Stops and joins the thread if still running.
    ~CThreadDelegate();

    CThreadDelegate(const CThreadDelegate &) = delete;
    CThreadDelegate &operator=(const CThreadDelegate &) = delete;

    void start();
    /// Asks the thread to end once its queue is empty; does not wait.
    void requestStop();
    /// Waits for the thread to end (after requestStop).
    void join();

    Kind kind() const { return m_kind; }
    bool isIdle() const { return m_idle.load(std::memory_order_acquire); }

    /// Dispatcher only: marks the worker busy and queues the task for it.
    void assign(std::unique_ptr<CNetTask> task);

private:
    void threadLoop();
    void execute(CNetTask &task);

    CThreadPoolDelegateModel *m_pool;
    boost::thread m_thread;
    boost::mutex m_mutex;
    boost::condition_variable m_cond;
    std::deque<std::unique_ptr<CNetTask>> m_queue;
    bool m_stopping = false;
    // Starts idle so that the dispatcher may use it before the thread first runs.
    std::atomic<bool> m_idle{true};
    Kind m_kind;
};

} // namespace comm_method

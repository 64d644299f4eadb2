#pragma once
// Task pool of the steal model: one dispatcher thread sorts inner tasks by task key
// into work queues, each with its own threads and a bounded queue; surplus threads
// help with the queues whose tasks allow stealing.

#include <Common/CommonMethod/InnerTask.h>
#include <Common/CommonMethod/PriorityInnerTask.h>
#include <Common/CommonMethod/ThreadStealSurplus.h>
#include <Common/CommonMethod/ThreadStealWork.h>

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace comm_method {

class CThreadPoolStealModel
{
public:
    CThreadPoolStealModel();
    /// Stops the pool (see stop()).
    virtual ~CThreadPoolStealModel();

    CThreadPoolStealModel(const CThreadPoolStealModel &) = delete;
    CThreadPoolStealModel &operator=(const CThreadPoolStealModel &) = delete;

    /// Starts surplusCount more surplus threads and, unless already running, the
    /// dispatcher. Does nothing when surplusCount is below 1.
    void init(int32_t surplusCount);

    /// Queues task as a normal wrapper (priority 0). Tasks posted before init() wait
    /// for it. Returns false, destroying the task without any call, only for a null task
    /// or after stop(). Any thread.
    bool post(std::unique_ptr<CInnerTask> task);
    /// Like post(), but the wrapper (priority 1) goes to the front of its work queue.
    bool postUrgent(std::unique_ptr<CInnerTask> task);

    /// Routes what is still incoming, lets every work queue run what it holds, then
    /// joins all threads. Blocks the caller; a second call does nothing.
    void stop();

    /// Snapshot of the work queues, in creation order (surplus threads walk it).
    std::vector<std::shared_ptr<CThreadStealWork>> workQueues() const;
    /// The work queue of a task key, or null.
    std::shared_ptr<CThreadStealWork> workQueue(const std::string &key) const;
    int32_t surplusThreadCount() const;

private:
    bool postWrapped(std::unique_ptr<CPriorityInnerTask> task);
    void stopPool(bool log);
    void dispatchLoop();
    void route(std::unique_ptr<CPriorityInnerTask> task);

    std::vector<std::shared_ptr<CThreadStealWork>> m_works; // guarded by m_worksMutex
    mutable boost::mutex m_worksMutex;
    std::vector<std::unique_ptr<CThreadStealSurplus>> m_surplus; // guarded by m_lifecycleMutex
    std::deque<std::unique_ptr<CPriorityInnerTask>> m_incoming;  // guarded by m_mutex
    boost::mutex m_mutex;
    boost::condition_variable m_cond;
    boost::thread m_dispatcher;
    bool m_stopping = false; // guarded by m_mutex
    // Serialises init() and stop() called from different threads.
    mutable boost::mutex m_lifecycleMutex;
};

} // namespace comm_method

#pragma once
// Work queue of one task key in the steal-model pool: a bounded queue of wrappers run
// in order by the queue's own threads. Surplus threads may take wrappers from it when
// the task that created it allowed stealing.

#include <Common/CommonMethod/PriorityInnerTask.h>

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace comm_method {

class CThreadPoolStealModel;

class CThreadStealWork
{
public:
    CThreadStealWork(CThreadPoolStealModel *pool, std::string key, uint32_t threadCount,
                     bool allowSteal);
    /// Stops the threads; wrappers nobody ran (a queue without threads) are destroyed
    /// without any call.
    ~CThreadStealWork();

    CThreadStealWork(const CThreadStealWork &) = delete;
    CThreadStealWork &operator=(const CThreadStealWork &) = delete;

    void start();
    /// Lets the own threads drain the queue, running every wrapper, and joins them.
    void stop();

    /// Intake (dispatcher thread): queues the wrapper, urgent ones in front, or, when
    /// more than the task's queue limit are already waiting, calls its onTimeout() and
    /// destroys it. After stop() the wrapper is destroyed without any call.
    void push(std::unique_ptr<CPriorityInnerTask> task);
    /// The first wrapper when stealing is allowed and the queue is not empty, else null.
    std::unique_ptr<CPriorityInnerTask> steal();

    const std::string &key() const { return m_key; }
    bool allowSteal() const { return m_allowSteal; }
    uint32_t threadCount() const { return m_threadCount; }
    CThreadPoolStealModel *pool() const { return m_pool; }
    std::size_t size() const;

    /// Calls run() (or onTimeout()) and logs, with the task key, whatever it throws.
    static void execute(CPriorityInnerTask &task, bool timeout);

private:
    void threadLoop();

    CThreadPoolStealModel *m_pool;
    uint32_t m_threadCount;
    std::vector<boost::thread> m_threads;
    std::string m_key;
    bool m_allowSteal;
    bool m_stopping = false;
    boost::condition_variable m_cond;
    mutable boost::mutex m_mutex;
    std::deque<std::unique_ptr<CPriorityInnerTask>> m_queue;
};

} // namespace comm_method

#pragma once
// Surplus thread of the steal-model pool: repeatedly runs the first wrapper of every
// work queue that allows stealing, and naps up to 100 ms when none had work.

#include <boost/thread/condition_variable.hpp>
#include <boost/thread/mutex.hpp>
#include <boost/thread/thread.hpp>

namespace comm_method {

class CThreadPoolStealModel;

class CThreadStealSurplus
{
public:
    explicit CThreadStealSurplus(CThreadPoolStealModel *pool);
    ~CThreadStealSurplus();

    CThreadStealSurplus(const CThreadStealSurplus &) = delete;
    CThreadStealSurplus &operator=(const CThreadStealSurplus &) = delete;

    void start();
    /// Asks the thread to end after its current pass; does not wait.
    void requestStop();
    void join();

private:
    void threadLoop();

    CThreadPoolStealModel *m_pool;
    boost::thread m_thread;
    boost::condition_variable m_cond;
    boost::mutex m_mutex;
    bool m_stopping = false;
};

} // namespace comm_method

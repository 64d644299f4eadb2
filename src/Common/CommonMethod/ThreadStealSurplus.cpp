#include <Common/CommonMethod/ThreadStealSurplus.h>

#include <Common/CommonMethod/ThreadPoolStealModel.h>
#include <Common/CommonMethod/ThreadStealWork.h>

#include <boost/chrono/duration.hpp>

namespace comm_method {

namespace {

const boost::chrono::milliseconds kNap(100);

} // namespace

CThreadStealSurplus::CThreadStealSurplus(CThreadPoolStealModel *pool) : m_pool(pool) {}

CThreadStealSurplus::~CThreadStealSurplus()
{
    requestStop();
    join();
}

void CThreadStealSurplus::start()
{
    m_thread = boost::thread([this] { threadLoop(); });
}

void CThreadStealSurplus::requestStop()
{
    boost::lock_guard<boost::mutex> lock(m_mutex);
    m_stopping = true;
    m_cond.notify_all();
}

void CThreadStealSurplus::join()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CThreadStealSurplus::threadLoop()
{
    for (;;) {
        {
            boost::lock_guard<boost::mutex> lock(m_mutex);
            if (m_stopping)
                return;
        }
        bool ran = false;
        for (const auto &work : m_pool->workQueues()) {
            if (auto task = work->steal()) {
                CThreadStealWork::execute(*task, false);
                ran = true;
            }
        }
        if (!ran) {
            boost::unique_lock<boost::mutex> lock(m_mutex);
            if (!m_stopping)
                m_cond.wait_for(lock, kNap, [this] { return m_stopping; });
        }
    }
}

} // namespace comm_method

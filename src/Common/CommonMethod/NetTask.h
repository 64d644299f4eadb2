#pragma once
// Base of the work that the net-task pool runs (requests and calls from the framework).
// A posted task belongs to the pool, which destroys it after running it.

#include <Common/CommonMethod/TaskClock.h>

#include <cstdint>
#include <string>

namespace comm_method {

class CNetTask
{
public:
    static constexpr int32_t kDefaultTimeout = 60000;

    /// key: tasks with equal keys never run at the same time on two keyed workers.
    /// timeoutMs below 1 disables the time-out. The creation time is taken now.
    explicit CNetTask(std::string key, int32_t timeoutMs = kDefaultTimeout);
    virtual ~CNetTask();

    CNetTask(const CNetTask &) = delete;
    CNetTask &operator=(const CNetTask &) = delete;

    /// Called on a worker instead of run() when the task waited longer than its time-out.
    virtual void onTimeout();
    /// The work; called on a worker thread of the pool.
    virtual void run() = 0;

    const std::string &key() const { return m_key; }
    int32_t timeout() const { return m_timeout; }
    void setTimeout(int32_t timeoutMs) { m_timeout = timeoutMs; }
    CTaskClock::TimePoint createTime() const { return m_createTime; }

private:
    std::string m_key;
    int32_t m_timeout;
    CTaskClock::TimePoint m_createTime;
};

} // namespace comm_method

#pragma once
// Base of the work that the inner-task pool runs (notifications and other internal
// jobs). Tasks are sorted into one work queue per task key; the first task of a key
// decides how many threads that queue gets and whether surplus threads may help.

#include <cstdint>
#include <string>

namespace comm_method {

class CInnerTask
{
public:
    static constexpr uint32_t kDefaultQueueLimit = 10000;

    /// threadCount: own threads of the work queue created for this task's key.
    /// allowSteal: surplus threads may run tasks of this key.
    /// queueLimit: a work queue holding more wrappers than this refuses the task.
    /// key: empty means the name of the task's dynamic type.
    /// flag: kept for the task's own use; the pools ignore it.
    CInnerTask(uint32_t threadCount, bool allowSteal, uint32_t queueLimit = kDefaultQueueLimit,
               std::string key = std::string(), bool flag = false);
    virtual ~CInnerTask();

    CInnerTask(const CInnerTask &) = delete;
    CInnerTask &operator=(const CInnerTask &) = delete;

    /// The work; called on a thread of the key's work queue or on a surplus thread.
    virtual void run() = 0;
    /// Called (on the pool's dispatcher thread) when the work queue refuses the task.
    virtual void onTimeout();

    uint32_t threadCount() const { return m_threadCount; }
    bool allowSteal() const { return m_allowSteal; }
    uint32_t queueLimit() const { return m_queueLimit; }
    const std::string &key() const { return m_key; }
    bool flag() const { return m_flag; }

    /// The key that selects the work queue: key(), or the dynamic type's name when empty.
    std::string taskKey() const;

private:
    uint32_t m_threadCount;
    bool m_allowSteal;
    uint32_t m_queueLimit;
    std::string m_key;
    bool m_flag;
};

} // namespace comm_method

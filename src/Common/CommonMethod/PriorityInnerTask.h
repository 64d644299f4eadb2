#pragma once
// What the inner-task pool queues: an inner task together with its priority.

#include <Common/CommonMethod/InnerTask.h>

#include <cstdint>
#include <memory>

namespace comm_method {

class CPriorityInnerTask
{
public:
    enum Priority : int32_t { Normal = 0, Urgent = 1 };

    /// Takes ownership of task. Priority 1 (Urgent) goes to the front of its work queue;
    /// any other value is normal.
    CPriorityInnerTask(std::unique_ptr<CInnerTask> task, int32_t priority);

    CPriorityInnerTask(const CPriorityInnerTask &) = delete;
    CPriorityInnerTask &operator=(const CPriorityInnerTask &) = delete;

    virtual void run();
    virtual void onTimeout();
    /// Destroys the inner task too.
    virtual ~CPriorityInnerTask();

    int32_t priority() const { return m_priority; }
    bool isUrgent() const { return m_priority == Urgent; }
    CInnerTask *task() const { return m_task.get(); }

private:
    std::unique_ptr<CInnerTask> m_task;
    int32_t m_priority;
};

} // namespace comm_method

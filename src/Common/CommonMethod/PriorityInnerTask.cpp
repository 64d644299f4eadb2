#include <Common/CommonMethod/PriorityInnerTask.h>

#include <utility>

namespace comm_method {

CPriorityInnerTask::CPriorityInnerTask(std::unique_ptr<CInnerTask> task, int32_t priority)
    : m_task(std::move(task)), m_priority(priority)
{}

CPriorityInnerTask::~CPriorityInnerTask() = default;

void CPriorityInnerTask::run()
{
    if (m_task)
        m_task->run();
}

void CPriorityInnerTask::onTimeout()
{
    if (m_task)
        m_task->onTimeout();
}

} // namespace comm_method

#include <Common/CommonMethod/ThreadPoolForInnerTask.h>

namespace comm_method {

CThreadPoolForInnerTask::CThreadPoolForInnerTask() = default;

CThreadPoolForInnerTask::~CThreadPoolForInnerTask() = default;

} // namespace comm_method

#include <Common/CommonMethod/ThreadPoolForNetTask.h>

namespace comm_method {

CThreadPoolForNetTask::CThreadPoolForNetTask() = default;

CThreadPoolForNetTask::~CThreadPoolForNetTask() = default;

} // namespace comm_method

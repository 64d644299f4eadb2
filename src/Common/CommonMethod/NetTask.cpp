#include <Common/CommonMethod/NetTask.h>

#include <utility>

namespace comm_method {

CNetTask::CNetTask(std::string key, int32_t timeoutMs)
    : m_key(std::move(key)), m_timeout(timeoutMs), m_createTime(CTaskClock::now())
{}

CNetTask::~CNetTask() = default;

void CNetTask::onTimeout() {}

} // namespace comm_method

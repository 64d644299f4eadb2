#include <Common/CommonMethod/InnerTask.h>

#include <boost/core/demangle.hpp>

#include <typeinfo>
#include <utility>

namespace comm_method {

CInnerTask::CInnerTask(uint32_t threadCount, bool allowSteal, uint32_t queueLimit, std::string key,
                       bool flag)
    : m_threadCount(threadCount), m_allowSteal(allowSteal), m_queueLimit(queueLimit),
      m_key(std::move(key)), m_flag(flag)
{}

CInnerTask::~CInnerTask() = default;

void CInnerTask::onTimeout() {}

std::string CInnerTask::taskKey() const
{
    if (!m_key.empty())
        return m_key;
    // Readable in logs, and still one distinct name per class.
    return boost::core::demangle(typeid(*this).name());
}

} // namespace comm_method

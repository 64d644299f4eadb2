#include <Common/CommonMethod/TaskClock.h>

#include <atomic>

namespace comm_method {

namespace {

std::atomic<CTaskClock::Source> g_source{nullptr};

} // namespace

CTaskClock::TimePoint CTaskClock::now()
{
    Source source = g_source.load(std::memory_order_acquire);
    return source ? source() : std::chrono::steady_clock::now();
}

void CTaskClock::setSource(Source source)
{
    g_source.store(source, std::memory_order_release);
}

} // namespace comm_method

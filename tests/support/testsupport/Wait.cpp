#include "testsupport/Wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <thread>

namespace testsupport {

bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds bound)
{
    QDeadlineTimer deadline(bound.count());
    const bool eventLoopThread = QCoreApplication::instance() &&
                                 QThread::currentThread() == QCoreApplication::instance()->thread();
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        if (eventLoopThread) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        // A short yield between polls; the bound, not this pause, decides the outcome.
        std::this_thread::sleep_for(std::chrono::milliseconds(eventLoopThread ? 1 : 2));
    }
    return true;
}

void Counter::add(int n)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_value += n;
    m_cond.notify_all();
}

int Counter::value() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_value;
}

bool Counter::waitAtLeast(int n, std::chrono::milliseconds bound) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cond.wait_for(lock, bound, [&] { return m_value >= n; });
}

void Gate::open()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open = true;
    m_cond.notify_all();
}

bool Gate::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

bool Gate::wait(std::chrono::milliseconds bound) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_cond.wait_for(lock, bound, [&] { return m_open; });
}

} // namespace testsupport

#pragma once
// Synchronisation helpers for the pool tests: every wait has a generous bound, so a
// broken pool fails the test instead of hanging it.

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace pooltest {

constexpr std::chrono::seconds kBound(30);

// A count that threads raise and tests wait on.
class CCounter
{
public:
    void add()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ++m_value;
        m_cond.notify_all();
    }
    int value() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_value;
    }
    bool waitAtLeast(int n) const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cond.wait_for(lock, kBound, [&] { return m_value >= n; });
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    int m_value = 0;
};

// One-shot event: tasks block on it until the test opens it.
class CGate
{
public:
    void open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_cond.notify_all();
    }
    bool isOpen() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_open;
    }
    bool wait() const
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cond.wait_for(lock, kBound, [&] { return m_open; });
    }

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    bool m_open = false;
};

// For state that only the pool can report (its counters): polls until true or bound.
template <typename Predicate> bool waitUntil(Predicate predicate)
{
    const auto deadline = std::chrono::steady_clock::now() + kBound;
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

} // namespace pooltest

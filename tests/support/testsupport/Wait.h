#pragma once
// Waiting in tests: on a condition, with a generous bound, never on a fixed sleep.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace testsupport {

/// The bound every wait uses unless a test has a reason for another one: long enough
/// for a loaded CI machine, short enough that a hang fails instead of timing out ctest.
constexpr std::chrono::milliseconds kBound(30000);

/// Polls condition until it holds or bound passes; true when it held. On a thread that
/// runs a Qt event loop the loop keeps running while waiting (queued signals, timers).
bool waitUntil(const std::function<bool()> &condition, std::chrono::milliseconds bound = kBound);

/// A count that threads raise and tests wait on.
class Counter
{
public:
    void add(int n = 1);
    int value() const;
    bool waitAtLeast(int n, std::chrono::milliseconds bound = kBound) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    int m_value = 0;
};

/// One-shot event: threads block on it until the test opens it.
class Gate
{
public:
    void open();
    bool isOpen() const;
    bool wait(std::chrono::milliseconds bound = kBound) const;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_cond;
    bool m_open = false;
};

} // namespace testsupport

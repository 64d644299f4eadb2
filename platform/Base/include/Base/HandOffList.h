#pragma once
// Items handed from any thread to the one thread that serves them. The list is guarded by
// a std::mutex, which race checkers see, unlike the futex locking of Qt's event queue: the
// serving thread's wake-up (a queued call by method name) then carries nothing of ours.

#include <mutex>
#include <utility>
#include <vector>

namespace Base {

template <typename T> class CHandOffList
{
public:
    /// Any thread. True when the list was empty: the caller wakes the serving thread;
    /// otherwise a wake-up is already on its way.
    bool push(T item)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.push_back(std::move(item));
        return m_items.size() == 1;
    }

    /// The serving thread: everything pushed so far, oldest first.
    std::vector<T> takeAll()
    {
        std::vector<T> batch;
        std::lock_guard<std::mutex> lock(m_mutex);
        batch.swap(m_items);
        return batch;
    }

private:
    std::mutex m_mutex;
    std::vector<T> m_items;
};

} // namespace Base

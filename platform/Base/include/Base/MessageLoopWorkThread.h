#pragma once
// One process-wide worker thread with a task queue: functions posted to it run on that
// thread, one at a time, in the order they were posted.

#include <Base/BaseExport.h>

#include <Base/Singleton.h>

#include <functional>
#include <memory>
#include <thread>

namespace Base {

class BASE_EXPORT CMessageLoopWorkThread : public CSingleton<CMessageLoopWorkThread>
{
public:
    using Task = std::function<void()>;

    /// Starts the thread. True when it runs afterwards (also when it already ran);
    /// false when the thread cannot be created. May be called again after Stop.
    bool Start();

    /// Stops accepting tasks, lets the thread finish the tasks already posted, and joins
    /// it. Harmless when not running or called twice. Called on the loop thread itself
    /// (from a task), it only asks the loop to end after the current task; the thread is
    /// then joined by the next Start, Stop or the destructor.
    void Stop();

    bool isRunning() const;
    /// True when called on the loop thread.
    bool isInLoopThread() const;
    std::thread::id threadId() const;

    /// Queues task to run on the loop thread. False (the task is dropped) when the thread
    /// is not running or a stop was requested, or when task is empty. A task that throws
    /// is logged and the loop goes on. Safe from any thread, including the loop itself.
    bool post(Task task);

private:
    friend class CSingleton<CMessageLoopWorkThread>;
    CMessageLoopWorkThread();
    ~CMessageLoopWorkThread();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace Base

// Instantiated in its own library only: one instance per process.
extern template class Base::CSingleton<Base::CMessageLoopWorkThread>;

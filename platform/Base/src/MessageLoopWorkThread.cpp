#include <Base/Log.h>
#include <Base/MessageLoopWorkThread.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>

namespace Base {

struct CMessageLoopWorkThread::Impl
{
    std::mutex control; // serialises Start/Stop from outside the loop, held while joining
    mutable std::mutex mutex; // guards the fields below
    std::condition_variable wake;
    std::deque<Task> queue;
    std::thread thread;
    std::thread::id threadId; // id of the loop thread until it is joined
    bool running = false;
    bool stopping = false;

    void loop()
    {
        for (;;) {
            Task task;
            {
                std::unique_lock<std::mutex> lock(mutex);
                wake.wait(lock, [this] { return stopping || !queue.empty(); });
                if (queue.empty())
                    break; // stopping and drained
                task = std::move(queue.front());
                queue.pop_front();
            }
            try {
                task();
            } catch (const std::exception &e) {
                LOG_ERROR("CMessageLoopWorkThread: task threw [%s].", e.what());
            } catch (...) {
                LOG_ERROR("CMessageLoopWorkThread: task threw an unknown exception.");
            }
        }
    }

    bool onLoopThread() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return threadId == std::this_thread::get_id();
    }

    // With control held, not on the loop thread: asks a running loop to end, lets it
    // drain, joins it.
    void stopAndJoin()
    {
        std::thread old;
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (running)
                stopping = true;
            wake.notify_all();
            old = std::move(thread);
        }
        if (old.joinable())
            old.join();
        std::lock_guard<std::mutex> lock(mutex);
        running = false;
        stopping = false;
        threadId = std::thread::id();
        queue.clear();
    }
};

CMessageLoopWorkThread::CMessageLoopWorkThread() : d(new Impl) {}

CMessageLoopWorkThread::~CMessageLoopWorkThread()
{
    if (d->onLoopThread()) {
        // Destroyed from a task (exit() called on the loop): cannot join ourselves.
        std::lock_guard<std::mutex> lock(d->mutex);
        d->stopping = true;
        if (d->thread.joinable())
            d->thread.detach();
        return;
    }
    Stop();
}

bool CMessageLoopWorkThread::Start()
{
    if (d->onLoopThread()) {
        std::lock_guard<std::mutex> lock(d->mutex);
        return d->running && !d->stopping; // a task cannot restart the loop it runs on
    }
    std::lock_guard<std::mutex> control(d->control);
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->running && !d->stopping)
            return true;
    }
    d->stopAndJoin(); // a loop that a task asked to stop
    std::lock_guard<std::mutex> lock(d->mutex);
    try {
        d->thread = std::thread([impl = d.get()] { impl->loop(); });
    } catch (const std::system_error &e) {
        LOG_ERROR("CMessageLoopWorkThread::Start: cannot create the thread [%s].", e.what());
        return false;
    }
    d->threadId = d->thread.get_id();
    d->running = true;
    return true;
}

void CMessageLoopWorkThread::Stop()
{
    if (d->onLoopThread()) {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (d->running)
            d->stopping = true;
        d->wake.notify_all();
        return;
    }
    std::lock_guard<std::mutex> control(d->control);
    d->stopAndJoin();
}

bool CMessageLoopWorkThread::isRunning() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->running && !d->stopping;
}

bool CMessageLoopWorkThread::isInLoopThread() const
{
    return d->onLoopThread();
}

std::thread::id CMessageLoopWorkThread::threadId() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->threadId;
}

bool CMessageLoopWorkThread::post(Task task)
{
    if (!task)
        return false;
    std::lock_guard<std::mutex> lock(d->mutex);
    if (!d->running || d->stopping)
        return false;
    d->queue.push_back(std::move(task));
    d->wake.notify_one();
    return true;
}

} // namespace Base

template class Base::CSingleton<Base::CMessageLoopWorkThread>;

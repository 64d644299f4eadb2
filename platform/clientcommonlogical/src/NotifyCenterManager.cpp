#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Log.h>

#include <algorithm>
#include <atomic>

namespace clientcommonlogical {
namespace {

// Constant-initialised, so it is readable during the whole static destruction.
std::atomic<bool> g_destroyed{false};

} // namespace

CNotifyCenterManager::~CNotifyCenterManager()
{
    stop();
    g_destroyed = true;
}

bool CNotifyCenterManager::destroyed()
{
    return g_destroyed;
}

void CNotifyCenterManager::setSubscribeFunction(SubscribeFunction function)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_subscribe = std::move(function);
}

void CNotifyCenterManager::initWebsocketTypes(const std::vector<std::string> &types)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_types = types;
}

std::vector<std::string> CNotifyCenterManager::websocketTypes() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_types;
}

bool CNotifyCenterManager::subscribe()
{
    SubscribeFunction function;
    std::vector<std::string> types;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        function = m_subscribe;
        types = m_types;
    }
    if (!function) {
        LOG_ERROR("CNotifyCenterManager::subscribe without a subscribe function.");
        return false;
    }
    // Outside the lock: the call waits for the framework.
    if (!function(types)) {
        LOG_ERROR("CNotifyCenterManager::subscribe failed, %d types.", static_cast<int>(types.size()));
        return false;
    }
    return true;
}

void CNotifyCenterManager::addNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    if (!data)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_stopping)
        return;
    if (!m_started) {
        m_started = true;
        m_thread = std::thread(&CNotifyCenterManager::deliveryLoop, this);
        m_threadId = m_thread.get_id();
    }
    m_queue.push_back(data);
    m_queueCond.notify_one();
}

void CNotifyCenterManager::RegisterObserver(INotifyCenterManagerObserver *observer)
{
    if (!observer)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CNotifyCenterManager::AsyncUnregisterObserver(INotifyCenterManagerObserver *observer)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
    // The observer usually unregisters from its destructor: let a running call finish
    // before the object goes away. From inside its own call there is nothing to wait for.
    if (std::this_thread::get_id() != m_threadId)
        m_callCond.wait(lock, [&] { return m_calling != observer; });
}

bool CNotifyCenterManager::isRegistered(INotifyCenterManagerObserver *observer) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end();
}

void CNotifyCenterManager::stop()
{
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_queueCond.notify_all();
        thread = std::move(m_thread);
    }
    if (thread.joinable() && thread.get_id() != std::this_thread::get_id())
        thread.join();
    else if (thread.joinable())
        thread.detach();
}

void CNotifyCenterManager::deliveryLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_queueCond.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
        if (m_queue.empty())
            return; // stopping and drained
        std::shared_ptr<protocol::IWebsocketData> data = std::move(m_queue.front());
        m_queue.pop_front();
        // Walk by index over the live list: an observer removed meanwhile is skipped,
        // one added meanwhile is called too.
        std::vector<INotifyCenterManagerObserver *> called;
        for (;;) {
            auto it = std::find_if(m_observers.begin(), m_observers.end(), [&](INotifyCenterManagerObserver *o) {
                return std::find(called.begin(), called.end(), o) == called.end();
            });
            if (it == m_observers.end())
                break;
            INotifyCenterManagerObserver *observer = *it;
            called.push_back(observer);
            m_calling = observer;
            lock.unlock();
            try {
                observer->onNotify(data);
            } catch (...) {
                LOG_ERROR("CNotifyCenterManager: an observer threw.");
            }
            lock.lock();
            m_calling = nullptr;
            m_callCond.notify_all();
        }
    }
}

} // namespace clientcommonlogical

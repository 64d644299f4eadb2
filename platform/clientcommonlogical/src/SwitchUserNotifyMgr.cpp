#include <clientcommonlogical/SwitchUserNotifyMgr.h>

#include <Base/Log.h>

#include <algorithm>
#include <atomic>

namespace clientcommonlogical {
namespace {

// Constant-initialised, so it is readable during the whole static destruction.
std::atomic<bool> g_destroyed{false};

} // namespace

CSwitchUserNotifyMgr::~CSwitchUserNotifyMgr()
{
    g_destroyed = true;
}

bool CSwitchUserNotifyMgr::destroyed()
{
    return g_destroyed;
}

void CSwitchUserNotifyMgr::registerObserver(ISwitchUserNotifyMgrObserver *observer)
{
    if (!observer)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CSwitchUserNotifyMgr::unregisterObserver(ISwitchUserNotifyMgrObserver *observer)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
    // Observers unregister from their destructors: a call running on another thread must
    // end before the object goes away.
    m_deliveryDone.wait(lock, [&] { return !deliveringElsewhere(observer); });
}

bool CSwitchUserNotifyMgr::deliveringElsewhere(ISwitchUserNotifyMgrObserver *observer) const
{
    const std::thread::id self = std::this_thread::get_id();
    return std::any_of(m_deliveries.begin(), m_deliveries.end(), [&](const Delivery &d) {
        return d.observer == observer && d.thread != self;
    });
}

bool CSwitchUserNotifyMgr::isRegistered(ISwitchUserNotifyMgrObserver *observer) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end();
}

void CSwitchUserNotifyMgr::notify(int kind, int param)
{
    std::vector<ISwitchUserNotifyMgrObserver *> observers;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        observers = m_observers;
    }
    LOG_INFO("CSwitchUserNotifyMgr::notify kind[%d] observers[%d]", kind, static_cast<int>(observers.size()));
    const SwitchUserNotifyData data{kind, param};
    const std::thread::id self = std::this_thread::get_id();
    for (ISwitchUserNotifyMgrObserver *observer : observers) {
        {
            // Checked and marked in one step, so an unregister either comes first (the
            // observer is skipped) or waits for this call.
            std::lock_guard<std::mutex> lock(m_mutex);
            if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
                continue; // removed by an earlier one in this round, or by another thread
            m_deliveries.push_back({observer, self});
        }
        try {
            observer->onSwitchUserNotify(data);
        } catch (...) {
            LOG_ERROR("CSwitchUserNotifyMgr: an observer threw.");
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        const auto it =
            std::find_if(m_deliveries.begin(), m_deliveries.end(), [&](const Delivery &d) {
                return d.observer == observer && d.thread == self;
            });
        m_deliveries.erase(it);
        m_deliveryDone.notify_all();
    }
}

void CSwitchUserNotifyMgr::updateFrame()
{
    notify(1);
}

} // namespace clientcommonlogical

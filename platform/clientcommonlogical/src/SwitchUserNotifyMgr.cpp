#include <clientcommonlogical/SwitchUserNotifyMgr.h>

#include <Base/Log.h>

#include <algorithm>

namespace clientcommonlogical {

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
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
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
    for (ISwitchUserNotifyMgrObserver *observer : observers) {
        // An observer removed by an earlier one in this round is skipped.
        if (isRegistered(observer))
            observer->onSwitchUserNotify(data);
    }
}

void CSwitchUserNotifyMgr::updateFrame()
{
    notify(1);
}

} // namespace clientcommonlogical

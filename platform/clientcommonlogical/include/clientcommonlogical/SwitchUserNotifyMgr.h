#pragma once
// Fans out the framework's operator-switch notifications to registered observers.

#include <clientcommonlogical/ISwitchUserNotifyMgrObserver.h>

#include <Base/Singleton.h>

#include <mutex>
#include <vector>

namespace clientcommonlogical {

class CSwitchUserNotifyMgr : public Base::CSingleton<CSwitchUserNotifyMgr>
{
    friend class Base::CSingleton<CSwitchUserNotifyMgr>;

public:
    /// Adds an observer (a second registration of the same observer is ignored). Any
    /// thread. The observer must unregister before it is destroyed.
    void registerObserver(ISwitchUserNotifyMgrObserver *observer);
    void unregisterObserver(ISwitchUserNotifyMgrObserver *observer);
    bool isRegistered(ISwitchUserNotifyMgrObserver *observer) const;

    /// Calls every observer, in registration order, on the calling thread. Observers
    /// may (un)register from inside the call; the change applies to the next notify.
    void notify(int kind, int param = 0);
    /// The framework asked for a refresh after a user switch: notify(1).
    void updateFrame();

private:
    CSwitchUserNotifyMgr() = default;

    mutable std::mutex m_mutex;
    std::vector<ISwitchUserNotifyMgrObserver *> m_observers;
};

} // namespace clientcommonlogical

#pragma once
// Fans out the framework's operator-switch notifications to registered observers.

#include <clientcommonlogical/ISwitchUserNotifyMgrObserver.h>

#include <Base/Singleton.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace clientcommonlogical {

class CSwitchUserNotifyMgr : public Base::CSingleton<CSwitchUserNotifyMgr>
{
    friend class Base::CSingleton<CSwitchUserNotifyMgr>;

public:
    /// Adds an observer (a second registration of the same observer is ignored). Any
    /// thread. The observer must unregister before it is destroyed.
    void registerObserver(ISwitchUserNotifyMgrObserver *observer);
    /// True once the instance was destroyed (at process exit): observers that outlive
    /// it must not unregister any more.
    static bool destroyed();
    /// On return the observer is never called again and no call to it is running on
    /// another thread, so it may be destroyed. Called from inside its own call, it does
    /// not wait for that call.
    void unregisterObserver(ISwitchUserNotifyMgrObserver *observer);
    bool isRegistered(ISwitchUserNotifyMgrObserver *observer) const;

    /// Calls every observer, in registration order, on the calling thread. Observers
    /// may (un)register from inside the call; the change applies to the next notify.
    void notify(int kind, int param = 0);
    /// The framework asked for a refresh after a user switch: notify(1).
    void updateFrame();

private:
    CSwitchUserNotifyMgr() = default;
    ~CSwitchUserNotifyMgr();

    struct Delivery
    {
        ISwitchUserNotifyMgrObserver *observer;
        std::thread::id thread;
    };
    bool deliveringElsewhere(ISwitchUserNotifyMgrObserver *observer) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_deliveryDone;
    std::vector<ISwitchUserNotifyMgrObserver *> m_observers;
    std::vector<Delivery> m_deliveries; // calls running now, on any thread
};

} // namespace clientcommonlogical

#pragma once
// Delivers the server notifications that the framework forwards to every registered
// observer, on a delivery thread of its own, in arrival order.

#include <clientcommonlogical/INotifyCenterManagerObserver.h>

#include <Base/Singleton.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace clientcommonlogical {

class CNotifyCenterManager : public Base::CSingleton<CNotifyCenterManager>
{
    friend class Base::CSingleton<CNotifyCenterManager>;

public:
    /// Tells the framework which types to forward; true on success. Installed by the
    /// application (it goes through the backend library, which this library does not
    /// link).
    using SubscribeFunction = std::function<bool(const std::vector<std::string> &types)>;

    ~CNotifyCenterManager();

    /// True once the instance was destroyed (at process exit): observers that outlive
    /// it must not unregister any more.
    static bool destroyed();

    void setSubscribeFunction(SubscribeFunction function);
    /// The types to subscribe, kept as given (repeats included). Any thread.
    void initWebsocketTypes(const std::vector<std::string> &types);
    std::vector<std::string> websocketTypes() const;
    /// Sends the types of initWebsocketTypes through the subscribe function. False
    /// (logged) without a function or when it fails. Blocks the caller.
    bool subscribe();

    /// Queues a notification for delivery; a null one is dropped. Any thread; starts the
    /// delivery thread on first use unless stop() was called.
    void addNotify(const std::shared_ptr<protocol::IWebsocketData> &data);

    /// Adds an observer (again: ignored). Any thread.
    void RegisterObserver(INotifyCenterManagerObserver *observer);
    /// Removes an observer. On return it is never called again; a call to it running on
    /// the delivery thread has finished (unless this is called from that very call).
    void AsyncUnregisterObserver(INotifyCenterManagerObserver *observer);
    bool isRegistered(INotifyCenterManagerObserver *observer) const;

    /// Delivers what is queued, then ends the delivery thread; later notifications are
    /// dropped. Safe to call twice. Not from an observer.
    void stop();

private:
    CNotifyCenterManager() = default;
    void deliveryLoop();

    mutable std::mutex m_mutex;
    std::condition_variable m_queueCond;
    std::condition_variable m_callCond;
    SubscribeFunction m_subscribe;
    std::vector<std::string> m_types;
    std::deque<std::shared_ptr<protocol::IWebsocketData>> m_queue;
    std::vector<INotifyCenterManagerObserver *> m_observers;
    INotifyCenterManagerObserver *m_calling = nullptr; // observer being called now
    std::thread m_thread;
    std::thread::id m_threadId;
    bool m_started = false;
    bool m_stopping = false;
};

} // namespace clientcommonlogical

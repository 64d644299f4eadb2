#include "DataDelegateCore.h"

#include <clientcommonlogical/DataSourceDelegate.h>
#include <clientcommonlogical/IAbstractDeviceManager.h>
#include <clientcommonlogical/IGroupManager.h>
#include <clientcommonlogical/NotifyCenterManager.h>
#include <clientcommonlogical/SwitchUserNotifyMgr.h>

#include <JSONStruct/Core/IWebsocketData.h>

#include <Base/Log.h>

#include <algorithm>

namespace clientcommonlogical {
namespace detail {

using qorva7310::LoadState;

CDataDelegateCore::CDataDelegateCore(const char *what) : m_what(what) {}

CDataDelegateCore::~CDataDelegateCore()
{
    stop();
}

void CDataDelegateCore::start()
{
    if (m_started)
        return;
    m_started = true;
    // Observe before the first load reads the server, so that no change falls between.
    CNotifyCenterManager::Instance().RegisterObserver(this);
    CSwitchUserNotifyMgr::Instance().registerObserver(this);
    m_loadRequested = true;
    m_loader = std::thread(&CDataDelegateCore::loaderLoop, this);
}

void CDataDelegateCore::stop()
{
    if (!m_started)
        return;
    m_started = false;
    // A manager kept until process exit may outlive the centres it observes.
    if (!CNotifyCenterManager::destroyed())
        CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
    if (!CSwitchUserNotifyMgr::destroyed())
        CSwitchUserNotifyMgr::Instance().unregisterObserver(this);
    {
        std::lock_guard<std::mutex> lock(m_loaderMutex);
        m_stopping = true;
    }
    m_loaderCond.notify_all();
    if (m_loader.joinable())
        m_loader.join();
}

LoadState CDataDelegateCore::loadState() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void CDataDelegateCore::refresh()
{
    {
        // From now on "loaded" means loaded by a load that began after this request. The
        // state and the request change together, so a load that ends meanwhile either
        // sees the request or comes before the state change.
        std::lock_guard<std::mutex> lock(m_mutex);
        m_state = LoadState::Loading;
        std::lock_guard<std::mutex> loader(m_loaderMutex);
        m_loadRequested = true;
    }
    m_loaderCond.notify_all();
}

void CDataDelegateCore::addChangeListener(qorva7310::IDataChangeListener *listener)
{
    if (listener == nullptr)
        return;
    std::lock_guard<std::mutex> lock(m_listenerMutex);
    if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void CDataDelegateCore::removeChangeListener(qorva7310::IDataChangeListener *listener)
{
    std::lock_guard<std::mutex> lock(m_listenerMutex);
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                      m_listeners.end());
}

void CDataDelegateCore::onNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    const char *type = data ? data->name() : nullptr;
    if (type == nullptr || !handles(type))
        return;
    ChangeList changes;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        apply(*data, changes);
        // The load running now may have read the server before or after this change:
        // apply it again to whatever the load brings.
        if (m_state == LoadState::Loading)
            m_duringLoad.push_back(data);
    }
    deliver(changes, false);
}

void CDataDelegateCore::onSwitchUserNotify(const SwitchUserNotifyData &data)
{
    // Another operator may see other data.
    if (data.iKind == 1)
        refresh();
}

void CDataDelegateCore::loaderLoop()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_loaderMutex);
            m_loaderCond.wait(lock, [this] { return m_stopping || m_loadRequested; });
            if (m_stopping)
                return;
            m_loadRequested = false;
        }
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_state = LoadState::Loading;
            m_duringLoad.clear();
        }
        const bool ok = fetch();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (ok) {
                install();
                ChangeList ignored; // the reset below covers them
                for (const auto &data : m_duringLoad)
                    apply(*data, ignored);
            }
            m_duringLoad.clear();
            bool again = false;
            {
                std::lock_guard<std::mutex> loader(m_loaderMutex);
                again = m_loadRequested;
            }
            // A request that came during this load is answered by the next one.
            m_state = again ? LoadState::Loading : ok ? LoadState::Loaded : LoadState::Failed;
        }
        if (ok)
            LOG_INFO("Framework data loaded: [%s].", m_what);
        else
            LOG_ERROR("Failed to load the framework data [%s].", m_what);
        deliver(ChangeList(), true);
    }
}

void CDataDelegateCore::deliver(const ChangeList &changes, bool reset)
{
    if (changes.empty() && !reset)
        return;
    std::lock_guard<std::mutex> lock(m_listenerMutex);
    for (qorva7310::IDataChangeListener *listener : m_listeners) {
        if (reset)
            listener->onReset();
        for (const auto &change : changes)
            listener->onItemChanged(change.first, change.second);
    }
}

} // namespace detail

template <class Interface> qorva7310::LoadState CDataSourceDelegate<Interface>::loadState() const
{
    return core().loadState();
}

template <class Interface> void CDataSourceDelegate<Interface>::refresh()
{
    core().refresh();
}

template <class Interface>
void CDataSourceDelegate<Interface>::addChangeListener(qorva7310::IDataChangeListener *listener)
{
    core().addChangeListener(listener);
}

template <class Interface>
void CDataSourceDelegate<Interface>::removeChangeListener(qorva7310::IDataChangeListener *listener)
{
    core().removeChangeListener(listener);
}

template class CDataSourceDelegate<qorva7310::IGroupManager>;
template class CDataSourceDelegate<qorva7310::IAbstractDeviceManager>;
template class CDataSourceDelegate<qorva7310::IDataSource>;

} // namespace clientcommonlogical

#pragma once
// The machinery the framework-data delegates share: one loader thread that reads the
// whole data set from the server, observation of the notify center (notifications that
// arrive during a load are applied again to the freshly loaded data), a reload after an
// operator switch, and the listeners that hear what changed.

#include <clientcommonlogical/IDataSource.h>
#include <clientcommonlogical/INotifyCenterManagerObserver.h>
#include <clientcommonlogical/ISwitchUserNotifyMgrObserver.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace protocol {
class IWebsocketData;
}

namespace clientcommonlogical {
namespace detail {

/// What a load step or a notification changed, in order; repeats are harmless.
using ChangeList = std::vector<std::pair<qorva7310::DataKind, std::string>>;

class CDataDelegateCore : public INotifyCenterManagerObserver, public ISwitchUserNotifyMgrObserver
{
public:
    ~CDataDelegateCore() override;

    qorva7310::LoadState loadState() const;
    void refresh();
    void addChangeListener(qorva7310::IDataChangeListener *listener);
    void removeChangeListener(qorva7310::IDataChangeListener *listener);

    /// Runs read under the data lock and returns its result. Any thread.
    template <class Read> auto locked(Read read) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return read();
    }

    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override;
    void onSwitchUserNotify(const SwitchUserNotifyData &data) override;

protected:
    /// what names the data set in log lines ("resource groups").
    explicit CDataDelegateCore(const char *what);

    /// Registers the observers and starts the first load. Last step of the derived
    /// constructor.
    void start();
    /// Ends observation and the loader thread (waits for a load in progress). First
    /// step of the derived destructor; safe twice.
    void stop();

    /// Loader thread, no lock held: reads the whole data set into a fresh copy that the
    /// derived class keeps until install(). False (logged) when the server cannot be read.
    virtual bool fetch() = 0;
    /// Under m_mutex: the fresh copy becomes the current data.
    virtual void install() = 0;
    /// Whether a notification type concerns this data set.
    virtual bool handles(const char *type) const = 0;
    /// Under m_mutex: applies one notification of a handled type to the current data and
    /// lists what it changed.
    virtual void apply(const protocol::IWebsocketData &data, ChangeList &changes) = 0;

    /// Guards the derived class's current data.
    mutable std::mutex m_mutex;

private:
    void loaderLoop();
    void deliver(const ChangeList &changes, bool reset);

    const char *m_what;
    qorva7310::LoadState m_state = qorva7310::LoadState::NotLoaded; // guarded by m_mutex
    // Notifications that arrived while a load was running; guarded by m_mutex.
    std::vector<std::shared_ptr<protocol::IWebsocketData>> m_duringLoad;

    std::mutex m_loaderMutex; // taken alone or inside m_mutex, never the other way round
    std::condition_variable m_loaderCond;
    bool m_loadRequested = false; // guarded by m_loaderMutex
    bool m_stopping = false;      // guarded by m_loaderMutex
    std::thread m_loader;
    bool m_started = false;

    // Held while listeners are called, so removal waits for a running call.
    std::mutex m_listenerMutex;
    std::vector<qorva7310::IDataChangeListener *> m_listeners;
};

} // namespace detail
} // namespace clientcommonlogical

#pragma once
// The process's current visitor parameters: loaded from the server (the five built-in
// visit reasons are stored there first when it has none), saved through setConfig, and
// announced with signalBasicSettingDataChanged() whenever they change.
//
// The backend calls block the calling thread (the pages call from the GUI thread); the
// current copy is guarded, so reading it from a worker is safe too.

#include "BasicSettingData.h"

#include <Base/Singleton.h>

#include <QObject>

#include <mutex>

namespace visitorclient {

class AppointmentSettingManager : public QObject, public Base::CSingleton<AppointmentSettingManager>
{
    Q_OBJECT
    friend class Base::CSingleton<AppointmentSettingManager>;

public:
    /// How often load() stores the built-in reasons on a server that answers without
    /// reasons before it settles for keeping them in memory.
    static constexpr int kMaxSeedAttempts = 3;

    /// Reads the settings from the server. A server without reasons gets the built-in
    /// reasons stored (at most kMaxSeedAttempts times); when it still answers without
    /// them, the built-in reasons are kept in memory only (reasonsStoredOnServer() is
    /// then false). A failed read leaves empty field lists and one booking day. Emits
    /// signalBasicSettingDataChanged() when the result differs from what was held.
    void loadConfig();
    /// Stores data on the server. On success it becomes the current settings, the change
    /// is announced and true returned; otherwise false (the calling thread's last error
    /// says why) and the current settings stay.
    bool setConfig(const BasicSettingData &data);
    /// A copy of the current settings.
    BasicSettingData getBasicSettingData() const;

    /// The held settings came from the server (a load, or a save it accepted).
    bool isLoaded() const;
    /// False when the last load had to keep the built-in reasons in memory because the
    /// server would not keep them; a later save or load that stores reasons clears it.
    bool reasonsStoredOnServer() const;

signals:
    void signalBasicSettingDataChanged();

private:
    AppointmentSettingManager();
    /// Makes data current; true when it differs from what was held.
    bool replace(const BasicSettingData &data, bool reasonsStored);

    mutable std::mutex m_mutex;
    BasicSettingData m_data;
    bool m_bLoaded = false;
    bool m_bReasonsStored = true;
};

} // namespace visitorclient

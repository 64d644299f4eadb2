#pragma once
// Owns the component's top-level windows: creates the one a name stands for on the GUI
// thread when the framework first asks, remembers its native id under (name, type) and
// shows it on request. Also sets up the session services the pages share.

#include <Logical/Communication/Cmd/LpcCmd/IWindowResourceManager.h>

#include <Base/HandOffList.h>
#include <Base/Singleton.h>

#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

namespace qorva7310 {
class IGroupManager;
class IAbstractDeviceManager;
}

namespace visitorclient {

class CToolMenu;
class CMaintain;
class MainWindow;

class CAppRscManager : public QObject,
                       public Base::CSingleton<CAppRscManager>,
                       public IWindowResourceManager
{
    Q_OBJECT
    friend class Base::CSingleton<CAppRscManager>;

public:
    /// Connects the window signals, sets up permission and local-log managers and
    /// registers itself with the window commands. GUI thread.
    void init();
    /// Refuses further window requests and destroys the windows, so that none outlives
    /// the application. GUI thread; safe twice.
    void unInit();

    /// Native id of the named window (created on first use), -1 for an unknown name; the
    /// answer is remembered under (strID, iType). Pool threads: blocks until the GUI
    /// thread has answered. -1 once unInit() ran. On the GUI thread it answers directly.
    int getWIDbyMethod(const std::string &strID, int iType) override;
    /// Asks the GUI thread to show the window remembered under (strID, iType); returns at once.
    void ShowWndbyWID(const std::string &strID, int iType) override;

    /// Create the window when needed and return its native id. GUI thread.
    int getAppWndWID();
    int getToolWndWID();
    int getMaintainWndWID();

    /// The shared managers, created on first use (they then load on a thread of their own).
    std::shared_ptr<qorva7310::IGroupManager> getIGroupManager();
    std::shared_ptr<qorva7310::IAbstractDeviceManager> getIDeviceManager();
    /// Creates both shared managers, so that they load at start rather than when a page
    /// first asks. Needs the backend link up. Any thread.
    void loadSharedManagers();

    /// Runs a step that may wait for a pool thread blocked in getWIDbyMethod (stopping
    /// the net-task pool) on a helper thread, while the calling GUI thread keeps
    /// answering window requests (with -1 once unInit() ran). GUI thread.
    void runServingWindowRequests(const std::function<void()> &step);

    /// The remembered id of (strID, iType), or nothing.
    bool storedWID(const std::string &strID, int iType, int &wid) const;

signals:
    void signalGetWndHandle(std::string strID, int iType);
    void signalShowWnd(std::string strID, int iType);

public slots:
    void onGetWndHandle(std::string strID, int iType);
    void onShowWnd(std::string strID, int iType);

private:
    struct WindowRequest;

    CAppRscManager();
    ~CAppRscManager() override;

    /// Queues a request for the GUI thread and wakes it when the queue was empty.
    void enqueue(std::shared_ptr<WindowRequest> request);
    /// Answers every queued request. GUI thread.
    Q_INVOKABLE void serveRequests();
    /// Runs onGetWndHandle and returns the identifier it left in m_iLastWID. GUI thread.
    int answerWindowRequest(const std::string &strID, int iType);

    QPointer<CToolMenu> m_pToolMenu;
    QPointer<CMaintain> m_pMaintain;
    QPointer<MainWindow> m_pMainWindow;
    std::map<std::pair<std::string, int>, int> m_mapWID; // guarded by m_mapMutex
    // Written by onGetWndHandle, read right after it by the serving code. GUI thread only:
    // the requester gets the value through its request's promise.
    int m_iLastWID = -1;

    std::shared_ptr<qorva7310::IGroupManager> m_pGroupManager;
    std::shared_ptr<qorva7310::IAbstractDeviceManager> m_pDeviceManager;

    // Requests travel to the GUI thread through this list rather than as arguments of a
    // queued or blocking signal: race checkers see its hand-over and the request's promise.
    Base::CHandOffList<std::shared_ptr<WindowRequest>> m_requests;
    // Guards the map only; never held while waiting for the GUI thread, which reads the
    // map in onShowWnd.
    mutable std::mutex m_mapMutex;
    std::mutex m_managerMutex;
    std::atomic<bool> m_closing{false};
    bool m_initialised = false;
};

} // namespace visitorclient

#include "AppRscManager.h"

#include <UI/Window/Application/MainWindow.h>
#include <UI/Window/Application/RunBeside.h>
#include <UI/Window/Application/WindowPointers.h>
#include <UI/Window/Maintain/CMaintain.h>
#include <UI/Window/ToolMenu/CToolMenu.h>

#include <Logical/Communication/Cmd/LpcCmd/LpcCmd.h>

#include <JSONStruct/Routes/WireNames.h>

#include <UiDataController/LocalLogManager.h>
#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/CObjectSingleton.h>

#include <clientcommonlogical/DeviceManagerDelegate.h>
#include <clientcommonlogical/GroupManagerDeletage.h>
#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/Log.h>

#include <QMetaObject>
#include <QMetaType>
#include <QThread>
#include <QWidget>

#include <chrono>
#include <future>

namespace visitorclient {

struct CAppRscManager::WindowRequest
{
    std::string strID;
    int iType = 0;
    bool show = false; // a show request has no answer
    std::promise<int> answer;
};

CAppRscManager::CAppRscManager() = default;

CAppRscManager::~CAppRscManager() = default;

void CAppRscManager::init()
{
    LOG_INFO("CAppRscManager::init()");
    if (m_initialised)
        return;
    m_initialised = true;
    m_closing = false;
    qRegisterMetaType<std::string>("std::string");
    // Both signals are emitted on the GUI thread by serveRequests(); a requester on another
    // thread waits for its request's promise instead of inside a blocking emit.
    connect(this, &CAppRscManager::signalGetWndHandle, this, &CAppRscManager::onGetWndHandle,
            Qt::DirectConnection);
    connect(this, &CAppRscManager::signalShowWnd, this, &CAppRscManager::onShowWnd,
            Qt::DirectConnection);

    auto userConfig = clientcommonlogical::CUserConfigDelegate::shared();
    QorvaGUIToolkit::CObjectSingleton<UiDataController::CPermissionManager>::Instance(this)->init(userConfig);
    auto localLog = std::make_shared<clientcommonlogical::CLocalLogDelegate>();
    UiDataController::CLocalLogManager::Instance().init(localLog);
    CLpcCmd::setWindowResourceManager(this);
    // Pages cannot reach this manager (it owns them); they ask through this hook.
    // The device manager loads at start (loadSharedManagers), so names are there at once.
    g_pDeviceNameLookup = [](const std::string &deviceId) {
        const auto devices = CAppRscManager::Instance().getIDeviceManager();
        return devices ? devices->getDeviceName(deviceId) : std::string();
    };
}

void CAppRscManager::unInit()
{
    m_closing = true;
    g_pDeviceNameLookup = nullptr;
    // Windows must go while the application exists; the singleton itself lives on
    // until static destruction.
    delete m_pMainWindow.data();
    delete m_pToolMenu.data();
    delete m_pMaintain.data();
    // The managers observe the notify center, which static destruction may end first.
    std::lock_guard<std::mutex> lock(m_managerMutex);
    m_pGroupManager.reset();
    m_pDeviceManager.reset();
}

int CAppRscManager::getWIDbyMethod(const std::string &strID, int iType)
{
    LOG_INFO("CAppRscManager::getWIDbyMethod");
    int wid = -1;
    if (QThread::currentThread() == thread()) {
        wid = answerWindowRequest(strID, iType); // waiting for our own thread would never end
    } else if (!m_closing) {
        auto request = std::make_shared<WindowRequest>();
        request->strID = strID;
        request->iType = iType;
        std::future<int> answer = request->answer.get_future();
        enqueue(std::move(request));
        try {
            wid = answer.get();
        } catch (const std::future_error &) {
            wid = -1; // the manager went away with the request unanswered
        }
    }
    std::lock_guard<std::mutex> map(m_mapMutex);
    m_mapWID[{strID, iType}] = wid;
    return wid;
}

void CAppRscManager::enqueue(std::shared_ptr<WindowRequest> request)
{
    if (m_requests.push(std::move(request)))
        QMetaObject::invokeMethod(this, "serveRequests", Qt::QueuedConnection);
}

void CAppRscManager::serveRequests()
{
    for (const auto &request : m_requests.takeAll()) {
        if (request->show)
            emit signalShowWnd(request->strID, request->iType);
        else
            request->answer.set_value(answerWindowRequest(request->strID, request->iType));
    }
}

int CAppRscManager::answerWindowRequest(const std::string &strID, int iType)
{
    m_iLastWID = -1;
    emit signalGetWndHandle(strID, iType);
    return m_iLastWID;
}

void CAppRscManager::onGetWndHandle(std::string strID, int iType)
{
    Q_UNUSED(iType)
    // During shutdown a late request only gets -1: no window is created any more.
    if (m_closing)
        return;
    using namespace protocol::wire;
    if (strID == kWindowVisitorApplication)
        m_iLastWID = getAppWndWID();
    else if (strID == kWindowTemplateToolMenu)
        m_iLastWID = getToolWndWID();
    else if (strID == kWindowTemplateMaintain)
        m_iLastWID = getMaintainWndWID();
    else
        LOG_INFO("CAppRscManager::getWIDbyMethod, strId[%s] not match", strID.c_str());
}

int CAppRscManager::getAppWndWID()
{
    LOG_INFO("CAppRscManager::getAppWndWID");
    if (!m_pMainWindow) {
        LOG_INFO("CApplication init start");
        m_pMainWindow = new MainWindow;
        LOG_INFO("CApplication init end");
    }
    return static_cast<int>(m_pMainWindow->winId());
}

int CAppRscManager::getToolWndWID()
{
    LOG_INFO("CAppRscManager::getToolWndWID");
    if (!m_pToolMenu) {
        LOG_INFO("CToolMenu init start");
        m_pToolMenu = new CToolMenu(getIGroupManager());
        LOG_INFO("CToolMenu init end");
    }
    return static_cast<int>(m_pToolMenu->winId());
}

int CAppRscManager::getMaintainWndWID()
{
    LOG_INFO("CAppRscManager::getMaintainWndWID");
    if (!m_pMaintain) {
        LOG_INFO("CMaintain init start");
        m_pMaintain = new CMaintain;
        LOG_INFO("CMaintain init end");
    }
    return static_cast<int>(m_pMaintain->winId());
}

void CAppRscManager::ShowWndbyWID(const std::string &strID, int iType)
{
    LOG_INFO("CAppRscManager::ShowWndbyWID strID:[%s],iType:[%d]", strID.c_str(), iType);
    if (QThread::currentThread() == thread()) {
        emit signalShowWnd(strID, iType);
        return;
    }
    auto request = std::make_shared<WindowRequest>();
    request->strID = strID;
    request->iType = iType;
    request->show = true;
    enqueue(std::move(request));
}

bool CAppRscManager::storedWID(const std::string &strID, int iType, int &wid) const
{
    std::lock_guard<std::mutex> map(m_mapMutex);
    const auto it = m_mapWID.find({strID, iType});
    if (it == m_mapWID.end())
        return false;
    wid = it->second;
    return true;
}

void CAppRscManager::onShowWnd(std::string strID, int iType)
{
    int wid = -1;
    if (!storedWID(strID, iType, wid)) {
        LOG_INFO("CAppRscManager::ShowWndbyWID failed strID:[%s],iType:[%d]", strID.c_str(), iType);
        return;
    }
    if (wid == -1) {
        LOG_INFO("CAppRscManager::ShowWndbyWID failed");
        return;
    }
    if (QWidget *widget = QWidget::find(static_cast<WId>(wid)))
        widget->show();
    LOG_INFO("CAppRscManager::ShowWndbyWID success");
}

std::shared_ptr<qorva7310::IGroupManager> CAppRscManager::getIGroupManager()
{
    LOG_INFO("CAppRscManager::getIGroupManager");
    std::lock_guard<std::mutex> lock(m_managerMutex);
    if (!m_pGroupManager)
        m_pGroupManager = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    return m_pGroupManager;
}

std::shared_ptr<qorva7310::IAbstractDeviceManager> CAppRscManager::getIDeviceManager()
{
    LOG_INFO("CAppRscManager::getIDeviceManager");
    std::lock_guard<std::mutex> lock(m_managerMutex);
    if (!m_pDeviceManager)
        m_pDeviceManager = std::make_shared<clientcommonlogical::CDeviceManagerDelegate>();
    return m_pDeviceManager;
}

void CAppRscManager::loadSharedManagers()
{
    getIGroupManager();
    getIDeviceManager();
}

void CAppRscManager::runServingWindowRequests(const std::function<void()> &step)
{
    // A pool worker may wait in getWIDbyMethod for this thread; the step (a pool stop)
    // waits for that worker. Keep answering requests until the step is done.
    std::future<void> done = runBeside(step);
    while (done.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        serveRequests();
    serveRequests();
    done.get();
}

} // namespace visitorclient

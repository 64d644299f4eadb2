#include "StandaloneShell.h"

#include "FirstPaintProbe.h"

#include <UI/Window/Application/MainWindow.h>

#include <UiDataController/LocalLogManager.h>
#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/CObjectSingleton.h>

#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/UserConfigDelegate.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/Log.h>

#include <QGuiApplication>
#include <QScreen>

namespace visitorclient {

CStandaloneShell::CStandaloneShell(QObject *parent) : QObject(parent)
{
}

CStandaloneShell::~CStandaloneShell()
{
    delete m_pMainWindow.data();
}

void CStandaloneShell::init()
{
    LOG_INFO("CStandaloneShell::init()");
    m_pUserConfig = std::make_shared<clientcommonlogical::CUserConfigDelegate>();
    QorvaGUIToolkit::CObjectSingleton<UiDataController::CPermissionManager>::Instance(this)->init(m_pUserConfig);

    m_pLocalLog = std::make_shared<clientcommonlogical::CLocalLogDelegate>();
    const std::string componentPath = comm_methodlib::CUserDataPath::Instance().componentPath();
    if (!componentPath.empty())
        m_pLocalLog->setDirectory(QString::fromStdString(componentPath));
    UiDataController::CLocalLogManager::Instance().setUserConfig(m_pUserConfig);
    UiDataController::CLocalLogManager::Instance().init(m_pLocalLog);
}

MainWindow *CStandaloneShell::showMainWindow()
{
    if (!m_pMainWindow) {
        LOG_INFO("CApplication init start");
        m_pMainWindow = new MainWindow;
        LOG_INFO("CApplication init end");
        new CFirstPaintProbe(m_pMainWindow);
        // The framework embeds the window at its own size; alone it takes most of the
        // screen.
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            m_pMainWindow->resize(available.size() * 0.94);
            m_pMainWindow->move(available.center() - m_pMainWindow->rect().center());
        } else {
            m_pMainWindow->resize(1200, 760);
        }
    }
    m_pMainWindow->show();
    return m_pMainWindow;
}

} // namespace visitorclient

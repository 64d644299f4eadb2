#include <UiDataController/PermissionManager.h>

#include <clientcommonlogical/UserConfigDelegate.h>

#include <QorvaGUIToolkit/CObjectSingleton.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QCursor>
#include <QWidget>

namespace UiDataController {

CPermissionManager::CPermissionManager(QObject *parent) : QObject(parent)
{
}

CPermissionManager::~CPermissionManager() = default;

CPermissionManager *CPermissionManager::instance()
{
    return QorvaGUIToolkit::CObjectSingleton<CPermissionManager>::Instance();
}

void CPermissionManager::init(const std::shared_ptr<clientcommonlogical::CUserConfigDelegate> &delegate)
{
    m_pDelegate = delegate;
    LOG_INFO("CPermissionManager::init delegate[%s]", delegate ? "set" : "none");
}

std::shared_ptr<clientcommonlogical::CUserConfigDelegate> CPermissionManager::delegate() const
{
    return m_pDelegate;
}

bool CPermissionManager::verityFunPermission(int function, int operation, QWidget *widget, ShowNoPrivilegeWay way)
{
    if (!m_pDelegate || m_pDelegate->hasPermission(function, operation))
        return true;

    LOG_INFO("No permission for function [%d] operation [%d] of user [%s].", function, operation,
             qUtf8Printable(m_pDelegate->currentUser()));
    const QString text = QCoreApplication::translate("CPermissionManager", "NoPermission");
    if (way == ShowTip) {
        const QPoint at = widget ? widget->mapToGlobal(QPoint(0, widget->height())) : QCursor::pos();
        QorvaGUIToolkit::CToolTip::ShowText(at, text, widget);
    } else if (way == ShowDialog) {
        QorvaGUIToolkit::TipDialog::showWarnMessageInfo(QCoreApplication::translate("CPermissionManager", "Prompt"),
                                                        text, widget);
    }
    return false;
}

} // namespace UiDataController

template class QorvaGUIToolkit::CObjectSingleton<UiDataController::CPermissionManager>;

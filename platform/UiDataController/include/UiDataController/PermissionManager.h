#pragma once
// Answers whether the current operator may use a function of the component, from the
// rights that the user-configuration delegate reports. Created once as
// QorvaGUIToolkit::CObjectSingleton<CPermissionManager> (see instance()). GUI thread.

#include <UiDataController/UiDataControllerExport.h>

#include <UiDataController/ShowNoPrivilegeWay.h>

#include <QorvaGUIToolkit/CObjectSingleton.h>

#include <QObject>

#include <memory>

class QWidget;

namespace clientcommonlogical {
class CUserConfigDelegate;
}

namespace UiDataController {

class UIDATACONTROLLER_EXPORT CPermissionManager : public QObject
{
    Q_OBJECT
public:
    explicit CPermissionManager(QObject *parent = nullptr);
    ~CPermissionManager() override;

    /// The process-wide instance (created without parent on first use).
    static CPermissionManager *instance();

    /// Takes the delegate that knows the operator's rights. Until init() runs (or with
    /// a null delegate) every right is granted.
    void init(const std::shared_ptr<clientcommonlogical::CUserConfigDelegate> &delegate);
    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> delegate() const;

    /// True when the operator holds the operation of the function. A refusal is logged
    /// and, depending on `way`, shown as a tool tip at the widget or as a warning
    /// dialog above it (a null widget shows the tip at the cursor).
    bool verityFunPermission(int function, int operation, QWidget *widget, ShowNoPrivilegeWay way);

private:
    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> m_pDelegate;
};

} // namespace UiDataController

// Instantiated in its own library only: one instance per process.
extern template class QorvaGUIToolkit::CObjectSingleton<UiDataController::CPermissionManager>;

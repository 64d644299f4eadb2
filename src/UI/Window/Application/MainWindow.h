#pragma once
// The component's one top-level window: the navigation with its pages, the shade, the
// right-hand drawer and the slot for a modal-like widget above the shade.

#include <clientcommonlogical/ISwitchUserNotifyMgrObserver.h>

#include <QMap>
#include <QPointer>
#include <QWidget>

class QGridLayout;

namespace QorvaGUIToolkit {
class CBaseCentralWidget;
class CShadeFrame;
}

namespace visitorclient {

class AppointmentWidget;
class VisitorRecordWidget;
class AccessPointGroupWidget;
class BlackListWidget;
class BasicSettingWidget;
class QRCodeCfgWidget;
class COverlayFrame;

class MainWindow : public QWidget, public clientcommonlogical::ISwitchUserNotifyMgrObserver
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Shows a widget above the shade, centred; a widget already shown is closed first.
    Q_INVOKABLE void showModalLikeWidget(QWidget *widget);

    /// Kind 1 (user switched) re-checks the permission on the GUI thread.
    void onSwitchUserNotify(const clientcommonlogical::SwitchUserNotifyData &data) override;

    QorvaGUIToolkit::CBaseCentralWidget *centralWidget() const { return m_pCentralWidget; }
    QWidget *currentPage() const { return m_pCurrentPage; }
    QWidget *modalLikeWidget() const { return m_pModalLikeWidget; }
    QorvaGUIToolkit::CShadeFrame *shadeFrame() const { return m_pShadeFrame; }
    COverlayFrame *overlayFrame() const { return m_pOverlayFrame; }
    /// Translated navigation text -> page.
    QMap<QString, QWidget *> pageMap() const { return m_pageMap; }

signals:
    void signalSwitchUserUpdateFrame();

public slots:
    void onSwitchUserUpdateFrame();
    void onSelectPage(const QString &strText);
    void onHideModalLikeWidget();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void initUI();

    QGridLayout *m_pGridLayout = nullptr;
    QorvaGUIToolkit::CBaseCentralWidget *m_pCentralWidget = nullptr;
    AppointmentWidget *m_pAppointmentWidget = nullptr;
    VisitorRecordWidget *m_pVisitorRecordWidget = nullptr;
    AccessPointGroupWidget *m_pAccessPointGroupWidget = nullptr;
    BlackListWidget *m_pBlackListWidget = nullptr;
    BasicSettingWidget *m_pBasicSettingWidget = nullptr;
    QWidget *m_pCurrentPage = nullptr;
    QRCodeCfgWidget *m_pQRCodeCfgWidget = nullptr;
    QPointer<QWidget> m_pModalLikeWidget;
    QMap<QString, QWidget *> m_pageMap;
    QorvaGUIToolkit::CShadeFrame *m_pShadeFrame = nullptr;
    COverlayFrame *m_pOverlayFrame = nullptr;
};

} // namespace visitorclient

#include "MainWindow.h"

#include "COverlayFrame.h"
#include "WindowPointers.h"

#include <UI/Window/AccessPointGroup/AccessPointGroupWidget.h>
#include <UI/Window/BasicSetting/BasicSettingWidget.h>
#include <UI/Window/BasicSetting/QRCodeCfgWidget.h>
#include <UI/Window/BlackList/BlackListWidget.h>
#include <UI/Window/Visitor/Appointment/AppointmentWidget.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordWidget.h>
#include <UI/resources/VisitorResources.h>

#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/CShadeFrame.h>

#include <clientcommonlogical/ConfigMgr.h>
#include <clientcommonlogical/SwitchUserNotifyMgr.h>

#include <Base/Log.h>

#include <QFile>
#include <QGridLayout>
#include <QResizeEvent>

namespace visitorclient {

namespace {

const int kDrawerWidth = 660;

} // namespace

MainWindow::MainWindow(QWidget *parent) : QWidget(parent, Qt::FramelessWindowHint)
{
    initVisitorResources();
    setObjectName(QStringLiteral("MainWindow"));
    m_pGridLayout = new QGridLayout(this);
    m_pGridLayout->setSpacing(0);
    m_pGridLayout->setContentsMargins(0, 0, 0, 0);
    resize(400, 300);

    g_pMainWindow = this;

    m_pShadeFrame = new QorvaGUIToolkit::CShadeFrame(this);
    g_pShadeFrame = m_pShadeFrame;
    m_pShadeFrame->hide();

    m_pOverlayFrame = new COverlayFrame(m_pShadeFrame, this);
    m_pOverlayFrame->setFixedWidth(kDrawerWidth);
    m_pOverlayFrame->setFixedHeight(height());
    g_pOverlayFrame = m_pOverlayFrame;
    m_pOverlayFrame->hide();

    initUI();
    onSwitchUserUpdateFrame();

    clientcommonlogical::CSwitchUserNotifyMgr::Instance().registerObserver(this);
    connect(this, &MainWindow::signalSwitchUserUpdateFrame, this, &MainWindow::onSwitchUserUpdateFrame);
    connect(m_pCentralWidget, &QorvaGUIToolkit::CBaseCentralWidget::signalActionClicked, this,
            &MainWindow::onSelectPage);
}

MainWindow::~MainWindow()
{
    clientcommonlogical::CSwitchUserNotifyMgr::Instance().unregisterObserver(this);
    if (g_pMainWindow == this) {
        g_pMainWindow = nullptr;
        g_pShadeFrame = nullptr;
        g_pOverlayFrame = nullptr;
    }
}

void MainWindow::initUI()
{
    m_pCentralWidget = new QorvaGUIToolkit::CBaseCentralWidget(this);
    const QString skinType = QString::fromStdString(clientcommonlogical::CConfigMgr::Instance().getSkinType());
    m_pCentralWidget->setSkinType(skinType);
    setProperty("skinType", skinType);
    m_pGridLayout->addWidget(m_pCentralWidget, 0, 0);

    m_pAppointmentWidget = new AppointmentWidget(this);
    m_pAppointmentWidget->hide();
    m_pVisitorRecordWidget = new VisitorRecordWidget(this);
    m_pVisitorRecordWidget->hide();
    m_pAccessPointGroupWidget = new AccessPointGroupWidget(this);
    m_pAccessPointGroupWidget->hide();
    m_pBlackListWidget = new BlackListWidget(this);
    m_pBlackListWidget->hide();
    m_pBasicSettingWidget = new BasicSettingWidget(this);
    m_pBasicSettingWidget->hide();
    m_pQRCodeCfgWidget = new QRCodeCfgWidget(this);
    m_pQRCodeCfgWidget->hide();
    for (Widget *page : std::initializer_list<Widget *>{m_pAppointmentWidget, m_pVisitorRecordWidget,
                                                        m_pAccessPointGroupWidget, m_pBlackListWidget,
                                                        m_pBasicSettingWidget, m_pQRCodeCfgWidget})
        page->initFramePointers();

    const QString appointmentText = tr("VisitorsToMakeAnAppoSvkGZlt");
    const QString recordText = tr("VisitorsToRecordSSYbjbR");
    const QString accessGroupText = tr("AccessRightsGroupIHwNecpAbY");
    const QString basicSettingText = tr("VisitorParameterSettpkjDjYWF");
    const QString qrCodeText = tr("Qorva-7310_Client.QRCodeCfg.name");

    m_pCentralWidget->add(QStringLiteral(":/VisitorManagement/Images/navigator/visitor_nor.png"),
                          QStringLiteral(":/VisitorManagement/Images/navigator/visitor_sli.png"), tr("Visitors"),
                          {qMakePair(appointmentText, static_cast<QWidget *>(m_pAppointmentWidget)),
                           qMakePair(recordText, static_cast<QWidget *>(m_pVisitorRecordWidget))});
    m_pCentralWidget->add(QStringLiteral(":/VisitorManagement/Images/navigator/visitorgroup_nor.png"),
                          QStringLiteral(":/VisitorManagement/Images/navigator/visitorgroup.png"), accessGroupText,
                          m_pAccessPointGroupWidget);
    m_pCentralWidget->add(QStringLiteral(":/VisitorManagement/Images/navigator/SystemManager_nor.png"),
                          QStringLiteral(":/VisitorManagement/Images/navigator/SystemManager_sli.png"),
                          tr("AdvancedConfig"),
                          {qMakePair(basicSettingText, static_cast<QWidget *>(m_pBasicSettingWidget)),
                           qMakePair(qrCodeText, static_cast<QWidget *>(m_pQRCodeCfgWidget))});

    m_pageMap.insert(appointmentText, m_pAppointmentWidget);
    m_pageMap.insert(recordText, m_pVisitorRecordWidget);
    m_pageMap.insert(accessGroupText, m_pAccessPointGroupWidget);
    m_pageMap.insert(basicSettingText, m_pBasicSettingWidget);
    m_pageMap.insert(qrCodeText, m_pQRCodeCfgWidget);

    QFile qss(QStringLiteral(":/VisitorManagement/Qss/VisitorManagement.qss"));
    if (qss.open(QIODevice::ReadOnly)) {
        const QString styleSheet = QString::fromUtf8(qss.readAll());
        setStyleSheet(styleSheet);
        LOG_INFO("=MainWindow=style===%s===", qUtf8Printable(styleSheet));
    }

    m_pCentralWidget->setTriggered(0, 0);
    onSelectPage(appointmentText);

    // The settings and access-group pages tell the appointment page about changed visit
    // reasons, field settings and access points.
    connect(m_pBasicSettingWidget, &BasicSettingWidget::signalBasicSettingChanged,
            m_pAppointmentWidget, &AppointmentWidget::onBasicSettingChanged);
    connect(m_pAccessPointGroupWidget, &AccessPointGroupWidget::signalAccessPointDataChanged,
            m_pAppointmentWidget, &AppointmentWidget::onAccessPointDataChanged);
}

void MainWindow::onSelectPage(const QString &strText)
{
    const auto it = m_pageMap.constFind(strText);
    if (it == m_pageMap.constEnd())
        return;
    QWidget *page = it.value();
    if (page == m_pCurrentPage)
        return;
    if (auto *basePage = dynamic_cast<Widget *>(page))
        basePage->activatePage();
    m_pCurrentPage = page;
}

void MainWindow::onSwitchUserUpdateFrame()
{
    const bool permitted = UiDataController::CPermissionManager::instance()->verityFunPermission(
        9, 6, this, UiDataController::NoShow);
    m_pAppointmentWidget->setPageEnabled(permitted);
    m_pVisitorRecordWidget->setPageEnabled(permitted);
    m_pAccessPointGroupWidget->setPageEnabled(permitted);
    m_pBasicSettingWidget->setPageEnabled(permitted);
    m_pQRCodeCfgWidget->setPageEnabled(permitted);
    if (!permitted)
        m_pOverlayFrame->onHideFrame();
}

void MainWindow::onSwitchUserNotify(const clientcommonlogical::SwitchUserNotifyData &data)
{
    if (data.iKind == 1)
        emit signalSwitchUserUpdateFrame();
}

void MainWindow::showModalLikeWidget(QWidget *widget)
{
    if (!widget)
        return;
    if (m_pModalLikeWidget && m_pModalLikeWidget != widget) {
        // The old widget may delete itself on close; its destruction must not hide the
        // shade under the new one.
        disconnect(m_pModalLikeWidget, &QObject::destroyed, this, &MainWindow::onHideModalLikeWidget);
        m_pModalLikeWidget->close();
    }
    m_pModalLikeWidget = widget;

    widget->setParent(m_pShadeFrame);
    m_pShadeFrame->show();
    m_pShadeFrame->raise();
    m_pShadeFrame->showShade();
    QRect geometry = widget->geometry();
    geometry.moveCenter(QRect(QPoint(0, 0), m_pShadeFrame->size()).center());
    widget->setGeometry(geometry);

    widget->show();
    widget->raise();
    connect(widget, &QObject::destroyed, this, &MainWindow::onHideModalLikeWidget, Qt::UniqueConnection);
}

void MainWindow::onHideModalLikeWidget()
{
    m_pShadeFrame->hideShade();
    m_pShadeFrame->lower();
    m_pShadeFrame->hide();
    if (m_pModalLikeWidget) {
        m_pModalLikeWidget->lower();
        m_pModalLikeWidget->hide();
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    m_pShadeFrame->setGeometry(0, 0, width(), height());
    m_pOverlayFrame->setFixedHeight(height());
    m_pOverlayFrame->move(width() - m_pOverlayFrame->width(), 0);
    QWidget::resizeEvent(event);
}

} // namespace visitorclient

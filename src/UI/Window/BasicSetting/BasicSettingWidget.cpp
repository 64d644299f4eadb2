#include "BasicSettingWidget.h"

#include "SettingModel.h"
#include "VisitReasonWidget.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/resources/VisitorResources.h>

#include <UiDataController/InformationMgr.h>
#include <UiDataController/LocalLogManager.h>

#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CScrollArea.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CSpinBox.h>
#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CVerScrollBar.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <Base/Log.h>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

const int kColumnWidth = 206;
const int kRowHeight = 32;

AppointmentSettingManager &manager()
{
    return AppointmentSettingManager::Instance();
}

QLabel *sectionTitle(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("BasicSettingSectionTitle"));
    return label;
}

} // namespace

BasicSettingWidget::BasicSettingWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("BasicSetting_Widget"));
    registerBasicSettingDataMetaTypes();
}

void BasicSettingWidget::activatePage()
{
    if (m_bInit)
        return;
    if (!manager().isLoaded())
        manager().loadConfig();
    buildForm();
    loadForm();
    applyPermission();
    m_bInit = true;
    LOG_INFO("=BasicSettingWidget= built");
}

void BasicSettingWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    rememberPageEnabled(enabled);
    if (m_bInit)
        applyPermission();
}

void BasicSettingWidget::buildForm()
{
    initVisitorResources();
    m_pModel = new SettingModel(this);

    m_pFieldView = new QorvaGUIToolkit::CTreeView;
    m_pFieldView->setObjectName(QStringLiteral("FieldSettingView"));
    m_pFieldView->setModel(m_pModel);
    m_pFieldView->setVerticalScrollBar(new QorvaGUIToolkit::CVerScrollBar(m_pFieldView));
    m_pFieldView->setRootIsDecorated(false);
    m_pFieldView->setItemsExpandable(false);
    m_pFieldView->setUniformRowHeights(true);
    m_pFieldView->setSelectionMode(QAbstractItemView::NoSelection);
    m_pFieldView->setFocusPolicy(Qt::NoFocus);
    m_pFieldView->header()->setStretchLastSection(false);
    for (int column = 0; column < m_pModel->columnCount(); ++column)
        m_pFieldView->setColumnWidth(column, kColumnWidth);
    // Table rows of the product's height (the delegate reads the size hint).
    for (int row = 0; row < m_pModel->rowCount(); ++row) {
        for (int column = 0; column < m_pModel->columnCount(); ++column)
            m_pModel->item(row, column)->setSizeHint(QSize(kColumnWidth, kRowHeight));
    }
    // The page scrolls as a whole: the table shows all its rows, measured as styled.
    m_pFieldView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pFieldView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pFieldView->ensurePolished();
    m_pFieldView->header()->ensurePolished();
    const int frame = 2 * m_pFieldView->frameWidth();
    const int rowHeight = qMax(kRowHeight, m_pFieldView->sizeHintForRow(0));
    m_pFieldView->setFixedSize(m_pModel->columnCount() * kColumnWidth + frame,
                               m_pFieldView->header()->sizeHint().height() +
                                   SettingModel::kRows * rowHeight + frame);

    m_pReasonWidget = new VisitReasonWidget;
    m_pReasonsNotStoredLabel = new QLabel(tr("VisitReasonsNotStoredW8vRmd"));
    m_pReasonsNotStoredLabel->setObjectName(QStringLiteral("ReasonsNotStoredLabel"));
    m_pReasonsNotStoredLabel->setWordWrap(true);
    m_pReasonsNotStoredLabel->hide();

    m_pDaySpinBox = new QorvaGUIToolkit::CSpinBox;
    m_pDaySpinBox->setObjectName(QStringLiteral("BookingDaysSpinBox"));
    m_pDaySpinBox->setRange(BasicSettings::kMinBookingDays, BasicSettings::kMaxBookingDays);
    m_pDaySpinBox->setFixedWidth(120);
    auto *dayRow = new QHBoxLayout;
    dayRow->setSpacing(8);
    dayRow->addWidget(m_pDaySpinBox);
    dayRow->addWidget(new QLabel(tr("DayAMOMDPCI")));
    dayRow->addStretch(1);

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("BasicSettingContent"));
    auto *form = new QVBoxLayout(content);
    form->setContentsMargins(24, 24, 24, 24);
    form->setSpacing(8);
    form->addWidget(sectionTitle(tr("VisitorReservationItqQAkwCmg"), content));
    form->addWidget(m_pFieldView);
    form->addSpacing(16);
    form->addWidget(sectionTitle(tr("VisitingReasontnaiesDc"), content));
    form->addWidget(m_pReasonWidget);
    form->addWidget(m_pReasonsNotStoredLabel);
    form->addSpacing(16);
    form->addWidget(sectionTitle(tr("AllowedBookingTimereQVtvvWDo"), content));
    form->addLayout(dayRow);
    form->addStretch(1);

    m_pScrollArea = new QorvaGUIToolkit::CScrollArea(this);
    m_pScrollArea->setObjectName(QStringLiteral("BasicSettingScrollArea"));
    m_pScrollArea->setWidget(content);

    m_pSaveBtn = new QorvaGUIToolkit::CPushButton(tr("Save"));
    m_pSaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    m_pDefaultBtn = new QorvaGUIToolkit::CSecondaryButton(tr("DefaultValue"));
    m_pDefaultBtn->setObjectName(QStringLiteral("DefaultBtn"));
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 8, 24, 24);
    buttons->setSpacing(8);
    buttons->addWidget(m_pSaveBtn);
    buttons->addWidget(m_pDefaultBtn);
    buttons->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(m_pScrollArea, 1);
    page->addLayout(buttons);

    connect(m_pSaveBtn, &QPushButton::clicked, this, &BasicSettingWidget::onSave);
    connect(m_pDefaultBtn, &QPushButton::clicked, this, &BasicSettingWidget::onDefault);
    // Queued: the new row must be laid out before the page can scroll to it.
    connect(m_pReasonWidget, &VisitReasonWidget::signalAdd, this,
            &BasicSettingWidget::onVisitReasonAdded, Qt::QueuedConnection);
    connect(&manager(), &AppointmentSettingManager::signalBasicSettingDataChanged, this,
            &BasicSettingWidget::showStorageState);
}

void BasicSettingWidget::loadForm()
{
    const BasicSettingData data = manager().getBasicSettingData();
    m_pReasonWidget->setReasons(data.vecVisitReasons);
    m_pModel->setSettingData(data);
    m_pDaySpinBox->setValue(data.appointmentDay);
    showStorageState();
    if (!manager().reasonsStoredOnServer())
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("VisitReasonsNotStoredW8vRmd"), this, true, false, false);
}

void BasicSettingWidget::showStorageState()
{
    if (m_pReasonsNotStoredLabel != nullptr)
        m_pReasonsNotStoredLabel->setVisible(!manager().reasonsStoredOnServer());
}

void BasicSettingWidget::applyPermission()
{
    m_pSaveBtn->setEnabled(m_bPermission);
    m_pDefaultBtn->setEnabled(m_bPermission);
    m_pReasonWidget->setPermission(m_bPermission);
    m_pDaySpinBox->setEnabled(m_bPermission);
    m_pModel->setPermission(m_bPermission);
    // Dimmed as well, so that a guard sees at once that the boxes are not for ticking.
    m_pFieldView->setEnabled(m_bPermission);
}

void BasicSettingWidget::onSave()
{
    BasicSettingData data;
    m_pModel->getSettingData(data);
    if (!m_pReasonWidget->getReasons(data.vecVisitReasons) || data.vecVisitReasons.isEmpty())
        return;
    data.appointmentDay = m_pDaySpinBox->value();
    store(data, tr("SaveVisitorParametersLogN4xPq"));
}

void BasicSettingWidget::onDefault()
{
    // Restoring replaces the operator's own reasons: ask first.
    if (QorvaGUIToolkit::TipDialog::showMessageInfo(
            tr("DefaultValue"), tr("RestoreDefaultSettingsQuestionT6sLw"), this) != 1)
        return;
    if (store(BasicSettings::defaultSettings(), tr("RestoreVisitorParametersLogH2mKe")))
        loadForm();
}

bool BasicSettingWidget::store(const BasicSettingData &data, const QString &logText)
{
    if (!manager().setConfig(data)) {
        emit signalResult(false);
        return false;
    }
    emit signalResult(true);
    emit signalBasicSettingChanged(data);
    UiDataController::CLocalLogManager::Instance().writeOtherLog(kSaveLogType, logText);
    return true;
}

void BasicSettingWidget::onVisitReasonAdded()
{
    QTimer::singleShot(10, this, &BasicSettingWidget::onChangeSliderPosition);
}

void BasicSettingWidget::onChangeSliderPosition()
{
    QScrollBar *bar = m_pScrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}

} // namespace visitorclient

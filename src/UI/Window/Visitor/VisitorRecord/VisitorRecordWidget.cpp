#include "VisitorRecordWidget.h"

#include "RecordDetailWidget.h"
#include "VisitorRecordExport.h"
#include "VisitorRecordModel.h"

#include <UI/Window/Application/WaitingRunner.h>
#include <UI/resources/VisitorResources.h>

#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>
#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/DownloadPermissionComm.h>
#include <CommunicationLayer/RecordComm.h>

#include <UiDataController/InformationMgr.h>
#include <UiDataController/LocalLogManager.h>

#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CHeaderView.h>
#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CPushButton.h>
#include <QorvaGUIToolkit/CRangeDateTimeEdit.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <climits>
#include <cstring>

namespace visitorclient {

namespace Rules = VisitorRecordRules;

namespace {

const int kNameLength = 32;
const int kDetailWidth = 320;
const char kShrinkStyle[] =
    "QToolButton{ border-image: url(:/VisitorManagement/Images/handle/shrink.svg); }"
    "QToolButton:hover{ border-image: url(:/VisitorManagement/Images/handle/shrink_hov.svg); }";
const char kExpandStyle[] =
    "QToolButton{ border-image: url(:/VisitorManagement/Images/handle/expand.svg); }"
    "QToolButton:hover{ border-image: url(:/VisitorManagement/Images/handle/expand_hov.svg); }";
const char kDisplayFormat[] = "yyyy/MM/dd hh:mm:ss";

// A page query's outcome on the worker, with the thread's last error for the message.
struct PageOutcome
{
    bool ok = false;
    Base::Error::ErrorCode error;
    int total = 0;
    int pageNo = 0;
    int pageSize = 0;
    QVector<VisitorRecordData> records;
};

PageOutcome convert(bool ok, const protocol::QueryVisitorRecordResultListData &answer,
                    bool withFaceImage)
{
    PageOutcome out;
    out.ok = ok;
    out.error = Base::Error::GetLastError();
    if (!ok)
        return out;
    const protocol::QueryVisitorRecordResultList &list = answer.queryVisitorRecordResultList;
    out.total = list.total;
    out.pageNo = list.pageNo;
    out.pageSize = list.pageSize;
    out.records.reserve(static_cast<int>(list.visitorRecordResultList.size()));
    for (const auto &record : list.visitorRecordResultList)
        out.records.append(VisitorRecordData::fromResult(record, withFaceImage));
    return out;
}

// What the worker of a permission download reports.
struct DownloadOutcome
{
    bool sent = false;
    bool answered = false;
    Base::Error::ErrorCode error;
};

void notice(QWidget *page, const QString &text)
{
    UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(text, page, false, false,
                                                                          false);
}

QLabel *caption(QWidget *parent, const char *objectName)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

} // namespace

VisitorRecordWidget::VisitorRecordWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("VisitorRecord_Widget"));
    registerVisitorRecordDataMetaType();
    clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(this);
}

VisitorRecordWidget::~VisitorRecordWidget()
{
    if (!clientcommonlogical::CNotifyCenterManager::destroyed())
        clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
}

void VisitorRecordWidget::activatePage()
{
    LOG_INFO("=VisitorRecordWidget= activated");
    if (m_bInit)
        return;
    m_bInit = true;
    initPage();
    // Let the page appear before the first search shades it.
    QTimer::singleShot(0, this, &VisitorRecordWidget::onSearchBtnClicked);
}

void VisitorRecordWidget::setPageEnabled(bool enabled)
{
    rememberPageEnabled(enabled);
    m_bPermission = enabled;
    applyPermission();
}

void VisitorRecordWidget::applyPermission()
{
    if (!m_pTable)
        return;
    m_pSearchBtn->setEnabled(m_bPermission);
    m_pResetBtn->setEnabled(m_bPermission);
    m_pBatchApplyBtn->setEnabled(m_bPermission);
    m_pApplyBtn->setEnabled(m_bPermission);
    updateExportEnabled();
}

void VisitorRecordWidget::updateExportEnabled()
{
    m_pExportBtn->setEnabled(!isFailedMode() && m_pRecordModel->rowCount() > 0 && m_bPermission);
}

bool VisitorRecordWidget::isFailedMode() const
{
    return m_pFailedPanel && !m_pFailedPanel->isHidden();
}

VisitorRecordModel *VisitorRecordWidget::shownModel() const
{
    return isFailedMode() ? m_pFailedModel : m_pRecordModel;
}

void VisitorRecordWidget::initPage()
{
    initVisitorResources();
    if (m_downloadWaitMs <= 0)
        m_downloadWaitMs = Rules::configuredDownloadWaitMs();
    buildControls();

    m_pDetail = new RecordDetailWidget(m_pCollapsible);
    m_pCollapsible->layout()->addWidget(m_pDetail);
    m_pRecordModel = new VisitorRecordModel(this);
    m_pFailedModel = new VisitorRecordModel(this);
    m_pFailedModel->SetHeaderCheckable(VisitorRecordModel::CheckColumn);
    m_pProxy = new QorvaGUIToolkit::CMutilColumnFilterProxyModel(this);
    m_pProxy->setFilterKeyColumn(0);
    m_pProxy->setSortRole(-1);
    m_pProxy->setSourceModel(m_pRecordModel);
    m_pTable->SetModel(m_pProxy);

    m_pTable->SetSupportPageItemType({QorvaGUIToolkit::CMultiPageServerTableView::PageItem30,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem50,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem100,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem200,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem500});
    m_pTable->SetFilterCondition(0, 0, Rules::kDefaultPageSize);

    QorvaGUIToolkit::CTableView *view = m_pTable->GetTableView();
    QHeaderView *header = view->horizontalHeader();
    header->setSortIndicator(VisitorRecordModel::NameColumn, Qt::AscendingOrder);
    m_pTable->SetSortingEnabled(true, Qt::AscendingOrder);
    view->sortByColumn(VisitorRecordModel::NameColumn, Qt::DescendingOrder);
    // Rows stay in the server's order until the operator clicks a header.
    m_pProxy->setSortRole(-1);
    m_pProxy->sort(-1);
    header->setSortIndicatorShown(false);
    view->setColumnWidth(VisitorRecordModel::CheckColumn,
                         VisitorRecordModel::columnWidth(VisitorRecordModel::CheckColumn));
    header->setSectionResizeMode(VisitorRecordModel::CheckColumn, QHeaderView::Fixed);
    header->setStretchLastSection(true);
    view->setColumnHidden(VisitorRecordModel::CheckColumn, true);
    fitColumnWidths();
    view->viewport()->installEventFilter(this);

    m_pFailedPanel->hide();
    m_pFailedTip->hide();
    m_pSelectedLabel->hide();
    m_pSelectedLabel->setText(Rules::selectedCountText(0));
    m_pSelectedLabel->setProperty("number", 1);

    const QDate today = QDate::currentDate();
    for (QorvaGUIToolkit::CRangeDateTimeEdit *edit : {m_pVisitTimeEdit, m_pLeaveTimeEdit})
        edit->SetDefaultDateTime(QDateTime(today, QTime(0, 0, 0)),
                                 QDateTime(today, QTime(23, 59, 59)));

    fillCombos();
    m_pRegisterTypeBox->hide();
    m_pRegisterTypeLabel->hide();
    m_pExportBtn->setEnabled(false);
    applyPermission();

    connect(m_pShrinkBtn, &QToolButton::clicked, this, &VisitorRecordWidget::onShrink);
    connect(m_pBatchApplyBtn, &QPushButton::clicked, this,
            &VisitorRecordWidget::onBatchApplyPermission);
    connect(m_pCancelBtn, &QPushButton::clicked, this, &VisitorRecordWidget::onCancel);
    connect(m_pFailedModel, &QStandardItemModel::itemChanged, this,
            &VisitorRecordWidget::onClickedItem);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &VisitorRecordWidget::onSelectionChanged);
    connect(m_pSearchBtn, &QPushButton::clicked, this, &VisitorRecordWidget::onSearchBtnClicked);
    connect(m_pResetBtn, &QPushButton::clicked, this, &VisitorRecordWidget::onReset);
    connect(m_pTable, &QorvaGUIToolkit::CMultiPageServerTableView::SiganlFilterConditionChanged,
            this, &VisitorRecordWidget::onPageChanged);
    connect(m_pTable, &QorvaGUIToolkit::CMultiPageServerTableView::SignalTableHeaderClicked, this,
            &VisitorRecordWidget::onTableHeaderClicked);
    connect(view, &QorvaGUIToolkit::CTableView::SignalClicked, this,
            &VisitorRecordWidget::onOperation);
    connect(m_pApplyBtn, &QPushButton::clicked, this, &VisitorRecordWidget::onBatchDownload);
    connect(m_pExportBtn, &QPushButton::clicked, this, &VisitorRecordWidget::onExportVisitRecords);

    onShrink();
    m_pDetail->setRecord(VisitorRecordData::clearValue());
}

void VisitorRecordWidget::buildControls()
{
    m_pNameLabel = caption(this, "RecordNameLabel");
    m_pNameEdit = new QLineEdit(this);
    m_pNameEdit->setObjectName(QStringLiteral("RecordNameEdit"));
    m_pNameEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(kNameLength, m_pNameEdit));
    m_pNameEdit->setFixedWidth(160);
    m_pStatusLabel = caption(this, "RecordStatusLabel");
    m_pStatusBox = new QorvaGUIToolkit::CComboBox(this);
    m_pStatusBox->setObjectName(QStringLiteral("RecordStatusBox"));
    m_pStatusBox->setFixedWidth(160);
    m_pRegisterTypeLabel = caption(this, "RegisterTypeLabel");
    m_pRegisterTypeBox = new QorvaGUIToolkit::CComboBox(this);
    m_pRegisterTypeBox->setObjectName(QStringLiteral("RegisterTypeBox"));
    m_pVisitTimeLabel = caption(this, "VisitTimeLabel");
    m_pLeaveTimeLabel = caption(this, "LeaveTimeLabel");
    m_pVisitTimeEdit = new QorvaGUIToolkit::CRangeDateTimeEdit(this);
    m_pVisitTimeEdit->setObjectName(QStringLiteral("VisitTimeEdit"));
    m_pLeaveTimeEdit = new QorvaGUIToolkit::CRangeDateTimeEdit(this);
    m_pLeaveTimeEdit->setObjectName(QStringLiteral("LeaveTimeEdit"));
    for (QorvaGUIToolkit::CRangeDateTimeEdit *edit : {m_pVisitTimeEdit, m_pLeaveTimeEdit}) {
        edit->SetDisplayFormat(QString::fromLatin1(kDisplayFormat));
        edit->SetDeleteIconVisible(true);
        edit->setMinimumWidth(320);
    }
    m_pSearchBtn = new QorvaGUIToolkit::CPushButton(this);
    m_pSearchBtn->setObjectName(QStringLiteral("SearchBtn"));
    m_pResetBtn = new QorvaGUIToolkit::CSecondaryButton(this);
    m_pResetBtn->setObjectName(QStringLiteral("ResetBtn"));
    m_pBatchApplyBtn = new QorvaGUIToolkit::CSecondaryButton(this);
    m_pBatchApplyBtn->setObjectName(QStringLiteral("BatchApplyBtn"));
    m_pExportBtn = new QorvaGUIToolkit::CSecondaryButton(this);
    m_pExportBtn->setObjectName(QStringLiteral("ExportBtn"));
    m_pApplyBtn = new QorvaGUIToolkit::CPushButton(this);
    m_pApplyBtn->setObjectName(QStringLiteral("ApplyBtn"));
    m_pCancelBtn = new QorvaGUIToolkit::CSecondaryButton(this);
    m_pCancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_pShrinkBtn = new QToolButton(this);
    m_pShrinkBtn->setObjectName(QStringLiteral("ShrinkBtn"));
    m_pShrinkBtn->setFixedSize(16, 16);
    m_pShrinkBtn->setCursor(Qt::PointingHandCursor);

    m_pFailedPanel = new QWidget(this);
    m_pFailedPanel->setObjectName(QStringLiteral("FailedListPanel"));
    m_pFailedTip = caption(this, "FailedListTip");
    m_pSelectedLabel = caption(this, "SelectedCountLabel");

    m_pTable = new QorvaGUIToolkit::CMultiPageServerTableView(this);
    m_pTable->setObjectName(QStringLiteral("VisitorRecordTable"));

    m_pCollapsible = new QWidget(this);
    m_pCollapsible->setObjectName(QStringLiteral("RecordDetailPanel"));
    m_pCollapsible->setFixedWidth(kDetailWidth);
    auto *detailLayout = new QVBoxLayout(m_pCollapsible);
    detailLayout->setContentsMargins(16, 0, 0, 0);
    detailLayout->setSpacing(8);
    m_pDetailTitle = caption(m_pCollapsible, "DetailTitle");
    QFont titleFont = m_pDetailTitle->font();
    titleFont.setPixelSize(16);
    titleFont.setWeight(QFont::DemiBold);
    m_pDetailTitle->setFont(titleFont);
    detailLayout->addWidget(m_pDetailTitle);
    m_pCollapsible->hide();

    // Two rows of filters, so that the page fits a 1280-pixel window in either language.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_pSearchBtn);
    buttons->addWidget(m_pResetBtn);
    auto *filters = new QGridLayout;
    filters->setHorizontalSpacing(8);
    filters->setVerticalSpacing(12);
    filters->addWidget(m_pNameLabel, 0, 0);
    filters->addWidget(m_pNameEdit, 0, 1);
    filters->addWidget(m_pStatusLabel, 1, 0);
    filters->addWidget(m_pStatusBox, 1, 1);
    filters->setColumnMinimumWidth(2, 16);
    filters->addWidget(m_pVisitTimeLabel, 0, 3);
    filters->addWidget(m_pVisitTimeEdit, 0, 4);
    filters->addWidget(m_pLeaveTimeLabel, 1, 3);
    filters->addWidget(m_pLeaveTimeEdit, 1, 4);
    filters->setColumnMinimumWidth(5, 16);
    filters->addWidget(m_pRegisterTypeLabel, 0, 6);
    filters->addWidget(m_pRegisterTypeBox, 0, 7);
    filters->addLayout(buttons, 1, 6, 1, 2, Qt::AlignLeft);
    filters->setColumnStretch(8, 1);

    auto *failedLayout = new QHBoxLayout(m_pFailedPanel);
    failedLayout->setContentsMargins(0, 0, 0, 0);
    failedLayout->setSpacing(8);
    failedLayout->addWidget(m_pApplyBtn);
    failedLayout->addWidget(m_pCancelBtn);

    auto *bar = new QHBoxLayout;
    bar->setSpacing(8);
    bar->addWidget(m_pBatchApplyBtn);
    bar->addWidget(m_pExportBtn);
    bar->addSpacing(16);
    bar->addWidget(m_pFailedTip);
    bar->addWidget(m_pSelectedLabel);
    bar->addStretch(1);
    bar->addWidget(m_pFailedPanel);
    bar->addWidget(m_pShrinkBtn);

    auto *body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(m_pTable, 1);
    body->addWidget(m_pCollapsible);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    layout->addLayout(filters);
    layout->addLayout(bar);
    layout->addLayout(body, 1);
    retranslate();
}

void VisitorRecordWidget::fillCombos()
{
    const int status = qMax(0, m_pStatusBox->currentIndex());
    m_pStatusBox->clear();
    for (const auto &choice : Rules::statusChoices())
        m_pStatusBox->addItem(choice.first,
                              choice.second.isEmpty() ? QVariant() : QVariant(choice.second));
    m_pStatusBox->setCurrentIndex(status);
    const int type = qMax(0, m_pRegisterTypeBox->currentIndex());
    m_pRegisterTypeBox->clear();
    m_pRegisterTypeBox->addItem(tr("All"), 0);
    m_pRegisterTypeBox->addItem(tr("Qorva-7310_Client.QuickRegister.name"), 1);
    m_pRegisterTypeBox->setCurrentIndex(type);
}

void VisitorRecordWidget::retranslate()
{
    m_pNameLabel->setText(tr("TheName"));
    m_pStatusLabel->setText(tr("Status"));
    m_pRegisterTypeLabel->setText(tr("Qorva-7310_Client.RegisterType.name"));
    m_pVisitTimeLabel->setText(tr("TheVisitingTimedHeettrt"));
    m_pLeaveTimeLabel->setText(tr("LeaveTime8UO8GP4D"));
    m_pSearchBtn->setText(tr("Search"));
    m_pResetBtn->setText(tr("Reset"));
    m_pBatchApplyBtn->setText(tr("BatchIssuingAuthorityfIJcZNwL"));
    m_pExportBtn->setText(tr("Export"));
    m_pApplyBtn->setText(tr("Apply"));
    m_pCancelBtn->setText(tr("UndoMerge"));
    m_pFailedTip->setText(tr("FailedDownloadListTip"));
    m_pDetailTitle->setText(tr("DetailInfo"));
    m_pTable->GetTableView()->SetEmptyText(tr("No data"));
}

void VisitorRecordWidget::fitColumnWidths()
{
    // Headers longer than their column (some languages) widen it while the table has
    // room; without room the columns share it, the headers elide and show their whole
    // text as tool tip, and no sideways scroll bar appears. The check column keeps its
    // width.
    QorvaGUIToolkit::CTableView *view = m_pTable->GetTableView();
    const QHeaderView *header = view->horizontalHeader();
    const int checkColumn = VisitorRecordModel::CheckColumn;
    QVector<int> own(VisitorRecordModel::ColumnCount), wanted(VisitorRecordModel::ColumnCount);
    for (int column = 0; column < VisitorRecordModel::ColumnCount; ++column) {
        if (column == checkColumn || view->isColumnHidden(column))
            continue;
        own[column] = VisitorRecordModel::columnWidth(column);
        wanted[column] = header->sectionSizeHint(column);
    }
    int available = view->viewport()->width() > 0 ? view->viewport()->width() : INT_MAX;
    if (!view->isColumnHidden(checkColumn))
        available -= VisitorRecordModel::columnWidth(checkColumn);
    const QVector<int> widths = Rules::fittedColumnWidths(own, wanted, available);
    for (int column = 0; column < VisitorRecordModel::ColumnCount; ++column) {
        if (column != checkColumn && !view->isColumnHidden(column))
            view->setColumnWidth(column, widths[column]);
    }
}

bool VisitorRecordWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && m_pTable &&
        watched == m_pTable->GetTableView()->viewport())
        fitColumnWidths();
    return Widget::eventFilter(watched, event);
}

void VisitorRecordWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_pTable) {
        retranslate();
        fillCombos();
        m_pRecordModel->retranslate();
        m_pFailedModel->retranslate();
        fitColumnWidths();
        onClickedItem();
    }
    Widget::changeEvent(event);
}

Rules::SearchForm VisitorRecordWidget::readForm() const
{
    Rules::SearchForm form;
    form.name = m_pNameEdit->text();
    form.state = m_pStatusBox->currentData().toString();
    if (!m_pVisitTimeEdit->text().isEmpty()) {
        form.visitBegin = m_pVisitTimeEdit->GetBeginDateTime();
        form.visitEnd = m_pVisitTimeEdit->GetEndDateTime();
    }
    if (!m_pLeaveTimeEdit->text().isEmpty()) {
        form.leaveBegin = m_pLeaveTimeEdit->GetBeginDateTime();
        form.leaveEnd = m_pLeaveTimeEdit->GetEndDateTime();
    }
    return form;
}

void VisitorRecordWidget::onSearchBtnClicked()
{
    if (!m_pTable)
        return;
    if (isFailedMode())
        onCancel();
    int total = 0;
    int page = 0;
    int pageSize = 0;
    m_pTable->GetFilterCondition(total, page, pageSize);
    m_condition = Rules::searchCondition(readForm(), pageSize);
    onSearch();
}

void VisitorRecordWidget::onPageChanged(int iPageSize, int iPageNo)
{
    Rules::turnPage(m_condition, iPageSize, iPageNo);
    onSearch();
}

void VisitorRecordWidget::onSearch()
{
    if (Rules::rangesCrossed(readForm())) {
        notice(this, tr("TheStartTimeOfTheVisLJalZCF"));
        return;
    }
    m_pRecordModel->clearRecords();
    m_pDetail->setRecord(VisitorRecordData::clearValue());
    const protocol::QueryVisitorRecordCondition condition = m_condition;
    const PageOutcome outcome = runWaiting(this, tr("IsSearching"), [condition] {
        protocol::QueryVisitorRecordResultListData answer;
        const bool ok = commlayer::RecordComm::getRecord(answer, condition);
        return convert(ok, answer, true);
    });
    if (!outcome.ok) {
        // The message comes from this thread's last error.
        Base::Error::SetLastError(outcome.error);
        emit signalResult(false);
        return;
    }
    m_pRecordModel->setRecords(outcome.records);
    m_pTable->SetFilterCondition(outcome.total, outcome.pageNo, outcome.pageSize);
    updateExportEnabled();
    UiDataController::CLocalLogManager::Instance().writeDetailOperationLog(
        Rules::kOperationLogType, tr("SearchVisitorRecordsERSzYWwl"));
}

void VisitorRecordWidget::onReset()
{
    m_pNameEdit->clear();
    m_pStatusBox->setCurrentIndex(0);
    m_pRegisterTypeBox->setCurrentIndex(0);
    m_pVisitTimeEdit->Clear();
    m_pLeaveTimeEdit->Clear();
}

void VisitorRecordWidget::onShrink()
{
    if (!m_pCollapsible->isHidden()) {
        m_pCollapsible->hide();
        m_pShrinkBtn->setStyleSheet(QString::fromLatin1(kShrinkStyle));
    } else {
        m_pCollapsible->show();
        m_pShrinkBtn->setStyleSheet(QString::fromLatin1(kExpandStyle));
    }
}

void VisitorRecordWidget::onBatchApplyPermission()
{
    if (!m_pTable)
        return;
    m_pTable->GetTableView()->setColumnHidden(VisitorRecordModel::CheckColumn, false);
    fitColumnWidths();
    m_pTable->GetTableView()->setColumnWidth(
        VisitorRecordModel::CheckColumn,
        VisitorRecordModel::columnWidth(VisitorRecordModel::CheckColumn));
    m_pTable->HideBottom();
    m_pFailedPanel->show();
    m_pFailedTip->show();
    m_pSelectedLabel->show();

    m_pDetail->setRecord(VisitorRecordData::clearValue());
    m_pFailedModel->setHeaderData(VisitorRecordModel::CheckColumn, Qt::Horizontal, Qt::Unchecked,
                                  Qt::CheckStateRole);
    m_pFailedModel->clearRecords();
    const PageOutcome outcome = runWaiting(this, tr("IsSearching"), [] {
        protocol::QueryVisitorRecordResultListData answer;
        const bool ok = commlayer::RecordComm::getDownloadFailRecord(answer);
        return convert(ok, answer, false);
    });
    if (!outcome.ok)
        LOG_WARN("getDownloadFailRecord failed");
    m_pFailedModel->setRecords(outcome.records);
    m_pProxy->setSourceModel(m_pFailedModel);
    m_pTable->SetModel(m_pProxy);
    connect(m_pTable->GetTableView()->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &VisitorRecordWidget::onSelectionChanged, Qt::UniqueConnection);
    onClickedItem();
    m_pExportBtn->setEnabled(false);
}

void VisitorRecordWidget::onCancel()
{
    if (!m_pTable)
        return;
    m_pTable->GetTableView()->setColumnHidden(VisitorRecordModel::CheckColumn, true);
    fitColumnWidths();
    m_pTable->ShowBottom();
    m_pFailedPanel->hide();
    m_pFailedTip->hide();
    m_pSelectedLabel->hide();
    updateExportEnabled();
    m_pDetail->setRecord(VisitorRecordData::clearValue());
    m_pProxy->setSourceModel(m_pRecordModel);
    m_pTable->SetModel(m_pProxy);
    connect(m_pTable->GetTableView()->selectionModel(), &QItemSelectionModel::selectionChanged,
            this, &VisitorRecordWidget::onSelectionChanged, Qt::UniqueConnection);
}

void VisitorRecordWidget::onClickedItem()
{
    if (!m_pFailedModel)
        return;
    const int count = m_pFailedModel->checkedCount();
    m_pSelectedLabel->setText(Rules::selectedCountText(count));
    m_pSelectedLabel->setProperty("number", count + 1);
}

void VisitorRecordWidget::onSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    refreshDetail();
}

void VisitorRecordWidget::refreshDetail()
{
    m_pDetail->setRecord(VisitorRecordData::clearValue());
    const QModelIndex source = m_pProxy->mapToSource(m_pTable->GetTableView()->currentIndex());
    if (source.isValid())
        m_pDetail->setRecord(shownModel()->recordAt(source.row()));
}

void VisitorRecordWidget::onTableHeaderClicked(int iColumn)
{
    if (m_pFailedModel->rowCount() == 0)
        return;
    if (iColumn == VisitorRecordModel::CheckColumn) {
        m_pProxy->setSortRole(-1);
        m_pTable->GetTableView()->sortByColumn(-1, Qt::AscendingOrder);
        return;
    }
    m_pProxy->setSortRole(Qt::DisplayRole);
}

void VisitorRecordWidget::onOperation(const QModelIndex &miIndex,
                                      QorvaGUIToolkit::CItemDataRole enumItemDataRole)
{
    const QModelIndex source = m_pProxy->mapToSource(miIndex);
    if (!source.isValid() || enumItemDataRole != QorvaGUIToolkit::ItemClickableIconRole ||
        !m_bPermission)
        return;
    m_pending.begin({shownModel()->recordAt(source.row()).strGuid});
    runPermissionDownload();
}

void VisitorRecordWidget::onBatchDownload()
{
    if (!m_bPermission)
        return;
    m_pending.clear();
    const QStringList guids = m_pFailedModel->checkedGuids();
    if (guids.isEmpty())
        return;
    m_pending.begin(guids);
    runPermissionDownload();
}

void VisitorRecordWidget::runPermissionDownload()
{
    protocol::DownloadPermissionInfo info;
    for (const QString &guid : m_pending.guids())
        info.visitorRecordList.push_back(guid.toStdString());
    Rules::CPendingDownloads *pending = &m_pending;
    const int bound = m_downloadWaitMs;
    const DownloadOutcome outcome =
        runWaiting(this, tr("IssuedByTheMinistryOfbBpflAeG"), [info, pending, bound] {
            DownloadOutcome out;
            out.sent = commlayer::DownloadPermissionComm::downloadPermission(info);
            out.error = Base::Error::GetLastError();
            if (!out.sent) {
                pending->clear();
                return out;
            }
            out.answered = pending->waitAnswered(bound);
            return out;
        });
    if (!outcome.sent) {
        Base::Error::SetLastError(outcome.error);
        emit signalResult(false);
        return;
    }
    if (!outcome.answered) {
        const int unanswered = m_pending.remaining();
        m_pending.clear();
        LOG_WARN("[%d] permission downloads did not report within [%d] ms.", unanswered, bound);
        if (unanswered > 0)
            notice(this, Rules::unansweredText(unanswered));
    }
}

void VisitorRecordWidget::onNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    if (!data || !data->name() || std::strcmp(data->name(), "downloadPermission") != 0)
        return;
    if (!m_pending.isPending())
        return;
    const auto payload = std::dynamic_pointer_cast<protocol::DownloadPermissionNotifyData>(data);
    if (!payload)
        return;
    const QString guid = QString::fromStdString(payload->guid);
    if (!m_pending.take(guid))
        return;
    const int result = payload->result;
    const QString groups = QString::fromStdString(payload->accessgroup);
    const bool lastOne = m_pending.remaining() == 0;
    // Rows change on the GUI thread; the update is queued before the waiting worker
    // learns that the last record answered, so it is applied before the wait ends. The
    // notice travels in a mutex-guarded list and the wake-up by method name, so race
    // checkers see the hand-off.
    if (m_downloadNotices.push(DownloadNotice{guid, result, groups, lastOne}))
        QMetaObject::invokeMethod(this, "applyDownloadNotices", Qt::QueuedConnection);
    m_pending.settle();
}

void VisitorRecordWidget::applyDownloadNotices()
{
    for (const DownloadNotice &notice : m_downloadNotices.takeAll()) {
        if (!m_pRecordModel)
            return;
        m_pRecordModel->applyDownloadResult(notice.guid, notice.result, notice.accessGroups);
        m_pFailedModel->applyDownloadResult(notice.guid, notice.result, notice.accessGroups);
        if (notice.lastOne)
            refreshDetail();
    }
}

void VisitorRecordWidget::onExportVisitRecords()
{
    const QString path = exportFilePath(
        QFileDialog::getSaveFileName(this, tr("ExportVisitorRecordsGdKjFmB"), QString(),
                                     tr("ExportFile") + QStringLiteral(" *.xlsx")));
    if (path.isEmpty()) {
        notice(this, tr("FilePathCannotBeEmpty"));
        return;
    }
    RecordExportRange range;
    int total = 0;
    m_pTable->GetFilterCondition(total, range.currentPage, range.pageSize);
    range.totalPages = m_pTable->getTotalPage();
    const protocol::QueryVisitorRecordCondition stored = m_condition;
    const RecordExportOutcome outcome = runWaiting(this, tr("IsExporting"), [path, stored, range] {
        return exportRecords(path, stored, range);
    });
    switch (outcome) {
    case RecordExportOutcome::Written:
        notice(this, tr("Exported"));
        break;
    case RecordExportOutcome::WriteFailed:
        notice(this, tr("OpeningFileFailed"));
        LOG_ERROR("[log3.0][onDownloadTemplate] qstrSavedFilePath = %s IsValid.",
                  path.toUtf8().constData());
        break;
    case RecordExportOutcome::QueryFailed:
        break;
    }
}

} // namespace visitorclient

#include "AppointmentWidget.h"

#include "AppointmentModel.h"
#include "AppointmentPageRules.h"
#include "Form/AddAppointmentInfoWidget.h"
#include "Import/ImportWidget.h"

#include <UI/Window/Application/COverlayFrame.h>
#include <UI/Window/Application/RunBeside.h>
#include <UI/Window/Application/WaitingRunner.h>
#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>
#include <UI/resources/VisitorResources.h>

#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/appointment/AppointmentDeleteNotifyData.h>
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/AppointmentComm.h>
#include <CommunicationLayer/BasicSettingComm.h>
#include <CommunicationLayer/FindPersonByOtherComm.h>

#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/InformationMgr.h>
#include <UiDataController/LocalLogManager.h>

#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CMutilColumnFilterProxyModel.h>
#include <QorvaGUIToolkit/CSearchLineEdit.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <future>

namespace visitorclient {

namespace Rules = AppointmentPageRules;

namespace {

const int kAddFormWidth = 660;
const int kModifyFormWidth = 560;
const int kImportWidth = 560;

// What a save needs from the server besides the record itself.
struct SaveContext
{
    std::string receptionistNumber;
    protocol::QueryBasicSettingResult settings;
};

SaveContext readSaveContext(const AppointmentInfoData &info)
{
    SaveContext context;
    protocol::personnelcommon::TotalData persons;
    if (commlayer::FindPersonByOtherComm::request(
            persons, AppointmentConversions::formReceptionistQuery(info.strReceptionistId),
            std::string()))
        context.receptionistNumber = AppointmentConversions::receptionistNumber(persons);
    else
        LOG_WARN("FindPersonByOtherComm failed");
    if (!commlayer::BasicSettingComm::getConfig(context.settings)) {
        LOG_WARN("getBasicSetting failed");
        context.settings = protocol::QueryBasicSettingResult();
    }
    return context;
}

// The outcome of a save on the worker, with the thread's last error for the message.
struct SaveOutcome
{
    bool ok = false;
    Base::Error::ErrorCode error;
    protocol::AddAppointmentResultListData added;
};

// Built-in reason names as the shared display texts translate them.
QString translate(const char *key)
{
    return QCoreApplication::translate("CDisplayTexts", key);
}

} // namespace

AppointmentWidget::AppointmentWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("Appointment_Widget"));
    registerAppointmentInfoDataMetaTypes();
    registerBasicSettingDataMetaTypes();
    clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(this);
}

AppointmentWidget::~AppointmentWidget()
{
    if (!clientcommonlogical::CNotifyCenterManager::destroyed())
        clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
    // A load on another thread finishes before the members go.
    std::lock_guard<std::mutex> lock(m_loadMutex);
}

void AppointmentWidget::activatePage()
{
    LOG_INFO("=AppointmentWidget= activated");
}

void AppointmentWidget::setPageEnabled(bool enabled)
{
    rememberPageEnabled(enabled);
    setEditable(enabled);
}

void AppointmentWidget::showEvent(QShowEvent *event)
{
    Widget::showEvent(event);
    if (m_bInit)
        return;
    m_bInit = true;
    buildControls();
    QTimer::singleShot(kInitDelayMs, this, &AppointmentWidget::onInitConfig);
}

void AppointmentWidget::buildControls()
{
    initVisitorResources();
    m_pAddBtn = newPageButton(ButtonKind::Primary, tr("Add"), QStringLiteral("AddBtn"),
                              &AppointmentWidget::onAdd);
    m_pDeleteBtn = newPageButton(ButtonKind::Destructive, tr("Delete"), QStringLiteral("DeleteBtn"),
                                 &AppointmentWidget::onDelete);
    m_pImportBtn = newPageButton(ButtonKind::Secondary, tr("Import"), QStringLiteral("ImportBtn"),
                                 &AppointmentWidget::onImport);
    m_pSearchEdit = new QorvaGUIToolkit::CSearchLineEdit(this);
    m_pSearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    m_pSearchEdit->setFixedWidth(240);

    m_pModel = new AppointmentModel(this);
    m_pProxy = new QorvaGUIToolkit::CMutilColumnFilterProxyModel(this);
    m_pProxy->setSourceModel(m_pModel);
    m_pProxy->setDynamicSortFilter(false);
    m_pProxy->setSortRole(-1);

    m_pTable = new QorvaGUIToolkit::CMultiPageServerTableView(this);
    m_pTable->setObjectName(QStringLiteral("AppointmentTable"));
    m_pTable->SetModel(m_pProxy);
    QorvaGUIToolkit::CTableView *view = m_pTable->GetTableView();
    for (int column = 0; column < AppointmentModel::ColumnCount; ++column)
        view->setColumnWidth(column, AppointmentModel::columnWidth(column));
    view->horizontalHeader()->setStretchLastSection(true);
    m_pTable->SetSortingEnabled(true, Qt::AscendingOrder);
    view->horizontalHeader()->setSortIndicator(AppointmentModel::NameColumn, Qt::AscendingOrder);
    view->horizontalHeader()->setSortIndicatorShown(false);
    m_pTable->SetSupportPageItemType({QorvaGUIToolkit::CMultiPageServerTableView::PageItem30,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem50,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem100,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem200,
                                      QorvaGUIToolkit::CMultiPageServerTableView::PageItem500});
    m_pTable->SetFilterCondition(0, 0, Rules::kDefaultPageSize);
    m_pDeleteBtn->setEnabled(false);

    layOutPage({m_pAddBtn, m_pDeleteBtn, m_pImportBtn}, {m_pSearchEdit}, m_pTable);
    applyEditable();
}

void AppointmentWidget::onInitConfig()
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    connect(this, &AppointmentWidget::signalAddImportData, this,
            &AppointmentWidget::onAddImportData);
    connect(m_pTable, &QorvaGUIToolkit::CMultiPageServerTableView::SignalTableHeaderClicked, this,
            &AppointmentWidget::onTableHeaderClicked);
    connect(m_pSearchEdit, &QorvaGUIToolkit::CSearchLineEdit::SignalFilterChanged, this,
            &AppointmentWidget::onLocalSearch);
    connect(m_pModel, &QStandardItemModel::itemChanged, this, &AppointmentWidget::onRowDataChanged);
    connect(m_pTable->GetTableView(), &QAbstractItemView::doubleClicked, this,
            &AppointmentWidget::onDoubleClick);
    connect(m_pTable, &QorvaGUIToolkit::CMultiPageServerTableView::SiganlFilterConditionChanged,
            this, [this](int pageSize, int page) { reloadPage(page, pageSize); });
    applyEditable();
    runWaiting(this, tr("Processing"), [this] {
        AppointmentSettingManager::Instance().loadConfig();
        reloadData();
    });
}

void AppointmentWidget::reloadData()
{
    reloadPage(0, 0);
}

void AppointmentWidget::reloadPage(int requestedPage, int requestedPageSize)
{
    std::lock_guard<std::mutex> load(m_loadMutex);
    int total = 0;
    int page = 0;
    int pageSize = 0;
    m_pTable->GetFilterCondition(total, page, pageSize);
    // The operator's choice wins over what a load that ran meanwhile reported.
    if (requestedPage > 0)
        page = requestedPage;
    if (requestedPageSize > 0)
        pageSize = requestedPageSize;
    pageSize = Rules::effectivePageSize(pageSize);

    // The group names do not depend on the page: ask for them beside the page query.
    std::future<QMap<QString, QString>> groupNames = runBeside([] {
        protocol::VisitAccessGroupQueryResponseData groups;
        QMap<QString, QString> names;
        if (!commlayer::AccessGroupPointComm::getAccessGroups(groups))
            LOG_WARN("getAccessGroups failed");
        for (const auto &group : groups.visitAccessGroupQueryResponse)
            names.insert(QString::fromStdString(group.accessGroupGuid),
                         QString::fromStdString(group.name));
        return names;
    });

    protocol::QueryAppointmentResultCondition condition;
    condition.pageSize = pageSize;
    condition.pageNo = Rules::pageToRequest(total, page, pageSize);
    protocol::QueryAppointmentResultList answer;
    if (!commlayer::AppointmentComm::getAppointmentByCondition(answer, condition)) {
        LOG_WARN("getAppointmentByCondition failed");
        answer = protocol::QueryAppointmentResultList();
        if (!commlayer::AppointmentComm::getAppointmentByCondition(answer, condition)) {
            LOG_ERROR("getAppointmentByCondition failed again");
            answer = protocol::QueryAppointmentResultList();
        }
    }
    const QMap<QString, QString> names = groupNames.get();

    QVector<AppointmentInfoData> rows;
    rows.reserve(static_cast<int>(answer.appointmentResultList.size()));
    for (const auto &result : answer.appointmentResultList)
        rows.append(AppointmentConversions::fromAppointmentResult(result, names));
    {
        std::lock_guard<std::mutex> lock(m_stagingMutex);
        m_staging = std::move(rows);
        m_bStaged = true;
    }
    m_pTable->SetFilterCondition(answer.total, answer.pageNo, pageSize);
    emit signalAddImportData();
}

bool AppointmentWidget::hasPendingRows() const
{
    std::lock_guard<std::mutex> lock(m_stagingMutex);
    return m_bStaged;
}

void AppointmentWidget::onAddImportData()
{
    QVector<AppointmentInfoData> rows;
    {
        std::lock_guard<std::mutex> lock(m_stagingMutex);
        // A later load already delivered its rows with an earlier signal.
        if (!m_bStaged)
            return;
        rows.swap(m_staging);
        m_bStaged = false;
    }
    m_pModel->setAppointments(rows);
    onRowDataChanged();
    onLocalSearch(m_pSearchEdit->GetCurrentFilterText());
}

void AppointmentWidget::onLocalSearch(QString strValue)
{
    m_pProxy->SetCoustomFilter(Rules::searchExpression(strValue));
    m_pProxy->setFilterRegExp(QString());
    m_pTable->GetTableView()->setCurrentIndex(m_pProxy->index(0, 0));
}

void AppointmentWidget::onTableHeaderClicked(int iColumn)
{
    if (m_pModel->rowCount() == 0)
        return;
    if (iColumn == AppointmentModel::CheckColumn) {
        // The check column never sorts.
        m_pProxy->setSortRole(-1);
        m_pProxy->sort(-1);
        return;
    }
    m_pProxy->setSortRole(Qt::DisplayRole);
}

void AppointmentWidget::onRowDataChanged()
{
    bool anyChecked = false;
    for (int row = 0; row < m_pModel->rowCount() && !anyChecked; ++row)
        anyChecked = m_pModel->isChecked(row);
    m_pDeleteBtn->setEnabled(anyChecked && m_bEditable);
}

int AppointmentWidget::currentTotal() const
{
    int total = 0;
    int page = 0;
    int pageSize = 0;
    m_pTable->GetFilterCondition(total, page, pageSize);
    return total;
}

AddAppointmentInfoWidget *AppointmentWidget::ensureForm()
{
    if (!m_pForm) {
        m_pForm = new AddAppointmentInfoWidget;
        m_pForm->setParent(this, Qt::Widget);
        m_pForm->hide();
        connect(m_pForm, &AddAppointmentInfoWidget::signalSave, this, &AppointmentWidget::onSave);
        connect(m_pForm, &AddAppointmentInfoWidget::signalAddAndNew, this,
                &AppointmentWidget::onAddAndNew);
        connect(m_pForm, &AddAppointmentInfoWidget::signalCancel, this,
                &AppointmentWidget::onCancel);
    }
    return m_pForm;
}

void AppointmentWidget::onAdd()
{
    if (!Rules::canAdd(currentTotal())) {
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("ReachTheMaximumNumbekBUdAPdZ"), this, false, false, false);
        return;
    }
    ensureForm()->setData(AppointmentInfoData());
    setOverlayContent(tr("Add"), m_pForm, kAddFormWidth);
    onShowFrame();
}

void AppointmentWidget::onOperation(QModelIndex miIndex,
                                    QorvaGUIToolkit::CItemDataRole enumItemDataRole)
{
    if (!miIndex.isValid() || enumItemDataRole != QorvaGUIToolkit::ItemClickableIconRole ||
        !m_bEditable)
        return;
    const QModelIndex source = m_pProxy->mapToSource(miIndex);
    ensureForm()->setData(m_pModel->appointmentAt(source.row()));
    setOverlayContent(tr("Modify"), m_pForm, kModifyFormWidth);
    onShowFrame();
}

void AppointmentWidget::onDoubleClick(QModelIndex index)
{
    onOperation(index, QorvaGUIToolkit::ItemClickableIconRole);
}

void AppointmentWidget::onSave(AppointmentInfoData struData)
{
    const bool adding = struData.strId.isEmpty();
    const SaveOutcome outcome = runWaiting(this, tr("Processing"), [struData, adding] {
        SaveOutcome out;
        const SaveContext context = readSaveContext(struData);
        if (adding) {
            protocol::AddAppointment request;
            request.appointmentList.push_back(AppointmentConversions::toAppointment(
                struData,
                AppointmentConversions::resolveVisitReason(struData, context.settings, &translate),
                context.receptionistNumber));
            out.ok = commlayer::AppointmentComm::addAppointment(out.added, request);
        } else {
            out.ok = commlayer::AppointmentComm::updateAppointment(
                AppointmentConversions::toModifyAppointment(struData, context.receptionistNumber),
                struData.strId.toStdString());
        }
        out.error = Base::Error::GetLastError();
        return out;
    });

    if (!outcome.ok) {
        // The message comes from this thread's last error.
        Base::Error::SetLastError(outcome.error);
        emit signalResult(false);
    } else if (adding) {
        if (!outcome.added.addAppointmentResultList.empty()) {
            AppointmentInfoData added = struData;
            added.strId =
                QString::fromStdString(outcome.added.addAppointmentResultList.front().guid);
            added.strAuthCode =
                QString::fromStdString(outcome.added.addAppointmentResultList.front().code);
            m_pModel->insertAppointment(added);
            int total = 0;
            int page = 0;
            int pageSize = 0;
            m_pTable->GetFilterCondition(total, page, pageSize);
            if (Rules::dropsRowPastPage(m_pModel->rowCount(), pageSize)) {
                const QModelIndex past = m_pProxy->index(Rules::effectivePageSize(pageSize), 0);
                m_pModel->removeAppointmentRow(past.isValid() ? m_pProxy->mapToSource(past).row()
                                                              : m_pModel->rowCount() - 1);
            }
            m_pTable->SetFilterCondition(total + 1, page, pageSize);
            writeLog(kAddLogType, added.strName);
        }
    } else {
        m_pModel->modifyAppointment(struData);
        writeLog(kModifyLogType, struData.strName);
    }
    onHideFrame();
    onLocalSearch(m_pSearchEdit->GetCurrentFilterText());
}

void AppointmentWidget::onAddAndNew(AppointmentInfoData data)
{
    onSave(data);
    if (!Rules::canAdd(currentTotal())) {
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("ReachTheMaximumNumbekBUdAPdZ"), this, false, false, false);
        return;
    }
    onShowFrame();
}

void AppointmentWidget::onCancel()
{
    onHideFrame();
}

void AppointmentWidget::onDelete()
{
    QVector<int> rows;
    QVector<AppointmentInfoData> deleted;
    protocol::DeleteAppointment request;
    for (int row = m_pModel->rowCount() - 1; row >= 0; --row) {
        if (m_pModel->isChecked(row)) {
            rows.append(row);
            deleted.append(m_pModel->appointmentAt(row));
            request.appointmentIDList.push_back(deleted.last().strId.toStdString());
        }
    }
    if (rows.isEmpty())
        return;
    if (QorvaGUIToolkit::TipDialog::showMessageInfo(
            QorvaGUIToolkit::TipDialog::Question, tr("Confirm"), tr("ConfirmToDelete"), this) != 1)
        return;
    // The pager as this operator saw it: the notifications of this very deletion may
    // reload the page before the step back is decided.
    int total = 0;
    int page = 0;
    int pageSize = 0;
    m_pTable->GetFilterCondition(total, page, pageSize);
    const int rowsBefore = m_pModel->rowCount();
    const std::pair<bool, Base::Error::ErrorCode> sent =
        runWaiting(this, tr("Processing"), [request] {
            const bool ok = commlayer::AppointmentComm::deleteAppointment(request);
            return std::make_pair(ok, Base::Error::GetLastError());
        });
    if (!sent.first) {
        Base::Error::SetLastError(sent.second);
        emit signalResult(false);
        return;
    }
    for (const AppointmentInfoData &info : deleted) {
        writeLog(kDeleteLogType, info.strName);
        const int row = m_pModel->rowOf(info.strId);
        m_pModel->removeAppointmentRow(row);
    }
    m_pDeleteBtn->setEnabled(false);
    reloadPage(Rules::pageAfterDelete(rows.size(), rowsBefore, total, page, pageSize), pageSize);
}

void AppointmentWidget::onImport()
{
    if (!m_pImport) {
        m_pImport = new ImportWidget(this);
        m_pImport->hide();
        connect(m_pImport, &ImportWidget::signalImportData, this, &AppointmentWidget::onImportData);
        connect(m_pImport, &ImportWidget::signalCancel, this, &AppointmentWidget::onHideFrame);
    }
    ensureForm();
    m_pImport->setMaxCount(Rules::importAllowance(currentTotal()));
    setOverlayContent(tr("Import"), m_pImport, kImportWidth);
    onShowFrame();
}

void AppointmentWidget::onImportData(QVector<AppointmentInfoData> vsData)
{
    // An empty batch stores nothing and earns no notice; the import told why.
    if (!vsData.isEmpty()) {
        const SaveOutcome outcome = runWaiting(this, tr("Importing"), [this, vsData] {
            SaveOutcome out;
            // A pool thread keeps the error of its last work.
            Base::Error::SetLastError(Base::Error::ErrorCode());
            out.ok = importData(vsData);
            out.error = Base::Error::GetLastError();
            return out;
        });
        if (outcome.ok) {
            UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
                tr("%1PersonsImportSuccessed").arg(vsData.size()), this, false, false, false);
        } else {
            const QString reason = outcome.error.isSuccess()
                                       ? QString()
                                       : UiDataController::CErrorInfoMgr::GetErrorInfoByCode(
                                             static_cast<int>(outcome.error.module),
                                             static_cast<int>(outcome.error.code));
            UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
                reason.isEmpty() ? tr("ImportFailed")
                                 : tr("ImportFailed") + QStringLiteral(": ") + reason,
                this, true, false, false);
        }
    }
    if (m_pImport)
        m_pImport->showImportResult();
}

bool AppointmentWidget::importData(const QVector<AppointmentInfoData> &vsData)
{
    if (vsData.isEmpty())
        return true;
    protocol::QueryBasicSettingResult settings;
    if (!commlayer::BasicSettingComm::getConfig(settings)) {
        LOG_WARN("getBasicSetting failed");
        settings = protocol::QueryBasicSettingResult();
    }
    protocol::AddAppointment request;
    for (const AppointmentInfoData &row : vsData)
        request.appointmentList.push_back(AppointmentConversions::toAppointment(
            row, AppointmentConversions::resolveVisitReason(row, settings, &translate),
            std::string()));
    protocol::AddAppointmentResultListData answer;
    if (!commlayer::AppointmentComm::addAppointment(answer, request) ||
        answer.addAppointmentResultList.size() != request.appointmentList.size())
        return false;
    reloadData();
    return true;
}

void AppointmentWidget::onNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    if (!data || data->name() == nullptr || std::string(data->name()) != "appointmentDeleted")
        return;
    if (!std::dynamic_pointer_cast<protocol::AppointmentDeleteNotifyData>(data))
        return;
    // Before the first load the page's first show loads anyway.
    if (!m_bInitialised)
        return;
    reloadData();
}

void AppointmentWidget::onBasicSettingChanged(BasicSettingData struSetting)
{
    if (!m_pForm)
        return;
    QVector<AppointmentInfoData> changed;
    for (int row = 0; row < m_pModel->rowCount(); ++row) {
        AppointmentInfoData info = m_pModel->appointmentAt(row);
        if (Rules::applyReasonNames(info, struSetting.vecVisitReasons)) {
            m_pModel->modifyAppointment(info);
            changed.append(info);
        }
    }
    sendChanges(changed);
    m_pForm->onBasicSettingChanged(struSetting);
}

void AppointmentWidget::onAccessPointDataChanged(QMap<QString, QString> mapData)
{
    if (!m_pForm)
        return;
    QVector<AppointmentInfoData> changed;
    for (int row = 0; row < m_pModel->rowCount(); ++row) {
        AppointmentInfoData info = m_pModel->appointmentAt(row);
        if (Rules::applyGroupNames(info, mapData)) {
            m_pModel->modifyAppointment(info);
            changed.append(info);
        }
    }
    sendChanges(changed);
    m_pForm->onAccessPointDataChanged(mapData);
}

void AppointmentWidget::sendChanges(const QVector<AppointmentInfoData> &changed)
{
    if (changed.isEmpty())
        return;
    runWaiting(this, tr("Processing"), [changed] {
        protocol::QueryBasicSettingResult settings;
        if (!commlayer::BasicSettingComm::getConfig(settings)) {
            LOG_WARN("getBasicSetting failed");
            settings = protocol::QueryBasicSettingResult();
        }
        for (const AppointmentInfoData &info : changed) {
            protocol::ModifyAppointment request =
                AppointmentConversions::toModifyAppointment(info, std::string());
            request.visitReason =
                AppointmentConversions::resolveVisitReason(info, settings, &translate);
            commlayer::AppointmentComm::updateAppointment(request, info.strId.toStdString());
        }
    });
}

void AppointmentWidget::setEditable(bool editable)
{
    m_bEditable = editable;
    applyEditable();
}

void AppointmentWidget::applyEditable()
{
    if (!m_pTable)
        return;
    m_pAddBtn->setEnabled(m_bEditable);
    m_pImportBtn->setEnabled(m_bEditable);
    m_pSearchEdit->setEnabled(m_bEditable);
    QObject::disconnect(m_clickConnection);
    if (m_bEditable && m_bInitialised)
        m_clickConnection =
            connect(m_pTable->GetTableView(), &QorvaGUIToolkit::CTableView::SignalClicked, this,
                    &AppointmentWidget::onOperation);
    if (m_pModel)
        onRowDataChanged();
    if (!m_bEditable && m_pForm && overlayFrame() && overlayFrame()->contentWidget() == m_pForm)
        onHideFrame();
}

void AppointmentWidget::writeLog(int type, const QString &name)
{
    UiDataController::CLocalLogManager::Instance().writeDetailOperationLog(
        type, tr("PersonNames") + QStringLiteral(":") + name);
}

} // namespace visitorclient

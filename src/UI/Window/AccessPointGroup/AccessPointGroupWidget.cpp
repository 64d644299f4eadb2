#include "AccessPointGroupWidget.h"

#include "AccessGroupRules.h"
#include "AccessPointGroupModel.h"
#include "AddPointGroupWidget.h"
#include "DoorsDetailWidget.h"

#include <UI/Window/Application/COverlayFrame.h>
#include <UI/resources/VisitorResources.h>

#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/accessgroup/VisitorRightConfig.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/VisitorConfigComm.h>

#include <UiDataController/InformationMgr.h>
#include <UiDataController/LocalLogManager.h>

#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/TipDialog.h>

#include <clientcommonlogical/IGroupManager.h>

#include <Base/Log.h>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

const int kDetailWidth = 380;

const char *const kFoldedStyle =
    "QToolButton{ border-image: url(:/VisitorManagement/Images/button/foldup.svg); }";
const char *const kUnfoldedStyle =
    "QToolButton{ border-image: url(:/VisitorManagement/Images/button/spread.svg); }";

} // namespace

AccessPointGroupWidget::AccessPointGroupWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("AccessPointGroup_Widget"));
    registerAccessGroupMetaTypes();
}

AccessPointGroupWidget::~AccessPointGroupWidget() = default;

void AccessPointGroupWidget::activatePage()
{
    LOG_INFO("=AccessPointGroupWidget= activated");
    if (m_bInit)
        return;
    m_bInit = true;
    initPage();
}

void AccessPointGroupWidget::setPageEnabled(bool enabled)
{
    rememberPageEnabled(enabled);
    m_bOperation = enabled;
    applyOperation();
}

void AccessPointGroupWidget::setGroupManager(std::shared_ptr<qorva7310::IGroupManager> groupManager)
{
    m_pGroupManager = std::move(groupManager);
}

void AccessPointGroupWidget::buildControls()
{
    initVisitorResources();
    m_pAddBtn = newPageButton(ButtonKind::Primary, tr("Add"), QStringLiteral("AddGroupBtn"),
                              &AccessPointGroupWidget::onAdd);
    m_pDeleteBtn =
        newPageButton(ButtonKind::Destructive, tr("Delete"), QStringLiteral("DeleteGroupBtn"),
                      &AccessPointGroupWidget::onDelete);
    m_pSyncBtn =
        newPageButton(ButtonKind::Secondary, tr("SynchronizationInformjvAIxIx"),
                      QStringLiteral("SynchronizeBtn"), &AccessPointGroupWidget::onSynPointInfo);
    m_pShrinkBtn = new QToolButton(this);
    m_pShrinkBtn->setObjectName(QStringLiteral("ShrinkBtn"));
    m_pShrinkBtn->setFixedSize(16, 16);
    m_pShrinkBtn->setCursor(Qt::PointingHandCursor);

    m_pModel = new AccessPointGroupModel(this);
    m_pTable = new QorvaGUIToolkit::CTableView(this);
    m_pTable->setObjectName(QStringLiteral("AccessGroupTable"));
    m_pTable->setModel(m_pModel);

    m_pDetailPanel = new QWidget(this);
    m_pDetailPanel->setObjectName(QStringLiteral("DoorsDetailPanel"));
    m_pDetailPanel->setFixedWidth(kDetailWidth);
    m_pDoorsDetail = new DoorsDetailWidget(m_pDetailPanel);
    auto *detail = new QVBoxLayout(m_pDetailPanel);
    detail->setContentsMargins(0, 0, 0, 0);
    detail->addWidget(m_pDoorsDetail);
    // Hidden so that the first toggle of the initialisation shows it.
    m_pDetailPanel->hide();

    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(m_pTable, 1);
    body->addWidget(m_pDetailPanel);
    layOutPage({m_pAddBtn, m_pDeleteBtn, m_pSyncBtn}, {m_pShrinkBtn}, body);
}

void AccessPointGroupWidget::initPage()
{
    buildControls();
    QHeaderView *header = m_pTable->horizontalHeader();
    for (int column = 0; column < AccessPointGroupModel::ColumnCount; ++column)
        m_pTable->setColumnWidth(column, AccessPointGroupModel::columnWidth(column));
    header->setSectionResizeMode(AccessPointGroupModel::CheckColumn, QHeaderView::Fixed);
    header->setStretchLastSection(true);
    m_pTable->setSortingEnabled(true);
    m_pTable->sortByColumn(AccessPointGroupModel::NameColumn, Qt::AscendingOrder);

    connect(m_pShrinkBtn, &QToolButton::clicked, this, &AccessPointGroupWidget::onShrink);
    connect(m_pTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AccessPointGroupWidget::onSelectionChanged);
    connect(m_pTable, &QorvaGUIToolkit::CTableView::SignalClicked, this,
            &AccessPointGroupWidget::onOperation);
    connect(m_pModel, &QStandardItemModel::itemChanged, this,
            &AccessPointGroupWidget::onRowDataChanged);
    connect(m_pTable, &QAbstractItemView::doubleClicked, this,
            &AccessPointGroupWidget::onDoubleClick);
    connect(m_pModel, &AccessPointGroupModel::signalDataChanged, this,
            &AccessPointGroupWidget::onGroupDataChanged);

    m_pDeleteBtn->setEnabled(false);
    applyOperation();
    loadGroups();
    onShrink();
    selectRow(0);
}

void AccessPointGroupWidget::loadGroups()
{
    protocol::VisitAccessGroupQueryResponseData answer;
    if (!commlayer::AccessGroupPointComm::getAccessGroups(answer)) {
        LOG_WARN("getAccessGroups failed");
        return;
    }
    for (const auto &group : answer.visitAccessGroupQueryResponse)
        m_pModel->addGroup(AccessGroupConversions::fromQueryResp(group));
    // Rows are appended in server order; the list shows them by name.
    m_pTable->sortByColumn(m_pTable->horizontalHeader()->sortIndicatorSection(),
                           m_pTable->horizontalHeader()->sortIndicatorOrder());
}

void AccessPointGroupWidget::selectRow(int row)
{
    if (m_pModel->rowCount() == 0 || row < 0 || row >= m_pModel->rowCount())
        return;
    m_pTable->setCurrentIndex(m_pModel->index(row, AccessPointGroupModel::NameColumn));
    m_pTable->selectRow(row);
    showDoorsOf(row);
}

void AccessPointGroupWidget::showDoorsOf(int row)
{
    if (row < 0 || row >= m_pModel->rowCount()) {
        m_pDoorsDetail->clear();
        return;
    }
    m_pDoorsDetail->setGroup(m_pModel->groupAt(row));
}

int AccessPointGroupWidget::currentRow() const
{
    return m_pTable->currentIndex().isValid() ? m_pTable->currentIndex().row() : -1;
}

AddPointGroupWidget *AccessPointGroupWidget::ensureEditor()
{
    if (!m_pEditor) {
        m_pEditor = new AddPointGroupWidget(m_pGroupManager);
        m_pEditor->setParent(this, Qt::Widget);
        m_pEditor->hide();
        connect(m_pEditor, &AddPointGroupWidget::signalSave, this, &AccessPointGroupWidget::onSave);
        connect(m_pEditor, &AddPointGroupWidget::signalCancel, this,
                &AccessPointGroupWidget::onHideFrame);
    }
    return m_pEditor;
}

void AccessPointGroupWidget::onAdd()
{
    if (!m_bOperation)
        return;
    ensureEditor();
    if (!AccessGroupRules::canAddGroup(m_pModel->rowCount())) {
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("AddAtMostSAPJXnPAIR").arg(AccessGroupRules::kMaxGroups), this, false, false, false);
        return;
    }
    m_pEditor->setDefaultGroupAllowed(
        AccessGroupRules::defaultGroupAllowed(m_pModel->defaultGroupRow(), -1));
    m_pEditor->setExistingNames(m_pModel->names());
    setOverlayContent(tr("Add"), m_pEditor, kEditorWidth);
    onShowFrame();
    m_pEditor->setGroup(groupData());
}

void AccessPointGroupWidget::onOperation(const QModelIndex &miIndex,
                                         QorvaGUIToolkit::CItemDataRole enumItemDataRole)
{
    if (!miIndex.isValid() || enumItemDataRole != QorvaGUIToolkit::ItemClickableIconRole ||
        !m_bOperation)
        return;
    const int row = miIndex.row();
    ensureEditor();
    m_pEditor->setDefaultGroupAllowed(
        AccessGroupRules::defaultGroupAllowed(m_pModel->defaultGroupRow(), row));
    m_pEditor->setExistingNames(m_pModel->names(row));
    setOverlayContent(tr("Modify"), m_pEditor, kEditorWidth);
    onShowFrame();
    // Shown first: a large group fills while the drawer is already open.
    m_pEditor->setGroup(m_pModel->groupAt(row));
}

void AccessPointGroupWidget::onDoubleClick(const QModelIndex &index)
{
    onOperation(index, QorvaGUIToolkit::ItemClickableIconRole);
}

void AccessPointGroupWidget::onSave()
{
    groupData group = m_pEditor->group();
    const QString logText = tr("AccessRightsGroupIHwNecpAbY") + QStringLiteral(":") +
                            QString::fromStdString(group.strName);
    if (group.strGuid.empty()) {
        protocol::VisitAccessGroupAddedResult answer;
        if (!commlayer::AccessGroupPointComm::createAccessGroup(
                answer, AccessGroupConversions::toAddParam(group))) {
            emit signalResult(false);
        } else {
            group.strGuid = answer.accessGroupGuid;
            m_pModel->addGroup(group);
            selectRow(m_pModel->rowCount() - 1);
            writeLog(kAddLogType, logText);
        }
    } else {
        protocol::VisitAccessGroupModifyResultData answer;
        if (!commlayer::AccessGroupPointComm::modifyAccessGroup(
                answer, AccessGroupConversions::toModifyParam(group), group.strGuid)) {
            emit signalResult(false);
        } else {
            m_pModel->updateGroup(group);
            writeLog(kModifyLogType, logText);
            showDoorsOf(currentRow());
        }
    }
    onHideFrame();
    publishGroupMap();
}

void AccessPointGroupWidget::onDelete()
{
    QVector<int> rows;
    QStringList names;
    protocol::DeleteAccessPointGroupCondition request;
    for (int row = m_pModel->rowCount() - 1; row >= 0; --row) {
        if (!m_pModel->isChecked(row))
            continue;
        rows.append(row);
        names.append(m_pModel->item(row, AccessPointGroupModel::NameColumn)->text());
        request.deleteAccessPointGroupIDList.push_back(m_pModel->guidAt(row).toStdString());
    }
    if (rows.isEmpty())
        return;
    if (QorvaGUIToolkit::TipDialog::showMessageInfo(QorvaGUIToolkit::TipDialog::Question,
                                                    tr("Confirm"),
                                                    tr("AreYouSureToRemoveAcsDPcrZCY"), this) != 1)
        return;
    protocol::DeleteAccessPointGroupResultData answer;
    if (!commlayer::AccessGroupPointComm::removeAccessGroup(answer, request)) {
        QorvaGUIToolkit::TipDialog::showWarnMessageInfo(QorvaGUIToolkit::TipDialog::Warning,
                                                        tr("Hint"), tr("DeletingFailed"), nullptr);
        return;
    }
    const AccessGroupRules::DeleteOutcome outcome =
        AccessGroupRules::deleteOutcome(rows.size(), answer);
    // Rows were collected bottom-up, so removing one never shifts those still to go.
    for (int i : outcome.deleted) {
        writeLog(kDeleteLogType,
                 tr("AccessRightsGroupIHwNecpAbY") + QStringLiteral(":") + names.at(i));
        m_pModel->removeRow(rows.at(i));
    }
    QStringList inUse;
    for (int i : outcome.refused)
        inUse.append(names.at(i));

    m_pDeleteBtn->setEnabled(false);
    publishGroupMap();
    if (m_pModel->rowCount() > 0)
        selectRow(0);
    else
        m_pDoorsDetail->clear();
    if (!inUse.isEmpty())
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            inUse.join(QStringLiteral(",")) + QStringLiteral(" ") + tr("Used"), this, false, false,
            false);
}

void AccessPointGroupWidget::onSynPointInfo()
{
    protocol::VisitorRightConfig request;
    request.ConfigType.clear();
    protocol::VisitorRightConfigResultData answer;
    if (!commlayer::VisitorConfigComm::setConfig(answer, request)) {
        emit signalResult(false);
        return;
    }
    const QStringList failed = AccessGroupRules::failedDeviceAddresses(answer);
    if (failed.isEmpty()) {
        writeLog(kSyncLogType, tr("Succeeded"));
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("SynchronousSuccess"), this, false, false, false);
        return;
    }
    const QString addresses = failed.join(QStringLiteral(";"));
    UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
        addresses + QStringLiteral(" ") + tr("SaveFailed"), this, true, false, false);
    writeLog(kSyncLogType, tr("Failed") + addresses);
}

void AccessPointGroupWidget::onSelectionChanged(const QItemSelection &selected,
                                                const QItemSelection &)
{
    if (m_pModel->rowCount() == 0 || selected.indexes().isEmpty())
        return;
    const QModelIndex first = selected.indexes().first();
    if (first.isValid())
        showDoorsOf(first.row());
}

void AccessPointGroupWidget::onRowDataChanged()
{
    bool anyChecked = false;
    for (int row = 0; row < m_pModel->rowCount() && !anyChecked; ++row)
        anyChecked = m_pModel->isChecked(row);
    m_pDeleteBtn->setEnabled(anyChecked && m_bOperation);
}

void AccessPointGroupWidget::onGroupDataChanged(int iRow)
{
    if (iRow == currentRow())
        showDoorsOf(iRow);
    publishGroupMap();
}

void AccessPointGroupWidget::onShrink()
{
    const bool show = m_pDetailPanel->isHidden();
    m_pDetailPanel->setVisible(show);
    m_pShrinkBtn->setStyleSheet(QString::fromLatin1(show ? kUnfoldedStyle : kFoldedStyle));
}

void AccessPointGroupWidget::publishGroupMap()
{
    emit signalAccessPointDataChanged(m_pModel->groupMap());
}

void AccessPointGroupWidget::applyOperation()
{
    if (!m_pModel)
        return;
    m_pAddBtn->setEnabled(m_bOperation);
    m_pSyncBtn->setEnabled(m_bOperation);
    onRowDataChanged();
    if (!m_bOperation && m_pEditor && overlayFrame() &&
        overlayFrame()->contentWidget() == m_pEditor)
        onHideFrame();
}

void AccessPointGroupWidget::writeLog(int type, const QString &text)
{
    UiDataController::CLocalLogManager::Instance().writeDetailOperationLog(type, text);
}

} // namespace visitorclient

#include "AddPointGroupWidget.h"

#include "AccessGroupRules.h"

#include <UiDataController/CCheckedGroupModel.h>
#include <UiDataController/InformationMgr.h>
#include <UiDataController/ModelRoles.h>

#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CLocationViewWidget.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CTableDelegate.h>
#include <QorvaGUIToolkit/CToolTip.h>
#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <clientcommonlogical/GroupManagerDeletage.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

using namespace UiDataController;

const int kNameLength = 32;
const int kDescriptionLength = 128;
const int kSelectedNameWidth = 196;
const int kSelectedRemoveWidth = 30;

QLabel *caption(QorvaGUIToolkit::CLabelWithLeftPoint *label, const char *name, bool required)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setLeftPointVisible(required);
    return label;
}

} // namespace

AddPointGroupWidget::AddPointGroupWidget(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                                         QWidget *parent)
    : BaseWidget(parent),
      m_pGroupManager(groupManager
                          ? std::move(groupManager)
                          : std::make_shared<clientcommonlogical::CGroupManagerDeletage>()),
      m_onlineIcon(QStringLiteral(":/common/Images/common/door.svg")),
      m_offlineIcon(QStringLiteral(":/common/Images/common/dooroffline.svg"))
{
    setObjectName(QStringLiteral("AddPointGroup_Widget"));
    registerAccessGroupMetaTypes();

    m_pNameEdit = new QorvaGUIToolkit::CValidateLineEditEx(contentWidget());
    m_pNameEdit->setObjectName(QStringLiteral("GroupNameEdit"));
    m_pNameEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(kNameLength, m_pNameEdit));
    m_pDescriptionEdit = new QorvaGUIToolkit::CValidateLineEditEx(contentWidget());
    m_pDescriptionEdit->setObjectName(QStringLiteral("GroupDescriptionEdit"));
    m_pDescriptionEdit->setValidator(
        new QorvaGUIToolkit::CRegExpValidator(kDescriptionLength, m_pDescriptionEdit));
    m_pDefaultBox = new QCheckBox(tr("DefaultGroup"), contentWidget());
    m_pDefaultBox->setObjectName(QStringLiteral("DefaultGroupBox"));
    m_pIdCardBox = new QCheckBox(tr("Qorva-7310_Client.enableIDcardNo.name"), contentWidget());
    m_pIdCardBox->setObjectName(QStringLiteral("IdCardBox"));
    m_pQrCodeBox = new QCheckBox(tr("Qorva-7310_Client.QRCode2.name"), contentWidget());
    m_pQrCodeBox->setObjectName(QStringLiteral("QrCodeV2Box"));

    m_pTreeModel = new CCheckedGroupModel(m_pGroupManager, this);
    m_pTree = new QorvaGUIToolkit::CLocationViewWidget(contentWidget());
    m_pTree->setObjectName(QStringLiteral("DoorTree"));
    m_pTree->setModel(m_pTreeModel);
    m_pTree->setHeaderHidden(true);
    m_pTree->setSearchVisible(true);

    m_pSelectedModel = new QorvaGUIToolkit::CTreeViewModel(0, SelectedColumnCount, this);
    m_pSelectedModel->setHeaderData(SelectedNameColumn, Qt::Horizontal, kSelectedNameWidth,
                                    QorvaGUIToolkit::HeaderColumnWidthRole);
    m_pSelectedModel->setHeaderData(SelectedRemoveColumn, Qt::Horizontal, kSelectedRemoveWidth,
                                    QorvaGUIToolkit::HeaderColumnWidthRole);
    for (int column = 0; column < SelectedColumnCount; ++column)
        m_pSelectedModel->setHeaderData(column, Qt::Horizontal,
                                        QVariant::fromValue<int>(Qt::AlignLeft | Qt::AlignVCenter),
                                        Qt::TextAlignmentRole);
    m_pSelectedList = new QorvaGUIToolkit::CLocationViewWidget(contentWidget());
    m_pSelectedList->setObjectName(QStringLiteral("SelectedDoorList"));
    m_pSelectedList->setModel(m_pSelectedModel);
    m_pSelectedList->setHeaderHidden(true);
    auto *delegate = new QorvaGUIToolkit::CTableDelegate(m_pSelectedList);
    delegate->SetPixmapSpacing(4);
    m_pSelectedList->setItemDelegate(delegate);

    m_pCountLabel = new QLabel(QStringLiteral("(0)"), contentWidget());
    m_pCountLabel->setObjectName(QStringLiteral("SelectedCountLabel"));
    m_pClearBtn = new QPushButton(tr("Clear"), contentWidget());
    m_pClearBtn->setObjectName(QStringLiteral("ClearDoorsBtn"));
    m_pClearBtn->setProperty("buttonRole", QStringLiteral("secondary"));

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(16);
    form->addWidget(caption(new QorvaGUIToolkit::CLabelWithLeftPoint(tr("Name"), contentWidget()),
                            "GroupNameLabel", true),
                    0, 0);
    form->addWidget(m_pNameEdit, 0, 1);
    form->addWidget(
        caption(new QorvaGUIToolkit::CLabelWithLeftPoint(tr("Description"), contentWidget()),
                "GroupDescriptionLabel", false),
        1, 0);
    form->addWidget(m_pDescriptionEdit, 1, 1);
    form->addWidget(
        caption(new QorvaGUIToolkit::CLabelWithLeftPoint(tr("Optional"), contentWidget()),
                "GroupOptionsLabel", false),
        2, 0, Qt::AlignTop);
    auto *options = new QVBoxLayout;
    options->setSpacing(8);
    options->addWidget(m_pDefaultBox);
    options->addWidget(m_pIdCardBox);
    options->addWidget(m_pQrCodeBox);
    form->addLayout(options, 2, 1);
    form->setColumnStretch(1, 1);

    auto *treeHead = new QHBoxLayout;
    treeHead->addWidget(
        caption(new QorvaGUIToolkit::CLabelWithLeftPoint(tr("SelectDoor"), contentWidget()),
                "SelectDoorLabel", true));
    treeHead->addStretch(1);
    auto *treeColumn = new QVBoxLayout;
    treeColumn->setSpacing(8);
    treeColumn->addLayout(treeHead);
    treeColumn->addWidget(m_pTree, 1);

    auto *selectedHead = new QHBoxLayout;
    selectedHead->setSpacing(4);
    auto *selectedLabel = new QLabel(tr("SelectedItems"), contentWidget());
    selectedLabel->setObjectName(QStringLiteral("SelectedItemsLabel"));
    selectedHead->addWidget(selectedLabel);
    selectedHead->addWidget(m_pCountLabel);
    selectedHead->addStretch(1);
    selectedHead->addWidget(m_pClearBtn);
    auto *selectedColumn = new QVBoxLayout;
    selectedColumn->setSpacing(8);
    selectedColumn->addLayout(selectedHead);
    selectedColumn->addWidget(m_pSelectedList, 1);

    auto *doors = new QHBoxLayout;
    doors->setSpacing(16);
    doors->addLayout(treeColumn, 1);
    doors->addLayout(selectedColumn, 1);

    auto *content = new QVBoxLayout(contentWidget());
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(24);
    content->addLayout(form);
    content->addLayout(doors, 1);
    textLabel()->hide();

    confirmButton()->setText(tr("Save"));
    confirmButton()->setObjectName(QStringLiteral("SaveGroupBtn"));
    cancelButton()->setText(tr("UndoMerge"));
    cancelButton()->setObjectName(QStringLiteral("CancelGroupBtn"));

    connect(m_pTree, &QorvaGUIToolkit::CLocationViewWidget::signalClicked, this,
            &AddPointGroupWidget::onClickedDoorItem);
    connect(m_pSelectedList, &QorvaGUIToolkit::CLocationViewWidget::SignalClicked, this,
            &AddPointGroupWidget::onDeleteDoorItem);
    connect(confirmButton(), &QPushButton::clicked, this, &AddPointGroupWidget::onSave);
    connect(cancelButton(), &QPushButton::clicked, this, &AddPointGroupWidget::signalCancel);
    connect(m_pClearBtn, &QPushButton::clicked, this, &AddPointGroupWidget::onClearSelectDoors);
    // The tree may fill (or reload) after the group was set: its listed doors get their marks.
    connect(m_pTreeModel, &CCheckedGroupModel::signalDataUpdated, this,
            &AddPointGroupWidget::tickListedDoors);
}

AddPointGroupWidget::~AddPointGroupWidget() = default;

void AddPointGroupWidget::setDefaultGroupAllowed(bool allowed)
{
    m_pDefaultBox->setEnabled(allowed);
}

void AddPointGroupWidget::setExistingNames(const QStringList &names)
{
    m_existingNames = names;
}

void AddPointGroupWidget::setGroup(const groupData &group)
{
    const int generation = ++m_iFillGeneration;
    m_bFilling = true;
    m_iFillYields = 0;
    m_pNameEdit->setText(QString::fromStdString(group.strName));
    m_pDescriptionEdit->setText(QString::fromStdString(group.strDescription));
    m_pDefaultBox->setChecked(group.bDefaultGroup);
    m_pIdCardBox->setChecked(group.bDownloadIdCard);
    m_pQrCodeBox->setChecked(group.bQrCodeV2);
    clearCheckedDoors();
    m_strGuid = QString::fromStdString(group.strGuid);
    m_pSelectedModel->removeRows(0, m_pSelectedModel->rowCount());
    m_listed.clear();
    updateCount();

    QVector<SelectedDoor> chunk;
    for (int i = 0; i < group.vecDoors.size(); ++i) {
        if (AccessGroupRules::yieldsBeforeDoor(i)) {
            appendSelected(chunk);
            chunk.clear();
            updateCount();
            ++m_iFillYields;
            QCoreApplication::processEvents();
            // A newer setGroup ran while the events were processed: it owns the form now.
            if (generation != m_iFillGeneration)
                return;
        }
        const doorData &door = group.vecDoors.at(i);
        SelectedDoor selected;
        selected.strDoorId = QString::fromStdString(door.strObjectGuid);
        selected.strName = QString::fromStdString(door.strObjectName);
        selected.strAreaId = QString::fromStdString(door.strObjGroupGuid);
        selected.strDeviceId = QString::fromStdString(door.strDeviceGuid);
        selected.iDoorNo = door.iObjectNo;
        const QModelIndex node = m_pTreeModel->GetElementIndexByElementID(selected.strDoorId);
        if (node.isValid())
            m_pTreeModel->setData(node, Qt::Checked, Qt::CheckStateRole);
        chunk.append(selected);
    }
    appendSelected(chunk);
    updateCount();
    m_bFilling = false;
}

QStringList AddPointGroupWidget::selectedDoorIds() const
{
    QStringList ids;
    for (int row = 0; row < m_pSelectedModel->rowCount(); ++row)
        ids << m_pSelectedModel->index(row, SelectedNameColumn).data(ElementIdRole).toString();
    return ids;
}

QList<QStandardItem *> AddPointGroupWidget::selectedRow(const SelectedDoor &door) const
{
    const std::shared_ptr<qorva7310::IGroupElement> element =
        m_pGroupManager->getElement(door.strAreaId.toStdString(), door.strDoorId.toStdString());
    auto *name = new QStandardItem(element && element->isOnline() ? m_onlineIcon : m_offlineIcon,
                                   door.strName);
    name->setEditable(false);
    name->setData(door.strDoorId, ElementIdRole);
    name->setData(door.iDoorNo, ElementNoRole);
    name->setData(door.strDeviceId, DeviceIdRole);
    name->setData(door.strAreaId, AreaIdRole);
    auto *remove = new QStandardItem;
    remove->setEditable(false);
    static const QPixmap clearIcon(QStringLiteral(":/common/Images/common/Clear.svg"));
    remove->setData(clearIcon, QorvaGUIToolkit::ItemClickableIconRole);
    remove->setData(tr("Remove"), QorvaGUIToolkit::ItemIconToolTipRole);
    remove->setData(static_cast<int>(Qt::PointingHandCursor), QorvaGUIToolkit::ItemIconCursorRole);
    return {name, remove};
}

void AddPointGroupWidget::appendSelected(const QVector<SelectedDoor> &doors)
{
    if (doors.isEmpty())
        return;
    // One insertion for the whole batch: the views lay out once, not once per door.
    QList<QStandardItem *> names;
    QList<QStandardItem *> removes;
    names.reserve(doors.size());
    removes.reserve(doors.size());
    for (const SelectedDoor &door : doors) {
        const QList<QStandardItem *> row = selectedRow(door);
        names << row.at(SelectedNameColumn);
        removes << row.at(SelectedRemoveColumn);
        ++m_listed[door.strDoorId];
    }
    const int first = m_pSelectedModel->rowCount();
    m_pSelectedModel->insertRows(first, doors.size());
    for (int i = 0; i < doors.size(); ++i) {
        m_pSelectedModel->setItem(first + i, SelectedNameColumn, names.at(i));
        m_pSelectedModel->setItem(first + i, SelectedRemoveColumn, removes.at(i));
    }
}

void AddPointGroupWidget::removeSelected(const QSet<QString> &doorIds)
{
    if (doorIds.isEmpty())
        return;
    int row = m_pSelectedModel->rowCount() - 1;
    while (row >= 0) {
        const QString id =
            m_pSelectedModel->index(row, SelectedNameColumn).data(ElementIdRole).toString();
        if (!doorIds.contains(id)) {
            --row;
            continue;
        }
        int first = row;
        while (first > 0 && doorIds.contains(m_pSelectedModel->index(first - 1, SelectedNameColumn)
                                                 .data(ElementIdRole)
                                                 .toString()))
            --first;
        m_pSelectedModel->removeRows(first, row - first + 1);
        row = first - 1;
    }
    for (const QString &id : doorIds)
        m_listed.remove(id);
}

AddPointGroupWidget::SelectedDoor AddPointGroupWidget::doorFromTree(const QModelIndex &index) const
{
    SelectedDoor door;
    door.strDoorId = index.data(ElementIdRole).toString();
    door.strName = index.data(Qt::DisplayRole).toString();
    door.strAreaId = index.data(AreaIdRole).toString();
    door.strDeviceId = index.data(DeviceIdRole).toString();
    door.iDoorNo = index.data(ElementNoRole).toInt();
    return door;
}

void AddPointGroupWidget::onClickedDoorItem(const QModelIndex &index)
{
    if (!index.isValid() || m_bFilling)
        return;
    const QModelIndex node = index.sibling(index.row(), 0);
    const int kind = node.data(NodeTypeRole).toInt();
    QVector<SelectedDoor> added;
    QSet<QString> removed;
    if (kind == AreaNode) {
        const QString areaId = node.data(AreaIdRole).toString();
        for (const CElementModel &element : m_pTreeModel->GetAllElementsByAreaID(areaId)) {
            const QModelIndex door =
                m_pTreeModel->GetElementIndexByElementID(element.GetElementID());
            if (!door.isValid())
                continue;
            const bool ticked = door.data(Qt::CheckStateRole).toInt() != Qt::Unchecked;
            const bool listed = m_listed.contains(element.GetElementID());
            if (ticked && !listed)
                added.append(doorFromTree(door));
            else if (!ticked && listed)
                removed.insert(element.GetElementID());
        }
    } else if (kind == ElementNode) {
        const QString doorId = node.data(ElementIdRole).toString();
        const bool ticked = node.data(Qt::CheckStateRole).toInt() != Qt::Unchecked;
        const bool listed = m_listed.contains(doorId);
        if (ticked && !listed)
            added.append(doorFromTree(node));
        else if (!ticked && listed)
            removed.insert(doorId);
    }
    removeSelected(removed);
    appendSelected(added);
    updateCount();
}

void AddPointGroupWidget::onDeleteDoorItem(const QModelIndex &miIndex,
                                           QorvaGUIToolkit::CItemDataRole enumTypeRole)
{
    if (!miIndex.isValid() || enumTypeRole != QorvaGUIToolkit::ItemClickableIconRole || m_bFilling)
        return;
    const QString doorId =
        miIndex.sibling(miIndex.row(), SelectedNameColumn).data(ElementIdRole).toString();
    const QModelIndex node = m_pTreeModel->GetElementIndexByElementID(doorId);
    if (node.isValid())
        m_pTreeModel->setData(node, Qt::Unchecked, Qt::CheckStateRole);
    removeSelected({doorId});
    updateCount();
}

void AddPointGroupWidget::clearCheckedDoors()
{
    m_pTreeModel->ClearAllChecked();
}

void AddPointGroupWidget::onClearSelectDoors()
{
    if (m_bFilling)
        return;
    clearCheckedDoors();
    m_pSelectedModel->removeRows(0, m_pSelectedModel->rowCount());
    m_listed.clear();
    updateCount();
}

void AddPointGroupWidget::tickListedDoors()
{
    for (auto it = m_listed.constBegin(); it != m_listed.constEnd(); ++it) {
        const QModelIndex node = m_pTreeModel->GetElementIndexByElementID(it.key());
        if (node.isValid() && node.data(Qt::CheckStateRole).toInt() == Qt::Unchecked)
            m_pTreeModel->setData(node, Qt::Checked, Qt::CheckStateRole);
    }
}

void AddPointGroupWidget::updateCount()
{
    m_pCountLabel->setText(QStringLiteral("(%1)").arg(m_pSelectedModel->rowCount()));
}

void AddPointGroupWidget::showFieldTip(QWidget *field, const QString &text)
{
    field->setFocus();
    QorvaGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, field);
}

void AddPointGroupWidget::onSave()
{
    if (m_bFilling)
        return;
    const QString name = m_pNameEdit->text();
    switch (AccessGroupRules::checkName(name, m_existingNames)) {
    case AccessGroupRules::NameCheck::Empty:
        showFieldTip(m_pNameEdit, tr("TheNameIsRequired"));
        return;
    case AccessGroupRules::NameCheck::Exists:
        showFieldTip(m_pNameEdit, tr("NameAlreadyExists"));
        return;
    case AccessGroupRules::NameCheck::Ok:
        break;
    }
    if (m_pSelectedModel->rowCount() == 0) {
        UiDataController::CInformationMgr::ShowInformationAtScreenRightBottom(
            tr("PleaseSelectAtLeastOneAccessControlPoint"), this, false, false, false);
        return;
    }
    groupData group;
    group.strGuid = m_strGuid.toStdString();
    group.strName = name.toStdString();
    group.strDescription = m_pDescriptionEdit->text().toStdString();
    group.bDefaultGroup = m_pDefaultBox->isChecked();
    group.bDownloadIdCard = m_pIdCardBox->isChecked();
    group.bQrCodeV2 = m_pQrCodeBox->isChecked();
    group.vecDoors.reserve(m_pSelectedModel->rowCount());
    for (int row = 0; row < m_pSelectedModel->rowCount(); ++row) {
        const QModelIndex index = m_pSelectedModel->index(row, SelectedNameColumn);
        doorData door;
        door.iObjectNo = index.data(ElementNoRole).toInt();
        door.strDeviceGuid = index.data(DeviceIdRole).toString().toStdString();
        door.strObjectGuid = index.data(ElementIdRole).toString().toStdString();
        door.strObjectName = index.data(Qt::DisplayRole).toString().toStdString();
        door.strObjGroupGuid = index.data(AreaIdRole).toString().toStdString();
        group.vecDoors.append(std::move(door));
    }
    m_group = std::move(group);
    emit signalSave();
}

} // namespace visitorclient

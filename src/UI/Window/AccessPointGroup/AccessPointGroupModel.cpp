#include "AccessPointGroupModel.h"

#include "AccessGroupRules.h"

#include <JSONStruct/accessgroup/DeviceRemovedNotifyData.h>
#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <QPixmap>

#include <cstring>

namespace visitorclient {

namespace {

const char *const kEditIcon = ":/VisitorManagement/Images/button/Edit.svg";

QStandardItem *readOnlyItem(const QString &text = QString())
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

int AccessPointGroupModel::columnWidth(int column)
{
    static const int widths[ColumnCount] = {56, 140, 80, 140, 90, 120};
    return column >= 0 && column < ColumnCount ? widths[column] : 100;
}

AccessPointGroupModel::AccessPointGroupModel(QObject *parent)
    : QorvaGUIToolkit::CStandardItemModel(0, ColumnCount, parent)
{
    registerAccessGroupMetaTypes();
    SetHorizontalHeaderTexts({QString(), tr("Name"), tr("Doors"), tr("Description"),
                              tr("DefaultGroup"), tr("Operation")});
    SetHeaderCheckable(CheckColumn);
    // Automatic connections: queued when the notification thread emits.
    connect(this, &AccessPointGroupModel::signalDeviceRemoved, this,
            &AccessPointGroupModel::onDeviceRemoved);
    connect(this, &AccessPointGroupModel::signalDoorRenamed, this,
            &AccessPointGroupModel::onDoorRenamed);
    clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(this);
}

AccessPointGroupModel::~AccessPointGroupModel()
{
    if (!clientcommonlogical::CNotifyCenterManager::destroyed())
        clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
}

void AccessPointGroupModel::addGroup(const groupData &group)
{
    QList<QStandardItem *> items;
    auto *check = readOnlyItem();
    check->setCheckable(true);
    check->setCheckState(Qt::Unchecked);
    items << check;
    for (int column = NameColumn; column < ColumnCount; ++column)
        items << readOnlyItem();
    items[OperationColumn]->setData(QPixmap(QString::fromLatin1(kEditIcon)),
                                    QorvaGUIToolkit::ItemClickableIconRole);
    appendRow(items);
    writeRow(rowCount() - 1, group);
}

bool AccessPointGroupModel::updateGroup(const groupData &group)
{
    const int row = rowOfGuid(QString::fromStdString(group.strGuid));
    if (row < 0)
        return false;
    writeRow(row, group);
    return true;
}

void AccessPointGroupModel::writeRow(int row, const groupData &group)
{
    QStandardItem *check = item(row, CheckColumn);
    check->setData(QString::fromStdString(group.strGuid), QorvaGUIToolkit::ItemRowIdRole);
    check->setData(QVariant::fromValue(group), QorvaGUIToolkit::ItemRecordRole);
    item(row, NameColumn)->setText(QString::fromStdString(group.strName));
    item(row, DoorsColumn)->setText(QString::number(group.vecDoors.size()));
    item(row, DescriptionColumn)
        ->setText(group.strDescription.empty() ? QStringLiteral("-")
                                               : QString::fromStdString(group.strDescription));
    item(row, DefaultColumn)->setText(group.bDefaultGroup ? tr("Yes") : tr("No"));
}

groupData AccessPointGroupModel::groupAt(int row) const
{
    const QStandardItem *check = item(row, CheckColumn);
    return check != nullptr ? check->data(QorvaGUIToolkit::ItemRecordRole).value<groupData>()
                            : groupData();
}

QString AccessPointGroupModel::guidAt(int row) const
{
    const QStandardItem *check = item(row, CheckColumn);
    return check != nullptr ? check->data(QorvaGUIToolkit::ItemRowIdRole).toString() : QString();
}

int AccessPointGroupModel::defaultGroupRow() const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (groupAt(row).bDefaultGroup)
            return row;
    }
    return -1;
}

int AccessPointGroupModel::rowOfGuid(const QString &guid) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (guidAt(row) == guid)
            return row;
    }
    return -1;
}

bool AccessPointGroupModel::isChecked(int row) const
{
    const QStandardItem *check = item(row, CheckColumn);
    return check != nullptr && check->checkState() != Qt::Unchecked;
}

QStringList AccessPointGroupModel::names(int exceptRow) const
{
    QStringList result;
    for (int row = 0; row < rowCount(); ++row) {
        if (row != exceptRow)
            result << item(row, NameColumn)->text();
    }
    return result;
}

QMap<QString, QString> AccessPointGroupModel::groupMap() const
{
    QMap<QString, QString> map;
    for (int row = 0; row < rowCount(); ++row)
        map.insert(guidAt(row), item(row, NameColumn)->text());
    return map;
}

void AccessPointGroupModel::onNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    if (!data || data->name() == nullptr)
        return;
    if (std::strcmp(data->name(), "deviceRemoved") == 0) {
        if (auto removed = std::dynamic_pointer_cast<protocol::DeviceRemovedNotifyData>(data))
            emit signalDeviceRemoved(removed->guid);
    } else if (std::strcmp(data->name(), "elementNameChanged") == 0) {
        if (auto renamed = std::dynamic_pointer_cast<protocol::ElementNameChangedNotifyData>(data))
            emit signalDoorRenamed(renamed->guid, renamed->name_);
    }
}

void AccessPointGroupModel::onDeviceRemoved(std::string strDeviceGuid)
{
    for (int row = 0; row < rowCount(); ++row) {
        groupData group = groupAt(row);
        if (!AccessGroupRules::removeDeviceDoor(group, strDeviceGuid))
            continue;
        item(row, CheckColumn)
            ->setData(QVariant::fromValue(group), QorvaGUIToolkit::ItemRecordRole);
        item(row, DoorsColumn)->setText(QString::number(group.vecDoors.size()));
        emit signalDataChanged(row);
    }
}

void AccessPointGroupModel::onDoorRenamed(std::string strDoorGuid, std::string strName)
{
    // The door detail renames its rows itself; the records follow so that the detail of
    // a row chosen later and the editor show the new name too.
    for (int row = 0; row < rowCount(); ++row) {
        groupData group = groupAt(row);
        if (AccessGroupRules::renameDoor(group, strDoorGuid, strName))
            item(row, CheckColumn)
                ->setData(QVariant::fromValue(group), QorvaGUIToolkit::ItemRecordRole);
    }
}

} // namespace visitorclient

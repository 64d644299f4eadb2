#include "CAccessGroupDoorInfoModel.h"

#include <JSONStruct/accessgroup/ElementNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/Group.h>
#include <JSONStruct/accessgroup/GroupNameChangedNotifyData.h>
#include <JSONStruct/accessgroup/QueryGroupCondition.h>

#include <CommunicationLayer/CGetSingleGroupComm.h>

#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Log.h>

#include <cstring>
#include <unordered_map>

namespace visitorclient {

namespace {

bool lookUpOnServer(const std::string &groupGuid, std::string &name)
{
    protocol::Group group;
    if (!commlayer::CGetSingleGroupComm::request(group, groupGuid, protocol::QueryGroupCondition()))
        return false;
    name = group.name;
    return true;
}

QStandardItem *readOnlyItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

CAccessGroupDoorInfoModel::CAccessGroupDoorInfoModel(QObject *parent)
    : QorvaGUIToolkit::CTreeViewModel(0, ColumnCount, parent), m_lookup(&lookUpOnServer)
{
    registerAccessGroupMetaTypes();
    setHorizontalHeaderLabels({tr("AccessControlPoint"), tr("GroupName")});
    for (int column = 0; column < ColumnCount; ++column)
        setHeaderData(column, Qt::Horizontal,
                      QVariant::fromValue<int>(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
    connect(this, &CAccessGroupDoorInfoModel::signalGroupNameChanged, this,
            &CAccessGroupDoorInfoModel::onGroupNameChanged);
    connect(this, &CAccessGroupDoorInfoModel::signalDoorNameChanged, this,
            &CAccessGroupDoorInfoModel::onDoorNameChanged);
    clientcommonlogical::CNotifyCenterManager::Instance().RegisterObserver(this);
}

CAccessGroupDoorInfoModel::~CAccessGroupDoorInfoModel()
{
    if (!clientcommonlogical::CNotifyCenterManager::destroyed())
        clientcommonlogical::CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
}

void CAccessGroupDoorInfoModel::setGroupNameLookup(GroupNameLookup lookup)
{
    m_lookup = lookup ? std::move(lookup) : GroupNameLookup(&lookUpOnServer);
}

void CAccessGroupDoorInfoModel::clearDoors()
{
    removeRows(0, rowCount());
}

void CAccessGroupDoorInfoModel::setGroup(const groupData &group)
{
    clearDoors();
    // Doors of one area share their resource group: it is asked for once per fill, so a
    // group of a thousand doors costs a few lookups, not a thousand.
    std::unordered_map<std::string, std::pair<bool, std::string>> names;
    QList<QList<QStandardItem *>> rows;
    rows.reserve(group.vecDoors.size());
    for (const doorData &door : group.vecDoors) {
        auto found = names.find(door.strObjGroupGuid);
        if (found == names.end()) {
            std::string name;
            const bool ok = m_lookup(door.strObjGroupGuid, name);
            if (!ok)
                LOG_ERROR("commlayer::CGetSingleGroupComm::request failed! groupguid[%s]",
                          door.strObjGroupGuid.c_str());
            found = names.emplace(door.strObjGroupGuid, std::make_pair(ok, name)).first;
        }
        auto *doorItem = readOnlyItem(QString::fromStdString(door.strObjectName));
        doorItem->setData(QString::fromStdString(door.strObjectGuid), DoorIdRole);
        auto *groupItem = readOnlyItem(
            found->second.first ? QString::fromStdString(found->second.second) : QString());
        groupItem->setData(QString::fromStdString(door.strObjGroupGuid), ResourceGroupIdRole);
        rows.append(QList<QStandardItem *>{doorItem, groupItem});
    }
    for (const auto &row : rows)
        appendRow(row);
}

void CAccessGroupDoorInfoModel::onNotify(const std::shared_ptr<protocol::IWebsocketData> &data)
{
    if (!data || data->name() == nullptr)
        return;
    if (std::strcmp(data->name(), "groupNameChanged") == 0) {
        if (auto renamed = std::dynamic_pointer_cast<protocol::GroupNameChangedNotifyData>(data))
            emit signalGroupNameChanged(renamed->guid, renamed->name_);
    } else if (std::strcmp(data->name(), "elementNameChanged") == 0) {
        if (auto renamed = std::dynamic_pointer_cast<protocol::ElementNameChangedNotifyData>(data))
            emit signalDoorNameChanged(renamed->guid, renamed->name_);
    }
}

void CAccessGroupDoorInfoModel::onGroupNameChanged(std::string strGuid, std::string strName)
{
    renameRows(GroupNameColumn, ResourceGroupIdRole, strGuid, strName);
}

void CAccessGroupDoorInfoModel::onDoorNameChanged(std::string strGuid, std::string strName)
{
    renameRows(DoorColumn, DoorIdRole, strGuid, strName);
}

void CAccessGroupDoorInfoModel::renameRows(int column, int role, const std::string &guid,
                                           const std::string &name)
{
    const QString id = QString::fromStdString(guid);
    const QString text = QString::fromStdString(name);
    for (int row = 0; row < rowCount(); ++row) {
        QStandardItem *keyItem = item(row, column);
        if (keyItem != nullptr && keyItem->data(role).toString() == id)
            keyItem->setText(text);
    }
}

} // namespace visitorclient

#include "AccessGroupData.h"

#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResp.h>

#include <QMap>
#include <QString>

#include <tuple>

namespace visitorclient {

namespace {

auto tied(const doorData &d)
{
    return std::tie(d.strDeviceGuid, d.strObjectGuid, d.strObjGroupGuid, d.strObjectName,
                    d.iObjectNo);
}

auto tied(const groupData &g)
{
    return std::tie(g.strGuid, g.strName, g.strDescription, g.bDefaultGroup, g.bDownloadIdCard,
                    g.bQrCodeV2, g.vecDoors);
}

// The wire door entries share their keys; objectType stays 0.
template <class Door> Door toDoor(const doorData &door)
{
    Door d;
    d.deviceGuid = door.strDeviceGuid;
    d.objectGuid = door.strObjectGuid;
    d.objGroupGuid = door.strObjGroupGuid;
    d.objectName = door.strObjectName;
    d.objectNo = door.iObjectNo;
    return d;
}

} // namespace

bool doorData::operator==(const doorData &other) const
{
    return tied(*this) == tied(other);
}

bool groupData::operator==(const groupData &other) const
{
    return tied(*this) == tied(other);
}

void registerAccessGroupMetaTypes()
{
    qRegisterMetaType<doorData>("doorData");
    qRegisterMetaType<groupData>("groupData");
    // The door model hands notifications over to the GUI thread with these.
    qRegisterMetaType<std::string>("std::string");
    // The group map may travel through queued connections.
    qRegisterMetaType<QMap<QString, QString>>("QMap<QString,QString>");
}

namespace AccessGroupConversions {

groupData fromQueryResp(const protocol::VisitAccessGroupQueryResp &group)
{
    groupData data;
    data.strGuid = group.accessGroupGuid;
    data.strName = group.name;
    data.strDescription = group.description;
    data.bDefaultGroup = group.defaultGroup == 1;
    data.bDownloadIdCard = group.downloadIDCard == 1;
    data.bQrCodeV2 = group.QRCodeVersion == 2;
    data.vecDoors.reserve(static_cast<int>(group.vistObjectResList.size()));
    for (const auto &door : group.vistObjectResList) {
        doorData d;
        d.strDeviceGuid = door.deviceGuid;
        d.strObjectGuid = door.objectGuid;
        d.strObjGroupGuid = door.objGroupGuid;
        d.strObjectName = door.objectName;
        d.iObjectNo = door.objectNo;
        data.vecDoors.append(std::move(d));
    }
    return data;
}

protocol::VisitAaccessGroupAddParam toAddParam(const groupData &group)
{
    protocol::VisitAaccessGroupAddParam param;
    param.name_ = group.strName;
    param.defaultGroup = group.bDefaultGroup ? 1 : 0;
    param.downloadIDCard = group.bDownloadIdCard ? 1 : 0;
    param.QRCodeVersion = group.bQrCodeV2 ? 2 : 1;
    param.description = group.strDescription;
    param.visitObjectAddList.reserve(static_cast<std::size_t>(group.vecDoors.size()));
    for (const doorData &door : group.vecDoors)
        param.visitObjectAddList.push_back(toDoor<protocol::VisitObjectAdd>(door));
    return param;
}

protocol::VisitAccessGroupModifyParam toModifyParam(const groupData &group)
{
    protocol::VisitAccessGroupModifyParam param;
    param.name_ = group.strName;
    param.description = group.strDescription;
    param.defaultGroup = group.bDefaultGroup ? 1 : 0;
    param.downLoadIDCard = group.bDownloadIdCard ? 1 : 0;
    param.QRCodeVersion = group.bQrCodeV2 ? 2 : 1;
    param.objectModifyList.reserve(static_cast<std::size_t>(group.vecDoors.size()));
    for (const doorData &door : group.vecDoors)
        param.objectModifyList.push_back(toDoor<protocol::ObjectModify>(door));
    return param;
}

} // namespace AccessGroupConversions

} // namespace visitorclient

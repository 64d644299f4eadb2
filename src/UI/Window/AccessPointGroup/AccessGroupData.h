#pragma once
// The page-side records of the access-point group page and its editor, and their
// conversions to and from the wire records.

#include <QMetaType>
#include <QVector>

#include <string>

namespace protocol {
class VisitAccessGroupQueryResp;
class VisitAaccessGroupAddParam;
class VisitAccessGroupModifyParam;
} // namespace protocol

namespace visitorclient {

// One door of a group; the texts are UTF-8 as the server sends them.
struct doorData
{
    std::string strDeviceGuid;
    std::string strObjectGuid;
    std::string strObjGroupGuid; // the resource group (area) of the door
    std::string strObjectName;
    int iObjectNo = 0;

    bool operator==(const doorData &other) const;
};

// One access-point group (item data role 456 of the group list).
struct groupData
{
    std::string strGuid; // empty until the server created the group
    std::string strName;
    std::string strDescription;
    bool bDefaultGroup = false;
    bool bDownloadIdCard = false;
    bool bQrCodeV2 = false;
    QVector<doorData> vecDoors; // in server order

    bool operator==(const groupData &other) const;
};

void registerAccessGroupMetaTypes();

namespace AccessGroupConversions {

groupData fromQueryResp(const protocol::VisitAccessGroupQueryResp &group);
protocol::VisitAaccessGroupAddParam toAddParam(const groupData &group);
protocol::VisitAccessGroupModifyParam toModifyParam(const groupData &group);

} // namespace AccessGroupConversions

} // namespace visitorclient

Q_DECLARE_METATYPE(visitorclient::doorData)
Q_DECLARE_METATYPE(visitorclient::groupData)

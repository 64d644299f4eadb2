#include "AccessGroupHandler.h"

#include "Database.h"
#include "ServerRules.h"

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/Group.h>
#include <JSONStruct/accessgroup/QueryGroupCondition.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/accessgroup/VisitorRightConfig.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>

#include <Base/GuidUtil.h>

namespace qorvaserver {
namespace {

using namespace protocol::routes;

struct GroupFields
{
    const std::string &name;
    std::int32_t defaultGroup;
    std::int32_t downloadIDCard;
    std::int32_t qrVersion;
    const std::string &description;
};

// Checks shared by create and modify; self is the group's own id when modifying.
template <class Door>
std::uint32_t checkGroup(CDatabase &db, const GroupFields &g, const std::vector<Door> &doors,
                         const std::string &self)
{
    if (g.name.empty() || (g.defaultGroup != 0 && g.defaultGroup != 1) ||
        (g.downloadIDCard != 0 && g.downloadIDCard != 1) || g.qrVersion < 0 || g.qrVersion > 2)
        return ErrInvalidParameter;
    if (g.name.size() > ServerRules::kMaxNameText || g.description.size() > ServerRules::kMaxText)
        return ErrTextTooLong;
    if (doors.size() > 1000)
        return ErrInvalidParameter;
    auto named = db.prepare("SELECT 1 FROM access_groups WHERE name = ? AND guid <> ?");
    named->bind(1, g.name).bind(2, self);
    if (named->step())
        return ErrNameExists;
    if (g.defaultGroup == 1) {
        auto other = db.prepare("SELECT 1 FROM access_groups WHERE default_group = 1 AND guid <> ?");
        other->bind(1, self);
        if (other->step())
            return ErrDefaultGroupExists;
    }
    auto door = db.prepare("SELECT 1 FROM doors WHERE guid = ?");
    for (const Door &d : doors) {
        door->reset();
        door->bind(1, d.objectGuid);
        if (!door->step())
            return ErrNotFound;
    }
    return 0;
}

template <class Door>
std::uint32_t storeDoors(CDatabase &db, const std::string &group, const std::vector<Door> &doors)
{
    auto clear = db.prepare("DELETE FROM access_group_doors WHERE group_guid = ?");
    clear->bind(1, group);
    if (!clear->run())
        return ErrStorageFailed;
    auto insert = db.prepare("INSERT OR IGNORE INTO access_group_doors (group_guid, door_guid, position, "
                             "object_type) VALUES (?, ?, ?, ?)");
    int position = 0;
    for (const Door &d : doors) {
        insert->reset();
        insert->bind(1, group).bind(2, d.objectGuid).bind(3, ++position).bind(4, d.objectType);
        if (!insert->run())
            return ErrStorageFailed;
    }
    return 0;
}

template <class Record>
bool doorListTypesMatch(const cJSON *node, const char *key)
{
    const cJSON *child = nullptr;
    cJSON_ArrayForEach(child, protocol::fieldrules::findMember(node, key))
    {
        if (!ServerRules::typesMatch<Record>(child))
            return false;
    }
    return true;
}

// The device's answer to a right or configuration change: 0 or an error code.
std::uint32_t deviceAnswer(bool online, bool failing)
{
    if (!online)
        return ErrDeviceOffline;
    return failing ? static_cast<std::uint32_t>(ErrDeviceRejected) : 0u;
}

} // namespace

HandlerResult CAccessGroupHandler::list(CDatabase &db)
{
    auto answer = std::make_shared<protocol::VisitAccessGroupQueryResponseData>();
    auto groups = db.prepare("SELECT guid, name, default_group, download_id_card, qr_version, description "
                             "FROM access_groups ORDER BY seq");
    auto doors = db.prepare("SELECT d.device_guid, d.guid, d.group_guid, d.name, d.door_no, g.object_type "
                            "FROM access_group_doors g JOIN doors d ON d.guid = g.door_guid "
                            "WHERE g.group_guid = ? ORDER BY g.position");
    while (groups->step()) {
        protocol::VisitAccessGroupQueryResp group;
        group.accessGroupGuid = groups->text(0);
        group.name = groups->text(1);
        group.defaultGroup = groups->int32(2);
        group.downloadIDCard = groups->int32(3);
        group.QRCodeVersion = groups->int32(4);
        group.description = groups->text(5);
        doors->reset();
        doors->bind(1, group.accessGroupGuid);
        while (doors->step()) {
            protocol::VistObjectRes door;
            door.deviceGuid = doors->text(0);
            door.objectGuid = doors->text(1);
            door.objGroupGuid = doors->text(2);
            door.objectName = doors->text(3);
            door.objectNo = doors->int32(4);
            door.objectType = doors->int32(5);
            group.vistObjectResList.push_back(std::move(door));
        }
        answer->visitAccessGroupQueryResponse.push_back(std::move(group));
    }
    if (groups->failed())
        return HandlerResult::fail(ErrStorageFailed);
    return HandlerResult::ok(answer);
}

HandlerResult CAccessGroupHandler::create(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::VisitAaccessGroupAddParam>(node) ||
        !doorListTypesMatch<protocol::VisitObjectAdd>(node, "visitObjectAddList"))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::VisitAaccessGroupAddParam p(node);
    const GroupFields fields{p.name_, p.defaultGroup, p.downloadIDCard, p.QRCodeVersion, p.description};
    if (const std::uint32_t error = checkGroup(db, fields, p.visitObjectAddList, std::string()))
        return HandlerResult::fail(error);
    const std::string guid = Base::GuidUtil::CreateGuid();
    auto insert = db.prepare("INSERT INTO access_groups (guid, name, default_group, download_id_card, "
                             "qr_version, description) VALUES (?, ?, ?, ?, ?, ?)");
    insert->bind(1, guid).bind(2, p.name_).bind(3, p.defaultGroup).bind(4, p.downloadIDCard)
        .bind(5, p.QRCodeVersion).bind(6, p.description);
    if (!insert->run())
        return HandlerResult::fail(ErrStorageFailed);
    if (const std::uint32_t error = storeDoors(db, guid, p.visitObjectAddList))
        return HandlerResult::fail(error);
    auto answer = std::make_shared<protocol::VisitAccessGroupAddedResultData>();
    answer->visitAccessGroupAddedResult.name = p.name_;
    answer->visitAccessGroupAddedResult.accessGroupGuid = guid;
    answer->visitAccessGroupAddedResult.code = ServerRules::itemCode(0);
    return HandlerResult::ok(answer);
}

HandlerResult CAccessGroupHandler::modify(CDatabase &db, const cJSON *node, const std::string &id)
{
    if (!ServerRules::typesMatch<protocol::VisitAccessGroupModifyParam>(node) ||
        !doorListTypesMatch<protocol::ObjectModify>(node, "objectModifyList"))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::VisitAccessGroupModifyParam p(node);
    auto exists = db.prepare("SELECT 1 FROM access_groups WHERE guid = ?");
    exists->bind(1, id);
    if (!exists->step())
        return HandlerResult::fail(ErrNotFound);
    const GroupFields fields{p.name_, p.defaultGroup, p.downLoadIDCard, p.QRCodeVersion, p.description};
    if (const std::uint32_t error = checkGroup(db, fields, p.objectModifyList, id))
        return HandlerResult::fail(error);
    auto update = db.prepare("UPDATE access_groups SET name = ?, default_group = ?, download_id_card = ?, "
                             "qr_version = ?, description = ? WHERE guid = ?");
    update->bind(1, p.name_).bind(2, p.defaultGroup).bind(3, p.downLoadIDCard).bind(4, p.QRCodeVersion)
        .bind(5, p.description).bind(6, id);
    if (!update->run())
        return HandlerResult::fail(ErrStorageFailed);
    if (const std::uint32_t error = storeDoors(db, id, p.objectModifyList))
        return HandlerResult::fail(error);
    auto answer = std::make_shared<protocol::VisitAccessGroupModifyResultData>();
    answer->visitAccessGroupModifyResult.name = p.name_;
    answer->visitAccessGroupModifyResult.accessGroupGuid = id;
    answer->visitAccessGroupModifyResult.code = ServerRules::itemCode(0);
    return HandlerResult::ok(answer);
}

HandlerResult CAccessGroupHandler::remove(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::DeleteAccessPointGroupCondition>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::DeleteAccessPointGroupCondition request(node);
    if (request.deleteAccessPointGroupIDList.empty())
        return HandlerResult::fail(ErrInvalidParameter);
    auto exists = db.prepare("SELECT 1 FROM access_groups WHERE guid = ?");
    auto used = db.prepare("SELECT 1 FROM appointment_groups WHERE group_guid = ? LIMIT 1");
    auto eraseDoors = db.prepare("DELETE FROM access_group_doors WHERE group_guid = ?");
    auto erase = db.prepare("DELETE FROM access_groups WHERE guid = ?");
    auto answer = std::make_shared<protocol::DeleteAccessPointGroupResultData>();
    for (const std::string &id : request.deleteAccessPointGroupIDList) {
        protocol::DeleteAccessPointGroupRe re;
        re.guid = id;
        exists->reset();
        exists->bind(1, id);
        used->reset();
        used->bind(1, id);
        if (!exists->step()) {
            re.code = ServerRules::itemCode(ErrNotFound);
        } else if (used->step()) {
            re.code = ServerRules::itemCode(ErrGroupInUse);
        } else {
            eraseDoors->reset();
            eraseDoors->bind(1, id);
            erase->reset();
            erase->bind(1, id);
            if (!eraseDoors->run() || !erase->run())
                return HandlerResult::fail(ErrStorageFailed);
            re.code = ServerRules::itemCode(0);
        }
        answer->deleteAccessPointGroupResult.push_back(std::move(re));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CAccessGroupHandler::syncRights(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::VisitorRightConfig>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::VisitorRightConfig request(node);
    if (request.ConfigType.size() > ServerRules::kMaxText)
        return HandlerResult::fail(ErrTextTooLong);
    auto answer = std::make_shared<protocol::VisitorRightConfigResultData>();
    auto devices = db.prepare("SELECT guid, ip, port, online, failing FROM devices ORDER BY rowid");
    while (devices->step()) {
        protocol::RightListResult r;
        r.guid = devices->text(0);
        r.ip = devices->text(1);
        r.port = devices->int32(2);
        const std::uint32_t error = deviceAnswer(devices->int32(3) != 0, devices->int32(4) != 0);
        r.result = error == 0 ? 1 : 0;
        r.code = ServerRules::itemCode(error);
        answer->visitorRightConfigResult.rightListResult.push_back(std::move(r));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CAccessGroupHandler::singleGroup(CDatabase &db, const cJSON *node, const std::string &id)
{
    if (!ServerRules::typesMatch<protocol::QueryGroupCondition>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QueryGroupCondition condition(node);
    auto group = db.prepare("SELECT guid, name, sequence FROM resource_groups WHERE guid = ?");
    group->bind(1, id);
    if (!group->step())
        return HandlerResult::fail(ErrNotFound);
    auto answer = std::make_shared<protocol::Group>();
    answer->guid = group->text(0);
    answer->name = group->text(1);
    answer->sequence = group->int32(2);
    answer->elementType = condition.elementType;
    if (condition.containElements) {
        auto doors = db.prepare("SELECT d.guid, d.name, d.door_no, d.device_guid, v.online, v.ip, v.serial_no "
                                "FROM doors d JOIN devices v ON v.guid = d.device_guid "
                                "WHERE d.group_guid = ? ORDER BY d.rowid");
        doors->bind(1, id);
        int sequence = 0;
        while (doors->step()) {
            protocol::Element e;
            e.guid = doors->text(0);
            e.name = doors->text(1);
            e.sequence = ++sequence;
            e.resourceNo = doors->int32(2);
            e.resourceGuid = e.guid;
            e.deviceGuid = doors->text(3);
            e.online = doors->int32(4) != 0;
            e.enable = true;
            e.ip = doors->text(5);
            e.serialNo = doors->text(6);
            answer->elementList.push_back(std::move(e));
        }
    }
    return HandlerResult::ok(answer);
}

} // namespace qorvaserver

#include "RecordHandler.h"

#include "Database.h"
#include "DirectoryHandler.h"
#include "ServerRules.h"

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>
#include <JSONStruct/visitorrecord/DownloadPermissionNotifyData.h>
#include <JSONStruct/visitorrecord/DownloadPermissionResultListData.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

#include <Base/GuidUtil.h>
#include <Base/StringUtil.h>

#include <map>
#include <vector>

namespace qorvaserver {
namespace {

using namespace protocol::routes;

const char *const kRecordColumns =
    "guid, name, gender, phone, card_no, visit_time, leave_time, visit_reason_id, visit_reason_name, org_path, "
    "receptionist_id, receptionist_name, access_groups, accompanying, identity_type, identity_code, plate_code, "
    "company, belongings, address, remark, state, auth_code, register_status, download_result, "
    "appointment_visit_time, appointment_leave_time";

std::map<std::string, std::string> groupNames(CDatabase &db)
{
    std::map<std::string, std::string> names;
    auto st = db.prepare("SELECT guid, name FROM access_groups");
    while (st->step())
        names[st->text(0)] = st->text(1);
    return names;
}

protocol::VisitorRecordResult readRecord(CDatabase::Statement &st, const std::map<std::string, std::string> &groups)
{
    protocol::VisitorRecordResult r;
    r.guid = st.text(0);
    r.name = st.text(1);
    r.gender = st.int32(2);
    r.phone = st.text(3);
    r.cardNo = st.text(4);
    r.visitTime = st.text(5);
    r.leaveTime = st.text(6);
    r.visitReasonID = st.text(7);
    r.visitReasonName = st.text(8);
    r.orgPath = st.text(9);
    r.receptionistID = st.text(10);
    r.receptionistName = st.text(11);
    for (const std::string &g : Base::StringUtil::SplitString(st.text(12), ",")) {
        if (g.empty())
            continue;
        protocol::VisitGroup vg;
        vg.visitGroupGuid = g;
        const auto name = groups.find(g);
        vg.visitGroupName = name != groups.end() ? name->second : std::string();
        r.visitGroupList.push_back(std::move(vg));
    }
    r.accompanyingPersonnelNumber = st.int32(13);
    r.identityType = st.int32(14);
    r.identityCode = st.text(15);
    r.plateCode = st.text(16);
    r.Company = st.text(17);
    r.belongings = st.text(18);
    r.address = st.text(19);
    r.remark = st.text(20);
    r.state = st.int32(21);
    r.ORCodeEnabled = 1;
    r.authCode = st.text(22);
    r.authType = "3";
    r.registerType = "appointment";
    r.registerStatus = st.text(23);
    r.DownloadResult = st.int32(24);
    r.appointmentVisitTime = st.text(25);
    r.appointmentLeaveTime = st.text(26);
    return r;
}

} // namespace

HandlerResult CRecordHandler::query(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::QueryVisitorRecordCondition>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QueryVisitorRecordCondition c(node);
    if (!ServerRules::pageValid(c.pageNo, c.pageSize))
        return HandlerResult::fail(ErrPageOutOfRange);
    if (c.name_.size() > ServerRules::kMaxNameText)
        return HandlerResult::fail(ErrTextTooLong);
    if ((!c.State.empty() && ServerRules::stateFromName(c.State) < 0) ||
        !ServerRules::isTimeTextOrEmpty(c.visitBeginTime) || !ServerRules::isTimeTextOrEmpty(c.visitEndTime) ||
        !ServerRules::isTimeTextOrEmpty(c.leaveBeginTime) || !ServerRules::isTimeTextOrEmpty(c.leaveEndTime))
        return HandlerResult::fail(ErrInvalidParameter);

    // Only active filters go into the statement, so that an index can serve them; every
    // value is still a bound parameter.
    std::string where;
    std::vector<const std::string *> values;
    auto add = [&where, &values](const std::string &value, const char *condition) {
        if (value.empty())
            return;
        where += where.empty() ? " WHERE " : " AND ";
        where += condition;
        values.push_back(&value);
    };
    add(c.name_, "instr(name, ?) > 0");
    add(c.State, "register_status = ?");
    add(c.visitBeginTime, "visit_time >= ?");
    add(c.visitEndTime, "visit_time <= ?");
    add(c.leaveBeginTime, "(leave_time <> '' AND leave_time >= ?)");
    add(c.leaveEndTime, "(leave_time <> '' AND leave_time <= ?)");
    auto bindFilters = [&values](CDatabase::Statement &st) {
        for (std::size_t i = 0; i < values.size(); ++i)
            st.bind(static_cast<int>(i + 1), *values[i]);
    };
    auto answer = std::make_shared<protocol::QueryVisitorRecordResultListData>();
    protocol::QueryVisitorRecordResultList &list = answer->queryVisitorRecordResultList;
    const std::string countSql = "SELECT COUNT(*) FROM visitor_records" + where;
    auto count = db.prepare(countSql.c_str());
    bindFilters(*count);
    if (!count->step())
        return HandlerResult::fail(ErrStorageFailed);
    list.total = count->int32(0);
    list.pageNo = c.pageNo;
    list.pageSize = c.pageSize;
    // The offset is walked over keys only (a covering index), then the page's rows are read.
    const std::string order = c.descending ? " ORDER BY seq DESC" : " ORDER BY seq";
    const std::string pageSql =
        std::string("SELECT ") + kRecordColumns +
        " FROM visitor_records WHERE seq IN (SELECT seq FROM visitor_records" + where + order +
        " LIMIT ? OFFSET ?)" + order;
    auto page = db.prepare(pageSql.c_str());
    bindFilters(*page);
    const int next = static_cast<int>(values.size()) + 1;
    page->bind(next, c.pageSize).bind(next + 1, static_cast<std::int64_t>(c.pageNo - 1) * c.pageSize);
    const std::map<std::string, std::string> groups = groupNames(db);
    list.visitorRecordResultList.reserve(static_cast<std::size_t>(c.pageSize));
    while (page->step())
        list.visitorRecordResultList.push_back(readRecord(*page, groups));
    if (page->failed())
        return HandlerResult::fail(ErrStorageFailed);
    return HandlerResult::ok(answer);
}

HandlerResult CRecordHandler::downloadFailed(CDatabase &db)
{
    auto answer = std::make_shared<protocol::QueryVisitorRecordResultListData>();
    protocol::QueryVisitorRecordResultList &list = answer->queryVisitorRecordResultList;
    const std::string sql = std::string("SELECT ") + kRecordColumns +
                            " FROM visitor_records WHERE download_result IN (2, 3) ORDER BY seq LIMIT 500";
    auto st = db.prepare(sql.c_str());
    const std::map<std::string, std::string> groups = groupNames(db);
    while (st->step())
        list.visitorRecordResultList.push_back(readRecord(*st, groups));
    list.total = static_cast<std::int32_t>(list.visitorRecordResultList.size());
    list.pageNo = 1;
    list.pageSize = list.total;
    return HandlerResult::ok(answer);
}

HandlerResult CRecordHandler::errors(CDatabase &db, const std::string &id)
{
    auto exists = db.prepare("SELECT 1 FROM visitor_records WHERE guid = ?");
    exists->bind(1, id);
    if (!exists->step())
        return HandlerResult::fail(ErrNotFound);
    auto answer = std::make_shared<protocol::VisitorErrorRecordResponseData>();
    auto st = db.prepare("SELECT device_guid, fail_type, error_code FROM visitor_errors WHERE record_guid = ? "
                         "ORDER BY rowid");
    st->bind(1, id);
    while (st->step()) {
        protocol::VisitorErrorRecord e;
        e.VisitorRecordID = id;
        e.DeviceGuid = st->text(0);
        e.FailType = st->int32(1);
        e.ErrorCode = st->text(2);
        answer->visitorErrorRecordResponse.VisitorErrorRecordList.push_back(std::move(e));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CRecordHandler::downloadPermission(CDatabase &db, const cJSON *node, Outbox &out)
{
    if (!ServerRules::typesMatch<protocol::DownloadPermissionInfo>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::DownloadPermissionInfo info(node);
    if (info.visitorRecordList.empty() || info.visitorRecordList.size() > ServerRules::kMaxPageSize)
        return HandlerResult::fail(ErrInvalidParameter);
    auto exists = db.prepare("SELECT 1 FROM visitor_records WHERE guid = ?");
    auto answer = std::make_shared<protocol::DownloadPermissionResultListData>();
    bool anyKnown = false;
    for (const std::string &id : info.visitorRecordList) {
        protocol::DownloadPermissionResult r;
        r.guid = id;
        exists->reset();
        exists->bind(1, id);
        if (exists->step()) {
            anyKnown = true;
            r.code = ServerRules::itemCode(0);
            r.msg = "queued";
            out.downloads.push_back(id);
        } else {
            r.code = ServerRules::itemCode(ErrNotFound);
            r.msg = protocol::routes::errorText(kServerModule, ErrNotFound);
        }
        answer->downloadPermissionResultList.push_back(std::move(r));
    }
    if (!anyKnown)
        return HandlerResult::fail(ErrNotFound);
    return HandlerResult::ok(answer);
}

std::uint32_t CRecordHandler::applyDownload(CDatabase &db, const std::string &recordGuid, Outbox &out, bool notify)
{
    auto record = db.prepare("SELECT access_groups FROM visitor_records WHERE guid = ?");
    record->bind(1, recordGuid);
    if (!record->step())
        return ErrNotFound;
    const std::string groupList = record->text(0);
    const std::map<std::string, std::string> names = groupNames(db);
    std::string granted;
    std::map<std::string, std::pair<bool, bool>> devices; // guid -> (online, failing)
    auto devs = db.prepare("SELECT DISTINCT v.guid, v.online, v.failing FROM access_group_doors g "
                           "JOIN doors d ON d.guid = g.door_guid JOIN devices v ON v.guid = d.device_guid "
                           "WHERE g.group_guid = ?");
    for (const std::string &g : Base::StringUtil::SplitString(groupList, ",")) {
        const auto name = names.find(g);
        if (g.empty() || name == names.end())
            continue;
        granted += (granted.empty() ? "" : ",") + name->second;
        devs->reset();
        devs->bind(1, g);
        while (devs->step())
            devices[devs->text(0)] = {devs->int32(1) != 0, devs->int32(2) != 0};
    }
    auto clear = db.prepare("DELETE FROM visitor_errors WHERE record_guid = ?");
    clear->bind(1, recordGuid);
    if (!clear->run())
        return ErrStorageFailed;
    auto error = db.prepare("INSERT INTO visitor_errors (record_guid, device_guid, fail_type, error_code) "
                            "VALUES (?, ?, ?, ?)");
    std::size_t failed = 0;
    for (const auto &d : devices) {
        const bool online = d.second.first;
        const bool failing = d.second.second;
        if (online && !failing)
            continue;
        ++failed;
        // A refusing device fails the person data and the face; an offline one everything it did not get.
        for (int failType : failing && online ? std::vector<int>{0, 2} : std::vector<int>{0}) {
            error->reset();
            error->bind(1, recordGuid)
                .bind(2, d.first)
                .bind(3, failType)
                .bind(4, ServerRules::itemCode(online ? ErrDeviceRejected : ErrDeviceOffline));
            if (!error->run())
                return ErrStorageFailed;
        }
    }
    std::int32_t result = ServerRules::DownloadSucceeded;
    if (devices.empty())
        result = ServerRules::DownloadNotApplied;
    else if (failed == devices.size())
        result = ServerRules::DownloadFailed;
    else if (failed > 0)
        result = ServerRules::DownloadPartly;
    auto update = db.prepare("UPDATE visitor_records SET download_result = ? WHERE guid = ?");
    update->bind(1, result).bind(2, recordGuid);
    if (!update->run())
        return ErrStorageFailed;
    if (notify) {
        protocol::DownloadPermissionNotifyData notice;
        notice.guid = recordGuid;
        notice.accessgroup = granted;
        notice.result = result;
        out.notify(notice);
    }
    return 0;
}

std::uint32_t CRecordHandler::checkIn(CDatabase &db, const std::string &authCode, std::string &recordGuid)
{
    auto a = db.prepare("SELECT guid, name, gender, phone, visit_expect, leave_expect, visit_reason_id, "
                        "visit_reason, receptionist_id, receptionist_name, access_groups, accompanying, "
                        "identity_type, identity_code, plate_code, company, belongings, address, remark "
                        "FROM appointments WHERE auth_code = ?");
    a->bind(1, authCode);
    if (!a->step())
        return ErrNotFound;
    auto open = db.prepare("SELECT 1 FROM visitor_records WHERE auth_code = ? AND state = 1");
    open->bind(1, authCode);
    if (open->step())
        return ErrNameExists; // already checked in and not signed off
    std::string orgPath;
    {
        auto person = db.prepare("SELECT org_guid FROM persons WHERE guid = ?");
        person->bind(1, a->text(8));
        if (person->step())
            orgPath = CDirectoryHandler::organizationPaths(db)[person->text(0)];
    }
    recordGuid = Base::GuidUtil::CreateGuid();
    auto insert = db.prepare(
        "INSERT INTO visitor_records (guid, appointment_guid, auth_code, name, gender, phone, card_no, visit_time, "
        "leave_time, visit_reason_id, visit_reason_name, org_path, receptionist_id, receptionist_name, "
        "access_groups, accompanying, identity_type, identity_code, plate_code, company, belongings, address, "
        "remark, state, register_status, download_result, appointment_visit_time, appointment_leave_time) "
        "VALUES (?, ?, ?, ?, ?, ?, '', ?, '', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)");
    insert->bind(1, recordGuid).bind(2, a->text(0)).bind(3, authCode).bind(4, a->text(1)).bind(5, a->int64(2))
        .bind(6, a->text(3)).bind(7, ServerRules::now()).bind(8, a->text(6)).bind(9, a->text(7))
        .bind(10, orgPath).bind(11, a->text(8)).bind(12, a->text(9)).bind(13, a->text(10))
        .bind(14, a->int64(11)).bind(15, a->int64(12)).bind(16, a->text(13)).bind(17, a->text(14))
        .bind(18, a->text(15)).bind(19, a->text(16)).bind(20, a->text(17)).bind(21, a->text(18))
        .bind(22, ServerRules::StateRegistered).bind(23, std::string(ServerRules::stateName(ServerRules::StateRegistered)))
        .bind(24, a->text(4)).bind(25, a->text(5));
    if (!insert->run())
        return ErrStorageFailed;
    Outbox none;
    return applyDownload(db, recordGuid, none, false);
}

std::uint32_t CRecordHandler::checkOut(CDatabase &db, const std::string &authCode)
{
    auto st = db.prepare("UPDATE visitor_records SET leave_time = ?, state = ?, register_status = ? "
                         "WHERE seq = (SELECT MAX(seq) FROM visitor_records WHERE auth_code = ? AND state = 1)");
    st->bind(1, ServerRules::now()).bind(2, ServerRules::StateSignOff)
        .bind(3, std::string(ServerRules::stateName(ServerRules::StateSignOff))).bind(4, authCode);
    if (!st->run())
        return ErrStorageFailed;
    return db.changes() == 0 ? static_cast<std::uint32_t>(ErrNotFound) : 0u;
}

} // namespace qorvaserver

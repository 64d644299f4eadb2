#include "AppointmentHandler.h"

#include "Database.h"
#include "ServerRules.h"

#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/appointment/AppointmentDeleteNotifyData.h>
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/DeleteAppointmentResultData.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultListData.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResultData.h>

#include <Base/GuidUtil.h>
#include <Base/StringUtil.h>

#include <map>
#include <set>

namespace qorvaserver {
namespace {

using namespace protocol::routes;

// The fields of an appointment as stored; Appointment and ModifyAppointment share them.
template <class R>
std::uint32_t checkAppointment(const R &a)
{
    if (a.name_.empty() || a.gender < 0 || a.gender > 2 || a.accompanyingPersonnelNumber < 0 ||
        a.accompanyingPersonnelNumber > 1000 || a.identityType < 0)
        return ErrInvalidParameter;
    if (!ServerRules::isTimeTextOrEmpty(a.visitExpectTime) || !ServerRules::isTimeTextOrEmpty(a.leaveExpectTime))
        return ErrInvalidParameter;
    if (a.name_.size() > ServerRules::kMaxNameText || a.accessPointGroup.size() > ServerRules::kMaxIdList)
        return ErrTextTooLong;
    for (const std::string *s : {&a.phone, &a.visitReasonID, &a.visitReason, &a.receptionistID,
                                 &a.receptionistName, &a.receptionistNumber, &a.receptionistDepartment,
                                 &a.identityCode, &a.plateCode, &a.Company, &a.belongings, &a.address,
                                 &a.remark}) {
        if (s->size() > ServerRules::kMaxText)
            return ErrTextTooLong;
    }
    return 0;
}

// Binds the 20 appointment fields from parameter first on.
template <class R>
void bindAppointment(CDatabase::Statement &st, int first, const R &a)
{
    st.bind(first, a.name_).bind(first + 1, a.gender).bind(first + 2, a.phone)
        .bind(first + 3, a.visitExpectTime).bind(first + 4, a.leaveExpectTime)
        .bind(first + 5, a.visitReasonID).bind(first + 6, a.visitReason)
        .bind(first + 7, a.receptionistID).bind(first + 8, a.receptionistName)
        .bind(first + 9, a.receptionistNumber).bind(first + 10, a.receptionistDepartment)
        .bind(first + 11, a.accessPointGroup).bind(first + 12, a.accompanyingPersonnelNumber)
        .bind(first + 13, a.identityType).bind(first + 14, a.identityCode)
        .bind(first + 15, a.plateCode).bind(first + 16, a.Company).bind(first + 17, a.belongings)
        .bind(first + 18, a.address).bind(first + 19, a.remark);
}

std::map<std::string, std::string> reasonNames(CDatabase &db)
{
    std::map<std::string, std::string> names;
    auto st = db.prepare("SELECT body FROM settings WHERE id = 1");
    if (!st->step())
        return names;
    const char *errorAt = nullptr;
    protocol::JSONNodePtr node = protocol::parseJSONText(st->text(0), errorAt);
    protocol::BasicSetting setting(node.get());
    for (const protocol::VisitReason &r : setting.visitReasonList)
        names[r.visitReasonGuid] = r.Name;
    return names;
}

bool authCodeTaken(CDatabase &db, const std::string &code)
{
    auto st = db.prepare("SELECT 1 FROM appointments WHERE auth_code = ?");
    st->bind(1, code);
    return st->step();
}

} // namespace

std::uint32_t CAppointmentHandler::linkGroups(CDatabase &db, const std::string &appointmentGuid,
                                              const std::string &groupList)
{
    auto exists = db.prepare("SELECT 1 FROM access_groups WHERE guid = ?");
    auto link = db.prepare("INSERT OR IGNORE INTO appointment_groups (appointment_guid, group_guid) VALUES (?, ?)");
    for (const std::string &group : Base::StringUtil::SplitString(groupList, ",")) {
        if (group.empty())
            continue;
        exists->reset();
        exists->bind(1, group);
        if (!exists->step())
            return ErrNotFound;
        link->reset();
        link->bind(1, appointmentGuid).bind(2, group);
        if (!link->run())
            return ErrStorageFailed;
    }
    return 0;
}

HandlerResult CAppointmentHandler::query(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::QueryAppointmentResultCondition>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QueryAppointmentResultCondition condition(node);
    if (!ServerRules::pageValid(condition.pageNo, condition.pageSize))
        return HandlerResult::fail(ErrPageOutOfRange);
    auto answer = std::make_shared<protocol::QueryAppointmentResultListData>();
    protocol::QueryAppointmentResultList &list = answer->queryAppointmentResultList;
    list.total = static_cast<std::int32_t>(db.scalar("SELECT COUNT(*) FROM appointments"));
    list.pageNo = condition.pageNo;
    list.pageSize = condition.pageSize;
    const std::map<std::string, std::string> reasons = reasonNames(db);
    auto st = db.prepare(
        "SELECT guid, name, gender, phone, visit_expect, leave_expect, visit_reason_id, visit_reason, "
        "receptionist_id, receptionist_name, receptionist_number, receptionist_department, access_groups, "
        "accompanying, identity_type, identity_code, plate_code, company, belongings, address, remark, "
        "auth_code FROM appointments ORDER BY seq LIMIT ? OFFSET ?");
    st->bind(1, condition.pageSize)
        .bind(2, static_cast<std::int64_t>(condition.pageNo - 1) * condition.pageSize);
    list.appointmentResultList.reserve(static_cast<std::size_t>(condition.pageSize));
    while (st->step()) {
        list.appointmentResultList.emplace_back();
        protocol::AppointmentResult &r = list.appointmentResultList.back();
        r.appointmentID = st->text(0);
        r.name = st->text(1);
        r.gender = st->int32(2);
        r.phone = st->text(3);
        r.visitExpectTime = st->text(4);
        r.leaveExpectTime = st->text(5);
        r.visitReasonID = st->text(6);
        const auto reason = reasons.find(r.visitReasonID);
        r.visitReasonName = reason != reasons.end() ? reason->second : st->text(7);
        r.receptionistID = st->text(8);
        r.receptionistName = st->text(9);
        r.receptionistNumber = st->text(10);
        r.receptionistDepartment = st->text(11);
        r.visitGroupGuid = st->text(12);
        r.accompanyingPersonnelNumber = st->int32(13);
        r.identityType = st->int32(14);
        r.identityCode = st->text(15);
        r.plateCode = st->text(16);
        r.Company = st->text(17);
        r.belongings = st->text(18);
        r.address = st->text(19);
        r.remark = st->text(20);
        r.authCode = st->text(21);
    }
    if (st->failed())
        return HandlerResult::fail(ErrStorageFailed);
    return HandlerResult::ok(answer);
}

HandlerResult CAppointmentHandler::add(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::AddAppointment>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const cJSON *list = protocol::fieldrules::findMember(node, "appointmentList");
    const cJSON *child = nullptr;
    cJSON_ArrayForEach(child, list)
    {
        if (!ServerRules::typesMatch<protocol::Appointment>(child))
            return HandlerResult::fail(ErrInvalidParameter);
    }
    const protocol::AddAppointment request(node);
    if (request.appointmentList.empty())
        return HandlerResult::fail(ErrInvalidParameter);
    for (const protocol::Appointment &a : request.appointmentList) {
        if (const std::uint32_t error = checkAppointment(a))
            return HandlerResult::fail(error);
    }
    const std::int64_t stored = db.scalar("SELECT COUNT(*) FROM appointments");
    if (stored + static_cast<std::int64_t>(request.appointmentList.size()) >
        static_cast<std::int64_t>(ServerRules::kMaxAppointments))
        return HandlerResult::fail(ErrAppointmentLimit);

    auto insert = db.prepare(
        "INSERT INTO appointments (guid, auth_code, name, gender, phone, visit_expect, leave_expect, "
        "visit_reason_id, visit_reason, receptionist_id, receptionist_name, receptionist_number, "
        "receptionist_department, access_groups, accompanying, identity_type, identity_code, plate_code, "
        "company, belongings, address, remark) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?)");
    auto answer = std::make_shared<protocol::AddAppointmentResultListData>();
    for (const protocol::Appointment &a : request.appointmentList) {
        const std::string guid = Base::GuidUtil::CreateGuid();
        std::string code = ServerRules::newReservationCode();
        while (authCodeTaken(db, code))
            code = ServerRules::newReservationCode();
        insert->reset();
        insert->bind(1, guid).bind(2, code);
        bindAppointment(*insert, 3, a);
        if (!insert->run())
            return HandlerResult::fail(ErrStorageFailed);
        if (const std::uint32_t error = linkGroups(db, guid, a.accessPointGroup))
            return HandlerResult::fail(error);
        protocol::AddAppointmentResult result;
        result.guid = guid;
        result.code = code;
        result.msg = kSuccessMessage;
        answer->addAppointmentResultList.push_back(std::move(result));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CAppointmentHandler::update(CDatabase &db, const cJSON *node, const std::string &id)
{
    if (!ServerRules::typesMatch<protocol::ModifyAppointment>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    // A change without a receptionist number keeps the stored one (renames are sent
    // without it).
    const protocol::ModifyAppointment request(node);
    if (const std::uint32_t error = checkAppointment(request))
        return HandlerResult::fail(error);
    auto st = db.prepare(
        "UPDATE appointments SET name = ?, gender = ?, phone = ?, visit_expect = ?, leave_expect = "
        "?, "
        "visit_reason_id = ?, visit_reason = ?, receptionist_id = ?, receptionist_name = ?, "
        "receptionist_number = COALESCE(NULLIF(?, ''), receptionist_number), "
        "receptionist_department = ?, "
        "access_groups = ?, accompanying = ?, "
        "identity_type = ?, identity_code = ?, plate_code = ?, company = ?, belongings = ?, "
        "address = ?, "
        "remark = ? WHERE guid = ?");
    bindAppointment(*st, 1, request);
    st->bind(21, id);
    if (!st->run())
        return HandlerResult::fail(ErrStorageFailed);
    if (db.changes() == 0)
        return HandlerResult::fail(ErrNotFound);
    auto unlink = db.prepare("DELETE FROM appointment_groups WHERE appointment_guid = ?");
    unlink->bind(1, id);
    if (!unlink->run())
        return HandlerResult::fail(ErrStorageFailed);
    if (const std::uint32_t error = linkGroups(db, id, request.accessPointGroup))
        return HandlerResult::fail(error);
    return HandlerResult::ok();
}

std::uint32_t CAppointmentHandler::removeOne(CDatabase &db, const std::string &id, Outbox &out)
{
    auto find = db.prepare("SELECT auth_code FROM appointments WHERE guid = ?");
    find->bind(1, id);
    if (!find->step())
        return find->failed() ? ErrStorageFailed : ErrNotFound;
    protocol::AppointmentDeleteNotifyData notice;
    notice.authCode = find->text(0);
    auto erase = db.prepare("DELETE FROM appointments WHERE guid = ?");
    auto unlink = db.prepare("DELETE FROM appointment_groups WHERE appointment_guid = ?");
    erase->bind(1, id);
    unlink->bind(1, id);
    if (!erase->run() || !unlink->run())
        return ErrStorageFailed;
    out.notify(notice);
    return 0;
}

HandlerResult CAppointmentHandler::remove(CDatabase &db, const cJSON *node, Outbox &out)
{
    if (!ServerRules::typesMatch<protocol::DeleteAppointment>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::DeleteAppointment request(node);
    if (request.appointmentIDList.empty())
        return HandlerResult::fail(ErrInvalidParameter);
    auto answer = std::make_shared<protocol::DeleteAppointmentResultData>();
    for (const std::string &id : request.appointmentIDList) {
        protocol::DeleteAppointmentRe re;
        re.guid = id;
        const std::uint32_t error = removeOne(db, id, out);
        if (error == ErrStorageFailed)
            return HandlerResult::fail(error);
        re.result = static_cast<std::int32_t>(error);
        answer->deleteAppointmentResult.push_back(std::move(re));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CAppointmentHandler::getSettings(CDatabase &db)
{
    auto answer = std::make_shared<protocol::QueryBasicSettingResultData>();
    auto st = db.prepare("SELECT body FROM settings WHERE id = 1");
    if (!st->step())
        return st->failed() ? HandlerResult::fail(ErrStorageFailed) : HandlerResult::ok(answer);
    const char *errorAt = nullptr;
    protocol::JSONNodePtr node = protocol::parseJSONText(st->text(0), errorAt);
    const protocol::BasicSetting s(node.get());
    protocol::QueryBasicSettingResult &r = answer->queryBasicSettingResult;
    r.name = s.name_;
    r.gender = s.gender;
    r.phone = s.phone;
    r.visitExpectTime = s.visitExpectTime;
    r.leaveExpectTime = s.leaveExpectTime;
    r.visitReasonID = s.visitReasonID;
    r.receptionistID = s.receptionistID;
    r.organization = s.organization;
    r.accessPointGroup = s.accessPointGroup;
    r.accompanyingPersonnelNumber = s.accompanyingPersonnelNumber;
    r.identityType = s.identityType;
    r.identityCode = s.identityCode;
    r.plateCode = s.plateCode;
    r.company = s.company;
    r.belongings = s.belongings;
    r.address = s.address;
    r.remark = s.remark;
    r.appointmentDay = s.appointmentDay;
    for (const protocol::VisitReason &reason : s.visitReasonList) {
        protocol::VisitReasonResult out;
        out.visitReasonGuid = reason.visitReasonGuid;
        out.Name = reason.Name;
        r.visitReasonResultList.push_back(std::move(out));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CAppointmentHandler::setSettings(CDatabase &db, const cJSON *node, bool keepReasons)
{
    if (!ServerRules::typesMatch<protocol::BasicSetting>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const cJSON *child = nullptr;
    cJSON_ArrayForEach(child, protocol::fieldrules::findMember(node, "visitReasonList"))
    {
        if (!ServerRules::typesMatch<protocol::VisitReason>(child))
            return HandlerResult::fail(ErrInvalidParameter);
    }
    protocol::BasicSetting setting(node);
    if (setting.appointmentDay < 0 || setting.visitReasonList.size() > 64)
        return HandlerResult::fail(ErrInvalidParameter);
    for (const protocol::VisitReason &r : setting.visitReasonList) {
        if (r.visitReasonGuid.empty())
            return HandlerResult::fail(ErrInvalidParameter);
        if (r.Name.size() > ServerRules::kMaxNameText || r.visitReasonGuid.size() > ServerRules::kMaxText)
            return HandlerResult::fail(ErrTextTooLong);
    }
    if (!keepReasons)
        setting.visitReasonList.clear();
    protocol::JSONNodePtr stored(setting.toJSON());
    char *text = stored ? cJSON_PrintUnformatted(stored.get()) : nullptr;
    if (text == nullptr)
        return HandlerResult::fail(ErrInternal);
    const std::string body(text);
    cJSON_free(text);
    auto st = db.prepare("INSERT OR REPLACE INTO settings (id, body) VALUES (1, ?)");
    st->bind(1, body);
    if (!st->run())
        return HandlerResult::fail(ErrStorageFailed);
    return HandlerResult::ok();
}

} // namespace qorvaserver

#include "SiteSeeder.h"

#include "Database.h"
#include "ServerRules.h"

#include <Base/GuidUtil.h>
#include <Base/TimeUtil.h>

#include <ctime>
#include <string>
#include <unordered_set>
#include <vector>

namespace qorvaserver {
namespace {

struct OrgSeed
{
    const char *name;
    int parent; // index into the list; -1 for the root
};

struct PersonSeed
{
    const char *name;
    int gender;
    const char *phone;
    int org;
    bool receptionist;
};

const OrgSeed kOrgs[] = {
    {"Qorva Park 园区", -1},      {"总部 Headquarters", 0}, {"研发中心 R&D Centre", 0},
    {"行政部 Administration", 1}, {"前台 Front Desk", 1},  {"软件部 Software", 2},
    {"硬件部 Hardware", 2},
};

const PersonSeed kPersons[] = {
    {"张伟", 1, "13800138001", 3, true},       {"王芳", 2, "13800138002", 4, true},
    {"李娜", 2, "13800138003", 4, true},       {"刘洋", 1, "13800138004", 5, false},
    {"陈静", 2, "13800138005", 5, false},      {"杨磊", 1, "13800138006", 6, false},
    {"赵敏", 2, "13800138007", 6, false},      {"黄强", 1, "13800138008", 3, true},
    {"周婷", 2, "13800138009", 1, false},      {"吴刚", 1, "13800138010", 2, false},
    {"Emily Carter", 2, "+44 20 7946 0011", 4, true},
    {"James Miller", 1, "+1 415 555 0142", 5, false},
    {"Sophie Laurent", 2, "+33 1 70 18 99 00", 6, false},
    {"Lukas Becker", 1, "+49 30 901820", 5, false},
    {"Ana García", 2, "+34 912 345 678", 3, false},
    {"Oliver Smith", 1, "+44 161 496 0733", 1, false},
    {"孙悦", 2, "13800138017", 5, false},      {"马俊", 1, "13800138018", 6, false},
    {"Hannah Kim", 2, "+82 2 312 3456", 2, true},
    {"郭晓明", 1, "13800138020", 0, false},
};

struct DeviceSeed
{
    const char *name;
    int type;
    const char *ip;
    bool online;
    const char *serial;
    int doors;
};

const DeviceSeed kDevices[] = {
    {"Main Entrance Controller", 108, "192.168.10.21", true, "AC108-20240117-0001", 4},
    {"R&D Building Controller", 109, "192.168.10.22", true, "AC109-20240302-0117", 2},
    {"Warehouse Controller", 102, "192.168.10.23", false, "AC102-20230911-0045", 2},
};

const char *const kDoorNames[][4] = {
    {"Lobby Gate 1 大堂闸机1", "Lobby Gate 2 大堂闸机2", "Visitor Lift 访客电梯", "Car Park Barrier 停车场道闸"},
    {"R&D Main Door 研发楼正门", "Lab Door 实验室门", "", ""},
    {"Warehouse Door 仓库门", "Loading Bay 装卸区", "", ""},
};

const char *const kAreas[] = {"Main Lobby 大堂", "R&D Area 研发区", "Warehouse 仓库"};

} // namespace

bool CSiteSeeder::seedSite(CDatabase &db)
{
    std::vector<std::string> orgGuids;
    auto org = db.prepare("INSERT INTO organizations (guid, parent_guid, name, sequence) VALUES (?, ?, ?, ?)");
    int sequence = 0;
    for (const OrgSeed &o : kOrgs) {
        orgGuids.push_back(Base::GuidUtil::CreateGuid());
        org->reset();
        org->bind(1, orgGuids.back())
            .bind(2, o.parent < 0 ? std::string() : orgGuids[static_cast<std::size_t>(o.parent)])
            .bind(3, std::string(o.name))
            .bind(4, ++sequence);
        if (!org->run())
            return false;
    }
    auto person = db.prepare("INSERT INTO persons (guid, org_guid, name, gender, phone, sn, receptionist) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)");
    int number = 0;
    for (const PersonSeed &p : kPersons) {
        person->reset();
        char sn[16];
        std::snprintf(sn, sizeof sn, "E%05d", ++number);
        person->bind(1, Base::GuidUtil::CreateGuid())
            .bind(2, orgGuids[static_cast<std::size_t>(p.org)])
            .bind(3, std::string(p.name))
            .bind(4, p.gender)
            .bind(5, std::string(p.phone))
            .bind(6, std::string(sn))
            .bind(7, p.receptionist ? 1 : 0);
        if (!person->run())
            return false;
    }
    std::vector<std::string> areaGuids;
    auto area = db.prepare("INSERT INTO resource_groups (guid, name, sequence) VALUES (?, ?, ?)");
    sequence = 0;
    for (const char *name : kAreas) {
        areaGuids.push_back(Base::GuidUtil::CreateGuid());
        area->reset();
        area->bind(1, areaGuids.back()).bind(2, std::string(name)).bind(3, ++sequence);
        if (!area->run())
            return false;
    }
    auto device = db.prepare("INSERT INTO devices (guid, name, type, ip, port, online, serial_no, failing) "
                             "VALUES (?, ?, ?, ?, 8000, ?, ?, 0)");
    auto door = db.prepare("INSERT INTO doors (guid, name, device_guid, door_no, group_guid) VALUES (?, ?, ?, ?, ?)");
    for (std::size_t d = 0; d < sizeof(kDevices) / sizeof(kDevices[0]); ++d) {
        const DeviceSeed &s = kDevices[d];
        const std::string guid = Base::GuidUtil::CreateGuid();
        device->reset();
        device->bind(1, guid).bind(2, std::string(s.name)).bind(3, s.type).bind(4, std::string(s.ip))
            .bind(5, s.online ? 1 : 0).bind(6, std::string(s.serial));
        if (!device->run())
            return false;
        for (int n = 0; n < s.doors; ++n) {
            door->reset();
            // The lift and the barrier of the entrance controller belong to the R&D area too.
            const std::string &group = areaGuids[d == 0 && n >= 2 ? 1 : d];
            door->bind(1, Base::GuidUtil::CreateGuid()).bind(2, std::string(kDoorNames[d][n]))
                .bind(3, guid).bind(4, n + 1).bind(5, group);
            if (!door->run())
                return false;
        }
    }
    return true;
}

bool CSiteSeeder::seedAppointments(CDatabase &db, int count)
{
    std::vector<std::pair<std::string, std::string>> receptionists;
    {
        auto q = db.prepare("SELECT guid, name FROM persons WHERE receptionist = 1 ORDER BY name");
        while (q->step())
            receptionists.emplace_back(q->text(0), q->text(1));
    }
    if (receptionists.empty())
        receptionists.emplace_back(std::string(), std::string("Reception"));
    // Codes are random ten-digit numbers: among ten thousand, two alike turn up about once in two
    // hundred seedings, and the column is unique.
    std::unordered_set<std::string> codes;
    {
        auto q = db.prepare("SELECT auth_code FROM appointments");
        while (q->step())
            codes.insert(q->text(0));
    }
    auto insert = db.prepare(
        "INSERT INTO appointments (guid, auth_code, name, gender, phone, visit_expect, leave_expect, "
        "visit_reason_id, visit_reason, receptionist_id, receptionist_name, receptionist_number, "
        "receptionist_department, access_groups, accompanying, identity_type, identity_code, plate_code, "
        "company, belongings, address, remark) VALUES (?, ?, ?, ?, ?, ?, ?, '', 'meeting', ?, ?, '', "
        "'Front Desk', '', ?, 0, ?, '', ?, '', '', '')");
    const std::time_t base = std::time(nullptr);
    const char *const surnames[] = {"王", "李", "Smith", "陈", "Garcia", "赵", "Novak", "林"};
    for (int i = 0; i < count; ++i) {
        const auto &r = receptionists[static_cast<std::size_t>(i) % receptionists.size()];
        const std::time_t visit = base + 3600 * (i % 240);
        std::string code = ServerRules::newReservationCode();
        while (!codes.insert(code).second)
            code = ServerRules::newReservationCode();
        insert->reset();
        insert->bind(1, Base::GuidUtil::CreateGuid())
            .bind(2, code)
            .bind(3, std::string(surnames[i % 8]) + " Visitor " + std::to_string(i + 1))
            .bind(4, 1 + i % 2)
            .bind(5, "139" + std::to_string(10000000 + i))
            .bind(6, Base::TimeUtil::TimeT2LocalTimeStrISO(visit))
            .bind(7, Base::TimeUtil::TimeT2LocalTimeStrISO(visit + 7200))
            .bind(8, r.first)
            .bind(9, r.second)
            .bind(10, i % 3)
            .bind(11, std::to_string(110101199001010000LL + i))
            .bind(12, std::string("Company ") + std::to_string(i % 50));
        if (!insert->run())
            return false;
    }
    return true;
}

bool CSiteSeeder::seedRecords(CDatabase &db, int count)
{
    auto insert = db.prepare(
        "INSERT INTO visitor_records (guid, appointment_guid, auth_code, name, gender, phone, card_no, "
        "visit_time, leave_time, visit_reason_id, visit_reason_name, org_path, receptionist_id, "
        "receptionist_name, access_groups, accompanying, identity_type, identity_code, plate_code, company, "
        "belongings, address, remark, state, register_status, download_result, appointment_visit_time, "
        "appointment_leave_time) VALUES (?, '', ?, ?, ?, ?, '', ?, ?, '', 'meeting', 'Qorva Park 园区', '', "
        "'王芳', '', 0, 0, '', '', 'Company', '', '', '', ?, ?, 1, ?, ?)");
    const std::time_t now = std::time(nullptr);
    for (int i = 0; i < count; ++i) {
        const std::time_t visit = now - 365 * 86400 + static_cast<std::time_t>(i) * 311 % (365 * 86400);
        const bool signedOff = i % 3 != 0;
        const std::string visitText = Base::TimeUtil::TimeT2LocalTimeStrISO(visit);
        insert->reset();
        insert->bind(1, Base::GuidUtil::CreateGuid())
            .bind(2, ServerRules::newReservationCode())
            .bind(3, std::string(i % 2 ? "访客" : "Guest ") + std::to_string(i + 1))
            .bind(4, 1 + i % 2)
            .bind(5, "137" + std::to_string(10000000 + i))
            .bind(6, visitText)
            .bind(7, signedOff ? Base::TimeUtil::TimeT2LocalTimeStrISO(visit + 5400) : std::string())
            .bind(8, signedOff ? ServerRules::StateSignOff : ServerRules::StateRegistered)
            .bind(9, std::string(ServerRules::stateName(signedOff ? ServerRules::StateSignOff
                                                               : ServerRules::StateRegistered)))
            .bind(10, visitText)
            .bind(11, Base::TimeUtil::TimeT2LocalTimeStrISO(visit + 7200));
        if (!insert->run())
            return false;
    }
    return true;
}

namespace {

// The first area takes firstAreaDoors doors (when set), the others share the rest in turn.
int areaOfDoor(int doorIndex, int areas, int firstAreaDoors)
{
    if (firstAreaDoors <= 0 || areas < 2)
        return doorIndex % areas;
    return doorIndex < firstAreaDoors ? 0 : 1 + (doorIndex - firstAreaDoors) % (areas - 1);
}

} // namespace

bool CSiteSeeder::seedLargeSite(CDatabase &db, int organizations, int persons, int areas,
                                int devices, int doors, int firstAreaDoors)
{
    for (const char *table : {"access_group_doors", "qr_configs", "doors", "devices",
                              "resource_groups", "persons", "organizations"}) {
        if (!db.exec((std::string("DELETE FROM ") + table).c_str()))
            return false;
    }
    // A root, then ten departments under it, then teams under the departments in turn.
    std::vector<std::string> orgGuids;
    auto org = db.prepare(
        "INSERT INTO organizations (guid, parent_guid, name, sequence) VALUES (?, ?, ?, ?)");
    for (int i = 0; i < organizations; ++i) {
        orgGuids.push_back(Base::GuidUtil::CreateGuid());
        const int parent = i == 0 ? -1 : (i <= 10 ? 0 : 1 + (i - 11) % 10);
        const std::string name = i == 0 ? std::string("Site 园区")
                                        : (i <= 10 ? "Department " : "Team ") + std::to_string(i);
        org->reset();
        org->bind(1, orgGuids.back())
            .bind(2, parent < 0 ? std::string() : orgGuids[static_cast<std::size_t>(parent)])
            .bind(3, name)
            .bind(4, i + 1);
        if (!org->run())
            return false;
    }
    auto person =
        db.prepare("INSERT INTO persons (guid, org_guid, name, gender, phone, sn, receptionist) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < persons; ++i) {
        char sn[16];
        std::snprintf(sn, sizeof sn, "P%06d", i + 1);
        person->reset();
        person->bind(1, Base::GuidUtil::CreateGuid())
            .bind(2, orgGuids[static_cast<std::size_t>(i % organizations)])
            .bind(3, "Person " + std::to_string(i + 1) + (i % 2 ? " 员工" : ""))
            .bind(4, 1 + i % 2)
            .bind(5, "136" + std::to_string(10000000 + i))
            .bind(6, std::string(sn))
            .bind(7, i % 10 == 0 ? 1 : 0);
        if (!person->run())
            return false;
    }
    std::vector<std::string> areaGuids;
    auto area = db.prepare("INSERT INTO resource_groups (guid, name, sequence) VALUES (?, ?, ?)");
    for (int i = 0; i < areas; ++i) {
        areaGuids.push_back(Base::GuidUtil::CreateGuid());
        area->reset();
        area->bind(1, areaGuids.back())
            .bind(2, "Area " + std::to_string(i + 1) + " 区域")
            .bind(3, i + 1);
        if (!area->run())
            return false;
    }
    static const int kTypes[] = {108, 109, 102};
    auto device =
        db.prepare("INSERT INTO devices (guid, name, type, ip, port, online, serial_no, failing) "
                   "VALUES (?, ?, ?, ?, 8000, ?, ?, 0)");
    auto door = db.prepare(
        "INSERT INTO doors (guid, name, device_guid, door_no, group_guid) VALUES (?, ?, ?, ?, ?)");
    int doorIndex = 0;
    for (int d = 0; d < devices; ++d) {
        const std::string guid = Base::GuidUtil::CreateGuid();
        char ip[32];
        std::snprintf(ip, sizeof ip, "10.%d.%d.%d", 1 + d / 62500, (d / 250) % 250, 1 + d % 250);
        device->reset();
        device->bind(1, guid)
            .bind(2, "Controller " + std::to_string(d + 1))
            .bind(3, kTypes[d % 3])
            .bind(4, std::string(ip))
            .bind(5, d % 7 == 6 ? 0 : 1)
            .bind(6, "AC" + std::to_string(kTypes[d % 3]) + "-" + std::to_string(100000 + d));
        if (!device->run())
            return false;
        // The doors share out evenly; the first devices take one more when it does not divide.
        const int own = doors / devices + (d < doors % devices ? 1 : 0);
        for (int n = 0; n < own; ++n, ++doorIndex) {
            door->reset();
            door->bind(1, Base::GuidUtil::CreateGuid())
                .bind(2, "Door " + std::to_string(doorIndex + 1) + " 门")
                .bind(3, guid)
                .bind(4, n + 1)
                .bind(5, areaGuids[static_cast<std::size_t>(
                             areaOfDoor(doorIndex, areas, firstAreaDoors))]);
            if (!door->run())
                return false;
        }
    }
    return true;
}

} // namespace qorvaserver

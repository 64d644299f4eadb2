#include "DirectoryHandler.h"

#include "Database.h"
#include "ServerRules.h"

#include <JSONStruct/device/CommonAcsAbility.h>
#include <JSONStruct/device/QRCodeEncryptionCfg.h>
#include <JSONStruct/device/TemplateTest.h>
#include <JSONStruct/device/TemplateTestRspData.h>
#include <JSONStruct/framework_services/AcsAbilityQuery.h>
#include <JSONStruct/framework_services/DeviceListData.h>
#include <JSONStruct/framework_services/OrganizationTreeData.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/QueryDeviceCondition.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>
#include <JSONStruct/framework_services/ResourceGroupListData.h>
#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>

#include <Base/StringUtil.h>

#include <algorithm>
#include <set>

namespace qorvaserver {
namespace {

using namespace protocol::routes;

const char *const kEncryptType = "AES128_CBC";

// LIKE pattern that matches text as a plain substring ('\' escapes the wildcards).
std::string containsPattern(const std::string &text)
{
    std::string pattern = "%";
    for (char c : text) {
        if (c == '%' || c == '_' || c == '\\')
            pattern += '\\';
        pattern += c;
    }
    return pattern + "%";
}

struct OrgRow
{
    std::string parent;
    std::string name;
};

} // namespace

std::map<std::string, std::string> CDirectoryHandler::organizationPaths(CDatabase &db)
{
    std::map<std::string, OrgRow> rows;
    auto st = db.prepare("SELECT guid, parent_guid, name FROM organizations");
    while (st->step())
        rows[st->text(0)] = OrgRow{st->text(1), st->text(2)};
    std::map<std::string, std::string> paths;
    for (const auto &entry : rows) {
        std::string path = entry.second.name;
        std::string parent = entry.second.parent;
        for (int depth = 0; !parent.empty() && depth < 64; ++depth) { // a cycle cannot loop
            const auto up = rows.find(parent);
            if (up == rows.end())
                break;
            path = up->second.name + "/" + path;
            parent = up->second.parent;
        }
        paths[entry.first] = path;
    }
    return paths;
}

HandlerResult CDirectoryHandler::findPersons(CDatabase &db, const cJSON *node)
{
    using protocol::personnelcommon::QueryPerson;
    const cJSON *list = protocol::fieldrules::findMember(node, "personnelList");
    if (!ServerRules::typesMatch<QueryPerson>(node) ||
        (list != nullptr && !ServerRules::typesMatch<protocol::personnelcommon::PersonnelList>(list)))
        return HandlerResult::fail(ErrInvalidParameter);
    const QueryPerson query(node);
    bool basic = false;
    bool orgInfo = false;
    for (const std::string &part : Base::StringUtil::SplitString(query.queryType, ",")) {
        if (part == "basic")
            basic = true;
        else if (part == "orgInfo")
            orgInfo = true;
        else
            return HandlerResult::fail(ErrInvalidParameter);
    }
    const std::vector<std::string> &ids = query.personnelList.guidList;
    if (!basic && !orgInfo)
        return HandlerResult::fail(ErrInvalidParameter);
    if (ids.empty() && query.name_.empty())
        return HandlerResult::fail(ErrInvalidParameter);
    if (query.name_.size() > ServerRules::kMaxNameText)
        return HandlerResult::fail(ErrInvalidParameter);
    // At most one page of persons per request.
    if (ids.size() > static_cast<std::size_t>(ServerRules::kMaxPageSize))
        return HandlerResult::fail(ErrPageOutOfRange);

    std::map<std::string, std::string> paths = organizationPaths(db);
    auto answer = std::make_shared<protocol::personnelcommon::TotalData>();
    auto fill = [&](CDatabase::Statement &st) {
        while (st.step()) {
            protocol::personnelcommon::PersonnelResp person;
            if (basic) {
                person.basic.guid = st.text(0);
                person.basic.orgGUID = st.text(1);
                person.basic.name = st.text(2);
                person.basic.gender = st.int32(3);
                person.basic.phone = st.text(4);
                person.basic.sn = st.text(5);
            }
            if (orgInfo) {
                const auto path = paths.find(st.text(1));
                person.personnelOrgInfo.path = path != paths.end() ? path->second : std::string();
            }
            answer->personnelResponse.push_back(std::move(person));
        }
    };
    if (!ids.empty()) {
        auto st = db.prepare("SELECT guid, org_guid, name, gender, phone, sn FROM persons WHERE guid = ?");
        std::set<std::string> seen;
        for (const std::string &id : ids) {
            if (!seen.insert(id).second)
                continue;
            st->reset();
            st->bind(1, id);
            fill(*st);
        }
    } else {
        auto st = db.prepare("SELECT guid, org_guid, name, gender, phone, sn FROM persons "
                             "WHERE name LIKE ? ESCAPE '\\' ORDER BY name LIMIT 500");
        st->bind(1, containsPattern(query.name_));
        fill(*st);
    }
    answer->total = static_cast<std::int32_t>(answer->personnelResponse.size());
    answer->pageNo = 1;
    answer->pageSize = answer->total;
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::organizationTree(CDatabase &db)
{
    std::map<std::string, std::string> paths = organizationPaths(db);
    auto answer = std::make_shared<protocol::OrganizationTreeData>();
    auto st = db.prepare("SELECT guid, parent_guid, name, sequence FROM organizations ORDER BY sequence");
    while (st->step()) {
        protocol::OrganizationNode org;
        org.guid = st->text(0);
        org.parentGuid = st->text(1);
        org.name = st->text(2);
        org.sequence = st->int32(3);
        org.path = paths[org.guid];
        answer->organizationList.push_back(std::move(org));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::orgPersons(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::QueryOrgPersons>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QueryOrgPersons query(node);
    if (!ServerRules::pageValid(query.pageNo, query.pageSize))
        return HandlerResult::fail(ErrPageOutOfRange);
    if (query.personName.size() > ServerRules::kMaxNameText)
        return HandlerResult::fail(ErrTextTooLong);
    std::map<std::string, std::string> paths = organizationPaths(db);
    std::set<std::string> orgs; // empty: every organisation
    if (!query.orgGuid.empty()) {
        const auto root = paths.find(query.orgGuid);
        if (root == paths.end())
            return HandlerResult::fail(ErrNotFound);
        for (const auto &p : paths) {
            if (p.first == query.orgGuid ||
                (query.containChildren && p.second.compare(0, root->second.size() + 1, root->second + "/") == 0))
                orgs.insert(p.first);
        }
    }
    auto st = db.prepare("SELECT guid, org_guid, name, gender, phone, sn FROM persons "
                         "WHERE name LIKE ? ESCAPE '\\' ORDER BY name");
    st->bind(1, containsPattern(query.personName));
    std::vector<protocol::PersonNode> all;
    while (st->step()) {
        protocol::PersonNode p;
        p.guid = st->text(0);
        p.orgGuid = st->text(1);
        if (!orgs.empty() && orgs.count(p.orgGuid) == 0)
            continue;
        p.name = st->text(2);
        p.gender = st->int32(3);
        p.phone = st->text(4);
        p.sn = st->text(5);
        p.orgPath = paths[p.orgGuid];
        all.push_back(std::move(p));
    }
    auto answer = std::make_shared<protocol::PersonListData>();
    answer->total = static_cast<std::int32_t>(all.size());
    answer->pageNo = query.pageNo;
    answer->pageSize = query.pageSize;
    const std::size_t first = static_cast<std::size_t>(query.pageNo - 1) * static_cast<std::size_t>(query.pageSize);
    for (std::size_t i = first; i < all.size() && i < first + static_cast<std::size_t>(query.pageSize); ++i)
        answer->personList.push_back(std::move(all[i]));
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::devices(CDatabase &db, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::QueryDeviceCondition>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QueryDeviceCondition query(node);
    const std::set<std::int32_t> types(query.deviceTypeList.begin(), query.deviceTypeList.end());
    auto answer = std::make_shared<protocol::DeviceListData>();
    auto st = db.prepare("SELECT guid, name, type, ip, port, online, serial_no FROM devices ORDER BY rowid");
    while (st->step()) {
        protocol::DeviceNode d;
        d.type = st->int32(2);
        if (!types.empty() && types.count(d.type) == 0)
            continue;
        d.guid = st->text(0);
        d.name = st->text(1);
        d.ip = st->text(3);
        d.port = st->int32(4);
        d.online = st->int32(5) != 0;
        d.serialNo = st->text(6);
        answer->deviceList.push_back(std::move(d));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::resourceGroups(CDatabase &db)
{
    auto answer = std::make_shared<protocol::ResourceGroupListData>();
    auto groups = db.prepare("SELECT guid, name, sequence FROM resource_groups ORDER BY sequence");
    auto doors = db.prepare("SELECT d.guid, d.name, d.device_guid, d.door_no, v.online FROM doors d "
                            "JOIN devices v ON v.guid = d.device_guid WHERE d.group_guid = ? ORDER BY d.rowid");
    while (groups->step()) {
        protocol::ResourceGroupNode g;
        g.guid = groups->text(0);
        g.name = groups->text(1);
        g.sequence = groups->int32(2);
        doors->reset();
        doors->bind(1, g.guid);
        while (doors->step()) {
            protocol::DoorNode d;
            d.guid = doors->text(0);
            d.name = doors->text(1);
            d.deviceGuid = doors->text(2);
            d.doorNo = doors->int32(3);
            d.groupGuid = g.guid;
            d.online = doors->int32(4) != 0;
            g.doorList.push_back(std::move(d));
        }
        answer->resourceGroupList.push_back(std::move(g));
    }
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::acsCapabilities(CDatabase &db, const cJSON *node, const std::string &id)
{
    if (!ServerRules::typesMatch<protocol::AcsAbilityQuery>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    auto st = db.prepare("SELECT online FROM devices WHERE guid = ?");
    st->bind(1, id);
    if (!st->step())
        return HandlerResult::fail(ErrNotFound);
    if (st->int32(0) == 0)
        return HandlerResult::fail(ErrDeviceOffline);
    auto answer = std::make_shared<protocol::CommonAcsAbility>();
    answer->deviceGuid = id;
    answer->supportQRCodeEncryption = true;
    answer->encryptTypeList.push_back(kEncryptType);
    return HandlerResult::ok(answer);
}

HandlerResult CDirectoryHandler::setQRCodeConfig(CDatabase &db, const cJSON *node, const std::string &id)
{
    if (!ServerRules::typesMatch<protocol::QRCodeEncryptionCfg>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::QRCodeEncryptionCfg cfg(node);
    auto st = db.prepare("SELECT online, failing FROM devices WHERE guid = ?");
    st->bind(1, id);
    if (!st->step())
        return HandlerResult::fail(ErrNotFound);
    if (cfg.encryptType != kEncryptType)
        return HandlerResult::fail(ErrUnsupportedEncryption);
    if (cfg.key.size() != 32 || cfg.vector.size() != 32)
        return HandlerResult::fail(ErrInvalidParameter);
    if (st->int32(0) == 0)
        return HandlerResult::fail(ErrDeviceOffline);
    if (st->int32(1) != 0)
        return HandlerResult::fail(ErrDeviceRejected);
    auto save = db.prepare("INSERT OR REPLACE INTO qr_configs (device_guid, encrypt_type, key, vector, saved_at) "
                           "VALUES (?, ?, ?, ?, ?)");
    save->bind(1, id).bind(2, cfg.encryptType).bind(3, cfg.key).bind(4, cfg.vector).bind(5, ServerRules::now());
    if (!save->run())
        return HandlerResult::fail(ErrStorageFailed);
    return HandlerResult::ok();
}

HandlerResult CDirectoryHandler::templateTest(CDatabase &, const cJSON *node)
{
    if (!ServerRules::typesMatch<protocol::TemplateTest>(node))
        return HandlerResult::fail(ErrInvalidParameter);
    const protocol::TemplateTest request(node);
    if (request.name_.empty() || request.name_.size() > ServerRules::kMaxText)
        return HandlerResult::fail(ErrInvalidParameter);
    auto answer = std::make_shared<protocol::TemplateTestRspData>();
    answer->name = request.name_;
    answer->result = 1;
    return HandlerResult::ok(answer);
}

} // namespace qorvaserver

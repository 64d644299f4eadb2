// Access-point groups, devices, visitor records and the control operations through
// commlayer against a real server.

#include "ServerTestFixture.h"

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/AppointmentComm.h>
#include <CommunicationLayer/CDeviceComm.h>
#include <CommunicationLayer/CGetAcsCommonCap.h>
#include <CommunicationLayer/CGetSingleGroupComm.h>
#include <CommunicationLayer/COrganizationComm.h>
#include <CommunicationLayer/CResourceGroupComm.h>
#include <CommunicationLayer/CTemplateComm.h>
#include <CommunicationLayer/DownloadPermissionComm.h>
#include <CommunicationLayer/QRCodeCfgInterface.h>
#include <CommunicationLayer/RecordComm.h>
#include <CommunicationLayer/VisitorConfigComm.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/Group.h>
#include <JSONStruct/accessgroup/QueryGroupCondition.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupAddedResult.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyParam.h>
#include <JSONStruct/accessgroup/VisitAccessGroupModifyResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>
#include <JSONStruct/accessgroup/VisitorRightConfig.h>
#include <JSONStruct/accessgroup/VisitorRightConfigResultData.h>
#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/device/CommonAcsAbility.h>
#include <JSONStruct/device/QRCodeEncryptionCfg.h>
#include <JSONStruct/device/TemplateTest.h>
#include <JSONStruct/device/TemplateTestRspData.h>
#include <JSONStruct/framework_services/DeviceListData.h>
#include <JSONStruct/framework_services/ElementNotifyData.h>
#include <JSONStruct/framework_services/OrganizationTreeData.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/QueryDeviceCondition.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>
#include <JSONStruct/framework_services/ResourceGroupListData.h>
#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

#include <Base/TimeUtil.h>

#include <ctime>
#include <map>

using namespace servertest;
using commlayer::AccessGroupPointComm;

namespace {

protocol::DeviceNode deviceOfType(int type)
{
    protocol::DeviceListData devices;
    protocol::QueryDeviceCondition c;
    c.deviceTypeList = {type};
    EXPECT_TRUE(commlayer::CDeviceComm::getDevices(devices, c));
    EXPECT_EQ(devices.deviceList.size(), 1u);
    return devices.deviceList.empty() ? protocol::DeviceNode() : devices.deviceList[0];
}

std::vector<protocol::DoorNode> doorsOf(const std::string &deviceGuid)
{
    protocol::ResourceGroupListData groups;
    EXPECT_TRUE(commlayer::CResourceGroupComm::getResourceGroups(groups));
    std::vector<protocol::DoorNode> doors;
    for (const auto &g : groups.resourceGroupList)
        for (const auto &d : g.doorList)
            if (deviceGuid.empty() || d.deviceGuid == deviceGuid)
                doors.push_back(d);
    return doors;
}

protocol::VisitAaccessGroupAddParam groupOf(const std::string &name, const std::vector<protocol::DoorNode> &doors,
                                            int defaultGroup = 0)
{
    protocol::VisitAaccessGroupAddParam p;
    p.name_ = name;
    p.defaultGroup = defaultGroup;
    p.QRCodeVersion = 1;
    for (const auto &d : doors) {
        protocol::VisitObjectAdd o;
        o.deviceGuid = d.deviceGuid;
        o.objectGuid = d.guid;
        o.objGroupGuid = d.groupGuid;
        o.objectName = d.name;
        o.objectNo = d.doorNo;
        p.visitObjectAddList.push_back(o);
    }
    return p;
}

std::string createGroup(const protocol::VisitAaccessGroupAddParam &p)
{
    protocol::VisitAccessGroupAddedResult r;
    EXPECT_TRUE(AccessGroupPointComm::createAccessGroup(r, p)) << p.name_ << " " << Base::Error::GetLastError().toString();
    return r.accessGroupGuid;
}

// Adds an appointment granting groups; returns its reservation code.
std::string appointmentWith(const std::string &name, const std::string &groups)
{
    protocol::AddAppointment request;
    protocol::Appointment a;
    a.name_ = name;
    a.accessPointGroup = groups;
    request.appointmentList.push_back(a);
    protocol::AddAppointmentResultListData r;
    EXPECT_TRUE(commlayer::AppointmentComm::addAppointment(r, request));
    return r.addAppointmentResultList.empty() ? std::string() : r.addAppointmentResultList[0].code;
}

std::vector<protocol::DeleteAccessPointGroupRe> removeGroups(const std::vector<std::string> &ids)
{
    protocol::DeleteAccessPointGroupCondition c;
    c.deleteAccessPointGroupIDList = ids;
    protocol::DeleteAccessPointGroupResultData r;
    EXPECT_TRUE(AccessGroupPointComm::removeAccessGroup(r, c));
    return r.deleteAccessPointGroupResult;
}

protocol::QueryVisitorRecordResultList records(protocol::QueryVisitorRecordCondition c)
{
    if (c.pageNo == 0)
        c.pageNo = 1;
    if (c.pageSize == 0)
        c.pageSize = 50;
    protocol::QueryVisitorRecordResultListData data;
    EXPECT_TRUE(commlayer::RecordComm::getRecord(data, c)) << Base::Error::GetLastError().toString();
    return data.queryVisitorRecordResultList;
}

} // namespace

TEST_F(ServerTest, SeededSiteServesFrameworkData)
{
    protocol::OrganizationTreeData tree;
    ASSERT_TRUE(commlayer::COrganizationComm::getOrganizationTree(tree));
    int depth3 = 0;
    for (const auto &o : tree.organizationList)
        depth3 += std::count(o.path.begin(), o.path.end(), '/') == 2 ? 1 : 0;
    EXPECT_GT(depth3, 0);

    protocol::DeviceListData devices;
    ASSERT_TRUE(commlayer::CDeviceComm::getDevices(devices, protocol::QueryDeviceCondition()));
    ASSERT_EQ(devices.deviceList.size(), 3u);
    int offline = 0;
    for (const auto &d : devices.deviceList)
        offline += d.online ? 0 : 1;
    EXPECT_EQ(offline, 1);
    EXPECT_FALSE(deviceOfType(102).online);
    EXPECT_TRUE(deviceOfType(108).online);
    EXPECT_FALSE(doorsOf("").empty());

    protocol::QueryOrgPersons q;
    q.orgGuid = tree.organizationList.at(0).guid; // the root
    q.containChildren = true;
    q.pageNo = 2;
    q.pageSize = 5;
    protocol::PersonListData persons;
    ASSERT_TRUE(commlayer::COrganizationComm::getPersons(persons, q));
    EXPECT_GE(persons.total, 18);
    EXPECT_EQ(persons.personList.size(), 5u);
    q.pageSize = 501;
    EXPECT_FALSE(commlayer::COrganizationComm::getPersons(persons, q));
    EXPECT_EQ(lastError(), "20-6");
    q.pageSize = 5;
    q.orgGuid = "ffffffffffffffffffffffffffffffff";
    EXPECT_FALSE(commlayer::COrganizationComm::getPersons(persons, q));
    EXPECT_EQ(lastError(), "20-8");
}

TEST_F(ServerTest, GroupNamesAreUniqueCaseSensitiveAndOneDefault)
{
    const auto doors = doorsOf(deviceOfType(108).guid);
    const std::string lobby = createGroup(groupOf("Lobby", doors, 1));
    ASSERT_EQ(lobby.size(), 32u);
    EXPECT_FALSE(createGroup(groupOf("lobby", {})).empty()) << "another case is another name";

    protocol::VisitAccessGroupAddedResult r;
    EXPECT_FALSE(AccessGroupPointComm::createAccessGroup(r, groupOf("Lobby", {})));
    EXPECT_EQ(lastError(), "20-9");
    EXPECT_FALSE(AccessGroupPointComm::createAccessGroup(r, groupOf("Second default", {}, 1)));
    EXPECT_EQ(lastError(), "20-12");
    auto unknownDoor = groupOf("Ghost", {});
    unknownDoor.visitObjectAddList.emplace_back();
    unknownDoor.visitObjectAddList.back().objectGuid = "0123456789abcdef0123456789abcdef";
    EXPECT_FALSE(AccessGroupPointComm::createAccessGroup(r, unknownDoor));
    EXPECT_EQ(lastError(), "20-8");
    EXPECT_FALSE(AccessGroupPointComm::createAccessGroup(r, groupOf(std::string(129, 'g'), {})));
    EXPECT_EQ(lastError(), "20-7");

    protocol::VisitAccessGroupQueryResponseData list;
    ASSERT_TRUE(AccessGroupPointComm::getAccessGroups(list));
    ASSERT_EQ(list.visitAccessGroupQueryResponse.size(), 2u);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].name, "Lobby");
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].defaultGroup, 1);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].vistObjectResList.size(), doors.size());
}

TEST_F(ServerTest, ModifyReplacesDoorsAndKeepsItsOwnName)
{
    const auto doors = doorsOf("");
    ASSERT_GE(doors.size(), 3u);
    const std::string id = createGroup(groupOf("Visitors", {doors[0], doors[1]}, 1));
    createGroup(groupOf("Other", {}));

    protocol::VisitAccessGroupModifyParam m;
    m.name_ = "Visitors";
    m.defaultGroup = 1;
    m.description = "lift only";
    protocol::ObjectModify o;
    o.objectGuid = doors[2].guid;
    m.objectModifyList.push_back(o);
    protocol::VisitAccessGroupModifyResultData r;
    ASSERT_TRUE(AccessGroupPointComm::modifyAccessGroup(r, m, id));
    EXPECT_EQ(r.visitAccessGroupModifyResult.code, "0-0");

    protocol::VisitAccessGroupQueryResponseData list;
    ASSERT_TRUE(AccessGroupPointComm::getAccessGroups(list));
    ASSERT_EQ(list.visitAccessGroupQueryResponse[0].vistObjectResList.size(), 1u);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].vistObjectResList[0].objectGuid, doors[2].guid);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].vistObjectResList[0].objectName, doors[2].name);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].description, "lift only");

    m.name_ = "Other";
    EXPECT_FALSE(AccessGroupPointComm::modifyAccessGroup(r, m, id));
    EXPECT_EQ(lastError(), "20-9");
    EXPECT_FALSE(AccessGroupPointComm::modifyAccessGroup(r, m, "ffffffffffffffffffffffffffffffff"));
    EXPECT_EQ(lastError(), "20-8");
}

TEST_F(ServerTest, DeleteGivesPerGroupCodesAndKeepsGroupsInUse)
{
    const std::string used = createGroup(groupOf("Used", doorsOf("")));
    const std::string unused = createGroup(groupOf("Unused", {}));
    appointmentWith("Visitor", used);
    const auto result = removeGroups({used, unused, "ffffffffffffffffffffffffffffffff"});
    ASSERT_EQ(result.size(), 3u);
    EXPECT_EQ(result[0].code, "20-11");
    EXPECT_EQ(result[1].code, "0-0");
    EXPECT_EQ(result[2].code, "20-8");
    protocol::VisitAccessGroupQueryResponseData list;
    ASSERT_TRUE(AccessGroupPointComm::getAccessGroups(list));
    ASSERT_EQ(list.visitAccessGroupQueryResponse.size(), 1u);
    EXPECT_EQ(list.visitAccessGroupQueryResponse[0].accessGroupGuid, used);
}

TEST_F(ServerTest, RightSyncAnswersPerDeviceAndOfflineFails)
{
    const auto offline = deviceOfType(102);
    const auto failing = deviceOfType(109);
    ASSERT_EQ(server->setDeviceFailing(failing.guid, true), 0u);
    protocol::VisitorRightConfigResultData r;
    ASSERT_TRUE(commlayer::VisitorConfigComm::setConfig(r, protocol::VisitorRightConfig()));
    const auto &results = r.visitorRightConfigResult.rightListResult;
    ASSERT_EQ(results.size(), 3u);
    for (const auto &d : results) {
        if (d.guid == offline.guid) {
            EXPECT_EQ(d.result, 0);
            EXPECT_EQ(d.ip, offline.ip);
            EXPECT_EQ(d.port, offline.port);
            EXPECT_EQ(d.code, "20-13");
        } else if (d.guid == failing.guid) {
            EXPECT_EQ(d.result, 0);
            EXPECT_EQ(d.code, "20-14");
        } else {
            EXPECT_EQ(d.result, 1);
        }
    }
}

TEST_F(ServerTest, SingleGroupLookup)
{
    const auto door = doorsOf("").at(0);
    protocol::QueryGroupCondition c;
    c.containElements = true;
    protocol::Group g;
    ASSERT_TRUE(commlayer::CGetSingleGroupComm::request(g, door.groupGuid, c));
    EXPECT_EQ(g.guid, door.groupGuid);
    EXPECT_FALSE(g.name.empty());
    EXPECT_FALSE(g.elementList.empty());
    EXPECT_FALSE(commlayer::CGetSingleGroupComm::request(g, "ffffffffffffffffffffffffffffffff", c));
    EXPECT_EQ(lastError(), "20-8");
}

TEST_F(ServerTest, QRCodeConfigurationIsValidated)
{
    const std::string online = deviceOfType(108).guid;
    const std::string offline = deviceOfType(102).guid;
    const std::string key(32, 'k');
    struct Case
    {
        const char *what;
        std::string device, type, key, vector;
        const char *error; // nullptr: success
    };
    const Case cases[] = {
        {"valid", online, "AES128_CBC", key, key, nullptr},
        {"other cipher", online, "AES256_CBC", key, key, "20-15"},
        {"short key", online, "AES128_CBC", std::string(31, 'k'), key, "20-5"},
        {"long vector", online, "AES128_CBC", key, std::string(33, 'v'), "20-5"},
        {"offline", offline, "AES128_CBC", key, key, "20-13"},
        {"unknown", "ffffffffffffffffffffffffffffffff", "AES128_CBC", key, key, "20-8"},
    };
    for (const Case &c : cases) {
        protocol::QRCodeEncryptionCfg cfg;
        cfg.encryptType = c.type;
        cfg.key = c.key;
        cfg.vector = c.vector;
        const bool ok = commlayer::cfginterface::setQRCodeEncryptionCfg(c.device, cfg);
        EXPECT_EQ(ok, c.error == nullptr) << c.what;
        if (c.error != nullptr) {
            EXPECT_EQ(lastError(), c.error) << c.what;
        }
    }
    // Only the accepted configuration is stored, and the device listing shows it.
    const auto devices = server->list("devices");
    ASSERT_EQ(devices.at(0).at(8), "key");
    for (std::size_t i = 1; i < devices.size(); ++i) {
        const auto &row = devices[i];
        const bool stored = row[0] == online;
        EXPECT_EQ(row[7], stored ? "AES128_CBC" : "") << row[1];
        EXPECT_EQ(row[8], stored ? key : "") << row[1];
    }
    protocol::CommonAcsAbility ability;
    ASSERT_TRUE(commlayer::CGetAcsCommonCap::request(ability, online, {"QRCodeEncryption"}));
    EXPECT_TRUE(ability.supportQRCodeEncryption);
    EXPECT_EQ(ability.encryptTypeList, std::vector<std::string>{"AES128_CBC"});
    EXPECT_FALSE(commlayer::CGetAcsCommonCap::request(ability, offline, {}));
    EXPECT_EQ(lastError(), "20-13");

    protocol::TemplateTest t;
    t.name_ = "badge";
    protocol::TemplateTestRspData tr;
    ASSERT_TRUE(commlayer::CTemplateComm::request(tr, t));
    EXPECT_EQ(tr.name, "badge");
}

TEST_F(ServerTest, CheckInAndOutProduceFilterableRecords)
{
    const std::string group = createGroup(groupOf("Lobby", doorsOf(deviceOfType(108).guid)));
    const std::string alice = appointmentWith("Alice Zhang 张", group);
    const std::string bob = appointmentWith("Bob", group);
    std::string aliceRecord;
    ASSERT_EQ(server->checkIn(alice, &aliceRecord), 0u);
    ASSERT_EQ(server->checkIn(bob), 0u);
    EXPECT_EQ(server->checkIn(alice), protocol::routes::ErrNameExists) << "already inside";
    EXPECT_EQ(server->checkIn("0000000000"), protocol::routes::ErrNotFound);
    ASSERT_EQ(server->checkOut(bob), 0u);
    EXPECT_EQ(server->checkOut(bob), protocol::routes::ErrNotFound) << "already signed off";

    protocol::QueryVisitorRecordCondition all;
    auto list = records(all);
    ASSERT_EQ(list.total, 2);

    protocol::QueryVisitorRecordCondition byName;
    byName.name_ = "Zhang";
    list = records(byName);
    ASSERT_EQ(list.total, 1);
    EXPECT_EQ(list.visitorRecordResultList[0].guid, aliceRecord);
    EXPECT_EQ(list.visitorRecordResultList[0].authCode, alice);
    ASSERT_EQ(list.visitorRecordResultList[0].visitGroupList.size(), 1u);
    EXPECT_EQ(list.visitorRecordResultList[0].visitGroupList[0].visitGroupName, "Lobby");
    EXPECT_EQ(list.visitorRecordResultList[0].DownloadResult, 1);

    protocol::QueryVisitorRecordCondition signedOff;
    signedOff.State = "signOff";
    list = records(signedOff);
    ASSERT_EQ(list.total, 1);
    EXPECT_EQ(list.visitorRecordResultList[0].name, "Bob");
    EXPECT_FALSE(list.visitorRecordResultList[0].leaveTime.empty());

    const std::time_t now = std::time(nullptr);
    protocol::QueryVisitorRecordCondition visitedNow;
    visitedNow.visitBeginTime = Base::TimeUtil::TimeT2LocalTimeStrISO(now - 3600);
    visitedNow.visitEndTime = Base::TimeUtil::TimeT2LocalTimeStrISO(now + 3600);
    EXPECT_EQ(records(visitedNow).total, 2);
    protocol::QueryVisitorRecordCondition leftLater;
    leftLater.leaveBeginTime = Base::TimeUtil::TimeT2LocalTimeStrISO(now + 3600);
    EXPECT_EQ(records(leftLater).total, 0);

    struct Bad
    {
        const char *what;
        protocol::QueryVisitorRecordCondition c;
        const char *error;
    };
    protocol::QueryVisitorRecordCondition badState;
    badState.State = "inside";
    protocol::QueryVisitorRecordCondition badTime;
    badTime.visitBeginTime = "2026-13-01T00:00:00";
    protocol::QueryVisitorRecordCondition bigPage;
    bigPage.pageSize = 501;
    for (Bad b : {Bad{"state", badState, "20-5"}, Bad{"time", badTime, "20-5"}, Bad{"page", bigPage, "20-6"}}) {
        if (b.c.pageNo == 0)
            b.c.pageNo = 1;
        if (b.c.pageSize == 0)
            b.c.pageSize = 10;
        protocol::QueryVisitorRecordResultListData data;
        EXPECT_FALSE(commlayer::RecordComm::getRecord(data, b.c)) << b.what;
        EXPECT_EQ(lastError(), b.error) << b.what;
    }
}

TEST_F(ServerTest, RecordPagesTileTheWholeListInEitherOrderAndFilter)
{
    ASSERT_EQ(server->seedRecords(23), 0u);
    for (const char *state : {"", "signOff"}) {
        std::vector<std::string> ascending;
        for (const bool descending : {false, true}) {
            protocol::QueryVisitorRecordCondition whole;
            whole.State = state;
            whole.descending = descending;
            whole.pageSize = 500;
            const auto expected = records(whole);
            ASSERT_EQ(expected.total, *state ? 15 : 23);
            std::vector<std::string> paged;
            protocol::QueryVisitorRecordCondition page = whole;
            page.pageSize = 4;
            for (page.pageNo = 1; page.pageNo <= 6; ++page.pageNo) {
                const auto list = records(page);
                EXPECT_EQ(list.total, expected.total);
                for (const auto &r : list.visitorRecordResultList) {
                    paged.push_back(r.guid);
                    if (*state) {
                        EXPECT_EQ(r.registerStatus, state);
                    }
                }
            }
            std::vector<std::string> guids;
            for (const auto &r : expected.visitorRecordResultList)
                guids.push_back(r.guid);
            EXPECT_EQ(paged, guids) << "state [" << state << "] descending " << descending;
            if (descending) {
                EXPECT_TRUE(
                    std::equal(guids.rbegin(), guids.rend(), ascending.begin(), ascending.end()));
            } else {
                ascending = guids;
            }
        }
    }
}

TEST_F(ServerTest, FailingDeviceYieldsErrorRecordsAndDownloadNotifies)
{
    const auto good = deviceOfType(108);
    const auto bad = deviceOfType(109);
    std::vector<protocol::DoorNode> doors = doorsOf(good.guid);
    for (const auto &d : doorsOf(bad.guid))
        doors.push_back(d);
    const std::string group = createGroup(groupOf("Everywhere", doors));
    ASSERT_EQ(server->setDeviceFailing(bad.guid, true), 0u);
    const std::string code = appointmentWith("Carol", group);
    std::string record;
    ASSERT_EQ(server->checkIn(code, &record), 0u);

    protocol::QueryVisitorRecordResultListData failed;
    ASSERT_TRUE(commlayer::RecordComm::getDownloadFailRecord(failed));
    ASSERT_EQ(failed.queryVisitorRecordResultList.visitorRecordResultList.size(), 1u);
    EXPECT_EQ(failed.queryVisitorRecordResultList.visitorRecordResultList[0].DownloadResult, 2);

    protocol::VisitorErrorRecordResponseData errors;
    ASSERT_TRUE(commlayer::RecordComm::getVisitorErrorRecord(errors, record));
    const auto &list = errors.visitorErrorRecordResponse.VisitorErrorRecordList;
    ASSERT_FALSE(list.empty());
    for (const auto &e : list) {
        EXPECT_EQ(e.DeviceGuid, bad.guid);
        EXPECT_EQ(e.ErrorCode, "20-14");
    }
    EXPECT_FALSE(commlayer::RecordComm::getVisitorErrorRecord(errors, "ffffffffffffffffffffffffffffffff"));
    EXPECT_EQ(lastError(), "20-8");

    // Once the device accepts again, a new download succeeds and is announced.
    ASSERT_EQ(server->setDeviceFailing(bad.guid, false), 0u);
    protocol::DownloadPermissionInfo info;
    info.visitorRecordList = {record};
    ASSERT_TRUE(commlayer::DownloadPermissionComm::downloadPermission(info));
    const auto notes = waitFor("downloadPermission", 1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].body.find(record), std::string::npos);
    EXPECT_NE(notes[0].body.find("\"result\":1"), std::string::npos) << notes[0].body;
    EXPECT_NE(notes[0].body.find("Everywhere"), std::string::npos);
    ASSERT_TRUE(server->waitIdle(10000));
    ASSERT_TRUE(commlayer::RecordComm::getDownloadFailRecord(failed));
    EXPECT_TRUE(failed.queryVisitorRecordResultList.visitorRecordResultList.empty());

    info.visitorRecordList = {"ffffffffffffffffffffffffffffffff"};
    EXPECT_FALSE(commlayer::DownloadPermissionComm::downloadPermission(info));
    EXPECT_EQ(lastError(), "20-8");
}

TEST_F(ServerTest, ControlOperationsNotifyAndDropDoorsOfRemovedDevices)
{
    const auto device = deviceOfType(108);
    const auto doors = doorsOf(device.guid);
    ASSERT_FALSE(doors.empty());
    const std::string group = createGroup(groupOf("Mixed", doorsOf("")));

    ASSERT_EQ(server->renameDoor(doors[0].guid, "North Gate 北门"), 0u);
    auto notes = waitFor("elementNameChanged", 1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].body.find(doors[0].guid), std::string::npos);
    EXPECT_NE(notes[0].body.find(doors[0].groupGuid), std::string::npos);
    EXPECT_EQ(doorsOf(device.guid)[0].name, "North Gate 北门");

    ASSERT_EQ(server->renameResourceGroup(doors[0].groupGuid, "Atrium"), 0u);
    notes = waitFor("groupNameChanged", 1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].body.find("Atrium"), std::string::npos);

    ASSERT_EQ(server->removeDevice(device.guid), 0u);
    notes = waitFor("deviceRemoved", 1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].body.find(device.guid), std::string::npos);
    EXPECT_TRUE(doorsOf(device.guid).empty());
    protocol::VisitAccessGroupQueryResponseData list;
    ASSERT_TRUE(AccessGroupPointComm::getAccessGroups(list));
    for (const auto &d : list.visitAccessGroupQueryResponse.at(0).vistObjectResList)
        EXPECT_NE(d.deviceGuid, device.guid);
    EXPECT_EQ(list.visitAccessGroupQueryResponse.at(0).vistObjectResList.size(), doorsOf("").size());

    EXPECT_EQ(server->removeDevice(device.guid), protocol::routes::ErrNotFound);
    EXPECT_EQ(server->renameDoor("ffffffffffffffffffffffffffffffff", "x"), protocol::routes::ErrNotFound);
    EXPECT_EQ(server->setDeviceOnline("ffffffffffffffffffffffffffffffff", true), protocol::routes::ErrNotFound);
}

TEST_F(ServerTest, OfflineDeviceComesOnline)
{
    const auto warehouse = deviceOfType(102);
    const auto doors = doorsOf(warehouse.guid);
    ASSERT_EQ(doors.size(), 2u);
    ASSERT_EQ(server->setDeviceOnline(warehouse.guid, true), 0u);
    EXPECT_TRUE(deviceOfType(102).online);
    protocol::CommonAcsAbility ability;
    EXPECT_TRUE(commlayer::CGetAcsCommonCap::request(ability, warehouse.guid, {}));

    // The device view hears of the device, the resource view of each of its doors.
    const auto login = waitFor("deviceLogin", 1);
    ASSERT_EQ(login.size(), 1u);
    EXPECT_NE(login[0].body.find(warehouse.guid), std::string::npos);
    const auto doorStates = waitFor("doorOnlineState", doors.size());
    ASSERT_EQ(doorStates.size(), doors.size());
    for (std::size_t i = 0; i < doors.size(); ++i) {
        const char *errorAt = nullptr;
        const protocol::JSONNodePtr body = protocol::parseJSONText(doorStates[i].body, errorAt);
        const protocol::ElementNotifyData state("doorOnlineState", body.get());
        EXPECT_EQ(state.guid, doors[i].guid);
        EXPECT_EQ(state.groupGuid, doors[i].groupGuid);
        EXPECT_TRUE(state.online);
        EXPECT_FALSE(state.hasKey("name")) << doorStates[i].body;
    }
    EXPECT_TRUE(doorsOf(warehouse.guid)[0].online);

    // No change, no news; going offline again is news.
    ASSERT_EQ(server->setDeviceOnline(warehouse.guid, true), 0u);
    ASSERT_EQ(server->setDeviceOnline(warehouse.guid, false), 0u);
    EXPECT_EQ(waitFor("doorOnlineState", 2 * doors.size()).size(), 2 * doors.size());
    EXPECT_EQ(notificationCount("deviceLogin"), 1u);
    EXPECT_EQ(notificationCount("deviceLogout"), 1u);
}

TEST_F(ServerTest, LargeSiteCanHaveOneLargeArea)
{
    qorvaserver::CManagementServer::SiteSize size;
    size.organizations = 2;
    size.persons = 4;
    size.areas = 5;
    size.devices = 10;
    size.doors = 100;
    size.firstAreaDoors = 60;
    ASSERT_EQ(server->seedLargeSite(size), 0u);
    const auto areas = server->list("areas");
    ASSERT_EQ(areas.size(), 6u); // with the header row
    std::map<std::string, int> doorsPerArea;
    const auto doors = server->list("doors");
    for (std::size_t i = 1; i < doors.size(); ++i)
        ++doorsPerArea[doors[i][4]];
    EXPECT_EQ(doorsPerArea[areas[1][0]], 60);
    for (std::size_t i = 2; i < areas.size(); ++i)
        EXPECT_EQ(doorsPerArea[areas[i][0]], 10);

    size.firstAreaDoors = 101;
    EXPECT_NE(server->seedLargeSite(size), 0u);
}

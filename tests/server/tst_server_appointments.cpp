// Appointments, basic settings and persons through commlayer against a real server.

#include "ServerTestFixture.h"

#include <CommunicationLayer/AppointmentComm.h>
#include <CommunicationLayer/BasicSettingComm.h>
#include <CommunicationLayer/FindPersonByOtherComm.h>
#include <CommunicationLayer/COrganizationComm.h>
#include <JSONStruct/appointment/AddAppointment.h>
#include <JSONStruct/appointment/AddAppointmentResultListData.h>
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>
#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <set>
#include <thread>

using namespace servertest;
using commlayer::AppointmentComm;

namespace {

protocol::Appointment visitor(const std::string &name)
{
    protocol::Appointment a;
    a.name_ = name;
    a.gender = 2;
    a.phone = "13912345678";
    a.visitExpectTime = "2026-12-06T09:30:00";
    a.leaveExpectTime = "2026-12-06T11:00:00";
    a.visitReason = "meeting";
    a.Company = "Acme";
    return a;
}

bool addOne(const protocol::Appointment &a, protocol::AddAppointmentResultListData *out = nullptr)
{
    protocol::AddAppointment request;
    request.appointmentList.push_back(a);
    protocol::AddAppointmentResultListData result;
    const bool ok = AppointmentComm::addAppointment(result, request);
    if (out != nullptr)
        *out = result;
    return ok;
}

protocol::QueryAppointmentResultList page(int pageNo, int pageSize)
{
    protocol::QueryAppointmentResultCondition c;
    c.pageNo = pageNo;
    c.pageSize = pageSize;
    protocol::QueryAppointmentResultList list;
    EXPECT_TRUE(AppointmentComm::getAppointmentByCondition(list, c)) << pageNo << "/" << pageSize;
    return list;
}

} // namespace

TEST_F(ServerTest, AddedAppointmentIsListedWithIdAndReservationCode)
{
    protocol::AddAppointmentResultListData added;
    ASSERT_TRUE(addOne(visitor("李雷 Li Lei"), &added));
    ASSERT_EQ(added.addAppointmentResultList.size(), 1u);
    const protocol::AddAppointmentResult &r = added.addAppointmentResultList[0];
    EXPECT_EQ(r.guid.size(), 32u);
    EXPECT_EQ(r.code.size(), 10u);

    const protocol::QueryAppointmentResultList list = page(1, 20);
    ASSERT_EQ(list.total, 1);
    ASSERT_EQ(list.appointmentResultList.size(), 1u);
    const protocol::AppointmentResult &row = list.appointmentResultList[0];
    EXPECT_EQ(row.appointmentID, r.guid);
    EXPECT_EQ(row.authCode, r.code);
    EXPECT_EQ(row.name, "李雷 Li Lei");
    EXPECT_EQ(row.visitExpectTime, "2026-12-06T09:30:00");
    EXPECT_EQ(row.visitReasonName, "meeting");
}

TEST_F(ServerTest, UpdateChangesStoredFieldsAndUnknownIdIsNotFound)
{
    protocol::AddAppointmentResultListData added;
    ASSERT_TRUE(addOne(visitor("Han Meimei"), &added));
    const std::string id = added.addAppointmentResultList[0].guid;
    protocol::ModifyAppointment m;
    m.guid = id;
    m.name_ = "Han Meimei";
    m.remark = "second visit";
    m.gender = 2;
    ASSERT_TRUE(AppointmentComm::updateAppointment(m, id));
    EXPECT_EQ(page(1, 10).appointmentResultList.at(0).remark, "second visit");

    EXPECT_FALSE(AppointmentComm::updateAppointment(m, "0123456789abcdef0123456789abcdef"));
    EXPECT_EQ(lastError(), "20-8");
}

TEST_F(ServerTest, DeleteReportsUnknownIdsAndNotifiesReservationCodes)
{
    protocol::AddAppointmentResultListData added;
    ASSERT_TRUE(addOne(visitor("A"), &added));
    const auto first = added.addAppointmentResultList[0];
    ASSERT_TRUE(addOne(visitor("B")));

    protocol::DeleteAppointment del;
    del.appointmentIDList = {first.guid, "ffffffffffffffffffffffffffffffff"};
    ASSERT_TRUE(AppointmentComm::deleteAppointment(del));
    EXPECT_EQ(page(1, 10).total, 1);

    const auto notes = waitFor("appointmentDeleted", 1);
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].body.find(first.code), std::string::npos);
    EXPECT_EQ(notificationCount("appointmentDeleted"), 1u);
}

TEST_F(ServerTest, PagingBoundaries)
{
    ASSERT_EQ(server->seedAppointments(25), 0u);
    struct Case
    {
        int pageNo, pageSize;
        bool ok;
        std::size_t rows;
    };
    const Case cases[] = {
        {0, 10, false, 0}, {1, 0, false, 0}, {1, 501, false, 0}, {-1, 10, false, 0},
        {1, 500, true, 25}, {3, 10, true, 5}, {4, 10, true, 0},   {1, 1, true, 1},
    };
    for (const Case &c : cases) {
        protocol::QueryAppointmentResultCondition cond;
        cond.pageNo = c.pageNo;
        cond.pageSize = c.pageSize;
        protocol::QueryAppointmentResultList list;
        EXPECT_EQ(AppointmentComm::getAppointmentByCondition(list, cond), c.ok) << c.pageNo << "/" << c.pageSize;
        if (c.ok) {
            EXPECT_EQ(list.total, 25);
            EXPECT_EQ(list.appointmentResultList.size(), c.rows) << c.pageNo << "/" << c.pageSize;
        } else {
            EXPECT_EQ(lastError(), "20-6");
        }
    }
    // Pages do not overlap.
    std::set<std::string> ids;
    for (int p = 1; p <= 3; ++p)
        for (const auto &row : page(p, 10).appointmentResultList)
            ids.insert(row.appointmentID);
    EXPECT_EQ(ids.size(), 25u);
}

TEST_F(ServerTest, AppointmentCapRefusesTheWholeBatch)
{
    ASSERT_EQ(server->seedAppointments(9999), 0u);
    protocol::AddAppointment two;
    two.appointmentList = {visitor("X"), visitor("Y")};
    protocol::AddAppointmentResultListData result;
    EXPECT_FALSE(AppointmentComm::addAppointment(result, two));
    EXPECT_EQ(lastError(), "20-10");
    EXPECT_EQ(page(1, 1).total, 9999);

    EXPECT_TRUE(addOne(visitor("Z")));
    EXPECT_FALSE(addOne(visitor("over")));
    EXPECT_EQ(lastError(), "20-10");
    EXPECT_EQ(page(1, 1).total, 10000);
}

TEST_F(ServerTest, InvalidAppointmentsWriteNothing)
{
    struct Case
    {
        const char *what;
        protocol::Appointment second;
        const char *error;
    };
    protocol::Appointment noName = visitor("");
    protocol::Appointment longName = visitor(std::string(129, 'n'));
    protocol::Appointment longRemark = visitor("ok");
    longRemark.remark = std::string(257, 'r');
    protocol::Appointment badTime = visitor("ok");
    badTime.visitExpectTime = "tomorrow";
    protocol::Appointment unknownGroup = visitor("ok");
    unknownGroup.accessPointGroup = "00000000000000000000000000000001";
    const Case cases[] = {{"empty name", noName, "20-5"},
                          {"long name", longName, "20-7"},
                          {"long remark", longRemark, "20-7"},
                          {"bad time", badTime, "20-5"},
                          {"unknown group", unknownGroup, "20-8"}};
    for (const Case &c : cases) {
        protocol::AddAppointment request;
        request.appointmentList = {visitor("valid first"), c.second};
        protocol::AddAppointmentResultListData result;
        EXPECT_FALSE(AppointmentComm::addAppointment(result, request)) << c.what;
        EXPECT_EQ(lastError(), c.error) << c.what;
    }
    EXPECT_EQ(page(1, 10).total, 0);
}

TEST_F(ServerTest, SqlMetacharactersAreStoredVerbatim)
{
    const std::string nasty = "Robert'); DROP TABLE appointments;-- \"%_\\";
    protocol::Appointment a = visitor(nasty);
    a.remark = "' OR '1'='1";
    a.Company = "100% _wild_ \\";
    ASSERT_TRUE(addOne(a));
    const auto row = page(1, 10).appointmentResultList.at(0);
    EXPECT_EQ(row.name, nasty);
    EXPECT_EQ(row.remark, a.remark);
    EXPECT_EQ(row.Company, a.Company);

    protocol::personnelcommon::QueryPerson q;
    q.queryType = "basic";
    q.name_ = "%";
    protocol::personnelcommon::TotalData found;
    ASSERT_TRUE(commlayer::FindPersonByOtherComm::request(found, q, ""));
    EXPECT_EQ(found.total, 0) << "a wildcard is matched as text";
}

TEST_F(ServerTest, DataSurvivesRestartWithoutReseeding)
{
    protocol::AddAppointmentResultListData added;
    ASSERT_TRUE(addOne(visitor("persistent"), &added));
    const auto devicesBefore = server->list("devices").size();
    stopServer();
    startServer();
    const auto list = page(1, 10);
    ASSERT_EQ(list.total, 1);
    EXPECT_EQ(list.appointmentResultList[0].authCode, added.addAppointmentResultList[0].code);
    EXPECT_EQ(server->list("devices").size(), devicesBefore);
}

TEST_F(ServerTest, ConcurrentAddsAllStoredWithUniqueCodes)
{
    constexpr int kThreads = 4;
    constexpr int kEach = 20;
    std::vector<std::thread> threads;
    std::mutex mutex;
    std::set<std::string> codes;
    int failures = 0;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kEach; ++i) {
                protocol::AddAppointmentResultListData r;
                const bool ok = addOne(visitor("T" + std::to_string(t) + "-" + std::to_string(i)), &r);
                std::lock_guard<std::mutex> lock(mutex);
                if (!ok || r.addAppointmentResultList.size() != 1)
                    ++failures;
                else
                    codes.insert(r.addAppointmentResultList[0].code);
                protocol::QueryAppointmentResultList l;
                protocol::QueryAppointmentResultCondition c;
                c.pageNo = 1;
                c.pageSize = 5;
                AppointmentComm::getAppointmentByCondition(l, c);
            }
        });
    }
    for (auto &t : threads)
        t.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(codes.size(), static_cast<std::size_t>(kThreads * kEach));
    EXPECT_EQ(page(1, 1).total, kThreads * kEach);
}

TEST_F(ServerTest, SettingsStartWithoutReasonsAndAreStoredAsSent)
{
    protocol::QueryBasicSettingResult empty;
    ASSERT_TRUE(commlayer::BasicSettingComm::getConfig(empty));
    EXPECT_TRUE(empty.visitReasonResultList.empty());

    protocol::BasicSetting s;
    s.name_ = {1, 1, 1};
    s.remark = {1, 0, 0};
    s.appointmentDay = 3;
    for (const char *n : {"培训 training", "O'Brien; DROP"}) {
        protocol::VisitReason r;
        r.visitReasonGuid = std::to_string(s.visitReasonList.size() + 1);
        r.Name = n;
        s.visitReasonList.push_back(r);
    }
    ASSERT_TRUE(commlayer::BasicSettingComm::setConfig(s));
    protocol::QueryBasicSettingResult back;
    ASSERT_TRUE(commlayer::BasicSettingComm::getConfig(back));
    EXPECT_EQ(back.name, s.name_);
    EXPECT_EQ(back.remark, s.remark);
    EXPECT_EQ(back.appointmentDay, 3);
    ASSERT_EQ(back.visitReasonResultList.size(), 2u);
    EXPECT_EQ(back.visitReasonResultList[1].Name, "O'Brien; DROP");

    protocol::BasicSetting bad = s;
    bad.visitReasonList[0].visitReasonGuid.clear();
    EXPECT_FALSE(commlayer::BasicSettingComm::setConfig(bad));
    EXPECT_EQ(lastError(), "20-5");
}

TEST_F(ServerTest, PersonsByGuidListAndByNameWithOrganisationPath)
{
    protocol::PersonListData all;
    protocol::QueryOrgPersons everyone;
    everyone.pageNo = 1;
    everyone.pageSize = 100;
    ASSERT_TRUE(commlayer::COrganizationComm::getPersons(all, everyone));
    ASSERT_GE(all.total, 18);
    const protocol::PersonNode &someone = all.personList.at(0);

    protocol::personnelcommon::QueryPerson byId;
    byId.queryType = "basic,orgInfo";
    byId.personnelList.guidList = {someone.guid, "ffffffffffffffffffffffffffffffff"};
    protocol::personnelcommon::TotalData found;
    ASSERT_TRUE(commlayer::FindPersonByOtherComm::request(found, byId, ""));
    ASSERT_EQ(found.total, 1);
    EXPECT_EQ(found.personnelResponse[0].basic.name, someone.name);
    EXPECT_EQ(found.personnelResponse[0].basic.phone, someone.phone);
    EXPECT_EQ(found.personnelResponse[0].personnelOrgInfo.path, someone.orgPath);

    protocol::personnelcommon::QueryPerson byName;
    byName.queryType = "basic,orgInfo";
    byName.name_ = "王芳";
    ASSERT_TRUE(commlayer::FindPersonByOtherComm::request(found, byName, ""));
    ASSERT_EQ(found.total, 1);
    const std::string path = found.personnelResponse[0].personnelOrgInfo.path;
    EXPECT_EQ(std::count(path.begin(), path.end(), '/'), 2) << path;

    protocol::personnelcommon::QueryPerson basicOnly = byName;
    basicOnly.queryType = "basic";
    ASSERT_TRUE(commlayer::FindPersonByOtherComm::request(found, basicOnly, ""));
    EXPECT_TRUE(found.personnelResponse.at(0).personnelOrgInfo.path.empty());

    protocol::personnelcommon::QueryPerson badType = byName;
    badType.queryType = "basic,secrets";
    EXPECT_FALSE(commlayer::FindPersonByOtherComm::request(found, badType, ""));
    EXPECT_EQ(lastError(), "20-5");
}

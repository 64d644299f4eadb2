// Every commlayer operation against a fake transport that is driven by the route table.

#include "FakeHTTPClient.h"

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/AppointmentComm.h>
#include <CommunicationLayer/BasicSettingComm.h>
#include <CommunicationLayer/CComponentRegisterComm.h>
#include <CommunicationLayer/CDeviceComm.h>
#include <CommunicationLayer/CGetAcsCommonCap.h>
#include <CommunicationLayer/CGetSingleGroupComm.h>
#include <CommunicationLayer/COperatorComm.h>
#include <CommunicationLayer/COrganizationComm.h>
#include <CommunicationLayer/CResourceGroupComm.h>
#include <CommunicationLayer/CSubscribeComm.h>
#include <CommunicationLayer/CTemplateComm.h>
#include <CommunicationLayer/CommunicationLayerInit.h>
#include <CommunicationLayer/DownloadPermissionComm.h>
#include <CommunicationLayer/FindPersonByOtherComm.h>
#include <CommunicationLayer/QRCodeCfgInterface.h>
#include <CommunicationLayer/RecordComm.h>
#include <CommunicationLayer/VisitorConfigComm.h>

#include <JSONStruct/Framework/ComponentRegisterInfo.h>
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
#include <JSONStruct/appointment/DeleteAppointment.h>
#include <JSONStruct/appointment/ModifyAppointment.h>
#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>
#include <JSONStruct/device/CommonAcsAbility.h>
#include <JSONStruct/device/QRCodeEncryptionCfg.h>
#include <JSONStruct/device/TemplateTest.h>
#include <JSONStruct/device/TemplateTestRspData.h>
#include <JSONStruct/framework_services/DeviceListData.h>
#include <JSONStruct/framework_services/OperatorPermissionData.h>
#include <JSONStruct/framework_services/OrganizationTreeData.h>
#include <JSONStruct/framework_services/PersonListData.h>
#include <JSONStruct/framework_services/QueryDeviceCondition.h>
#include <JSONStruct/framework_services/QueryOrgPersons.h>
#include <JSONStruct/framework_services/ResourceGroupListData.h>
#include <JSONStruct/framework_services/SubscribeInfo.h>
#include <JSONStruct/personnel/QueryPerson.h>
#include <JSONStruct/personnel/TotalData.h>
#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>
#include <JSONStruct/visitorrecord/DownloadPermissionInfo.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordCondition.h>
#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>
#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <set>
#include <stdexcept>
#include <thread>

using namespace protocol::routes;
using Base::Error::ErrorCode;

namespace {

const std::string kGuid = "0F3C8A2E5B7D4E19A6C1D2E3F4A5B6C7";

/// What a run of one operation left behind.
struct Outcome
{
    bool ok = false;
    bool hasAnswer = false;
    protocol::KeySet presentKeys;
    std::string answerText;  // the answer record printed after the call
    std::string defaultText; // a default-constructed one printed
};

struct OperationCase
{
    RouteId id;
    std::function<void(const std::string &urlId, Outcome &)> run;
};

template <class Answer, class F> OperationCase withAnswer(RouteId id, F call)
{
    return {id, [call](const std::string &urlId, Outcome &out) {
                Answer answer;
                out.ok = call(answer, urlId);
                out.hasAnswer = true;
                out.presentKeys = answer.presentKeys;
                cJSON *node = answer.toJSON();
                out.answerText = commtest::printNode(node);
                cJSON_Delete(node);
                node = Answer().toJSON();
                out.defaultText = commtest::printNode(node);
                cJSON_Delete(node);
            }};
}

template <class F> OperationCase withoutAnswer(RouteId id, F call)
{
    return {id, [call](const std::string &urlId, Outcome &out) { out.ok = call(urlId); }};
}

// One entry per operation; ids travel only where the route has "<id>".
const std::vector<OperationCase> &operations()
{
    using namespace commlayer;
    using namespace protocol;
    using S = const std::string &;
    static const std::vector<OperationCase> list{
        withAnswer<QueryAppointmentResultList>(
            RouteId::GetAppointmentByCondition,
            [](auto &a, S) {
                QueryAppointmentResultCondition c;
                c.pageNo = 3;
                c.pageSize = 20;
                return AppointmentComm::getAppointmentByCondition(a, c);
            }),
        withAnswer<AddAppointmentResultListData>(RouteId::AddAppointment,
                                                 [](auto &a, S) {
                                                     AddAppointment p;
                                                     p.appointmentList.emplace_back();
                                                     return AppointmentComm::addAppointment(a, p);
                                                 }),
        withoutAnswer(
            RouteId::UpdateAppointment,
            [](S id) { return AppointmentComm::updateAppointment(ModifyAppointment(), id); }),
        withoutAnswer(RouteId::DeleteAppointment,
                      [](S) { return AppointmentComm::deleteAppointment(DeleteAppointment()); }),
        withAnswer<QueryBasicSettingResult>(
            RouteId::GetBasicSetting, [](auto &a, S) { return BasicSettingComm::getConfig(a); }),
        withoutAnswer(RouteId::SetBasicSetting,
                      [](S) { return BasicSettingComm::setConfig(BasicSetting()); }),
        withAnswer<personnelcommon::TotalData>(RouteId::FindPersonByOther,
                                               [](auto &a, S) {
                                                   return FindPersonByOtherComm::request(
                                                       a, personnelcommon::QueryPerson(),
                                                       std::string());
                                               }),
        withAnswer<VisitAccessGroupQueryResponseData>(
            RouteId::GetAccessGroups,
            [](auto &a, S) { return AccessGroupPointComm::getAccessGroups(a); }),
        withAnswer<VisitAccessGroupAddedResult>(RouteId::CreateAccessGroup,
                                                [](auto &a, S) {
                                                    return AccessGroupPointComm::createAccessGroup(
                                                        a, VisitAaccessGroupAddParam());
                                                }),
        withAnswer<VisitAccessGroupModifyResultData>(
            RouteId::ModifyAccessGroup,
            [](auto &a, S id) {
                return AccessGroupPointComm::modifyAccessGroup(a, VisitAccessGroupModifyParam(),
                                                               id);
            }),
        withAnswer<DeleteAccessPointGroupResultData>(
            RouteId::RemoveAccessGroup,
            [](auto &a, S) {
                return AccessGroupPointComm::removeAccessGroup(a,
                                                               DeleteAccessPointGroupCondition());
            }),
        withAnswer<VisitorRightConfigResultData>(
            RouteId::SetVisitorRightConfig,
            [](auto &a, S) { return VisitorConfigComm::setConfig(a, VisitorRightConfig()); }),
        withAnswer<Group>(RouteId::GetSingleGroup,
                          [](auto &a, S id) {
                              return CGetSingleGroupComm::request(a, id, QueryGroupCondition());
                          }),
        withAnswer<QueryVisitorRecordResultListData>(
            RouteId::GetVisitorRecords,
            [](auto &a, S) { return RecordComm::getRecord(a, QueryVisitorRecordCondition()); }),
        withAnswer<QueryVisitorRecordResultListData>(
            RouteId::GetDownloadFailRecords,
            [](auto &a, S) { return RecordComm::getDownloadFailRecord(a); }),
        withAnswer<VisitorErrorRecordResponseData>(
            RouteId::GetVisitorErrorRecords,
            [](auto &a, S id) { return RecordComm::getVisitorErrorRecord(a, id); }),
        withoutAnswer(
            RouteId::DownloadPermission,
            [](S) { return DownloadPermissionComm::downloadPermission(DownloadPermissionInfo()); }),
        withAnswer<CommonAcsAbility>(
            RouteId::GetAcsCommonCap,
            [](auto &a, S id) { return CGetAcsCommonCap::request(a, id, {"QRCodeEncryption"}); }),
        withoutAnswer(
            RouteId::SetQRCodeEncryptionCfg,
            [](S id) { return cfginterface::setQRCodeEncryptionCfg(id, QRCodeEncryptionCfg()); }),
        withoutAnswer(RouteId::RegisterComponent,
                      [](S) { return CComponentRegisterComm::request(ComponentRegisterInfo()); }),
        withAnswer<TemplateTestRspData>(
            RouteId::TemplateTest,
            [](auto &a, S) { return CTemplateComm::request(a, TemplateTest()); }),
        withAnswer<OrganizationTreeData>(
            RouteId::GetOrganizationTree,
            [](auto &a, S) { return COrganizationComm::getOrganizationTree(a); }),
        withAnswer<PersonListData>(
            RouteId::GetPersons,
            [](auto &a, S) { return COrganizationComm::getPersons(a, QueryOrgPersons()); }),
        withAnswer<DeviceListData>(
            RouteId::GetDevices,
            [](auto &a, S) { return CDeviceComm::getDevices(a, QueryDeviceCondition()); }),
        withAnswer<ResourceGroupListData>(
            RouteId::GetResourceGroups,
            [](auto &a, S) { return CResourceGroupComm::getResourceGroups(a); }),
        withAnswer<OperatorPermissionData>(
            RouteId::GetOperatorPermissions,
            [](auto &a, S) { return COperatorComm::getPermissions(a); }),
        withoutAnswer(RouteId::SubscribeNotifications,
                      [](S) { return CSubscribeComm::subscribe(SubscribeInfo()); }),
    };
    return list;
}

// The first key of the record the fixture holds for route (after unwrapping).
std::string firstFixtureKey(const Route &route)
{
    const auto fixture = commtest::fixtures().find(route.operation);
    if (fixture == commtest::fixtures().end())
        return std::string();
    cJSON *data = cJSON_Parse(fixture->second.c_str());
    const cJSON *record = route.answerKey[0] ? cJSON_GetObjectItem(data, route.answerKey) : data;
    std::string key = (record && record->child) ? record->child->string : "";
    cJSON_Delete(data);
    return key;
}

class CommLayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_client = std::make_shared<commtest::CFakeHTTPClient>();
        commlayer::CommunicationLayerInitParams params;
        params.httpClient = m_client;
        params.timeout = 4321;
        params.commonHeaders["X-Client"] = "visitor";
        ASSERT_TRUE(commlayer::CommunicationLayerInit(params));
    }
    void TearDown() override { commlayer::CommunicationLayerUnInit(); }

    Outcome run(const OperationCase &op, const std::string &urlId = kGuid)
    {
        m_client->calls.clear();
        Outcome out;
        op.run(urlId, out);
        return out;
    }

    std::shared_ptr<commtest::CFakeHTTPClient> m_client;
};

TEST_F(CommLayerTest, EveryOperationSendsItsRouteAndFillsItsAnswer)
{
    std::set<RouteId> covered;
    for (const OperationCase &op : operations()) {
        const Route &route = findRoute(op.id);
        SCOPED_TRACE(route.operation);
        covered.insert(op.id);
        Base::Error::SetLastError(9, 9);
        const Outcome out = run(op);
        ASSERT_EQ(m_client->calls.size(), 1u);
        const auto &call = m_client->calls.front();
        EXPECT_EQ(call.route, &route) << call.params.url;
        EXPECT_EQ(call.urlId, routeHasId(route) ? kGuid : std::string());
        EXPECT_TRUE(call.retry);
        EXPECT_EQ(call.params.timeout, 4321);
        EXPECT_EQ(call.params.commonHeaders.at("X-Client"), "visitor");
        EXPECT_TRUE(out.ok);
        if (out.hasAnswer) {
            EXPECT_NE(route.answerRecord[0], '\0') << "the table names no answer record";
            const std::string key = firstFixtureKey(route);
            ASSERT_FALSE(key.empty()) << "no fixture";
            EXPECT_EQ(out.presentKeys.count(key), 1u) << "answer not filled from \"" << key << "\"";
        }
    }
    EXPECT_EQ(covered.size(), routeTable().size()) << "an operation of the route table has no case";
}

TEST_F(CommLayerTest, UnwrapsTheAnswerRecordFromItsWrapper)
{
    protocol::VisitAccessGroupAddedResult added;
    ASSERT_TRUE(commlayer::AccessGroupPointComm::createAccessGroup(
        added, protocol::VisitAaccessGroupAddParam()));
    EXPECT_EQ(added.accessGroupGuid, "C0FFEE00C0FFEE00C0FFEE00C0FFEE00");

    protocol::QueryAppointmentResultList page;
    ASSERT_TRUE(commlayer::AppointmentComm::getAppointmentByCondition(
        page, protocol::QueryAppointmentResultCondition()));
    EXPECT_EQ(page.total, 41);
    ASSERT_EQ(page.appointmentResultList.size(), 1u);
    EXPECT_EQ(page.appointmentResultList[0].authCode, "482913");

    protocol::QueryBasicSettingResult settings;
    ASSERT_TRUE(commlayer::BasicSettingComm::getConfig(settings));
    EXPECT_EQ(settings.appointmentDay, 3);
}

TEST_F(CommLayerTest, RequestBodyCarriesTheRecordFields)
{
    protocol::QRCodeEncryptionCfg cfg;
    cfg.encryptType = "AES128_CBC";
    cfg.key = std::string(32, 'k');
    cfg.vector = std::string(32, 'v');
    ASSERT_TRUE(commlayer::cfginterface::setQRCodeEncryptionCfg("42", cfg));
    ASSERT_EQ(m_client->calls.size(), 1u);
    EXPECT_EQ(m_client->calls[0].params.url, "/7310/v1/devices/42/qrCodeEncryption");
    cJSON *body = cJSON_Parse(m_client->calls[0].params.body.c_str());
    const cJSON *record = cJSON_GetObjectItemCaseSensitive(body, "QRCodeEncryption");
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(cJSON_GetObjectItem(record, "encryptType")->valuestring, "AES128_CBC");
    EXPECT_EQ(std::string(cJSON_GetObjectItem(record, "key")->valuestring), cfg.key);
    cJSON_Delete(body);

    m_client->calls.clear();
    protocol::CommonAcsAbility ability;
    ASSERT_TRUE(
        commlayer::CGetAcsCommonCap::request(ability, kGuid, {"QRCodeEncryption", "cardReader"}));
    body = cJSON_Parse(m_client->calls[0].params.body.c_str());
    const cJSON *list =
        cJSON_GetObjectItem(cJSON_GetObjectItem(body, "acsAbilityQuery"), "abilityList");
    ASSERT_EQ(cJSON_GetArraySize(list), 2);
    EXPECT_STREQ(cJSON_GetArrayItem(list, 1)->valuestring, "cardReader");
    cJSON_Delete(body);
    EXPECT_TRUE(ability.supportQRCodeEncryption);
}

struct BadAnswer
{
    const char *label;
    const char *contentType;
    std::string body;
    ErrorCode error;
};

TEST_F(CommLayerTest, UnusableAnswersLeaveTheRecordDefaultAndSetTheLastError)
{
    const std::vector<BadAnswer> rows{
        {"html page", "text/html", "<html>busy</html>", {kCommLayerModule, ErrAnswerNotJSON}},
        {"empty body", "text/plain", "", {kCommLayerModule, ErrAnswerNotJSON}},
        {"array", "application/octet-stream", "[1,2]", {kCommLayerModule, ErrAnswerNotJSON}},
        {"truncated JSON",
         "application/json",
         "{\"code\":\"0-0\",\"data\":{",
         {kCommLayerModule, ErrAnswerNotJSON}},
        {"no data",
         kJsonContentType,
         "{\"code\":\"0-0\",\"msg\":\"\"}",
         {kCommLayerModule, ErrAnswerWrongShape}},
        {"data is an array",
         kJsonContentType,
         "{\"code\":\"0-0\",\"data\":[{}]}",
         {kCommLayerModule, ErrAnswerWrongShape}},
        {"data is text",
         kJsonContentType,
         "{\"code\":\"0-0\",\"data\":\"x\"}",
         {kCommLayerModule, ErrAnswerWrongShape}},
        {"data is null",
         kJsonContentType,
         "{\"code\":\"0-0\",\"data\":null}",
         {kCommLayerModule, ErrAnswerWrongShape}},
        // Without the exact JSON content type the transport does not look at the code.
        {"failure code",
         "application/json",
         "{\"code\":\"20-8\",\"msg\":\"gone\",\"data\":{\"total\":5}}",
         {kServerModule, ErrNotFound}},
    };
    for (const OperationCase &op : operations()) {
        const Route &route = findRoute(op.id);
        for (const BadAnswer &row : rows) {
            SCOPED_TRACE(std::string(route.operation) + " / " + row.label);
            m_client->answer = [&row](const Route &) {
                commtest::CannedAnswer a;
                a.contentType = row.contentType;
                a.body = row.body;
                return a;
            };
            Base::Error::SetLastError(0, 0);
            const Outcome out = run(op);
            // Operations without an answer record need no "data"; an empty body is a success.
            const bool answerlessOk = row.body.empty() || row.error.code == ErrAnswerWrongShape;
            if (!out.hasAnswer && answerlessOk) {
                EXPECT_TRUE(out.ok);
                continue;
            }
            EXPECT_FALSE(out.ok);
            EXPECT_EQ(Base::Error::GetLastError(), row.error)
                << Base::Error::GetLastError().toString();
            EXPECT_EQ(out.answerText, out.defaultText);
            EXPECT_TRUE(out.presentKeys.empty());
        }
    }
}

TEST_F(CommLayerTest, AWrapperlessAnswerIsTheWrongShape)
{
    for (const OperationCase &op : operations()) {
        const Route &route = findRoute(op.id);
        if (route.answerKey[0] == '\0')
            continue;
        SCOPED_TRACE(route.operation);
        // The record the wrapper should have held, sent without it.
        m_client->answer = [](const Route &r) {
            commtest::CannedAnswer a;
            cJSON *data = cJSON_Parse(commtest::fixtures().at(r.operation).c_str());
            a.body = commtest::returnDataText(
                "0-0", commtest::printNode(cJSON_GetObjectItem(data, r.answerKey)));
            cJSON_Delete(data);
            return a;
        };
        const Outcome out = run(op);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(kCommLayerModule, ErrAnswerWrongShape));
        EXPECT_EQ(out.answerText, out.defaultText);
    }
}

TEST_F(CommLayerTest, TransportFailuresKeepTheirLastError)
{
    m_client->answer = [](const Route &) {
        commtest::CannedAnswer a;
        a.ok = false;
        a.error = ErrorCode(67, 1015);
        return a;
    };
    for (const OperationCase &op : operations()) {
        SCOPED_TRACE(findRoute(op.id).operation);
        const Outcome out = run(op);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(67, 1015));
        EXPECT_EQ(out.answerText, out.defaultText);
    }
}

TEST_F(CommLayerTest, ExceptionsOfTheTransportStayInside)
{
    const std::vector<std::function<void()>> throwers{
        [] { throw std::runtime_error("socket on fire"); },
        [] { throw 42; },
    };
    for (const auto &thrower : throwers) {
        m_client->thrower = thrower;
        for (const OperationCase &op : operations()) {
            SCOPED_TRACE(findRoute(op.id).operation);
            Outcome out;
            EXPECT_NO_THROW(out = run(op));
            EXPECT_FALSE(out.ok);
            EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(kCommLayerModule, ErrUnexpected));
        }
    }
}

TEST_F(CommLayerTest, IdentifiersMustBeGuidsOrDecimalNumbers)
{
    const std::vector<std::string> bad{
        "",
        "abc",
        "12/34",
        "../../x",
        "0F3C8A2E5B7D4E19A6C1D2E3F4A5B6C",
        "0F3C8A2E5B7D4E19A6C1D2E3F4A5B6C7D",
        "GF3C8A2E5B7D4E19A6C1D2E3F4A5B6C7",
        "123456789012345678901",
        "-1",
        "4 2",
        "42?x=1",
    };
    const std::vector<std::string> good{"42", "0", kGuid, "0f3c8a2e5b7d4e19a6c1d2e3f4a5b6c7",
                                        "12345678901234567890"};
    for (const OperationCase &op : operations()) {
        const Route &route = findRoute(op.id);
        if (!routeHasId(route))
            continue;
        for (const std::string &id : bad) {
            SCOPED_TRACE(std::string(route.operation) + " / \"" + id + "\"");
            const Outcome out = run(op, id);
            EXPECT_FALSE(out.ok);
            EXPECT_TRUE(m_client->calls.empty());
            EXPECT_EQ(Base::Error::GetLastError(),
                      ErrorCode(kCommLayerModule, ErrInvalidIdentifier));
        }
        for (const std::string &id : good) {
            SCOPED_TRACE(std::string(route.operation) + " / \"" + id + "\"");
            EXPECT_TRUE(run(op, id).ok);
            ASSERT_EQ(m_client->calls.size(), 1u);
            EXPECT_EQ(m_client->calls[0].urlId, id);
        }
    }
}

TEST_F(CommLayerTest, PersonSearchAppendsItsQuery)
{
    protocol::personnelcommon::TotalData found;
    ASSERT_TRUE(commlayer::FindPersonByOtherComm::request(
        found, protocol::personnelcommon::QueryPerson(), "containChildren=true"));
    ASSERT_EQ(m_client->calls.size(), 1u);
    EXPECT_EQ(m_client->calls[0].params.url, "/framework/v1/persons/query?containChildren=true");
    EXPECT_EQ(found.total, 1);
}

// The framework-service records read and write every key of their fixtures, in order.
TEST_F(CommLayerTest, FrameworkServiceRecordsRoundTripTheirFixtures)
{
    const std::set<RouteId> services{RouteId::GetOrganizationTree, RouteId::GetPersons,
                                     RouteId::GetDevices, RouteId::GetResourceGroups,
                                     RouteId::GetOperatorPermissions};
    int checked = 0;
    for (const OperationCase &op : operations()) {
        if (services.count(op.id) == 0)
            continue;
        const Route &route = findRoute(op.id);
        SCOPED_TRACE(route.operation);
        const Outcome out = run(op);
        ASSERT_TRUE(out.ok);
        EXPECT_EQ(out.answerText, commtest::fixtures().at(route.operation));
        ++checked;
    }
    EXPECT_EQ(checked, 5);
}

// Many threads call while another one starts and ends the library: every call either
// succeeds or fails with "not initialised", and nothing crashes.
TEST(CommLayerConcurrency, CallsRaceWithInitAndUnInit)
{
    class CountingClient : public commlayer::IHTTPClient
    {
    public:
        bool request(commlayer::RspInfos &rsp, const commlayer::RequestParams &, bool) override
        {
            ++count;
            rsp.headers["Content-Type"] = kJsonContentType;
            rsp.body = commtest::returnDataText("0-0", "{\"name\":\"echo\",\"result\":0}");
            return true;
        }
        std::atomic<int> count{0};
    };
    auto client = std::make_shared<CountingClient>();
    std::atomic<int> running{4};
    std::atomic<int> succeeded{0};
    std::atomic<int> wrong{0};
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t) {
        callers.emplace_back([&] {
            for (int i = 0; i < 300; ++i) {
                protocol::TemplateTestRspData echo;
                if (commlayer::CTemplateComm::request(echo, protocol::TemplateTest())) {
                    ++succeeded;
                    if (echo.name != "echo")
                        ++wrong;
                } else if (Base::Error::GetLastError() !=
                           ErrorCode(kCommLayerModule, ErrNotInitialised)) {
                    ++wrong;
                }
            }
            --running;
        });
    }
    while (running.load() > 0) {
        commlayer::CommunicationLayerInitParams params;
        params.httpClient = client;
        commlayer::CommunicationLayerInit(params);
        std::this_thread::yield();
        commlayer::CommunicationLayerUnInit();
    }
    for (std::thread &t : callers)
        t.join();
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_EQ(client->count.load(), succeeded.load());
    EXPECT_EQ(client.use_count(), 1);
}

TEST(CommLayerLifecycle, CallsOutsideInitFailWithoutCrashing)
{
    auto client = std::make_shared<commtest::CFakeHTTPClient>();
    commlayer::CommunicationLayerUnInit();
    EXPECT_FALSE(commlayer::CommunicationLayerIsInit());
    for (const OperationCase &op : operations()) {
        Outcome out;
        op.run(kGuid, out);
        EXPECT_FALSE(out.ok) << findRoute(op.id).operation;
        EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(kCommLayerModule, ErrNotInitialised));
    }

    Base::Error::SetLastError(0, 0);
    EXPECT_FALSE(commlayer::CommunicationLayerInit(commlayer::CommunicationLayerInitParams()));
    EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(kCommLayerModule, ErrNotInitialised));

    commlayer::CommunicationLayerInitParams params;
    params.httpClient = client;
    ASSERT_TRUE(commlayer::CommunicationLayerInit(params));
    params.httpClient.reset();
    protocol::TemplateTestRspData echo;
    EXPECT_TRUE(commlayer::CTemplateComm::request(echo, protocol::TemplateTest()));
    commlayer::CommunicationLayerUnInit();
    commlayer::CommunicationLayerUnInit();
    EXPECT_FALSE(commlayer::CTemplateComm::request(echo, protocol::TemplateTest()));
    EXPECT_EQ(client->calls.size(), 1u);
    // The library let go of the transport.
    EXPECT_EQ(client.use_count(), 1);
}

} // namespace

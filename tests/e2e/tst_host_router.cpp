// The host's request router against a real management server: what the host answers
// itself, what it forwards unchanged, and how it refuses malformed requests.

#include "RequestRouter.h"

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/framework_services/OperatorPermissionData.h>
#include <testsupport/TempDir.h>
#include <testsupport/Wait.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <future>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

using clientframework::DemoOperator;
using clientframework::RequestRouter;

namespace {

class RouterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_server.open(testsupport::pathIn(*m_dir, QStringLiteral("server.db"))));
        m_router.setServer(&m_server);
    }
    void TearDown() override { m_server.close(); }

    lpcserver::Message send(const std::string &url, const std::string &method, const std::string &body = {})
    {
        lpcserver::ClientRequest request;
        request.clientIdentity = "test";
        request.wantsResponse = true;
        if (!url.empty())
            request.message.headers["url"] = url;
        if (!method.empty())
            request.message.headers["method"] = method;
        request.message.headers["protocol"] = "http";
        request.message.body = body;
        return m_router.route(request);
    }

    static std::string code(const lpcserver::Message &answer)
    {
        std::unique_ptr<cJSON, decltype(&cJSON_Delete)> root(cJSON_Parse(answer.body.c_str()), cJSON_Delete);
        const cJSON *node = root ? cJSON_GetObjectItemCaseSensitive(root.get(), "code") : nullptr;
        return cJSON_IsString(node) ? node->valuestring : "<none>";
    }

    static std::string msg(const std::string &body)
    {
        std::unique_ptr<cJSON, decltype(&cJSON_Delete)> root(cJSON_Parse(body.c_str()),
                                                             cJSON_Delete);
        const cJSON *node = root ? cJSON_GetObjectItemCaseSensitive(root.get(), "msg") : nullptr;
        return cJSON_IsString(node) ? node->valuestring : "<none>";
    }

    protocol::OperatorPermissionData permissions()
    {
        auto data = std::make_shared<protocol::OperatorPermissionData>();
        protocol::ReturnData answer(data);
        EXPECT_TRUE(answer.Parse(send("/framework/v1/operator/permissions", "0").body));
        EXPECT_EQ(answer.code.toString(), "0-0");
        return *data;
    }

    static int count(const protocol::OperatorPermissionData &data, int function)
    {
        return static_cast<int>(
            std::count_if(data.functionPermissionList.begin(), data.functionPermissionList.end(),
                          [function](const auto &entry) { return entry.function == function; }));
    }

    const std::unique_ptr<QTemporaryDir> m_dir = testsupport::makeTempDir(QStringLiteral("h12rt"));
    qorvaserver::CManagementServer m_server;
    RequestRouter m_router;
};

TEST_F(RouterTest, RegistrationIsStoredAndAnsweredByTheHost)
{
    const auto answer = send("/framework/v1/components/register", "1",
                             R"({"componentRegisterInfo":{"supportUrlList":["/7310/v1/internal/template/tests"],)"
                             R"("supportMethodList":["getWndHandle","showWnd"]}})");
    EXPECT_EQ(code(answer), "0-0");
    EXPECT_EQ(answer.headers.at("Content-Type"), "application/json; charset=\"UTF-8\"");
    ASSERT_EQ(m_router.registeredUrls().size(), 1u);
    EXPECT_EQ(m_router.registeredUrls()[0], "/7310/v1/internal/template/tests");
    EXPECT_EQ(m_router.registeredMethods().size(), 2u);
}

TEST_F(RouterTest, MalformedHostRequestsAreRefusedWithTheirCodes)
{
    struct Case
    {
        std::string url, method, body, code;
    };
    const Case cases[] = {
        {"/framework/v1/components/register", "1", "{", "20-3"},
        {"/framework/v1/components/register", "1", R"({"other":{}})", "20-4"},
        {"/framework/v1/components/register", "1", R"({"componentRegisterInfo":{"supportUrlList":3}})", "20-5"},
        {"/framework/v1/notifications/subscribe", "1", R"({"subscribeInfo":{}})", "20-5"},
        {"", "1", "{}", "20-1"},
        {"/framework/v1/organizations", "", "", "20-1"},
        {"/framework/v1/organizations", "GET", "", "20-1"},
        {"/nowhere/at/all", "0", "", "20-1"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(code(send(c.url, c.method, c.body)), c.code) << c.url << " " << c.method << " " << c.body;
    EXPECT_TRUE(m_router.registeredUrls().empty());
}

TEST_F(RouterTest, SubscriptionKeepsRepeatsAndALaterOneReplacesIt)
{
    EXPECT_EQ(code(send("/framework/v1/notifications/subscribe", "1",
                        R"({"subscribeInfo":{"typeList":["doorAdded","appointmentDeleted","doorAdded"]}})")),
              "0-0");
    EXPECT_EQ(m_router.subscriptions().size(), 3u);
    EXPECT_TRUE(m_router.isSubscribed("appointmentDeleted"));
    EXPECT_FALSE(m_router.isSubscribed("deviceRemoved"));

    send("/framework/v1/notifications/subscribe", "1", R"({"subscribeInfo":{"typeList":["deviceRemoved"]}})");
    EXPECT_TRUE(m_router.isSubscribed("deviceRemoved"));
    EXPECT_FALSE(m_router.isSubscribed("appointmentDeleted"));

    m_router.clearComponentState();
    EXPECT_FALSE(m_router.isSubscribed("deviceRemoved"));
}

TEST_F(RouterTest, PermissionsFollowTheCurrentOperator)
{
    const auto operators = DemoOperator::demoOperators();
    ASSERT_EQ(operators.size(), 2u);
    EXPECT_TRUE(operators[0].hasFunction(9));
    EXPECT_FALSE(operators[1].hasFunction(9));

    m_router.setOperator(operators[1]);
    const protocol::OperatorPermissionData guard = permissions();
    EXPECT_EQ(guard.userName, "guard");
    EXPECT_FALSE(guard.administrator);
    EXPECT_EQ(count(guard, 9), 0);
    EXPECT_EQ(count(guard, 10), 1);

    m_router.setOperator(operators[0]);
    EXPECT_EQ(count(permissions(), 9), 1);
}

TEST_F(RouterTest, DeniedFunctionsOfTheHostShapeThePermissionAnswer)
{
    setenv("QORVA_DENY_FUNCTIONS", "9, x 3", 1);
    const auto operators = DemoOperator::demoOperators();
    unsetenv("QORVA_DENY_FUNCTIONS");
    // Administrators lose the withdrawn functions too, and the answer says so.
    m_router.setOperator(operators[0]);
    const protocol::OperatorPermissionData admin = permissions();
    EXPECT_FALSE(admin.administrator);
    EXPECT_EQ(count(admin, 9), 0);
    EXPECT_EQ(count(admin, 3), 0);
    EXPECT_EQ(count(admin, 10), 1);
    EXPECT_FALSE(operators[1].hasFunction(3));
}

TEST_F(RouterTest, HostAndServerAnswerInTheSameWords)
{
    // A host-answered route and a forwarded one: the same success message and, for the
    // same error, the same text.
    const auto registered =
        send("/framework/v1/components/register", "1",
             R"({"componentRegisterInfo":{"supportUrlList":[],"supportMethodList":[]}})");
    const auto forwarded = send("/framework/v1/organizations", "0");
    EXPECT_EQ(code(registered), "0-0");
    EXPECT_EQ(msg(registered.body), msg(forwarded.body));
    EXPECT_EQ(msg(registered.body), "success");

    const auto hostRefusal = send("/framework/v1/components/register", "1", "{");
    const auto serverRefusal = send("/7310/v1/appointments/query", "1", "{");
    EXPECT_EQ(code(hostRefusal), "20-3");
    EXPECT_EQ(code(serverRefusal), "20-3");
    EXPECT_EQ(msg(hostRefusal.body), msg(serverRefusal.body));
    EXPECT_NE(msg(hostRefusal.body), "");
}

TEST_F(RouterTest, ServerRoutesComeBackExactlyAsTheServerAnswers)
{
    const auto direct = m_server.handle(0, "/framework/v1/organizations", {}, {});
    const auto routed = send("/framework/v1/organizations", "0");
    EXPECT_EQ(routed.body, direct.body);
    EXPECT_EQ(routed.headers.at("Content-Type"), direct.contentType);
    EXPECT_EQ(code(routed), "0-0");
    // A server route called with the wrong method gets the server's own refusal.
    EXPECT_EQ(code(send("/framework/v1/organizations", "3")), "20-2");
}

TEST_F(RouterTest, TheObserverGetsTheCodeEachAnswerCarries)
{
    ASSERT_EQ(m_server.seedAppointments(500), 0u);
    struct Seen
    {
        std::string url;
        int method;
        std::string code;
    };
    std::vector<Seen> seen;
    m_router.setObserver([&seen](const std::string &url, int method, const std::string &code) {
        seen.push_back({url, method, code});
    });
    const std::string page = "/7310/v1/appointments/query";
    const std::string units = "/framework/v1/organizations";
    const std::string registration = "/framework/v1/components/register";
    // A page of 500 rows, a server refusal, a method the route lacks, the host's own
    // answer and refusal, a request without a method code.
    const std::vector<lpcserver::Message> answers = {
        send(page, "1", R"({"queryAppointmentResultCondition":{"pageSize":500,"pageNo":1}})"),
        send(page, "1", "{"),
        send(units, "3"),
        send("/framework/v1/operator/permissions", "0"),
        send(registration, "1", "{}"),
        send(units, "x"),
    };
    const std::vector<std::pair<std::string, int>> requests = {
        {page, 1},         {page, 1},   {units, 3}, {"/framework/v1/operator/permissions", 0},
        {registration, 1}, {units, -1},
    };
    ASSERT_EQ(seen.size(), answers.size());
    EXPECT_GT(answers[0].body.size(), 100000u);
    EXPECT_EQ(seen[0].code, "0-0");
    EXPECT_EQ(seen[1].code, "20-3");
    for (std::size_t i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(seen[i].url, requests[i].first) << i;
        EXPECT_EQ(seen[i].method, requests[i].second) << i;
        EXPECT_EQ(seen[i].code, code(answers[i])) << i << " " << seen[i].url;
    }
}

TEST_F(RouterTest, WithoutServerForwardedRequestsGetAnInternalError)
{
    RequestRouter lonely;
    lpcserver::ClientRequest request;
    request.message.headers = {{"url", "/7310/v1/settings/basic"}, {"method", "0"}};
    EXPECT_EQ(code(lonely.route(request)), "20-18");
}

TEST_F(RouterTest, ReplacingTheServerWaitsForTheCallsStillInsideIt)
{
    ASSERT_EQ(m_server.seedAppointments(1), 0u);
    const std::string guid = m_server.list("appointments").at(1).at(0);
    // The deletion's notice holds the forwarded call inside the server until released.
    testsupport::Gate entered;
    testsupport::Gate release;
    m_server.setNotificationSink([&](const qorvaserver::ServerNotification &) {
        entered.open();
        release.wait();
    });
    auto call = std::async(std::launch::async, [&] {
        return send("/7310/v1/appointments", "3",
                    R"({"deleteAppointment":{"appointmentIDList":[")" + guid + R"("]}})");
    });
    ASSERT_TRUE(entered.wait());

    auto replaced = std::async(std::launch::async, [&] { m_router.setServer(nullptr); });
    EXPECT_EQ(replaced.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout)
        << "the server could be destroyed under a running call";
    release.open();
    EXPECT_EQ(replaced.wait_for(testsupport::kBound), std::future_status::ready);
    EXPECT_EQ(code(call.get()), "0-0");
    m_server.setNotificationSink(nullptr);
    // Later requests no longer reach the old server.
    EXPECT_EQ(code(send("/framework/v1/organizations", "0")), "20-18");
}

} // namespace

// CHTTPOverLPCClient against a real LPC server on a private socket directory.

#include "ScriptedLpcServer.h"

#include <Common/CommonMethod/HTTPOverLPCClient.h>

#include <CommunicationLayer/AccessGroupPointComm.h>
#include <CommunicationLayer/CommunicationLayerInit.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupCondition.h>
#include <JSONStruct/accessgroup/DeleteAccessPointGroupResultData.h>
#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>

#include <LPC_Client/LPCClient.h>
#include <LPC_Server/LPCServer.h>

#include <Base/Error.h>
#include <Base/LogCapture.h>

#include <testsupport/TempDir.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <unistd.h>

using Base::Error::ErrorCode;

namespace {

const char *const kJson = "application/json; charset=\"UTF-8\"";
const char *const kServerName = "h9http";

std::string busyWarning(int attempt)
{
    return "Failed to request [url-/7310/v1/appointments]. lpcclient::SendEx failed. "
           "[error-1015].[Retry-" +
           std::to_string(attempt) + "].";
}

// A server whose request handler answers with a canned message and keeps what arrived.
class HttpOverLpcTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_tmp = testsupport::makeTempDir(QStringLiteral("qh9"));
        m_dir = m_tmp->path().toStdString();
        ::setenv("QORVA_LPC_DIR", m_dir.c_str(), 1);
    }

    void TearDown() override
    {
        lpcclient::Uninit();
        if (m_server)
            m_server->stop();
        m_server.reset();
        ::unsetenv("QORVA_LPC_DIR");
    }

    void startServer(const lpcserver::ServerOptions &options = lpcserver::ServerOptions(),
                     lpcserver::CLpcServer::RequestHandler handler = nullptr)
    {
        m_server = std::make_unique<lpcserver::CLpcServer>(options);
        if (!handler) {
            handler = [this](const lpcserver::ClientRequest &request) {
                std::lock_guard<std::mutex> lock(m_mutex);
                m_received.push_back(request.message);
                return m_answer;
            };
        }
        m_server->setRequestHandler(handler);
        ASSERT_TRUE(m_server->start(kServerName)) << m_server->lastError();
        ASSERT_TRUE(lpcclient::Init("h9client", true));
        ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
    }

    void answerWith(const std::string &contentType, const std::string &body)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answer = lpcserver::Message();
        if (!contentType.empty())
            m_answer.headers["Content-Type"] = contentType;
        m_answer.body = body;
    }

    std::vector<lpcserver::Message> received()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_received;
    }

    static commlayer::RequestParams appointmentsRequest()
    {
        commlayer::RequestParams params;
        params.url = "/7310/v1/appointments";
        params.method = 1;
        params.body = "{\"addAppointment\":{\"appointmentList\":[]}}";
        params.timeout = 5000;
        return params;
    }

    std::unique_ptr<QTemporaryDir> m_tmp;
    std::string m_dir;
    std::unique_ptr<lpcserver::CLpcServer> m_server;
    std::mutex m_mutex;
    lpcserver::Message m_answer;
    std::vector<lpcserver::Message> m_received;
    comm_method::CHTTPOverLPCClient m_client;
};

TEST_F(HttpOverLpcTest, SendsFixedHeadersThenSecondMapThenFirstMap)
{
    startServer();
    answerWith(kJson, "{\"code\":\"0-0\",\"msg\":\"\"}");
    commlayer::RequestParams params = appointmentsRequest();
    params.commonHeaders = {
        {"url", "/from/second"}, {"X-Shared", "second"}, {"X-Second", "2"}, {"timeout", "9"}};
    params.headers = {{"protocol", "lpc-direct"}, {"X-Shared", "first"}, {"Content-Type", kJson}};
    commlayer::RspInfos rsp;
    ASSERT_TRUE(m_client.request(rsp, params, false));

    const auto messages = received();
    ASSERT_EQ(messages.size(), 1u);
    const auto &headers = messages[0].headers;
    const std::map<std::string, std::string> expected{
        {"url", "/from/second"}, {"method", "1"},   {"protocol", "lpc-direct"}, {"timeout", "9"},
        {"X-Shared", "first"},   {"X-Second", "2"}, {"Content-Type", kJson},
    };
    EXPECT_EQ(headers, expected);
    EXPECT_EQ(messages[0].body, params.body);
    EXPECT_EQ(messages[0].address, "0");
}

TEST_F(HttpOverLpcTest, FixedHeadersCarryUrlMethodAndTimeoutAsText)
{
    startServer();
    answerWith("", "");
    commlayer::RequestParams params;
    params.url = "/7310/v1/devices/42/qrCodeEncryption";
    params.method = 2;
    params.timeout = 15000;
    commlayer::RspInfos rsp;
    ASSERT_TRUE(m_client.request(rsp, params, true));
    const auto messages = received();
    ASSERT_EQ(messages.size(), 1u);
    const std::map<std::string, std::string> expected{
        {"url", params.url}, {"method", "2"}, {"protocol", "http"}, {"timeout", "15000"}};
    EXPECT_EQ(messages[0].headers, expected);
    EXPECT_TRUE(messages[0].body.empty());
}

// A server with no room in its queue refuses every request as busy.
TEST_F(HttpOverLpcTest, BusyServerIsTriedAgainOnlyWithTheRetryFlag)
{
    lpcserver::ServerOptions options;
    options.maxPendingRequests = 0;
    startServer(options);

    for (const bool retry : {false, true}) {
        SCOPED_TRACE(retry ? "retry" : "no retry");
        Base::details::CLogCapture log;
        commlayer::RspInfos rsp;
        rsp.body = "untouched";
        Base::Error::SetLastError(0, 0);
        EXPECT_FALSE(m_client.request(rsp, appointmentsRequest(), retry));
        EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(67, 1015));
        EXPECT_EQ(rsp.body, "untouched");
        EXPECT_TRUE(rsp.headers.empty());

        const int attempts = retry ? 3 : 1;
        int previous = -1;
        for (int attempt = 1; attempt <= attempts; ++attempt) {
            const int at = log.indexOf(busyWarning(attempt));
            ASSERT_GT(at, previous) << busyWarning(attempt);
            EXPECT_EQ(log.lines()[at].level, Base::details::LogLevel::Warn);
            previous = at;
        }
        EXPECT_EQ(log.indexOf(busyWarning(attempts + 1)), -1);
        const int error = log.indexOf("Failed to request [url-/7310/v1/appointments]. "
                                      "lpcclient::SendEx failed. [error-1015].");
        EXPECT_GT(error, previous);
        if (error >= 0) {
            EXPECT_EQ(log.lines()[error].level, Base::details::LogLevel::Error);
        }
    }
}

// Busy answers followed by a real one: the attempts stop at the first success.
TEST_F(HttpOverLpcTest, RetryStopsAtTheFirstAnswer)
{
    lpcwire::Frame answer;
    answer.text1 = "0";
    answer.headers["Content-Type"] = kJson;
    answer.body = "{\"code\":\"0-0\",\"msg\":\"\"}";
    lpctest::ScriptedLpcServer server(m_dir + "/" + kServerName, {1015, 1015}, answer);
    ASSERT_TRUE(server.ready());
    ASSERT_TRUE(lpcclient::Init("h9client", true));
    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();

    Base::details::CLogCapture log;
    Base::Error::SetLastError(9, 9);
    commlayer::RspInfos rsp;
    EXPECT_TRUE(m_client.request(rsp, appointmentsRequest(), true));
    EXPECT_EQ(server.requests(), 3);
    EXPECT_GE(log.indexOf(busyWarning(1)), 0);
    EXPECT_GE(log.indexOf(busyWarning(2)), 0);
    EXPECT_EQ(log.indexOf(busyWarning(3)), -1);
    EXPECT_EQ(log.indexOf("Failed to request [url-/7310/v1/appointments]. lpcclient::SendEx "
                          "failed. [error-1015]."),
              -1);
    EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(9, 9));
    EXPECT_EQ(rsp.body, answer.body);
    lpcclient::Uninit();
}

TEST_F(HttpOverLpcTest, OtherLpcErrorsAreNotRetried)
{
    startServer();
    ASSERT_TRUE(lpcclient::DisconnectToServer());
    Base::details::CLogCapture log;
    commlayer::RspInfos rsp;
    EXPECT_FALSE(m_client.request(rsp, appointmentsRequest(), true));
    const ErrorCode expected(67, lpcclient::LPC_ERROR_NOT_CONNECTED);
    EXPECT_EQ(Base::Error::GetLastError(), expected);
    for (const std::string &message : log.messages())
        EXPECT_EQ(message.find("[Retry-"), std::string::npos) << message;
    EXPECT_TRUE(log.contains(
        "Failed to request [url-/7310/v1/appointments]. lpcclient::SendEx failed. [error-" +
        std::to_string(lpcclient::LPC_ERROR_NOT_CONNECTED) + "]."));
    EXPECT_TRUE(received().empty());
}

struct AnswerRow
{
    const char *label;
    std::string contentType;
    std::string body;
    bool ok;
    ErrorCode error; // expected last error (the sentinel 9-9 when untouched)
    const char *warning;
};

TEST_F(HttpOverLpcTest, ContentTypeAndReturnCodeDecideTheResult)
{
    startServer();
    const std::string failure = "{\"code\":\"2-5\",\"msg\":\"no such appointment\",\"data\":{}}";
    const ErrorCode untouched(9, 9);
    const std::vector<AnswerRow> rows{
        {"success code", kJson, "{\"code\":\"0-0\",\"msg\":\"\",\"data\":{\"total\":1}}", true,
         untouched, nullptr},
        {"failure code", kJson, failure, false, ErrorCode(2, 5),
         "Failed to request [url-/7310/v1/appointments]. [error-2-5]."},
        {"only the code number counts", kJson, "{\"code\":\"5-0\",\"msg\":\"\"}", true, untouched,
         nullptr},
        {"no code at all", kJson, "{\"msg\":\"\"}", true, untouched, nullptr},
        {"json without charset", "application/json", failure, true, untouched, nullptr},
        {"charset in other case", "application/json; charset=\"utf-8\"", failure, true, untouched,
         nullptr},
        {"charset without quotes", "application/json; charset=UTF-8", failure, true, untouched,
         nullptr},
        {"no content type", "", failure, true, untouched, nullptr},
        {"picture", "image/jpeg", std::string("\xff\xd8\xff\xe0\0JFIF", 9), true, untouched,
         nullptr},
        {"empty json body", kJson, "", true, untouched, nullptr},
        {"broken json", kJson, "{\"code\":", false, ErrorCode(1, 7),
         "Failed to request [url-/7310/v1/appointments]. JSON paring failed. [body-{\"code\":]."},
    };
    for (const AnswerRow &row : rows) {
        SCOPED_TRACE(row.label);
        answerWith(row.contentType, row.body);
        Base::details::CLogCapture log;
        Base::Error::SetLastError(untouched);
        commlayer::RspInfos rsp;
        EXPECT_EQ(m_client.request(rsp, appointmentsRequest(), false), row.ok);
        EXPECT_EQ(Base::Error::GetLastError(), row.error) << Base::Error::GetLastError().toString();
        // The body and content type are there also when the request failed.
        EXPECT_EQ(rsp.body, row.body);
        // A JSON answer that was checked comes with its tree, so that it is not parsed again.
        const bool checkedJson = row.ok && row.contentType == kJson && !row.body.empty();
        EXPECT_EQ(rsp.tree != nullptr, checkedJson);
        if (checkedJson) {
            EXPECT_TRUE(cJSON_IsString(cJSON_GetObjectItemCaseSensitive(rsp.tree.get(), "msg")));
        }
        if (row.contentType.empty()) {
            EXPECT_EQ(rsp.headers.count("Content-Type"), 0u);
        } else
            EXPECT_EQ(rsp.headers["Content-Type"], row.contentType);
        if (row.warning != nullptr) {
            const int at = log.indexOf(row.warning);
            ASSERT_GE(at, 0) << row.warning;
            EXPECT_EQ(log.lines()[at].level, Base::details::LogLevel::Warn);
        }
    }
}

TEST_F(HttpOverLpcTest, CopiesOnlyTheThreeAnswerHeaders)
{
    startServer();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_answer.headers = {{"Content-Type", "application/pdf"},  {"Range", "bytes=0-99"},
                            {"Content-Range", "bytes 0-99/1000"}, {"Content-Length", "100"},
                            {"content-type", "text/plain"},       {"url", "/7310/v1/appointments"}};
        m_answer.body = "%PDF-1.4";
    }
    commlayer::RspInfos rsp;
    rsp.headers["Keep"] = "mine";
    ASSERT_TRUE(m_client.request(rsp, appointmentsRequest(), false));
    const std::map<std::string, std::string> expected{{"Content-Type", "application/pdf"},
                                                      {"Range", "bytes=0-99"},
                                                      {"Content-Range", "bytes 0-99/1000"},
                                                      {"Keep", "mine"}};
    EXPECT_EQ(rsp.headers, expected);
    EXPECT_EQ(rsp.body, "%PDF-1.4");
}

// The backend library over this transport, against a handler that routes by the table
// as the host does.
TEST_F(HttpOverLpcTest, BackendOperationsTravelOverTheLink)
{
    startServer(lpcserver::ServerOptions(), [](const lpcserver::ClientRequest &request) {
        using namespace protocol::routes;
        const auto &headers = request.message.headers;
        lpcserver::Message answer;
        answer.headers["Content-Type"] = kJsonContentType;
        const Route *route = matchRoute(std::stoi(headers.at("method")), headers.at("url"));
        if (route == nullptr)
            answer.body = "{\"code\":\"20-1\",\"msg\":\"unknown\"}";
        else if (route->id == RouteId::GetAccessGroups)
            answer.body =
                "{\"code\":\"0-0\",\"msg\":\"\",\"data\":{\"visitAccessGroupQueryResponse\":"
                "[{\"accessGroupGuid\":\"C0FFEE00C0FFEE00C0FFEE00C0FFEE00\",\"name\":\"Lobby\"}]}}";
        else
            answer.body = "{\"code\":\"20-11\",\"msg\":\"in use\"}";
        return answer;
    });

    commlayer::CommunicationLayerInitParams params;
    params.httpClient = std::make_shared<comm_method::CHTTPOverLPCClient>();
    params.timeout = 10000;
    ASSERT_TRUE(commlayer::CommunicationLayerInit(params));

    protocol::VisitAccessGroupQueryResponseData groups;
    EXPECT_TRUE(commlayer::AccessGroupPointComm::getAccessGroups(groups));
    ASSERT_EQ(groups.visitAccessGroupQueryResponse.size(), 1u);
    EXPECT_EQ(groups.visitAccessGroupQueryResponse[0].name, "Lobby");

    protocol::DeleteAccessPointGroupResultData removed;
    protocol::DeleteAccessPointGroupCondition condition;
    condition.deleteAccessPointGroupIDList = {"C0FFEE00C0FFEE00C0FFEE00C0FFEE00"};
    EXPECT_FALSE(commlayer::AccessGroupPointComm::removeAccessGroup(removed, condition));
    EXPECT_EQ(Base::Error::GetLastError(), ErrorCode(20, 11));
    EXPECT_TRUE(removed.deleteAccessPointGroupResult.empty());
    commlayer::CommunicationLayerUnInit();
}

} // namespace

// Routing of arriving work without a framework: URL normalisation, the command
// manager's tables and start, the window commands' answers, and the LPC callback
// handing calls to the right pool.

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>
#include <Logical/Communication/Cmd/LpcCmd/LpcCmd.h>
#include <Logical/Communication/LpcInterface/LpcInterface.h>
#include <Logical/Communication/NetTask/NetTask/LpcTask.h>

#include <Common/CommonMethod/ThreadPoolForInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <clientcommonlogical/SwitchUserNotifyMgr.h>

#include <testsupport/LogWatch.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

using visitorclient::CCmdManager;
using visitorclient::CLpcCmd;

namespace {

lpcclient::tag_LPCCallBackData call(const std::string &body, std::uint8_t needReply = 1)
{
    lpcclient::tag_LPCCallBackData data;
    data.callId = 77;
    data.needReply = needReply;
    data.source = "0";
    data.headers = {{"url", ""}, {"method", "x"}, {"protocol", "lpc"}};
    data.body = body;
    return data;
}

struct ParsedReply
{
    int errorCode = -1;
    int errorModule = -1;
    std::string method;
    int wndId = -2; // -2: no "data" with a "wndId"
};

ParsedReply parseReply(const std::string &body)
{
    ParsedReply out;
    const char *end = nullptr;
    cJSON *root = cJSON_ParseWithOpts(body.c_str(), &end, 0);
    if (!root)
        return out;
    out.errorCode = cJSON_GetObjectItem(root, "errorCode")->valueint;
    out.errorModule = cJSON_GetObjectItem(root, "errorModule")->valueint;
    out.method = cJSON_GetObjectItem(root, "method")->valuestring;
    if (const cJSON *wndId = cJSON_GetObjectItem(cJSON_GetObjectItem(root, "data"), "wndId"))
        out.wndId = wndId->valueint;
    cJSON_Delete(root);
    return out;
}

// Stands in for the link: keeps what would have been sent.
struct RepliesSent
{
    static bool send(const lpcclient::tag_LPCReplyData &reply)
    {
        std::lock_guard<std::mutex> lock(mutex());
        if (failing)
            return false;
        list().push_back(reply);
        return true;
    }
    static std::vector<lpcclient::tag_LPCReplyData> all()
    {
        std::lock_guard<std::mutex> lock(mutex());
        return list();
    }
    static void clear()
    {
        std::lock_guard<std::mutex> lock(mutex());
        list().clear();
    }
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static std::vector<lpcclient::tag_LPCReplyData> &list()
    {
        static std::vector<lpcclient::tag_LPCReplyData> l;
        return l;
    }
    static inline std::atomic<bool> failing{false};
};

class FakeWindows : public visitorclient::IWindowResourceManager
{
public:
    int getWIDbyMethod(const std::string &strID, int iType) override
    {
        asked.emplace_back(strID, iType);
        return 4711;
    }
    void ShowWndbyWID(const std::string &strID, int iType) override
    {
        shown.emplace_back(strID, iType);
    }
    std::vector<std::pair<std::string, int>> asked;
    std::vector<std::pair<std::string, int>> shown;
};

class SwitchObserver : public clientcommonlogical::ISwitchUserNotifyMgrObserver
{
public:
    void onSwitchUserNotify(const clientcommonlogical::SwitchUserNotifyData &data) override { kinds.push_back(data.iKind); }
    std::vector<int> kinds;
};

} // namespace

TEST(CmdRouting, UrlNormalisation)
{
    const struct
    {
        const char *url;
        const char *expected;
    } cases[] = {
        {"/7310/v1/internal/template/tests", "/7310/v1/internal/template/tests"},
        {"/7310/v1/internal/template/tests/42", "/7310/v1/internal/template/tests/<id>"},
        {"//7310//v1/internal//template/tests/", "/7310/v1/internal/template/tests"},
        {"/v1/7310/x", "/v1/<id>/x"},          // "7310" stays only as the first piece
        {"/42/v1", "/<id>/v1"},                // another number in first place does not
        {"/a/0123456789abcdef0123456789abcdef", "/a/<guid>"},
        {"/a/01234567890123456789012345678901", "/a/<id>"}, // 32 digits: a number first
        {"/a/0123456789abcdef0123456789abcde", "/a/0123456789abcdef0123456789abcde"},
        {"/a/18446744073709551615", "/a/<id>"},
        {"/a/-1", "/a/-1"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CCmdManager::normaliseUrl(c.url), c.expected) << c.url;
}

TEST(CmdRouting, ValidUrlsAndMethods)
{
    auto &manager = CCmdManager::Instance();
    manager.unInit();
    testsupport::LogWatch capture;
    // Calls that arrive before the maps are filled are refused, not crashed on.
    EXPECT_FALSE(manager.dispatchLpc("getWndHandle", call("{}")));
    EXPECT_TRUE(capture.contains("Method Is InValid.Method[getWndHandle]"));

    manager.initHttpMap();
    manager.initLpcMap();
    std::string normalised;
    EXPECT_TRUE(manager.isValidUrl(normalised, "/7310/v1/internal/template/tests/"));
    EXPECT_EQ(normalised, "/7310/v1/internal/template/tests");
    EXPECT_FALSE(manager.isValidUrl(normalised, "/7310/v1/internal/template/tests/42"));
    EXPECT_TRUE(capture.contains("Url Is InValid.Url[/7310/v1/internal/template/tests/42]"));
    // Served although not announced.
    EXPECT_TRUE(manager.isValidMethod("componentUninit"));
    EXPECT_FALSE(manager.isValidMethod("initFinish"));
    manager.unInit();
    manager.unInit();
    EXPECT_FALSE(manager.isValidMethod("showWnd"));
}

TEST(CmdRouting, FailedRegistrationSkipsSubscriptionButKeepsMaps)
{
    auto &manager = CCmdManager::Instance();
    testsupport::LogWatch capture;
    // No backend transport: the registration fails with the library's own error.
    EXPECT_FALSE(manager.init());
    EXPECT_TRUE(capture.contains("Component Register Failed.Code[68-1]"));
    EXPECT_TRUE(capture.contains("Register Support Failed."));
    EXPECT_FALSE(capture.contains("Subscribe Websocket Success."));
    EXPECT_LT(capture.indexOf("Init Http Map Success."), capture.indexOf("Init Lpc Map Success."));
    EXPECT_TRUE(manager.isValidMethod("getWndHandle"));
    manager.unInit();
}

TEST(CmdRouting, ReplyOnlyWhenTheCallerWaits)
{
    auto &manager = CCmdManager::Instance();
    manager.initHttpMap();
    manager.initLpcMap();
    testsupport::LogWatch capture;
    const std::string body = R"({"method":"switchUserUpdateFrame","data":{"updateFrame":true}})";
    // No link yet: a reply that is due can only fail.
    manager.setReplySender(nullptr);
    EXPECT_TRUE(manager.dispatchLpc("switchUserUpdateFrame", call(body, 0)));
    EXPECT_FALSE(manager.dispatchLpc("switchUserUpdateFrame", call(body, 1)));
    EXPECT_TRUE(capture.contains("No LPC link to reply through. CallId[77]."));

    manager.setReplySender(&RepliesSent::send);
    RepliesSent::clear();
    EXPECT_TRUE(manager.dispatchLpc("switchUserUpdateFrame", call(body, 0)));
    EXPECT_TRUE(RepliesSent::all().empty());
    EXPECT_TRUE(manager.dispatchLpc("switchUserUpdateFrame", call(body, 1)));
    lpcclient::tag_LPCCallBackData http = call("{}", 1);
    EXPECT_TRUE(manager.dispatchHttp("/7310/v1/internal/template/tests/", http));
    const std::vector<lpcclient::tag_LPCReplyData> replies = RepliesSent::all();
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(parseReply(replies[0].body).method, "switchUserUpdateFrame");
    // The template test sets no body; the empty reply still reaches the caller.
    EXPECT_EQ(replies[1].callId, 77u);
    EXPECT_EQ(replies[1].address, "0");
    EXPECT_TRUE(replies[1].body.empty());

    RepliesSent::failing = true;
    EXPECT_FALSE(manager.dispatchLpc("switchUserUpdateFrame", call(body, 1)));
    RepliesSent::failing = false;
    manager.setReplySender(nullptr);
    manager.unInit();
}

TEST(CmdRouting, WindowCommandsReachTheRegisteredManager)
{
    testsupport::LogWatch capture;
    const auto getWndHandle = [](const std::string &body) {
        lpcclient::tag_LPCReplyData reply;
        lpcclient::tag_LPCCallBackData data = call(body);
        CLpcCmd(reply, data).getWndId();
        return parseReply(reply.body).wndId;
    };
    const std::string ask =
        R"({"method":"getWndHandle","data":{"type":2,"id":"VisitorApplication"}})";

    // Before the UI layer registers its manager nothing is created: -1.
    CLpcCmd::setWindowResourceManager(nullptr);
    EXPECT_EQ(getWndHandle(ask), -1);
    EXPECT_TRUE(capture.contains("No window resource manager. strId[VisitorApplication]."));

    FakeWindows windows;
    CLpcCmd::setWindowResourceManager(&windows);
    EXPECT_EQ(getWndHandle(ask), 4711);
    EXPECT_EQ(getWndHandle(ask), 4711);
    lpcclient::tag_LPCReplyData reply;
    lpcclient::tag_LPCCallBackData show =
        call(R"({"method":"showWnd","data":{"type":2,"id":"TemplateMaintain"}})");
    CLpcCmd(reply, show).showWnd();
    CLpcCmd::setWindowResourceManager(nullptr);
    EXPECT_EQ(windows.asked, (std::vector<std::pair<std::string, int>>{{"VisitorApplication", 2},
                                                                       {"VisitorApplication", 2}}));
    EXPECT_EQ(windows.shown, (std::vector<std::pair<std::string, int>>{{"TemplateMaintain", 2}}));
    EXPECT_EQ(parseReply(reply.body).errorCode, 0);
}

TEST(CmdRouting, BrokenBodiesAnswerTheirErrorPairs)
{
    testsupport::LogWatch capture;
    const struct
    {
        void (CLpcCmd::*command)();
        const char *method;
        int code;
    } cases[] = {
        {&CLpcCmd::getWndId, "getWndHandle", 12},
        {&CLpcCmd::showWnd, "showWnd", 12},
        {&CLpcCmd::switchUserUpdateFrame, "switchUserUpdateFrame", 8},
    };
    for (const auto &c : cases) {
        lpcclient::tag_LPCReplyData reply;
        lpcclient::tag_LPCCallBackData data = call("{");
        CLpcCmd cmd(reply, data);
        (cmd.*c.command)();
        const ParsedReply parsed = parseReply(reply.body);
        EXPECT_EQ(parsed.errorCode, c.code) << c.method;
        EXPECT_EQ(parsed.errorModule, 7) << c.method;
        EXPECT_EQ(parsed.method, c.method);
        EXPECT_EQ(reply.callId, 77u);
        EXPECT_EQ(reply.address, "0");
        EXPECT_EQ(reply.headers, data.headers);
    }
    EXPECT_TRUE(capture.contains("Parsing JSON Failed. Body[{]."));
}

TEST(CmdRouting, SwitchUserRefreshesWhateverTheFlag)
{
    SwitchObserver observer;
    clientcommonlogical::CSwitchUserNotifyMgr::Instance().registerObserver(&observer);
    lpcclient::tag_LPCReplyData reply;
    lpcclient::tag_LPCCallBackData data = call(R"({"method":"switchUserUpdateFrame","data":{"updateFrame":false}})");
    CLpcCmd cmd(reply, data);
    cmd.switchUserUpdateFrame();
    clientcommonlogical::CSwitchUserNotifyMgr::Instance().unregisterObserver(&observer);
    EXPECT_EQ(observer.kinds, std::vector<int>({1}));
    const ParsedReply parsed = parseReply(reply.body);
    EXPECT_EQ(parsed.errorCode, 0);
    EXPECT_EQ(parsed.errorModule, 0);
}

TEST(CmdRouting, CallbackHandsCallsToTheirPools)
{
    auto &netPool = comm_method::CThreadPoolForNetTask::instance();
    auto &innerPool = comm_method::CThreadPoolForInnerTask::instance();
    netPool.init(4, 0, 0);
    innerPool.init(2);
    auto &manager = CCmdManager::Instance();
    manager.initHttpMap();
    manager.initLpcMap();
    testsupport::LogWatch capture;

    // The url decides first: "websocket" with a url is an HTTP request.
    lpcclient::tag_LPCCallBackData http = call("{}", 0);
    http.headers = {{"url", "/7310/v1/internal/template/tests"}, {"method", "1"}, {"protocol", "websocket"}};
    EXPECT_TRUE(visitorclient::invokeCallBack(http, nullptr));
    EXPECT_TRUE(capture.waitForLine("Get Http Request.URL[/7310/v1/internal/template/tests]"));

    // No url, no protocol: an LPC call, routed by the body's method, not the header's.
    lpcclient::tag_LPCCallBackData lpc = call(R"({"data":{}})", 0);
    lpc.headers = {{"method", "showWnd"}};
    EXPECT_TRUE(visitorclient::invokeCallBack(lpc, nullptr));
    EXPECT_TRUE(capture.waitForLine("Get LPC Method Error."));
    EXPECT_FALSE(capture.contains("void CLpcCmd::showWnd()"));

    lpcclient::tag_LPCCallBackData notify = call("not json", 0);
    notify.headers = {{"url", ""}, {"protocol", "websocket"}};
    EXPECT_TRUE(visitorclient::invokeCallBack(notify, nullptr));
    EXPECT_TRUE(capture.waitForLine("Notify Input Data Error.Protocol:[websocket]"));

    EXPECT_TRUE(capture.contains("Recevice Callback Data.Url:[],Method:[showWnd],Protocol:[]"));
    innerPool.stop();
    netPool.stop();
    // A stopped pool refuses the task; the callback logs it and still returns true.
    EXPECT_TRUE(visitorclient::invokeCallBack(http, nullptr));
    EXPECT_TRUE(capture.contains("Failed To Post Net Task.Url:[/7310/v1/internal/template/tests],Method:[1]."));
    manager.unInit();
}

// The client library and the server talking over real Unix sockets in a private
// directory. lpcclient is process-wide, so every test brings it up and down in its fixture.

#include "LpcTestSupport.h"

#include <Base/LogCapture.h>
#include <LPC_Client/LPCClient.h>
#include <LPC_Server/LPCServer.h>
#include <lpc_wire/Frame.h>
#include <lpc_wire/SocketPath.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <stdexcept>
#include <thread>
#include <vector>

#include <csignal>
#include <cstdio>

#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>

extern char **environ;

using namespace lpctest;
using lpcserver::CallResult;
using lpcserver::CLpcServer;
using lpcserver::Message;
using lpcserver::OutgoingCall;

namespace {

const std::string kServerName =
    "Qorva-7310_ClientFramework_LPCServer_7F0AA04D76F64B58AB20037B4D99073F";
const std::string kIdentity = "VisitorManagement.C_50476d36394c4e098ce21c4a4610e8b5";

// What the callback saw; the callback answers calls that want a reply by echoing.
struct Recorder
{
    Inbox<lpcclient::tag_LPCCallBackData> calls;
    std::atomic<bool> autoReply{true};
    std::atomic<int> sendExErrorOnCallbackThread{-1};
    std::atomic<bool> trySendExOnCallbackThread{false};
    std::atomic<int> reconnectErrorOnCallbackThread{-1};
    std::atomic<bool> tryReconnectOnCallbackThread{false};
};

bool recordingCallback(const lpcclient::tag_LPCCallBackData &data, void *userData)
{
    auto *rec = static_cast<Recorder *>(userData);
    if (rec->trySendExOnCallbackThread) {
        lpcclient::tag_LPCResponseData response;
        std::uint64_t id = 0;
        lpcclient::SendEx(response, lpcclient::tag_LPCRequestData(), id, 1000);
        rec->sendExErrorOnCallbackThread = lpcclient::GetLPCLastError();
    }
    if (rec->tryReconnectOnCallbackThread) {
        lpcclient::ConnectToServer(kServerName);
        rec->reconnectErrorOnCallbackThread = lpcclient::GetLPCLastError();
    }
    if (data.needReply && rec->autoReply) {
        lpcclient::tag_LPCReplyData reply;
        reply.callId = data.callId;
        reply.address = data.source;
        reply.headers = data.headers;
        reply.body = "re:" + data.body;
        lpcclient::Reply(reply);
    }
    rec->calls.push(data);
    return true;
}

lpcclient::tag_LPCRequestData httpRequest(const std::string &url, const std::string &body)
{
    lpcclient::tag_LPCRequestData request;
    request.address = "0";
    request.headers = {{"url", url}, {"method", "2"}, {"protocol", "http"}, {"timeout", "5000"}};
    request.body = body;
    return request;
}

class LpcLink : public ::testing::Test
{
protected:
    explicit LpcLink(lpcserver::ServerOptions options = lpcserver::ServerOptions())
        : server(options)
    {}

    void SetUp() override
    {
        server.setRequestHandler([this](const lpcserver::ClientRequest &request) {
            if (request.message.body == "block") {
                handlerEntered.open();
                release.wait();
            }
            if (request.message.body == "throw")
                throw std::runtime_error("handler broke");
            if (!request.wantsResponse)
                fireAndForget.push(request);
            Message answer;
            answer.headers = request.message.headers;
            answer.headers["Content-Type"] = "application/json; charset=\"UTF-8\"";
            answer.body = "answer:" + request.message.body;
            if (request.message.body == "huge")
                answer.body.assign(100 * 1024, 'h');
            return answer;
        });
        server.setNotifyHandler(
            [this](const lpcserver::ClientNotification &n) { notifications.push(n); });
        server.setConnectionHandler(
            [this](const std::string &id, bool up) { events.push((up ? "+" : "-") + id); });
        ASSERT_TRUE(server.start(kServerName)) << server.lastError();
        connectClient();
    }

    void connectClient()
    {
        ASSERT_TRUE(lpcclient::Init(kIdentity, false));
        ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
        ASSERT_TRUE(lpcclient::SetInvokeCallBack(recordingCallback, &recorder));
        ASSERT_TRUE(server.waitForClient(kIdentity, kWaitMs));
    }

    void TearDown() override
    {
        release.open();
        lpcclient::SetInvokeCallBack(nullptr, nullptr);
        lpcclient::Uninit();
        server.stop();
    }

    TempSocketDir dir; // first: the server and client see its QORVA_LPC_DIR
    CLpcServer server;
    Recorder recorder;
    Latch handlerEntered;
    Latch release;
    Inbox<lpcserver::ClientRequest> fireAndForget;
    Inbox<lpcserver::ClientNotification> notifications;
    Inbox<std::string> events;
};

} // namespace

TEST_F(LpcLink, HostCallsReachTheCallbackAndRepliesComeBack)
{
    OutgoingCall call;
    call.headers = {{"url", ""}, {"method", "getWndHandle"}, {"protocol", "lpc"}};
    call.body = R"({"method":"getWndHandle","data":{"type":1,"id":"VisitorApplication"}})";
    Message reply;
    ASSERT_EQ(server.call(kIdentity, call, reply, kWaitMs), CallResult::Ok);
    EXPECT_EQ(reply.body, "re:" + call.body);
    EXPECT_EQ(reply.address, "0");
    EXPECT_EQ(reply.headers, call.headers);

    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_NE(seen.callId, 0u);
    EXPECT_EQ(seen.needReply, 1);
    EXPECT_EQ(seen.relayed, 0);
    EXPECT_EQ(seen.source, "0");
    EXPECT_EQ(seen.target, kIdentity);
    EXPECT_EQ(seen.headers, call.headers);
    EXPECT_EQ(seen.body, call.body);

    // A call that wants no reply arrives with the flag clear; the relayed flag and the
    // source travel as given.
    recorder.autoReply = false;
    call.source = "OtherComponent.C";
    call.relayed = true;
    ASSERT_EQ(server.post(kIdentity, call), CallResult::Ok);
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(seen.needReply, 0);
    EXPECT_EQ(seen.relayed, 1);
    EXPECT_EQ(seen.source, "OtherComponent.C");

    // No reply: the waiting host call times out instead of hanging.
    EXPECT_EQ(server.call(kIdentity, call, reply, 200), CallResult::Timeout);
    EXPECT_EQ(server.call("nobody", call, reply, 200), CallResult::NotConnected);
}

TEST_F(LpcLink, NotificationsAndFireAndForgetRequestsReachTheHandlers)
{
    lpcclient::tag_LPCNotifyData note;
    note.address = "0";
    note.headers["method"] = "initFinish";
    note.body = R"({"method":"initFinish"})";
    ASSERT_TRUE(lpcclient::Notify(note));
    lpcserver::ClientNotification got;
    ASSERT_TRUE(notifications.pop(got));
    EXPECT_EQ(got.clientIdentity, kIdentity);
    EXPECT_EQ(got.message.address, "0");
    EXPECT_EQ(got.message.headers, note.headers);
    EXPECT_EQ(got.message.body, note.body);

    const std::uint64_t first = lpcclient::Send(httpRequest("/a", "1"));
    const std::uint64_t second = lpcclient::Send(httpRequest("/a", "2"));
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
    lpcserver::ClientRequest request;
    ASSERT_TRUE(fireAndForget.pop(request));
    EXPECT_FALSE(request.wantsResponse);
    EXPECT_TRUE(request.requestId == first || request.requestId == second);
}

TEST_F(LpcLink, ConcurrentSendExGetTheirOwnResponses)
{
    constexpr int kThreads = 8;
    constexpr int kPerThread = 40;
    std::atomic<int> mismatches{0};
    std::atomic<int> failures{0};
    std::mutex idsMutex;
    std::set<std::uint64_t> ids;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < kPerThread; ++i) {
                const std::string body =
                    std::to_string(t) + "/" + std::to_string(i) + std::string(t * 500, 'p');
                lpcclient::tag_LPCResponseData response;
                std::uint64_t id = 0;
                if (!lpcclient::SendEx(response, httpRequest("/t/" + std::to_string(t), body), id,
                                       kWaitMs)) {
                    ++failures;
                    continue;
                }
                if (response.body != "answer:" + body ||
                    response.headers["url"] != "/t/" + std::to_string(t) || response.address != "0")
                    ++mismatches;
                std::lock_guard<std::mutex> lock(idsMutex);
                ids.insert(id);
            }
        });
    }
    for (auto &th : threads)
        th.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(ids.size(), std::size_t(kThreads * kPerThread)); // request identities never repeat
    EXPECT_EQ(ids.count(0), 0u);
}

TEST_F(LpcLink, SendExTimesOutAndTheLateResponseIsDropped)
{
    lpcclient::tag_LPCResponseData response;
    response.body = "untouched";
    std::uint64_t id = 0;
    EXPECT_FALSE(lpcclient::SendEx(response, httpRequest("/slow", "block"), id, 200));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_TIMEOUT);
    EXPECT_EQ(response.body, "untouched");
    EXPECT_NE(id, ~std::uint64_t(0)); // the request was sent
    ASSERT_TRUE(handlerEntered.wait());
    release.open();

    // The link stays usable; the late answer of the first request does not land here.
    ASSERT_TRUE(lpcclient::SendEx(response, httpRequest("/fast", "next"), id, kWaitMs));
    EXPECT_EQ(response.body, "answer:next");
    EXPECT_EQ(lpcclient::GetLPCLastError(), 0);
}

TEST_F(LpcLink, HandlerFailureIsReportedToTheWaitingCaller)
{
    Base::details::CLogCapture log;
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    EXPECT_FALSE(lpcclient::SendEx(response, httpRequest("/broken", "throw"), id, kWaitMs));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_HANDLER_FAILED);
    EXPECT_TRUE(
        log.contains("LPC request handler failed for client [" + kIdentity + "]: handler broke."));
    EXPECT_TRUE(lpcclient::SendEx(response, httpRequest("/fine", "ok"), id, kWaitMs));
}

TEST_F(LpcLink, SendExFromTheCallbackThreadFailsInsteadOfDeadlocking)
{
    recorder.trySendExOnCallbackThread = true;
    OutgoingCall call;
    call.body = "x";
    ASSERT_EQ(server.post(kIdentity, call), CallResult::Ok);
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(recorder.sendExErrorOnCallbackThread, lpcclient::LPC_ERROR_WRONG_THREAD);
}

TEST_F(LpcLink, LostServerDeliversClientDisconnectedAndWakesWaiters)
{
    std::atomic<int> waiterError{0};
    std::thread waiter([&] {
        lpcclient::tag_LPCResponseData response;
        std::uint64_t id = 0;
        if (!lpcclient::SendEx(response, httpRequest("/slow", "block"), id, 60000))
            waiterError = lpcclient::GetLPCLastError();
    });
    ASSERT_TRUE(handlerEntered.wait());
    const auto start = std::chrono::steady_clock::now();
    // stop() closes the connections first, then waits for the blocked handler.
    std::thread stopper([&] { server.stop(); });
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    waiter.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kWaitMs));
    EXPECT_EQ(waiterError, lpcclient::LPC_ERROR_CONNECTION_LOST);
    release.open();
    stopper.join();

    EXPECT_EQ(seen.headers.at("url"), "");
    EXPECT_EQ(seen.headers.at("method"), "clientDisconnected");
    EXPECT_NE(seen.headers.at("protocol"), "websocket");
    EXPECT_EQ(seen.needReply, 0);
    EXPECT_EQ(seen.source, "0");
    EXPECT_EQ(seen.body, "{\n\t\"method\":\t\"clientDisconnected\"\n}");
    EXPECT_EQ(recorder.calls.size(), 0u); // exactly one

    EXPECT_FALSE(lpcclient::Notify(lpcclient::tag_LPCNotifyData()));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_NOT_CONNECTED);

    // The host comes back under the same name: the client connects again.
    ASSERT_TRUE(server.start(kServerName)) << server.lastError();
    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    ASSERT_TRUE(lpcclient::SendEx(response, httpRequest("/again", "hi"), id, kWaitMs));
    EXPECT_EQ(response.body, "answer:hi");
}

TEST_F(LpcLink, OwnDisconnectIsSilentAndConnectionEventsAreOrdered)
{
    std::string event;
    ASSERT_TRUE(events.pop(event));
    EXPECT_EQ(event, "+" + kIdentity);
    ASSERT_TRUE(lpcclient::DisconnectToServer());
    ASSERT_TRUE(events.pop(event));
    EXPECT_EQ(event, "-" + kIdentity);
    // The reader thread is joined by now: a disconnect call would already be recorded.
    EXPECT_EQ(recorder.calls.size(), 0u);
    EXPECT_FALSE(lpcclient::DisconnectToServer());
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_NOT_CONNECTED);

    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName));
    ASSERT_TRUE(events.pop(event));
    EXPECT_EQ(event, "+" + kIdentity);
    EXPECT_FALSE(lpcclient::ConnectToServer(kServerName));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_ALREADY_CONNECTED);
}

TEST_F(LpcLink, HostClosingTheClientLooksLikeAServerLoss)
{
    // Reconnecting from inside the callback would join the reader from itself: refused.
    recorder.tryReconnectOnCallbackThread = true;
    ASSERT_TRUE(server.disconnectClient(kIdentity));
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(seen.headers.at("method"), "clientDisconnected");
    EXPECT_EQ(recorder.reconnectErrorOnCallbackThread, lpcclient::LPC_ERROR_WRONG_THREAD);
    recorder.tryReconnectOnCallbackThread = false;
    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
}

TEST_F(LpcLink, MalformedPeersLoseOnlyTheirOwnConnection)
{
    Base::details::CLogCapture log;
    struct Case
    {
        const char *name;
        std::string bytes;
        bool introduceFirst;
        const char *logged;
    };
    lpcwire::Frame unexpected;
    unexpected.type = lpcwire::FrameType::Response; // only the host sends these
    std::string unexpectedBytes;
    lpcwire::encodeFrame(unexpected, unexpectedBytes);
    std::string beforeHello;
    lpcwire::Frame request;
    request.type = lpcwire::FrameType::Request;
    lpcwire::encodeFrame(request, beforeHello);
    const std::vector<Case> cases = {
        {"garbage", std::string("\x05\x00\x00\x00", 4) + "garbage-garbage", false, "malformed"},
        {"oversized length", std::string("\xff\xff\xff\x7f", 4), false, "too large"},
        {"bad field length", std::string("\x0f\x00\x00\x00\x07", 5) + std::string(14, '\xff'), true,
         "malformed"},
        {"unexpected frame type", unexpectedBytes, true, "unexpected frame"},
        {"request before introduction", beforeHello, false, "unexpected frame"},
    };
    for (const auto &c : cases) {
        log.clear();
        RawPeer peer(server.socketPath());
        if (c.introduceFirst) {
            peer.hello("raw-peer");
            lpcwire::Frame welcome;
            ASSERT_TRUE(peer.readFrame(welcome)) << c.name;
            ASSERT_EQ(welcome.type, lpcwire::FrameType::Welcome) << c.name;
        }
        peer.sendBytes(c.bytes);
        EXPECT_TRUE(peer.waitClosed()) << c.name;
        bool found = false;
        for (const auto &m : log.messages())
            found = found || m.find(c.logged) != std::string::npos;
        EXPECT_TRUE(found) << c.name;

        lpcclient::tag_LPCResponseData response;
        std::uint64_t id = 0;
        ASSERT_TRUE(lpcclient::SendEx(response, httpRequest("/still", c.name), id, kWaitMs))
            << c.name;
        EXPECT_EQ(response.body, std::string("answer:") + c.name);
    }

    // A truncated frame followed by a hang-up: the server forgets the peer, nothing more.
    {
        RawPeer peer(server.socketPath());
        peer.hello("truncating");
        peer.sendBytes(std::string("\x40\x00\x00\x00\x05", 5));
        peer.close();
    }
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    EXPECT_TRUE(
        lpcclient::SendEx(response, httpRequest("/still", "after truncation"), id, kWaitMs));
    EXPECT_EQ(recorder.calls.size(), 0u); // our own client never saw a disconnect
}

TEST_F(LpcLink, DuplicateIdentityIsRefusedUnlessReplacing)
{
    RawPeer second(server.socketPath());
    second.hello(kIdentity, false);
    lpcwire::Frame welcome;
    ASSERT_TRUE(second.readFrame(welcome));
    EXPECT_EQ(welcome.type, lpcwire::FrameType::Welcome);
    EXPECT_NE(welcome.status, 0u);
    EXPECT_TRUE(second.waitClosed());

    RawPeer replacing(server.socketPath());
    replacing.hello(kIdentity, true);
    ASSERT_TRUE(replacing.readFrame(welcome));
    EXPECT_EQ(welcome.status, 0u);
    // The replaced connection (our lpcclient) is closed and told so.
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(seen.headers.at("method"), "clientDisconnected");
    std::string event;
    std::vector<std::string> order;
    while (order.size() < 3 && events.pop(event))
        order.push_back(event);
    EXPECT_EQ(order, (std::vector<std::string>{"+" + kIdentity, "-" + kIdentity, "+" + kIdentity}));
}

TEST_F(LpcLink, HostCallsToSilentOrDyingClientsEnd)
{
    RawPeer silent(server.socketPath());
    silent.hello("silent");
    lpcwire::Frame frame;
    ASSERT_TRUE(silent.readFrame(frame));
    OutgoingCall call;
    call.body = "ping";
    Message reply;
    EXPECT_EQ(server.call("silent", call, reply, 200), CallResult::Timeout);

    RawPeer dying(server.socketPath());
    dying.hello("dying");
    ASSERT_TRUE(dying.readFrame(frame));
    std::atomic<int> result{-1};
    std::thread caller([&] { result = int(server.call("dying", call, reply, 60000)); });
    ASSERT_TRUE(dying.readFrame(frame)); // the call arrived; die without answering
    EXPECT_EQ(frame.type, lpcwire::FrameType::Call);
    EXPECT_EQ(frame.text2, "dying");
    dying.close();
    caller.join();
    EXPECT_EQ(result, int(CallResult::ConnectionLost));
}

TEST(LpcLinkSetup, StaleSocketIsReplacedLiveServerIsNot)
{
    TempSocketDir dir;
    const std::string path = dir.path + "/srv";
    // A socket file left behind by a dead server: bound, never listened on, never removed.
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof(addr.sun_path), "%s", path.c_str());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)), 0);
    ::close(fd);

    CLpcServer first;
    ASSERT_TRUE(first.start("srv")) << first.lastError();
    CLpcServer second;
    EXPECT_FALSE(second.start("srv"));
    EXPECT_NE(second.lastError().find("another server"), std::string::npos) << second.lastError();
    first.stop();
    EXPECT_FALSE(lpcwire::isSocketFile(path)); // a clean stop removes the socket
}

TEST(LpcLinkSetup, PathTooLongAndMisuseGiveClearErrors)
{
    TempSocketDir dir;
    const std::string longName(120, 'n');
    CLpcServer server;
    EXPECT_FALSE(server.start(longName));
    EXPECT_NE(server.lastError().find("longer than"), std::string::npos) << server.lastError();

    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    EXPECT_FALSE(lpcclient::SendEx(response, lpcclient::tag_LPCRequestData(), id, 100));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_NOT_INITIALISED);
    EXPECT_EQ(id, ~std::uint64_t(0));
    EXPECT_FALSE(lpcclient::ConnectToServer("srv"));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_NOT_INITIALISED);
    EXPECT_FALSE(lpcclient::Init("", false));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_INVALID_ARGUMENT);

    ASSERT_TRUE(lpcclient::Init(kIdentity, false));
    EXPECT_FALSE(lpcclient::Notify(lpcclient::tag_LPCNotifyData()));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_NOT_CONNECTED);
    EXPECT_FALSE(lpcclient::ConnectToServer(longName));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_PATH_TOO_LONG);
    EXPECT_FALSE(lpcclient::ConnectToServer("nobody-listens"));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_CONNECT_FAILED);
    EXPECT_EQ(lpcclient::Send(lpcclient::tag_LPCRequestData()), 0u);
    EXPECT_TRUE(lpcclient::Uninit());
    EXPECT_FALSE(lpcclient::Uninit());
}

TEST(LpcLinkSetup, SilentPeerIsDroppedAfterTheIntroductionTimeout)
{
    TempSocketDir dir;
    lpcserver::ServerOptions options;
    options.helloTimeoutMs = 100;
    CLpcServer server(options);
    ASSERT_TRUE(server.start("srv"));
    RawPeer silent(server.socketPath());
    EXPECT_TRUE(silent.waitClosed());
}

namespace {

class LpcLinkBusy : public LpcLink
{
protected:
    static lpcserver::ServerOptions busyOptions()
    {
        lpcserver::ServerOptions o;
        o.workerThreads = 1;
        o.maxPendingRequests = 1;
        return o;
    }
    LpcLinkBusy() : LpcLink(busyOptions()) {}
};

class LpcLinkSmallFrames : public LpcLink
{
protected:
    static lpcserver::ServerOptions smallOptions()
    {
        lpcserver::ServerOptions o;
        o.maxFrameSize = 64 * 1024;
        return o;
    }
    LpcLinkSmallFrames() : LpcLink(smallOptions()) {}
};

} // namespace

TEST_F(LpcLinkBusy, FullQueueAnswersServerBusy)
{
    // One worker, blocked; one request waiting; the next one is refused with 1015.
    std::thread blocked([] {
        lpcclient::tag_LPCResponseData response;
        std::uint64_t id = 0;
        lpcclient::SendEx(response, httpRequest("/slow", "block"), id, kWaitMs);
    });
    ASSERT_TRUE(handlerEntered.wait());
    ASSERT_NE(lpcclient::Send(httpRequest("/queued", "waiting")), 0u);
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    EXPECT_FALSE(lpcclient::SendEx(response, httpRequest("/refused", "x"), id, kWaitMs));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_SERVER_BUSY);
    release.open();
    blocked.join();
    lpcserver::ClientRequest queued;
    ASSERT_TRUE(fireAndForget.pop(queued));
    EXPECT_EQ(queued.message.body, "waiting"); // the queued request was not lost
    EXPECT_TRUE(lpcclient::SendEx(response, httpRequest("/later", "y"), id, kWaitMs));
}

TEST_F(LpcLinkSmallFrames, OversizedFrameClosesTheConnectionOnBothSides)
{
    Base::details::CLogCapture log;
    // Within the server's small limit, in several socket writes: fine.
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    const std::string fits(60 * 1024, 'a');
    ASSERT_TRUE(lpcclient::SendEx(response, httpRequest("/big", fits), id, kWaitMs));
    EXPECT_EQ(response.body.size(), fits.size() + 7);

    // An answer over the limit becomes an error for this request only.
    EXPECT_FALSE(lpcclient::SendEx(response, httpRequest("/big", "huge"), id, kWaitMs));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_FRAME_TOO_LARGE);

    // A request over the limit costs the connection.
    EXPECT_FALSE(lpcclient::SendEx(response, httpRequest("/big", std::string(100 * 1024, 'b')), id,
                                   kWaitMs));
    EXPECT_EQ(lpcclient::GetLPCLastError(), lpcclient::LPC_ERROR_CONNECTION_LOST);
    EXPECT_TRUE(log.contains("LPC client [" + kIdentity +
                             "] sent a too large frame; closing its connection."));
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(seen.headers.at("method"), "clientDisconnected");
}

namespace {

// The helper host process; its stdout lines tell the test what it is doing.
class ServerProcess
{
public:
    explicit ServerProcess(const std::string &name)
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        std::string program = LPC_TEST_SERVER;
        char *args[] = {&program[0], const_cast<char *>(name.c_str()), nullptr};
        if (::posix_spawn(&m_pid, program.c_str(), &actions, nullptr, args, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        m_out = ::fdopen(fds[0], "r");
    }
    ~ServerProcess()
    {
        kill();
        if (m_out)
            std::fclose(m_out);
    }
    /// Next line the process printed ("" when it exited).
    std::string readLine()
    {
        char line[64] = {};
        if (!m_out || !std::fgets(line, sizeof(line), m_out))
            return {};
        std::string s(line);
        if (!s.empty() && s.back() == '\n')
            s.pop_back();
        return s;
    }
    void kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
    FILE *m_out = nullptr;
};

} // namespace

TEST(LpcLinkProcess, KilledServerReleasesWaitersAndARestartedOneIsReached)
{
    TempSocketDir dir;
    Recorder recorder;
    ServerProcess first(kServerName);
    ASSERT_EQ(first.readLine(), "ready");
    ASSERT_TRUE(lpcclient::Init(kIdentity, false));
    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
    ASSERT_TRUE(lpcclient::SetInvokeCallBack(recordingCallback, &recorder));

    std::atomic<int> waiterError{0};
    std::thread waiter([&] {
        lpcclient::tag_LPCResponseData response;
        std::uint64_t id = 0;
        if (!lpcclient::SendEx(response, httpRequest("/slow", "block"), id, 60000))
            waiterError = lpcclient::GetLPCLastError();
    });
    ASSERT_EQ(first.readLine(), "blocked");
    const auto start = std::chrono::steady_clock::now();
    first.kill();
    waiter.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kWaitMs));
    EXPECT_EQ(waiterError, lpcclient::LPC_ERROR_CONNECTION_LOST);
    lpcclient::tag_LPCCallBackData seen;
    ASSERT_TRUE(recorder.calls.pop(seen));
    EXPECT_EQ(seen.headers.at("method"), "clientDisconnected");

    // The killed host left its socket file behind; the new one replaces it.
    ServerProcess second(kServerName);
    ASSERT_EQ(second.readLine(), "ready");
    ASSERT_TRUE(lpcclient::ConnectToServer(kServerName)) << lpcclient::GetLPCLastError();
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    ASSERT_TRUE(lpcclient::SendEx(response, httpRequest("/again", "hello"), id, kWaitMs));
    EXPECT_EQ(response.body, "hello");
    lpcclient::SetInvokeCallBack(nullptr, nullptr);
    EXPECT_TRUE(lpcclient::Uninit());
}

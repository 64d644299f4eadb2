// A stand-in component for the host tests: registers, subscribes, reports "initFinish" and
// answers window commands like the real one, and records what reaches it, one line each,
// in the file $FAKE_LOG. $FAKE_MODE changes its behaviour:
//   crash        write a dump into the dump folder after initFinish (named as the crash
//                handler names them), then abort
//   noinit       never report initFinish
//   garbage      answer getWndHandle with text that is not JSON
//   ignore-exit  ignore componentUninit / clientDisconnected
//   flood        after initFinish send many requests from 16 threads; log "busy N"
// "uiDriverStep" calls are logged with the step and $QORVA_UI_DRIVER; a step that starts
// with "fail" is answered as a failed step.

#include <LPC_Client/LPCClient.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

std::mutex g_mutex;
std::condition_variable g_exitWanted;
bool g_exit = false;
std::string g_mode;

void record(const std::string &line)
{
    const char *path = std::getenv("FAKE_LOG");
    if (path == nullptr)
        return;
    std::lock_guard<std::mutex> lock(g_mutex);
    std::ofstream out(path, std::ios::app);
    out << line << '\n';
}

// Crude field read of the host's JSON, which may be formatted (white space after a colon).
std::string stringField(const std::string &json, const std::string &key)
{
    const std::string marker = "\"" + key + "\":";
    const std::size_t at = json.find(marker);
    if (at == std::string::npos)
        return std::string();
    const std::size_t quote = json.find_first_not_of(" \t\r\n", at + marker.size());
    if (quote == std::string::npos || json[quote] != '"')
        return std::string();
    return json.substr(quote + 1, json.find('"', quote + 1) - quote - 1);
}

void reply(const lpcclient::tag_LPCCallBackData &data, const std::string &body)
{
    if (data.needReply == 0)
        return;
    lpcclient::tag_LPCReplyData answer;
    answer.callId = data.callId;
    answer.address = data.source;
    answer.headers = data.headers;
    answer.body = body;
    lpcclient::Reply(answer);
}

bool onCall(const lpcclient::tag_LPCCallBackData &data, void *)
{
    const auto header = [&data](const char *key) {
        const auto it = data.headers.find(key);
        return it == data.headers.end() ? std::string() : it->second;
    };
    const std::string url = header("url");
    if (url.empty() && header("protocol") == "websocket") {
        record("notify " + stringField(data.body, "type"));
        return true;
    }
    if (!url.empty()) {
        record("http " + url);
        reply(data, std::string());
        return true;
    }
    const std::string method = stringField(data.body, "method");
    record("call " + method);
    if (method == "getWndHandle") {
        if (g_mode == "garbage")
            reply(data, "{{ not json");
        else
            reply(data, "{\"errorCode\":0,\"errorModule\":0,\"method\":\"getWndHandle\",\"data\":{\"wndId\":4242}}");
    } else if (method == "showWnd" || method == "switchUserUpdateFrame") {
        reply(data, "{\"errorCode\":0,\"errorModule\":0,\"method\":\"" + method + "\"}");
    } else if (method == "uiDriverStep") {
        // Steps starting with "fail" fail the way the real driver reports it.
        const std::string step = stringField(data.body, "step");
        const char *driver = std::getenv("QORVA_UI_DRIVER");
        record("ui " + step + " driver=" + (driver != nullptr ? driver : ""));
        if (step.compare(0, 4, "fail") == 0)
            reply(data, "{\"errorCode\":41,\"errorModule\":7,\"method\":\"uiDriverStep\",\"data\":{"
                        "\"ok\":false,"
                        "\"message\":\"no widget named Nothing\"}}");
        else
            reply(data, "{\"errorCode\":0,\"errorModule\":0,\"method\":\"uiDriverStep\",\"data\":{"
                        "\"ok\":true,"
                        "\"message\":\"done\"}}");
    } else if ((method == "componentUninit" || method == "clientDisconnected") &&
               g_mode != "ignore-exit") {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_exit = true;
        g_exitWanted.notify_all();
    }
    return true;
}

bool send(const std::string &url, int method, const std::string &body, std::string *answer, int *error)
{
    lpcclient::tag_LPCRequestData request;
    request.headers = {{"url", url}, {"method", std::to_string(method)}, {"protocol", "http"}, {"timeout", "10000"}};
    request.body = body;
    lpcclient::tag_LPCResponseData response;
    std::uint64_t id = 0;
    const bool ok = lpcclient::SendEx(response, request, id, 10000);
    if (answer != nullptr)
        *answer = response.body;
    if (error != nullptr)
        *error = ok ? 0 : lpcclient::GetLPCLastError();
    return ok;
}

void flood()
{
    std::atomic<int> busy{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 16; ++t) {
        threads.emplace_back([&busy]() {
            for (int i = 0; i < 40; ++i) {
                int error = 0;
                send("/framework/v1/organizations", 0, std::string(), nullptr, &error);
                if (error == lpcclient::LPC_ERROR_SERVER_BUSY)
                    ++busy;
            }
        });
    }
    for (auto &thread : threads)
        thread.join();
    record("busy " + std::to_string(busy.load()));
}

} // namespace

int main()
{
    const char *mode = std::getenv("FAKE_MODE");
    g_mode = mode != nullptr ? mode : "";
    if (!lpcclient::Init("VisitorManagement.C_50476d36394c4e098ce21c4a4610e8b5", false) ||
        !lpcclient::ConnectToServer("Qorva-7310_ClientFramework_LPCServer_7F0AA04D76F64B58AB20037B4D99073F")) {
        std::fprintf(stderr, "fake component: no link (%d)\n", lpcclient::GetLPCLastError());
        return 3;
    }
    lpcclient::SetInvokeCallBack(&onCall, nullptr);
    record("pid " + std::to_string(::getpid()));

    std::string answer;
    send("/framework/v1/components/register", 1,
         "{\"componentRegisterInfo\":{\"supportUrlList\":[\"/7310/v1/internal/template/tests\"],"
         "\"supportMethodList\":[\"getWndHandle\",\"showWnd\",\"switchUserUpdateFrame\",\"clientDisconnected\"]}}",
         &answer, nullptr);
    record("register " + stringField(answer, "code") + " " + stringField(answer, "msg"));
    std::string types;
    static const char *kTypes[] = {
        "organizationAdded", "organizationModified", "organizationRemoved", "personnelAdded", "personnelRemoved",
        "personnelNameModified", "parentModified", "personnelDataChanged", "deviceAdded", "deviceRemoved",
        "deviceModified", "deviceLogin", "deviceLogout", "doorAdded", "doorRemoved", "doorOnlineState",
        "doorNameChanged", "resourceFWAdded", "resourceFWRemoved", "resourceBatchRemoved",
        "resourceBatchEnableState", "resourceBatchOnlineState", "groupAdded", "groupRemoved", "groupNameChanged",
        "groupOrderChanged", "elementNameChanged", "elementAdded", "elementRemoved", "elementBatchRemoved",
        "elementFWAdded", "elementFWRemoved", "elementOrderChanged", "elementOnlineChanged",
        "elementBatchOnlineChanged", "doorAdded", "doorRemoved", "doorNameChanged", "cardReaderAdded",
        "cardReaderRemoved", "cardReaderNameChanged", "groupDeviceChanged", "downloadPermission",
        "appointmentDeleted"};
    for (const char *type : kTypes)
        types += std::string(types.empty() ? "" : ",") + "\"" + type + "\"";
    send("/framework/v1/notifications/subscribe", 1, "{\"subscribeInfo\":{\"typeList\":[" + types + "]}}", &answer,
         nullptr);
    record("subscribe " + answer);

    if (g_mode != "noinit") {
        lpcclient::tag_LPCNotifyData notify;
        notify.address = "0";
        notify.body = "{\"method\":\"initFinish\"}";
        lpcclient::Notify(notify);
    }
    if (g_mode == "crash") {
        const char *root = std::getenv("QORVA_DATA_ROOT");
        if (root != nullptr) {
            const std::string dir = std::string(root) + "/VisitorManagement.C/dumps";
            std::system(("mkdir -p '" + dir + "'").c_str());
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                std::chrono::system_clock::now().time_since_epoch())
                                .count();
            std::ofstream(dir + "/crash_" + std::to_string(ns) + "_" + std::to_string(::getpid()) +
                          ".dmp")
                << "signal 6\n";
        }
        std::abort();
    }
    if (g_mode == "flood")
        flood();

    std::unique_lock<std::mutex> lock(g_mutex);
    g_exitWanted.wait(lock, []() { return g_exit; });
    lock.unlock();
    lpcclient::SetInvokeCallBack(nullptr, nullptr);
    lpcclient::DisconnectToServer();
    lpcclient::Uninit();
    record("exit");
    return 0;
}

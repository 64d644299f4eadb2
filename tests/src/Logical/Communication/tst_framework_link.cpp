// Starts the real component process against a test host and drives it the way the
// framework does: registration, subscriptions, "initFinish", window commands, the
// template-test URL and both exit paths.

#include <LPC_Server/LPCServer.h>

#include <cjson/cJSON.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

const char kServerName[] = "Qorva-7310_ClientFramework_LPCServer_7F0AA04D76F64B58AB20037B4D99073F";
const char kIdentity[] = "VisitorManagement.C_50476d36394c4e098ce21c4a4610e8b5";

using Json = std::unique_ptr<cJSON, void (*)(cJSON *)>;

Json parse(const std::string &text)
{
    const char *end = nullptr;
    return Json(cJSON_ParseWithOpts(text.c_str(), &end, 0), cJSON_Delete);
}

std::vector<std::string> stringArray(const cJSON *array)
{
    std::vector<std::string> out;
    const cJSON *item = nullptr;
    cJSON_ArrayForEach(item, array)
    {
        if (cJSON_IsString(item))
            out.push_back(item->valuestring);
    }
    return out;
}

struct Answer
{
    bool replied = false;
    int errorCode = -100;
    int errorModule = -100;
    std::string method;
    bool hasWndId = false;
    int wndId = -100;
    std::string body;
};

// The framework side: answers registration and subscription, records what arrives.
class TestHost
{
public:
    TestHost()
    {
        server.setRequestHandler([this](const lpcserver::ClientRequest &request) {
            lpcserver::Message answer;
            answer.headers["Content-Type"] = "application/json";
            {
                std::lock_guard<std::mutex> lock(mutex);
                requests.push_back({request.message.headers.at("url"), request.message.body});
            }
            cond.notify_all();
            answer.body = R"({"code":"0-0","msg":"","data":{}})";
            return answer;
        });
        server.setNotifyHandler([this](const lpcserver::ClientNotification &notification) {
            std::lock_guard<std::mutex> lock(mutex);
            notifications.push_back(notification.message.body);
            if (initFinishMs < 0 && notification.message.body.find("initFinish") != std::string::npos) {
                initFinishMs = clock.elapsed();
                initFinishAfterRequests = requests.size();
            }
            cond.notify_all();
        });
    }

    bool waitForInitFinish(int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return cond.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return initFinishMs >= 0; });
    }

    Answer call(const std::string &method, const std::string &body, bool wait = true, int timeoutMs = 15000,
                const std::string &url = std::string())
    {
        lpcserver::OutgoingCall call;
        call.headers["url"] = url;
        call.headers["method"] = url.empty() ? method : "1";
        call.headers["protocol"] = url.empty() ? "lpc" : "http";
        call.body = body;
        Answer answer;
        if (!wait) {
            server.post(kIdentity, call);
            return answer;
        }
        lpcserver::Message reply;
        if (server.call(kIdentity, call, reply, timeoutMs) != lpcserver::CallResult::Ok)
            return answer;
        answer.replied = true;
        answer.body = reply.body;
        Json root = parse(reply.body);
        if (!root)
            return answer;
        if (const cJSON *v = cJSON_GetObjectItemCaseSensitive(root.get(), "errorCode"))
            answer.errorCode = v->valueint;
        if (const cJSON *v = cJSON_GetObjectItemCaseSensitive(root.get(), "errorModule"))
            answer.errorModule = v->valueint;
        if (const cJSON *v = cJSON_GetObjectItemCaseSensitive(root.get(), "method"); cJSON_IsString(v))
            answer.method = v->valuestring;
        const cJSON *data = cJSON_GetObjectItemCaseSensitive(root.get(), "data");
        if (const cJSON *v = cJSON_GetObjectItemCaseSensitive(data, "wndId"); cJSON_IsNumber(v)) {
            answer.hasWndId = true;
            answer.wndId = v->valueint;
        }
        return answer;
    }

    static std::string windowBody(const char *method, const std::string &id, int type)
    {
        return std::string(R"({"method":")") + method + R"(","data":{"type":)" + std::to_string(type)
               + R"(,"id":")" + id + R"("}})";
    }

    lpcserver::CLpcServer server;
    QElapsedTimer clock;
    std::mutex mutex;
    std::condition_variable cond;
    std::vector<std::pair<std::string, std::string>> requests;
    std::vector<std::string> notifications;
    qint64 initFinishMs = -1;
    std::size_t initFinishAfterRequests = 0;
};

} // namespace

class TestFrameworkLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void registrationAndSubscription();
    void windowHandles();
    void showAndTypeKey();
    void unroutableBodyGetsNoReply();
    void switchUserUpdateFrame();
    void templateTestUrl();
    void componentUninitEndsProcess();
    void disconnectEndsProcess();
    void quitWhileWindowRequestInFlight();

private:
    void startComponent(TestHost &host, QProcess &process, QTemporaryDir &dataRoot);
    void expectCleanExit(QProcess &process, const QTemporaryDir &dataRoot);

    QTemporaryDir m_lpcDir{QStringLiteral("/tmp/h11l-XXXXXX")};
    QTemporaryDir m_dataRoot;
    std::unique_ptr<TestHost> m_host;
    QProcess m_process;
};

void TestFrameworkLink::startComponent(TestHost &host, QProcess &process, QTemporaryDir &dataRoot)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QORVA_LPC_DIR"), m_lpcDir.path());
    env.insert(QStringLiteral("QORVA_DATA_ROOT"), dataRoot.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    host.clock.start();
    process.start(QStringLiteral(QORVA_BIN_DIR "/VisitorManagement.C"),
                  {QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("BlackRedSkin 0 0 0 0 0")});
    QVERIFY(process.waitForStarted(10000));
    QVERIFY2(host.waitForInitFinish(60000), "no initFinish");
}

void TestFrameworkLink::expectCleanExit(QProcess &process, const QTemporaryDir &dataRoot)
{
    QElapsedTimer timer;
    timer.start();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    qInfo("exit took %lld ms", timer.elapsed());
    QDirIterator it(dataRoot.path(), {QStringLiteral("*.dmp")}, QDir::Files, QDirIterator::Subdirectories);
    QVERIFY2(!it.hasNext(), "a crash dump was written");
}

void TestFrameworkLink::initTestCase()
{
    QVERIFY(m_lpcDir.isValid());
    qputenv("QORVA_LPC_DIR", m_lpcDir.path().toLocal8Bit());
    m_host = std::make_unique<TestHost>();
    QVERIFY(m_host->server.start(kServerName));
    startComponent(*m_host, m_process, m_dataRoot);
}

void TestFrameworkLink::registrationAndSubscription()
{
    // The shared group and device managers load at start, each on a thread of its own.
    const auto urls = [this] {
        std::lock_guard<std::mutex> lock(m_host->mutex);
        std::set<std::string> later;
        for (std::size_t i = 3; i < m_host->requests.size(); ++i)
            later.insert(m_host->requests[i].first);
        return later;
    };
    QTRY_VERIFY_WITH_TIMEOUT(urls().count("/framework/v1/devices/query") == 1 &&
                                 urls().count("/framework/v1/resourceGroups") == 1,
                             30000);
    std::lock_guard<std::mutex> lock(m_host->mutex);
    QVERIFY(m_host->requests.size() >= 3);
    QCOMPARE(m_host->requests[0].first, std::string("/framework/v1/components/register"));
    QCOMPARE(m_host->requests[1].first, std::string("/framework/v1/notifications/subscribe"));
    // The operator's rights are fetched before the pages can be built.
    QCOMPARE(m_host->requests[2].first, std::string("/framework/v1/operator/permissions"));
    // "initFinish" comes after the other start steps (the managers' loads may still run).
    QVERIFY(m_host->initFinishAfterRequests >= std::size_t(3));

    Json reg = parse(m_host->requests[0].second);
    const cJSON *info = cJSON_GetObjectItemCaseSensitive(reg.get(), "componentRegisterInfo");
    QCOMPARE(stringArray(cJSON_GetObjectItemCaseSensitive(info, "supportUrlList")),
             std::vector<std::string>({"/7310/v1/internal/template/tests"}));
    QCOMPARE(stringArray(cJSON_GetObjectItemCaseSensitive(info, "supportMethodList")),
             std::vector<std::string>({"getWndHandle", "showWnd", "switchUserUpdateFrame", "clientDisconnected"}));

    Json sub = parse(m_host->requests[1].second);
    const std::vector<std::string> types =
        stringArray(cJSON_GetObjectItemCaseSensitive(cJSON_GetObjectItemCaseSensitive(sub.get(), "subscribeInfo"), "typeList"));
    QCOMPARE(types.size(), std::size_t(44));
    QCOMPARE(types.front(), std::string("organizationAdded"));
    QCOMPARE(types.back(), std::string("appointmentDeleted"));
    // The three repeats are sent as they stand.
    QCOMPARE(types[35], types[13]);
    QCOMPARE(types[36], types[14]);
    QCOMPARE(types[37], types[16]);
    QCOMPARE(types[37], std::string("doorNameChanged"));

    QCOMPARE(m_host->notifications.size(), std::size_t(1));
    Json finish = parse(m_host->notifications[0]);
    QCOMPARE(QString(cJSON_GetObjectItemCaseSensitive(finish.get(), "method")->valuestring), QString("initFinish"));
    qInfo("process start to initFinish: %lld ms", m_host->initFinishMs);
}

void TestFrameworkLink::windowHandles()
{
    const Answer app = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "VisitorApplication", 1));
    qInfo("process start to main window id: %lld ms", m_host->clock.elapsed());
    QVERIFY(app.replied);
    QCOMPARE(app.errorCode, 0);
    QCOMPARE(app.errorModule, 0);
    QCOMPARE(app.method, std::string("getWndHandle"));
    QVERIFY(app.hasWndId);
    QVERIFY(app.wndId > 0);

    const Answer again = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "VisitorApplication", 1));
    QCOMPARE(again.wndId, app.wndId);

    const Answer tool = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "TemplateToolMenu", 1));
    const Answer maintain = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "TemplateMaintain", 1));
    QVERIFY(tool.wndId > 0);
    QVERIFY(maintain.wndId > 0);
    QVERIFY(tool.wndId != app.wndId && maintain.wndId != app.wndId && tool.wndId != maintain.wndId);

    const Answer other = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "Other", 1));
    QVERIFY(other.hasWndId);
    QCOMPARE(other.wndId, -1);
    QCOMPARE(other.errorCode, 0);
}

void TestFrameworkLink::showAndTypeKey()
{
    // Never asked for, wrong type, and a known window: all answered without error.
    for (const auto &target : {std::make_pair("TemplateMaintain", 9), std::make_pair("VisitorApplication", 2),
                               std::make_pair("VisitorApplication", 1)}) {
        const Answer shown = m_host->call("showWnd", TestHost::windowBody("showWnd", target.first, target.second));
        QVERIFY(shown.replied);
        QCOMPARE(shown.errorCode, 0);
        QCOMPARE(shown.method, std::string("showWnd"));
        QVERIFY(!shown.hasWndId);
    }
}

void TestFrameworkLink::unroutableBodyGetsNoReply()
{
    // "{" names no method: the call is logged and dropped, not answered.
    const Answer unrouted = m_host->call("showWnd", "{", true, 1500);
    QVERIFY(!unrouted.replied);
    // The component is still serving afterwards.
    const Answer app = m_host->call("getWndHandle", TestHost::windowBody("getWndHandle", "VisitorApplication", 1));
    QVERIFY(app.wndId > 0);
}

void TestFrameworkLink::switchUserUpdateFrame()
{
    const Answer ok = m_host->call("switchUserUpdateFrame",
                                   R"({"method":"switchUserUpdateFrame","data":{"updateFrame":false}})");
    QVERIFY(ok.replied);
    QCOMPARE(ok.errorCode, 0);
    QCOMPARE(ok.errorModule, 0);
    QCOMPARE(ok.method, std::string("switchUserUpdateFrame"));
}

void TestFrameworkLink::templateTestUrl()
{
    const Answer direct = m_host->call("", "{}", true, 15000, "/7310/v1/internal/template/tests");
    QVERIFY(direct.replied);
    QVERIFY(direct.body.empty());
    // A further numeric piece normalises to ".../<id>", which is not served: no reply.
    const Answer refused = m_host->call("", "{}", true, 1500, "/7310/v1/internal/template/tests/42");
    QVERIFY(!refused.replied);
}

void TestFrameworkLink::componentUninitEndsProcess()
{
    const Answer bye = m_host->call("componentUninit", R"({"method":"componentUninit"})", false);
    Q_UNUSED(bye)
    expectCleanExit(m_process, m_dataRoot);
    m_host->server.stop();
}

void TestFrameworkLink::disconnectEndsProcess()
{
    TestHost host;
    QVERIFY(host.server.start(kServerName));
    QTemporaryDir dataRoot;
    QProcess process;
    startComponent(host, process, dataRoot);
    // The host vanishing: the transport reports it as "clientDisconnected".
    QVERIFY(host.server.disconnectClient(kIdentity));
    expectCleanExit(process, dataRoot);
}

void TestFrameworkLink::quitWhileWindowRequestInFlight()
{
    TestHost host;
    QVERIFY(host.server.start(kServerName));
    QTemporaryDir dataRoot;
    QProcess process;
    startComponent(host, process, dataRoot);
    // Several window requests race the quit: pool workers may be waiting for the GUI
    // thread while it takes the pools down.
    std::vector<std::thread> callers;
    for (int i = 0; i < 4; ++i) {
        callers.emplace_back([&host, i] {
            host.call("getWndHandle",
                      TestHost::windowBody("getWndHandle", i % 2 ? "TemplateToolMenu" : "VisitorApplication", i), true,
                      10000);
        });
    }
    host.call("componentUninit", R"({"method":"componentUninit"})", false);
    expectCleanExit(process, dataRoot);
    for (auto &caller : callers)
        caller.join();
}

QTEST_GUILESS_MAIN(TestFrameworkLink)
#include "tst_framework_link.moc"

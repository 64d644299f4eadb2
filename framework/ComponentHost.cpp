#include "ComponentHost.h"

#include <LPC_Server/LPCServer.h>
#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/LPC/LPCCommonJSONStruct.h>
#include <JSONStruct/LPC/WindowCommandData.h>
#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <Base/GuidUtil.h>
#include <Base/Log.h>

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

namespace clientframework {

namespace {

using namespace protocol::wire;

// A JSON text as the body of an envelope; null (no "data") when it does not parse.
template <class Generic> std::shared_ptr<Generic> genericData(const std::string &json)
{
    const char *errorAt = nullptr;
    const protocol::JSONNodePtr node = protocol::parseJSONText(json, errorAt);
    return node ? std::make_shared<Generic>(nullptr, node.get()) : nullptr;
}

// An LPC call of method: its headers and the request envelope; data null: no "data".
lpcserver::OutgoingCall lpcCall(const std::string &method, std::shared_ptr<protocol::ILPCData> data)
{
    protocol::LPCRequestData envelope(std::move(data));
    envelope.method = method;
    lpcserver::OutgoingCall call;
    call.headers = {{kHeaderUrl, ""}, {kHeaderMethod, method}, {kHeaderProtocol, kProtocolLpc}};
    call.body = envelope.toString();
    return call;
}

// The component gets a process group of its own: Ctrl+C in the host's terminal then reaches
// only the host, which closes the component in order instead of both dying at once.
class ComponentProcess : public QProcess
{
public:
    using QProcess::QProcess;

protected:
    // Runs in the child between fork and exec: async-signal-safe calls only.
    void setupChildProcess() override { ::setpgid(0, 0); }
};

} // namespace

lpcserver::OutgoingCall ComponentHost::methodCall(const QString &method, const QString &dataJson)
{
    std::shared_ptr<protocol::GenericLPCData> data;
    if (!dataJson.isEmpty())
        data = genericData<protocol::GenericLPCData>(dataJson.toStdString());
    return lpcCall(method.toStdString(), std::move(data));
}

ComponentHost::ComponentHost(const HostConfig &config, QObject *parent)
    : QObject(parent), m_config(config), m_dataRoot(config.dataRoot)
{
    m_uptime.start();
    m_initTimer.setSingleShot(true);
    m_killTimer.setSingleShot(true);
    m_restartTimer.setSingleShot(true);
    m_restartTimer.setInterval(0);
    m_shutdownGuard.setSingleShot(true);
    connect(&m_restartTimer, &QTimer::timeout, this, [this]() { launch(); });
    // SIGKILL cannot be refused, but a process stuck in the kernel is never reaped.
    connect(&m_shutdownGuard, &QTimer::timeout, this, [this]() {
        LOG_ERROR("The component has not gone after it was killed; the host ends without it.");
        finishShutdown();
    });
    connect(&m_initTimer, &QTimer::timeout, this, [this]() {
        const QString text = QStringLiteral("The component did not report \"initFinish\" within %1 s; it may be "
                                            "hanging. Restart it from the Component menu.")
                                 .arg(m_config.initTimeoutMs / 1000.0);
        LOG_ERROR("The component did not report initFinish within %d ms.", m_config.initTimeoutMs);
        emit initTimedOut();
        emit errorMessage(text);
    });
    connect(&m_killTimer, &QTimer::timeout, this, [this]() {
        if (!isComponentRunning())
            return;
        LOG_ERROR("The component did not exit within %d ms after \"%s\"; killing it.", m_config.stopTimeoutMs,
                  qUtf8Printable(m_stopMethod));
        emit statusMessage(QStringLiteral("Component did not exit; killed."));
        m_process->kill();
    });
}

ComponentHost::~ComponentHost()
{
    if (m_process != nullptr) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            // Only reached without shutdown(), when the event loop is gone: after SIGKILL
            // the wait only collects the process.
            LOG_WARN("The host is destroyed with the component still running; killing it.");
            m_process->kill();
            m_process->waitForFinished(2000);
        }
    }
    if (m_lpc)
        m_lpc->stop();
    m_calls.waitForIdle();
    if (m_server) {
        m_server->setNotificationSink(nullptr);
        // Joins the server's worker, which may be inside the sink: before our members go.
        m_router.setServer(nullptr);
        m_server.reset();
    }
}

void ComponentHost::post(std::function<void()> work)
{
    if (m_posted.push(std::move(work)))
        QMetaObject::invokeMethod(this, "runPosted", Qt::QueuedConnection);
}

void ComponentHost::runPosted()
{
    for (const auto &work : m_posted.takeAll())
        work();
}

bool ComponentHost::startServices()
{
    m_clock.start();
    if (!m_dataRoot.prepareDESetup()) {
        m_error = m_dataRoot.error();
        return false;
    }
    m_notices << m_dataRoot.notices();
    if (!openServer())
        return false;

    m_router.setServer(m_server.get());
    m_router.setObserver([this](const std::string &url, int method, const std::string &code) {
        post([this, url, method, code]() {
            emit requestRouted(QString::fromStdString(url), method, QString::fromStdString(code));
        });
    });

    lpcserver::ServerOptions options;
    options.maxPendingRequests = m_config.maxPendingRequests;
    options.workerThreads = m_config.workerThreads;
    m_lpc = std::make_unique<lpcserver::CLpcServer>(options);
    m_lpc->setRequestHandler([this](const lpcserver::ClientRequest &request) { return m_router.route(request); });
    m_lpc->setNotifyHandler([this](const lpcserver::ClientNotification &n) { onNotify(n.message.body); });
    const std::string identity = m_config.componentIdentity.toStdString();
    m_lpc->setConnectionHandler([this, identity](const std::string &who, bool connected) {
        if (who != identity)
            return;
        m_connected = connected;
        post([this, connected]() { emit componentConnectionChanged(connected); });
    });
    if (!m_lpc->start(m_config.lpcServerName.toStdString())) {
        m_error = QStringLiteral("The LPC server could not start: %1")
                      .arg(QString::fromStdString(m_lpc->lastError()));
        LOG_ERROR("%s", qUtf8Printable(m_error));
        return false;
    }
    // Server notifications are forwarded through m_lpc: only once it exists.
    m_server->setNotificationSink([this](const qorvaserver::ServerNotification &n) {
        forwardNotification(QString::fromStdString(n.type), QString::fromStdString(n.body));
    });
    LOG_INFO("Host services up: data root [%s], LPC socket [%s].", qUtf8Printable(m_dataRoot.dataRoot()),
             m_lpc->socketPath().c_str());
    return true;
}

bool ComponentHost::openServer()
{
    const QString path = m_config.serverDb.isEmpty() ? m_dataRoot.defaultServerDbPath() : m_config.serverDb;
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_server = std::make_unique<qorvaserver::CManagementServer>();
    if (!m_server->open(path.toStdString())) {
        if (!QFileInfo::exists(path)) {
            m_error = QStringLiteral("The server database %1 cannot be created.").arg(path);
            LOG_ERROR("%s", qUtf8Printable(m_error));
            return false;
        }
        const bool damaged = m_server->openFoundDamage();
        const QString reason = QString::fromStdString(m_server->openError());
        // The write-ahead log belongs to the damaged file: left behind, SQLite could replay it
        // into the new database.
        const QString aside =
            DataRootSetup::keepAside(path, {QStringLiteral("-wal"), QStringLiteral("-shm")});
        if (aside.isEmpty() || !m_server->open(path.toStdString())) {
            m_error = QStringLiteral("The server database %1 cannot be opened%2.")
                          .arg(path, aside.isEmpty() ? QStringLiteral(" and cannot be moved aside") : QString());
            LOG_ERROR("%s", qUtf8Printable(m_error));
            return false;
        }
        m_notices
            << QStringLiteral(
                   "The server database %1 %2 (%3); it was kept as %4 and a new demo site was "
                   "created.")
                   .arg(path,
                        damaged ? QStringLiteral("is damaged")
                                : QStringLiteral("could not be opened"),
                        reason, aside);
    }
    return true;
}

bool ComponentHost::startComponent()
{
    if (m_shuttingDown) {
        LOG_WARN("Not starting the component: the host is shutting down.");
        return false;
    }
    if (isComponentRunning())
        return true;
    m_restartTimer.stop();
    m_restartPolicy.reset();
    return launch();
}

bool ComponentHost::launch()
{
    if (m_shuttingDown || isComponentRunning())
        return !m_shuttingDown;
    const QFileInfo program(m_config.componentProgram);
    if (!program.isFile() || !program.isExecutable()) {
        const QString text = QStringLiteral("The component program %1 was not found.").arg(m_config.componentProgram);
        LOG_ERROR("%s", qUtf8Printable(text));
        emit errorMessage(text);
        return false;
    }
    if (m_process == nullptr) {
        m_process = new ComponentProcess(this);
        m_process->setProcessChannelMode(QProcess::ForwardedChannels);
        connect(m_process, &QProcess::started, this, &ComponentHost::onProcessStarted);
        connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
                &ComponentHost::onProcessFinished);
        connect(m_process, &QProcess::errorOccurred, this, &ComponentHost::onProcessError);
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QORVA_DATA_ROOT"), m_dataRoot.dataRoot());
    // The component asks the permission route for the operator's rights.
    env.remove(QStringLiteral("QORVA_DENY_FUNCTIONS"));
    const QStringList extraKeys = m_config.extraEnvironment.keys();
    for (const QString &key : extraKeys)
        env.insert(key, m_config.extraEnvironment.value(key));
    m_process->setProcessEnvironment(env);
    m_process->setProgram(program.absoluteFilePath());
    // The component reads its start parameters from the fourth argument (argv[3]).
    m_process->setArguments({QStringLiteral("ClientFramework"), QString::fromLatin1(kComponentName),
                             m_config.startParameters()});
    m_router.clearComponentState();
    m_stopping = false;
    m_initFinished = false;
    m_pid = 0;
    LOG_INFO("Starting the component [%s].", qUtf8Printable(program.absoluteFilePath()));
    m_process->start();
    return true;
}

void ComponentHost::onProcessStarted()
{
    m_pid = m_process->processId();
    LOG_INFO("Component started, pid %lld, parameters [%s].", static_cast<long long>(m_pid),
             qUtf8Printable(m_config.startParameters()));
    if (m_stopping) {
        // Asked to stop while it was starting: it cannot have a connection for the close yet.
        m_process->terminate();
        return;
    }
    m_initTimer.start(m_config.initTimeoutMs);
    emit componentStarted(m_pid);
    emit statusMessage(QStringLiteral("Component started (pid %1).").arg(m_pid));
}

void ComponentHost::onProcessError(QProcess::ProcessError error)
{
    // Crashes come with finished(); only a failed start has no finished() after it.
    if (error != QProcess::FailedToStart)
        return;
    m_killTimer.stop();
    m_stopping = false;
    m_restartPending = false;
    const QString text = QStringLiteral("The visitor component could not be started: %1")
                             .arg(m_process->errorString());
    LOG_ERROR("%s", qUtf8Printable(text));
    emit errorMessage(text);
    emit componentFailure(text, false);
    if (m_shuttingDown)
        finishShutdown();
}

void ComponentHost::restartComponent()
{
    if (m_shuttingDown)
        return;
    if (!isComponentRunning()) {
        startComponent();
        return;
    }
    m_restartPolicy.reset();
    m_restartPending = true;
    stopComponent(QString::fromLatin1(kMethodComponentUninit));
}

void ComponentHost::stopComponent(const QString &method)
{
    m_restartTimer.stop();
    if (!isComponentRunning())
        return;
    m_stopping = true;
    m_stopMethod = method;
    m_initTimer.stop();
    LOG_INFO("Stopping the component with \"%s\".", qUtf8Printable(method));
    m_killTimer.start(m_config.stopTimeoutMs);
    if (m_process->state() == QProcess::Starting)
        return; // onProcessStarted() ends it

    const lpcserver::OutgoingCall call = methodCall(method);
    const lpcserver::CallResult result =
        m_lpc ? m_lpc->post(m_config.componentIdentity.toStdString(), call)
              : lpcserver::CallResult::NotRunning;
    if (result != lpcserver::CallResult::Ok) {
        // Not connected (yet or any more): the close cannot reach it, ask the process.
        LOG_WARN("Could not send \"%s\" to the component: %s; terminating it.",
                 qUtf8Printable(method), lpcserver::toString(result));
        m_process->terminate();
    }
}

void ComponentHost::shutdown()
{
    if (m_shuttingDown) {
        if (isComponentRunning() && !m_shutDown) {
            LOG_WARN("Asked again to shut down: killing the component now.");
            m_process->kill();
        }
        return;
    }
    m_shuttingDown = true;
    m_restartTimer.stop();
    m_restartPending = false;
    LOG_INFO("The host is shutting down.");
    if (!isComponentRunning()) {
        QTimer::singleShot(0, this, &ComponentHost::finishShutdown);
        return;
    }
    stopComponent(QString::fromLatin1(kMethodComponentUninit));
    m_shutdownGuard.start(m_config.stopTimeoutMs + 5000);
}

void ComponentHost::finishShutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    m_shutdownGuard.stop();
    LOG_INFO("The host has shut down its component.");
    emit shutDown();
}

bool ComponentHost::isComponentRunning() const
{
    return m_process != nullptr && m_process->state() != QProcess::NotRunning;
}

bool ComponentHost::isComponentConnected() const
{
    return m_connected;
}

qint64 ComponentHost::componentPid() const
{
    return isComponentRunning() ? m_process->processId() : 0;
}

QString ComponentHost::findDump(qint64 pid) const
{
    if (pid <= 0)
        return QString();
    // CrashAPI names its dumps crash_<nanoseconds>_<pid>.dmp.
    const QDir dir(m_dataRoot.componentDumpPath());
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("crash_*_%1.dmp").arg(pid)},
                                                  QDir::Files, QDir::Name | QDir::Reversed);
    return files.isEmpty() ? QString() : files.first().absoluteFilePath();
}

void ComponentHost::onProcessFinished(int exitCode, QProcess::ExitStatus status)
{
    m_killTimer.stop();
    m_initTimer.stop();
    m_router.clearComponentState();
    const bool crashed = status == QProcess::CrashExit;
    const bool expected = m_stopping;
    m_stopping = false;
    if (expected) {
        LOG_INFO("The component exited with code %d after \"%s\".", exitCode, qUtf8Printable(m_stopMethod));
        emit statusMessage(QStringLiteral("Component exited (code %1).").arg(exitCode));
        emit componentExited(exitCode, crashed, QString());
        if (m_shuttingDown) {
            finishShutdown();
        } else if (m_restartPending) {
            m_restartPending = false;
            launch();
        }
        return;
    }

    m_restartPending = false;
    ComponentExit exit;
    exit.exitCode = exitCode;
    exit.crashed = crashed;
    exit.dumpFile = crashed ? findDump(m_pid) : QString();
    const RestartDecision decision = m_restartPolicy.onUnexpectedExit(exit, m_uptime.elapsed());
    const bool restart = decision.restart && !m_shuttingDown;
    LOG_ERROR("Component pid %lld: %s", static_cast<long long>(m_pid),
              qUtf8Printable(decision.message));
    emit componentExited(exitCode, crashed, exit.dumpFile);
    emit componentFailure(decision.message, restart);
    emit errorMessage(decision.message);
    if (m_shuttingDown)
        finishShutdown();
    else if (restart)
        m_restartTimer.start();
}

void ComponentHost::onNotify(const std::string &body)
{
    // The component notifies with a request envelope; its "data", if any, stays unread.
    protocol::LPCRequestData notification(std::make_shared<protocol::GenericLPCData>());
    if (!notification.Parse(body) || notification.method.empty()) {
        LOG_WARN("Ignored a notification without a method: [%s].", body.substr(0, 200).c_str());
        return;
    }
    if (notification.method == kMethodInitFinish)
        post([this]() { onInitFinish(); });
    else
        LOG_INFO("Notification [%s] from the component.", notification.method.c_str());
}

void ComponentHost::onInitFinish()
{
    m_initTimer.stop();
    m_initFinished = true;
    LOG_INFO("The component reported initFinish %lld ms after the host started.",
             static_cast<long long>(elapsedMs()));
    emit statusMessage(QStringLiteral("Component ready."));
    emit initFinished();
    if (m_config.openMainWindow)
        openWindow(QString::fromLatin1(kWindowVisitorApplication));
}

int ComponentHost::startCall(const QString &method,
                             const std::map<std::string, std::string> &headers,
                             const std::string &body,
                             std::function<void(const QString &, const QString &)> done,
                             int timeoutMs)
{
    const int ticket = m_nextTicket++;
    lpcserver::CLpcServer *lpc = m_lpc.get();
    const std::string identity = m_config.componentIdentity.toStdString();
    const int timeout = timeoutMs > 0 ? timeoutMs : m_config.callTimeoutMs;
    // The destructor waits for the calls before anything of this object goes.
    m_calls.post([this, lpc, identity, timeout, headers, body, ticket, method, done]() {
        lpcserver::OutgoingCall call;
        call.headers = headers;
        call.body = body;
        lpcserver::Message reply;
        const lpcserver::CallResult result =
            lpc != nullptr ? lpc->call(identity, call, reply, timeout) : lpcserver::CallResult::NotRunning;
        post([this, ticket, method, result, replyBody = std::move(reply.body), done]() {
            const QString resultText = QString::fromLatin1(lpcserver::toString(result));
            const QString bodyText = QString::fromStdString(replyBody);
            if (done)
                done(resultText, bodyText);
            emit callFinished(ticket, method, resultText, bodyText);
        });
    });
    return ticket;
}

int ComponentHost::callComponent(const QString &method, const QString &dataJson, int timeoutMs)
{
    LOG_INFO("Calling the component: \"%s\".", qUtf8Printable(method));
    const lpcserver::OutgoingCall call = methodCall(method, dataJson);
    return startCall(method, call.headers, call.body, nullptr, timeoutMs);
}

int ComponentHost::callWith(const std::string &method, std::shared_ptr<protocol::ILPCData> data)
{
    const lpcserver::OutgoingCall call = lpcCall(method, std::move(data));
    return startCall(QString::fromStdString(method), call.headers, call.body, nullptr);
}

void ComponentHost::enableUiDriver()
{
    m_config.extraEnvironment.insert(QStringLiteral("QORVA_UI_DRIVER"), QStringLiteral("1"));
}

int ComponentHost::sendHttp(const QString &url, int methodCode, const QString &body)
{
    LOG_INFO("Sending [%s] to the component.", qUtf8Printable(url));
    return startCall(url,
                     {{kHeaderUrl, url.toStdString()},
                      {kHeaderMethod, std::to_string(methodCode)},
                      {kHeaderProtocol, kProtocolHttp},
                      {kHeaderTimeout, std::to_string(m_config.callTimeoutMs)}},
                     body.toStdString(), nullptr);
}

void ComponentHost::openWindow(const QString &name, int type)
{
    auto request = std::make_shared<protocol::GetWndHandleRequestData>();
    request->type = type;
    request->id = name.toStdString();
    const lpcserver::OutgoingCall call = lpcCall(kMethodGetWndHandle, request);
    startCall(QString::fromLatin1(kMethodGetWndHandle), call.headers, call.body,
              [this, name, type](const QString &result, const QString &body) {
                  onWindowIdAnswer(name, type, result, body);
              });
}

void ComponentHost::onWindowIdAnswer(const QString &name, int type, const QString &result, const QString &body)
{
    if (result != QLatin1String(lpcserver::toString(lpcserver::CallResult::Ok))) {
        LOG_ERROR("getWndHandle for [%s] failed: %s.", qUtf8Printable(name), qUtf8Printable(result));
        emit errorMessage(QStringLiteral("The component did not answer the window request (%1).").arg(result));
        return;
    }
    auto answer = std::make_shared<protocol::GetWndHandleResponseData>();
    protocol::LPCResponseData response(answer);
    const bool parsed = response.Parse(body.toStdString());
    if (!parsed || response.errorCode != 0 || !answer->hasKey("wndId")) {
        LOG_ERROR("Unusable getWndHandle answer for [%s]: [%s].", qUtf8Printable(name),
                  qUtf8Printable(body.left(200)));
        emit errorMessage(QStringLiteral("The component's window answer could not be used."));
        return;
    }
    const qint64 id = answer->wndId;
    if (id < 0) {
        LOG_ERROR("The component has no window [%s].", qUtf8Printable(name));
        emit errorMessage(QStringLiteral("The component has no window %1.").arg(name));
        return;
    }
    LOG_INFO("Window [%s] has id %lld.", qUtf8Printable(name), static_cast<long long>(id));
    emit windowIdReceived(name, id);

    auto show = std::make_shared<protocol::ShowWndRequestData>();
    show->type = type;
    show->id = name.toStdString();
    const lpcserver::OutgoingCall showCall = lpcCall(kMethodShowWnd, show);
    startCall(QString::fromLatin1(kMethodShowWnd), showCall.headers, showCall.body,
              [this, name](const QString &showResult, const QString &) {
                  if (showResult != QLatin1String(lpcserver::toString(lpcserver::CallResult::Ok))) {
                      LOG_ERROR("showWnd for [%s] failed: %s.", qUtf8Printable(name), qUtf8Printable(showResult));
                      return;
                  }
                  LOG_INFO("Window [%s] shown %lld ms after the host started.", qUtf8Printable(name),
                           static_cast<long long>(elapsedMs()));
                  emit windowShown(name);
              });
}

bool ComponentHost::forwardNotification(const QString &type, const QString &dataJson)
{
    const std::string typeText = type.toStdString();
    bool forwarded = false;
    if (!m_router.isSubscribed(typeText)) {
        LOG_INFO("Notification [%s] not forwarded: the component did not subscribe to it.", typeText.c_str());
    } else if (m_lpc) {
        const lpcserver::OutgoingCall call =
            RequestRouter::notificationCall(typeText, dataJson.toStdString());
        const lpcserver::CallResult result = m_lpc->post(m_config.componentIdentity.toStdString(), call);
        forwarded = result == lpcserver::CallResult::Ok;
        if (forwarded)
            LOG_INFO("Forwarded notification [%s] to the component.", typeText.c_str());
        else
            LOG_WARN("Notification [%s] not delivered: %s.", typeText.c_str(), lpcserver::toString(result));
    }
    post([this, typeText, forwarded]() {
        emit notificationHandled(QString::fromStdString(typeText), forwarded);
    });
    return forwarded;
}

int ComponentHost::switchOperator(int index)
{
    const auto operators = DemoOperator::demoOperators();
    if (index < 0 || index >= static_cast<int>(operators.size()))
        return 0;
    const DemoOperator &op = operators[static_cast<std::size_t>(index)];
    m_router.setOperator(op);
    LOG_INFO("Operator switched to [%s]; function 9 (editing) %s.", op.userName.c_str(),
             op.hasFunction(9) ? "allowed" : "not allowed");
    emit statusMessage(QStringLiteral("Operator: %1").arg(QString::fromStdString(op.userName)));
    if (!isComponentConnected())
        return 0;
    auto refresh = std::make_shared<protocol::SwitchUserUpdateFrameRequestData>();
    refresh->updateFrame = true;
    LOG_INFO("Calling the component: \"%s\".", kMethodSwitchUserUpdateFrame);
    return callWith(kMethodSwitchUserUpdateFrame, refresh);
}

} // namespace clientframework

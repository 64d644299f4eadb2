#pragma once
// The host's core: data root, embedded management server, LPC server and the component
// process. Lives on the GUI thread; LPC handlers run on the server's worker threads and
// report here through post(). Calls to the component run on a thread pool, and the
// component process is started and stopped through QProcess's signals, so the GUI thread
// never waits for the component.

#include "DataRootSetup.h"
#include "HostConfig.h"
#include "RequestRouter.h"
#include "RestartPolicy.h"

#include <Base/HandOffList.h>
#include <Base/WorkQueue.h>
#include <JSONStruct/Routes/WireNames.h>

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace lpcserver {
class CLpcServer;
}
namespace protocol {
class ILPCData;
}
namespace qorvaserver {
class CManagementServer;
}

namespace clientframework {

class ComponentHost : public QObject
{
    Q_OBJECT
public:
    explicit ComponentHost(const HostConfig &config, QObject *parent = nullptr);
    /// Stops the LPC server and kills a component that is still running (shutdown() is
    /// the orderly way).
    ~ComponentHost() override;

    /// Data root, DESetup.xml, server database and LPC server. False with error().
    bool startServices();
    QString error() const { return m_error; }
    /// Operator-level notices of the start (files kept aside, ...).
    QStringList notices() const { return m_notices; }

    /// Starts the component process and returns at once; componentStarted follows, or
    /// componentFailure when it cannot be executed. False (and errorMessage) when the
    /// program is missing or the host is shutting down. Counts as the operator's start:
    /// the next unexpected end gets its automatic restart again.
    bool startComponent();
    /// Stops the running component with "componentUninit", then starts it again.
    void restartComponent();
    /// Sends method ("componentUninit" or "clientDisconnected") and kills the component
    /// when it has not exited after the stop time-out. Returns at once.
    void stopComponent(
        const QString &method = QString::fromLatin1(protocol::wire::kMethodComponentUninit));
    /// The orderly end of the host (window closed, SIGTERM): no more starts, the component
    /// is told to close, waited for with the stop time-out, then killed; shutDown follows.
    /// A second call kills a component that is still there at once.
    void shutdown();
    /// shutDown was emitted.
    bool isShutDown() const { return m_shutDown; }
    /// shutdown() was called: no more starts or restarts.
    bool isShuttingDown() const { return m_shuttingDown; }
    /// Starting or running.
    bool isComponentRunning() const;
    bool isComponentConnected() const;
    qint64 componentPid() const;

    /// Asks for a window id ("getWndHandle"), reports it (windowIdReceived), then sends
    /// "showWnd".
    void openWindow(const QString &name, int type = 0);

    /// The LPC call of a method as the framework sends it: headers "url" "", "method" and
    /// "protocol" "lpc"; body the request envelope {"method"[, "data"]}, where dataJson is
    /// the request record's JSON object text (empty: no data).
    static lpcserver::OutgoingCall methodCall(const QString &method,
                                              const QString &dataJson = QString());

    /// Calls the component with an LPC method; data is the request record's JSON object
    /// text or empty. Returns a ticket reported again by callFinished. timeoutMs: how long
    /// the component may take (below 1: the configured call time-out).
    int callComponent(const QString &method, const QString &dataJson = QString(),
                      int timeoutMs = 0);
    /// Lets the component's UI driver run (QORVA_UI_DRIVER=1) from its next start on.
    void enableUiDriver();
    /// Sends an HTTP-shaped request to one of the component's URLs.
    int sendHttp(const QString &url, int methodCode, const QString &body = QString());
    /// Wraps a server notification and calls the component with it when it subscribed
    /// to the type. Any thread. True when it was sent.
    bool forwardNotification(const QString &type, const QString &dataJson);

    /// Makes operator index of DemoOperator::demoOperators() current and tells the component.
    /// Returns the ticket of the "switchUserUpdateFrame" call, 0 when none was made.
    int switchOperator(int index);

    RequestRouter &router() { return m_router; }
    qorvaserver::CManagementServer *server() const { return m_server.get(); }
    const HostConfig &config() const { return m_config; }
    const DataRootSetup &dataRoot() const { return m_dataRoot; }
    /// Milliseconds since startServices().
    qint64 elapsedMs() const { return m_clock.isValid() ? m_clock.elapsed() : -1; }

signals:
    void componentStarted(qint64 pid);
    void componentConnectionChanged(bool connected);
    void initFinished();
    void initTimedOut();
    void windowIdReceived(const QString &name, qint64 windowId);
    void windowShown(const QString &name);
    /// crashed: the process died of a signal (exitCode is then the signal number).
    /// dumpFile: a dump it left, or empty.
    void componentExited(int exitCode, bool crashed, const QString &dumpFile);
    /// The component ended without being asked to, or could not be executed: text tells
    /// the operator what happened and what the host did; restarting: it starts again now.
    void componentFailure(const QString &text, bool restarting);
    /// After shutdown(): the component has gone (or never ran).
    void shutDown();
    /// result is lpcserver::toString(CallResult); body the reply body.
    void callFinished(int ticket, const QString &method, const QString &result, const QString &body);
    void requestRouted(const QString &url, int method, const QString &code);
    void notificationHandled(const QString &type, bool forwarded);
    void errorMessage(const QString &text);
    void statusMessage(const QString &text);

private:
    // The program and environment of one start; launch() does not touch the restart history.
    bool launch();
    void onProcessStarted();
    void onProcessError(QProcess::ProcessError error);
    void finishShutdown();
    /// Runs work on this object's thread; any thread may call it. Work and data travel
    /// through m_posted, so the owner's members are only ever touched
    /// on the owner's thread and the hand-over is visible to race checkers.
    void post(std::function<void()> work);
    Q_INVOKABLE void runPosted();
    bool openServer();
    void onNotify(const std::string &body);
    void onInitFinish();
    void onProcessFinished(int exitCode, QProcess::ExitStatus status);
    void onWindowIdAnswer(const QString &name, int type, const QString &result, const QString &body);
    /// An LPC call of method with data (null: none) in its request envelope.
    int callWith(const std::string &method, std::shared_ptr<protocol::ILPCData> data);
    int startCall(const QString &method, const std::map<std::string, std::string> &headers,
                  const std::string &body,
                  std::function<void(const QString &, const QString &)> done, int timeoutMs = 0);
    QString findDump(qint64 pid) const;

    HostConfig m_config;
    DataRootSetup m_dataRoot;
    RequestRouter m_router;
    std::unique_ptr<qorvaserver::CManagementServer> m_server;
    std::unique_ptr<lpcserver::CLpcServer> m_lpc;
    // Calls to the component block until their answer: up to four run at once.
    Base::CWorkQueue m_calls{4};
    QProcess *m_process = nullptr;
    qint64 m_pid = 0;
    QTimer m_initTimer;
    QTimer m_killTimer;
    QTimer m_restartTimer;
    QTimer m_shutdownGuard;
    QElapsedTimer m_clock;
    QElapsedTimer m_uptime;
    RestartPolicy m_restartPolicy;
    QString m_error;
    QStringList m_notices;
    QString m_stopMethod;
    bool m_stopping = false;
    bool m_restartPending = false;
    bool m_initFinished = false;
    bool m_shuttingDown = false;
    bool m_shutDown = false;
    std::atomic<bool> m_connected{false};
    std::atomic<int> m_nextTicket{1};
    Base::CHandOffList<std::function<void()>> m_posted;
};

} // namespace clientframework

// The host with a fake component process: start to shown window, notification filter,
// stop and kill paths, crash restarts and time-out reports, floods, damaged data files, and
// the host program itself ended by signals.

#include "HostTestSupport.h"
#include "ScriptRunner.h"

#include <ManagementServer/ManagementServer.h>
#include <comm_methodlib/DESetupFile.h>

#include <Base/LogCapture.h>

#include <QSignalSpy>
#include <QtTest>

#include <QProcess>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <random>

#include <unistd.h>

using clientframework::ComponentHost;
using clientframework::HostConfig;
using clientframework::ScriptRunner;

namespace {

// The host program in a process group of its own, as a shell starts a foreground job.
class GroupLeaderProcess : public QProcess
{
protected:
    void setupChildProcess() override { ::setpgid(0, 0); }
};

bool processGone(qint64 pid)
{
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

class HostProcessTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<hosttest::HostSandbox> m_box;
    QString m_fakeLog;

    HostConfig fakeConfig(const QString &mode = QString())
    {
        HostConfig c = m_box->config(QStringLiteral(FAKE_COMPONENT));
        c.extraEnvironment.insert(QStringLiteral("FAKE_LOG"), m_fakeLog);
        if (!mode.isEmpty())
            c.extraEnvironment.insert(QStringLiteral("FAKE_MODE"), mode);
        return c;
    }
    QStringList fakeLines() const { return hosttest::readAll(m_fakeLog).split('\n', Qt::SkipEmptyParts); }
    qint64 lastFakePid() const
    {
        const QStringList pids = fakeLines().filter(QRegularExpression(QStringLiteral("^pid ")));
        return pids.isEmpty() ? 0 : pids.last().mid(4).toLongLong();
    }
    struct ScriptOutcome
    {
        bool ok = false;
        QString message;
    };
    // Loads and runs a script against host; its outcome, or why it did not run.
    static ScriptOutcome runScript(ComponentHost &host, const QString &text)
    {
        ScriptRunner runner(host);
        if (!runner.load(text))
            return {false, runner.error()};
        QSignalSpy done(&runner, &ScriptRunner::finished);
        runner.run();
        if (!done.wait(120000))
            return {false, QStringLiteral("the script did not finish")};
        return {done.at(0).at(0).toBool(), done.at(0).at(1).toString()};
    }
    // Starts the host and the fake, and waits for the shown main window.
    bool startShown(ComponentHost &host)
    {
        QSignalSpy shown(&host, &ComponentHost::windowShown);
        if (!host.startServices() || !host.startComponent())
            return false;
        return shown.count() > 0 || shown.wait(60000);
    }

private slots:
    void init()
    {
        m_box = std::make_unique<hosttest::HostSandbox>();
        m_fakeLog = m_box->dataDir->path() + QStringLiteral("/fake.log");
    }
    void cleanup() { m_box.reset(); }

    void startRegistersSubscribesAndShowsTheWindow()
    {
        ComponentHost host(fakeConfig());
        QSignalSpy ids(&host, &ComponentHost::windowIdReceived);
        QVERIFY(startShown(host));
        QCOMPARE(ids.count(), 1);
        QCOMPARE(ids.at(0).at(0).toString(), QStringLiteral("VisitorApplication"));
        QCOMPARE(ids.at(0).at(1).toLongLong(), 4242);
        QCOMPARE(host.router().subscriptions().size(), std::size_t(44));
        QCOMPARE(host.router().registeredUrls().size(), std::size_t(1));
        // getWndHandle comes before showWnd, and both reached the component.
        const QStringList lines = fakeLines();
        QVERIFY(lines.indexOf(QStringLiteral("call getWndHandle")) >= 0);
        QVERIFY(lines.indexOf(QStringLiteral("call getWndHandle")) < lines.indexOf(QStringLiteral("call showWnd")));
        QVERIFY(lines.contains(QStringLiteral("register 0-0 success")));
        // First start wrote a readable DESetup.xml for the component.
        std::string xml;
        QVERIFY(comm_methodlib::DESetup::ReadFile(host.dataRoot().deSetupPath().toStdString(), xml));
    }

    void onlySubscribedNotificationsReachTheComponent()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(startShown(host));
        QVERIFY(host.forwardNotification(QStringLiteral("appointmentDeleted"), QStringLiteral("{\"guid\":\"x\"}")));
        QVERIFY(!host.forwardNotification(QStringLiteral("visitorArrived"), QStringLiteral("{}")));
        // A change made on the server arrives through the sink as a subscribed type.
        const auto devices = host.server()->list("devices");
        QVERIFY(devices.size() > 1);
        QCOMPARE(host.server()->removeDevice(devices[1][0]), 0u);
        QTRY_VERIFY_WITH_TIMEOUT(fakeLines().contains(QStringLiteral("notify deviceRemoved")), 30000);
        QVERIFY(fakeLines().contains(QStringLiteral("notify appointmentDeleted")));
        QVERIFY(!fakeLines().contains(QStringLiteral("notify visitorArrived")));
    }

    void stopMethodsEndTheComponentWithCodeZero_data()
    {
        QTest::addColumn<QString>("method");
        QTest::newRow("uninit") << QStringLiteral("componentUninit");
        QTest::newRow("logout") << QStringLiteral("clientDisconnected");
    }
    void stopMethodsEndTheComponentWithCodeZero()
    {
        QFETCH(QString, method);
        ComponentHost host(fakeConfig());
        QVERIFY(startShown(host));
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        host.stopComponent(method);
        QVERIFY(exited.wait(30000));
        QCOMPARE(exited.at(0).at(0).toInt(), 0);
        QCOMPARE(exited.at(0).at(1).toBool(), false);
        QVERIFY(fakeLines().contains(QStringLiteral("call ") + method));
        QVERIFY(host.router().subscriptions().empty());
    }

    void aComponentThatIgnoresTheStopIsKilled()
    {
        HostConfig config = fakeConfig(QStringLiteral("ignore-exit"));
        config.stopTimeoutMs = 1500;
        ComponentHost host(config);
        QVERIFY(startShown(host));
        Base::details::CLogCapture log;
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        host.stopComponent();
        QVERIFY(exited.wait(30000));
        QVERIFY(log.indexOf("The component did not exit within 1500 ms after \"componentUninit\"; killing it.") >= 0);
    }

    void startingAndStoppingLeaveTheEventLoopRunning()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(host.startServices());
        QSignalSpy started(&host, &ComponentHost::componentStarted);
        QSignalSpy shown(&host, &ComponentHost::windowShown);
        QVERIFY(host.startComponent());
        // The start is reported from the event loop, not waited for inside the call.
        QCOMPARE(started.count(), 0);
        QVERIFY(shown.wait(60000));
        QCOMPARE(started.count(), 1);
        QCOMPARE(started.at(0).at(0).toLongLong(), host.componentPid());

        QSignalSpy exited(&host, &ComponentHost::componentExited);
        host.stopComponent();
        QCOMPARE(exited.count(), 0);
        QVERIFY(host.isComponentRunning());
        QVERIFY(exited.wait(30000));
    }

    void aProgramThatCannotBeExecutedIsReportedLater()
    {
        HostConfig config = fakeConfig();
        config.componentProgram = m_box->dataDir->path() + QStringLiteral("/broken-component");
        {
            QFile file(config.componentProgram);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/nonexistent/interpreter\n");
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        }
        ComponentHost host(config);
        QVERIFY(host.startServices());
        QSignalSpy failures(&host, &ComponentHost::componentFailure);
        QSignalSpy started(&host, &ComponentHost::componentStarted);
        QVERIFY(host.startComponent());
        QVERIFY(failures.wait(30000));
        QVERIFY(failures.at(0).at(0).toString().contains(QStringLiteral("could not be started")));
        QCOMPARE(failures.at(0).at(1).toBool(), false);
        QCOMPARE(started.count(), 0);
        QVERIFY(!host.isComponentRunning());
        // Nothing of the failed start is left that would keep a shutdown waiting.
        QSignalSpy down(&host, &ComponentHost::shutDown);
        host.shutdown();
        QVERIFY(down.wait(10000));
    }

    void aKilledComponentIsRestartedOnceThenLeftStopped()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(startShown(host));
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        QSignalSpy failures(&host, &ComponentHost::componentFailure);
        QSignalSpy shown(&host, &ComponentHost::windowShown);
        const qint64 first = host.componentPid();
        ::kill(static_cast<pid_t>(first), SIGKILL);
        QVERIFY(shown.wait(60000));
        QCOMPARE(exited.count(), 1);
        QCOMPARE(exited.at(0).at(1).toBool(), true);
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.at(0).at(1).toBool(), true);
        QVERIFY(failures.at(0).at(0).toString().contains(QStringLiteral("signal 9, killed")));
        const qint64 second = host.componentPid();
        QVERIFY(second > 0 && second != first);
        QCOMPARE(host.router().subscriptions().size(), std::size_t(44));

        ::kill(static_cast<pid_t>(second), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 2, 30000);
        QCOMPARE(failures.at(1).at(1).toBool(), false);
        QVERIFY(failures.at(1).at(0).toString().contains(QStringLiteral("left stopped")));
        QCoreApplication::processEvents();
        QVERIFY(!host.isComponentRunning());

        // The operator's own start gets the automatic restart back.
        QVERIFY(host.startComponent());
        QVERIFY(shown.wait(60000));
        ::kill(static_cast<pid_t>(host.componentPid()), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 3, 30000);
        QCOMPARE(failures.at(2).at(1).toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), 3, 60000);
    }

    void aComponentCrashingAtEveryStartStopsAfterOneRestart()
    {
        ComponentHost host(fakeConfig(QStringLiteral("crash")));
        QSignalSpy started(&host, &ComponentHost::componentStarted);
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        QSignalSpy failures(&host, &ComponentHost::componentFailure);
        QVERIFY(host.startServices());
        QVERIFY(host.startComponent());
        QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 2, 60000);
        QCoreApplication::processEvents();
        QCOMPARE(started.count(), 2);
        QCOMPARE(exited.count(), 2);
        QVERIFY(!host.isComponentRunning());
        for (int i = 0; i < 2; ++i) {
            // Each report names the dump of the process that died, not an older one.
            const QString dump = exited.at(i).at(2).toString();
            const qint64 pid = started.at(i).at(0).toLongLong();
            QVERIFY2(dump.endsWith(QStringLiteral("_%1.dmp").arg(pid)), qPrintable(dump));
            QVERIFY(QFileInfo::exists(dump));
            QVERIFY(
                failures.at(i).at(0).toString().contains(QStringLiteral("Crash dump: ") + dump));
            QVERIFY(failures.at(i).at(0).toString().contains(QStringLiteral("signal 6, aborted")));
        }
        QCOMPARE(failures.at(0).at(1).toBool(), true);
        QCOMPARE(failures.at(1).at(1).toBool(), false);
    }

    void noInitFinishTimesOut()
    {
        HostConfig config = fakeConfig(QStringLiteral("noinit"));
        config.initTimeoutMs = 2000;
        ComponentHost host(config);
        Base::details::CLogCapture log;
        QSignalSpy timedOut(&host, &ComponentHost::initTimedOut);
        QSignalSpy ids(&host, &ComponentHost::windowIdReceived);
        QVERIFY(host.startServices());
        QVERIFY(host.startComponent());
        QVERIFY(timedOut.wait(30000));
        QVERIFY(log.contains("The component did not report initFinish within 2000 ms."));
        QCOMPARE(ids.count(), 0);
    }

    void aGarbageWindowAnswerIsReportedNotEmbedded()
    {
        ComponentHost host(fakeConfig(QStringLiteral("garbage")));
        QSignalSpy errors(&host, &ComponentHost::errorMessage);
        QSignalSpy ids(&host, &ComponentHost::windowIdReceived);
        QVERIFY(host.startServices());
        QVERIFY(host.startComponent());
        QVERIFY(errors.wait(60000));
        QCOMPARE(ids.count(), 0);
        QVERIFY(host.isComponentRunning());
    }

    void aFloodIsAnsweredBusy()
    {
        HostConfig config = fakeConfig(QStringLiteral("flood"));
        config.workerThreads = 1;
        config.maxPendingRequests = 1;
        ComponentHost host(config);
        QVERIFY(startShown(host));
        QTRY_VERIFY_WITH_TIMEOUT(!fakeLines().filter(QStringLiteral("busy ")).isEmpty(), 120000);
        const int busy = fakeLines().filter(QStringLiteral("busy ")).first().mid(5).toInt();
        QVERIFY2(busy > 0, "no request was refused as busy");
        QVERIFY(host.isComponentRunning());
    }

    void aMissingProgramIsReported()
    {
        HostConfig config = fakeConfig();
        config.componentProgram = m_box->dataDir->path() + QStringLiteral("/no-such-component");
        ComponentHost host(config);
        QVERIFY(host.startServices());
        QSignalSpy errors(&host, &ComponentHost::errorMessage);
        QVERIFY(!host.startComponent());
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().contains(QStringLiteral("no-such-component")));
    }

    void damagedFilesAreKeptAside_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("DESetup.xml") << QStringLiteral("Framework.C/DESetup.xml");
        QTest::newRow("server db") << QStringLiteral("Server/server.db");
    }
    void damagedFilesAreKeptAside()
    {
        QFETCH(QString, relativePath);
        const QString path = m_box->dataRoot() + QLatin1Char('/') + relativePath;
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        const QByteArray junk("this is not what it should be\x01\x02", 31);
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(junk);
        }
        ComponentHost host(fakeConfig());
        QVERIFY2(host.startServices(), qPrintable(host.error()));
        QCOMPARE(host.notices().size(), 1);
        const QStringList aside = QDir(QFileInfo(path).absolutePath())
                                      .entryList({QFileInfo(path).fileName() + QStringLiteral(".corrupt-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(QFileInfo(path).absolutePath() + QLatin1Char('/') + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), junk);
        QVERIFY(QFileInfo::exists(path));
    }

    void aServerDatabaseWithDamagedPagesIsKeptAsideAndTheOperatorTold()
    {
        const QString path = m_box->dataRoot() + QStringLiteral("/Server/server.db");
        {
            ComponentHost first(fakeConfig());
            QVERIFY2(first.startServices(), qPrintable(first.error()));
            QVERIFY(first.notices().isEmpty());
        }
        QByteArray noise(4096, '\0');
        std::mt19937 random(4096);
        for (char &c : noise)
            c = static_cast<char>(random() & 0xff);
        QByteArray damaged;
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(4096));
            QCOMPARE(file.write(noise), qint64(noise.size()));
            QVERIFY(file.seek(0));
            damaged = file.readAll();
        }

        ComponentHost host(fakeConfig());
        QVERIFY2(host.startServices(), qPrintable(host.error()));
        QCOMPARE(host.notices().size(), 1);
        QVERIFY2(host.notices().first().contains(QStringLiteral("is damaged")),
                 qPrintable(host.notices().first()));
        const QStringList aside =
            QDir(QFileInfo(path).absolutePath())
                .entryList({QStringLiteral("server.db.corrupt-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(host.notices().first().contains(aside.first()));
        QFile kept(QFileInfo(path).absolutePath() + QLatin1Char('/') + aside.first());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll() == damaged);
        // The new site answers.
        QVERIFY(host.server()->list(QStringLiteral("areas").toStdString()).size() > 1);
    }

    void aScriptDrivesTheHostAndFailsOnABadCheck()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(host.startServices());
        const ScriptOutcome passed =
            runScript(host, QStringLiteral("timeout 60\n"
                                           "start\n"
                                           "wait window VisitorApplication\n"
                                           "expect subscriptions 44\n"
                                           "expect registered-method showWnd\n"
                                           "notify appointmentDeleted {\"guid\":\"a\"}\n"
                                           "expect forwarded yes\n"
                                           "notify somethingElse\n"
                                           "expect forwarded no\n"
                                           "http /7310/v1/internal/template/tests 1 {}\n"
                                           "expect reply-ok\n"
                                           "switch-user 1\n"
                                           "control rename-door first Side door\n"
                                           "expect control-ok\n"
                                           "stop\n"
                                           "wait exit 0\n"));
        QVERIFY2(passed.ok, qPrintable(passed.message));
        QVERIFY(fakeLines().contains(QStringLiteral("http /7310/v1/internal/template/tests")));
        QVERIFY(fakeLines().contains(QStringLiteral("call switchUserUpdateFrame")));
        QVERIFY(fakeLines().contains(QStringLiteral("notify elementNameChanged")));
        QCOMPARE(host.router().currentOperator().userName, std::string("guard"));

        const ScriptOutcome failed = runScript(host, QStringLiteral("expect subscriptions 3\n"));
        QCOMPARE(failed.ok, false);
        QVERIFY(failed.message.contains(QStringLiteral("line 1")));
    }

    void uiStepsInterleaveWithServerStepsAndStopTheScriptWhenTheyFail()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(host.startServices());
        const ScriptOutcome failed =
            runScript(host, QStringLiteral("timeout 60\n"
                                           "start\n"
                                           "wait window VisitorApplication\n"
                                           "ui navigate VisitorsToRecordSSYbjbR\n"
                                           "control rename-door first Side door\n"
                                           "expect control-ok\n"
                                           "ui wait rows Table 3\n"
                                           "ui fail Nothing\n"
                                           "ui never sent\n"));
        QCOMPARE(failed.ok, false);
        QCOMPARE(failed.message,
                 QStringLiteral("line 8: ui fail Nothing: no widget named Nothing"));
        // In script order, to a component started with the driver on; nothing after the failure.
        QCOMPARE(fakeLines().filter(QRegularExpression(QStringLiteral("^ui "))),
                 QStringList({"ui navigate VisitorsToRecordSSYbjbR driver=1",
                              "ui wait rows Table 3 driver=1", "ui fail Nothing driver=1"}));
        QCOMPARE(host.server()->list("doors")[1][1], std::string("Side door"));
        host.stopComponent();
    }

    void aSignalClosesTheComponentBeforeTheHostEnds_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<bool>("toGroup");
        QTest::addColumn<QString>("mode");
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << QString();
        QTest::newRow("SIGINT") << int(SIGINT) << false << QString();
        // Ctrl+C in a terminal: the whole foreground group gets SIGINT.
        QTest::newRow("Ctrl+C") << int(SIGINT) << true << QString();
        QTest::newRow("component ignores the close")
            << int(SIGTERM) << false << QStringLiteral("ignore-exit");
    }
    void aSignalClosesTheComponentBeforeTheHostEnds()
    {
        QFETCH(int, signalNumber);
        QFETCH(bool, toGroup);
        QFETCH(QString, mode);
        GroupLeaderProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FAKE_LOG"), m_fakeLog);
        if (!mode.isEmpty())
            env.insert(QStringLiteral("FAKE_MODE"), mode);
        host.setProcessEnvironment(env);
        host.setProcessChannelMode(QProcess::ForwardedChannels);
        QSignalSpy finished(&host, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
        host.start(QStringLiteral(HOST_PROGRAM),
                   {QStringLiteral("--headless"), QStringLiteral("--data-root"), m_box->dataRoot(),
                    QStringLiteral("--component"), QStringLiteral(FAKE_COMPONENT)});
        QTRY_VERIFY_WITH_TIMEOUT(fakeLines().contains(QStringLiteral("call showWnd")), 60000);
        const qint64 component = lastFakePid();
        QVERIFY(component > 0);

        const pid_t target = static_cast<pid_t>(toGroup ? -host.processId() : host.processId());
        QCOMPARE(::kill(target, signalNumber), 0);
        // Bounded by the host's stop time-out (10 s) before it kills the component.
        QVERIFY(finished.wait(60000));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
        const QStringList lines = fakeLines();
        QVERIFY(lines.contains(QStringLiteral("call componentUninit")));
        QCOMPARE(lines.contains(QStringLiteral("exit")), mode.isEmpty());
        // The host collected it before it ended: an orphan would still be there.
        QVERIFY(processGone(component));
    }

    void badScriptsAreRefusedBeforeRunning()
    {
        ComponentHost host(fakeConfig());
        ScriptRunner unknown(host);
        QVERIFY(!unknown.load(QStringLiteral("# fine\nfly away\n")));
        QVERIFY(unknown.error().contains(QStringLiteral("line 2")));
        ScriptRunner missing(host);
        QVERIFY(!missing.load(QStringLiteral("call\n")));
    }
};

QTEST_GUILESS_MAIN(HostProcessTest)
#include "tst_host_process.moc"

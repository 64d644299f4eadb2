// The host with a fake component process: start to shown window, notification filter,
// stop and kill paths, crash and time-out reports, floods and damaged data files.

#include "HostTestSupport.h"
#include "ScriptRunner.h"

#include <ManagementServer/ManagementServer.h>
#include <comm_methodlib/DESetupFile.h>

#include <Base/LogCapture.h>

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

using clientframework::ComponentHost;
using clientframework::HostConfig;
using clientframework::ScriptRunner;

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
        m_fakeLog = m_box->dataDir.path() + QStringLiteral("/fake.log");
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
        QVERIFY(lines.contains(QStringLiteral("register {\"code\":\"0-0\",\"msg\":\"\"}")));
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

    void aKilledComponentIsDetected()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(startShown(host));
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        QSignalSpy errors(&host, &ComponentHost::errorMessage);
        ::kill(static_cast<pid_t>(host.componentPid()), SIGKILL);
        QVERIFY(exited.wait(30000));
        QCOMPARE(exited.at(0).at(1).toBool(), true);
        QVERIFY(!errors.isEmpty());
        QVERIFY(!host.isComponentRunning());
    }

    void aCrashReportsTheDump()
    {
        ComponentHost host(fakeConfig(QStringLiteral("crash")));
        QSignalSpy exited(&host, &ComponentHost::componentExited);
        QVERIFY(host.startServices());
        QVERIFY(host.startComponent());
        QVERIFY(exited.wait(60000));
        QCOMPARE(exited.at(0).at(1).toBool(), true);
        QVERIFY(exited.at(0).at(2).toString().endsWith(QStringLiteral("fake-crash.dmp")));
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
        config.componentProgram = m_box->dataDir.path() + QStringLiteral("/no-such-component");
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

    void aScriptDrivesTheHostAndFailsOnABadCheck()
    {
        ComponentHost host(fakeConfig());
        QVERIFY(host.startServices());
        ScriptRunner runner(host);
        QVERIFY2(runner.load(QStringLiteral("timeout 60\n"
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
                                            "wait exit 0\n")),
                 qPrintable(runner.error()));
        QSignalSpy done(&runner, &ScriptRunner::finished);
        runner.run();
        QVERIFY(done.wait(120000));
        QVERIFY2(done.at(0).at(0).toBool(), qPrintable(done.at(0).at(1).toString()));
        QVERIFY(fakeLines().contains(QStringLiteral("http /7310/v1/internal/template/tests")));
        QVERIFY(fakeLines().contains(QStringLiteral("call switchUserUpdateFrame")));
        QVERIFY(fakeLines().contains(QStringLiteral("notify elementNameChanged")));
        QCOMPARE(host.router().currentOperator().userName, std::string("guard"));

        ScriptRunner failing(host);
        QVERIFY(failing.load(QStringLiteral("expect subscriptions 3\n")));
        QSignalSpy failed(&failing, &ScriptRunner::finished);
        failing.run();
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.at(0).at(0).toBool(), false);
        QVERIFY(failed.at(0).at(1).toString().contains(QStringLiteral("line 1")));
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

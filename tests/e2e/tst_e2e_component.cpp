// Host and the real VisitorManagement.C, both headless (offscreen): registration and
// subscriptions, the window handshake, notifications, the template URL, a user switch
// without the editing permission, the stop command, and a crashing component restarted once
// with its crash dump named.

#include "HostTestSupport.h"

#include <LPC_Server/LPCServerTypes.h>
#include <ManagementServer/ManagementServer.h>

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>

using clientframework::ComponentHost;
using clientframework::HostConfig;

class EndToEndTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<hosttest::HostSandbox> m_box;
    std::unique_ptr<ComponentHost> m_host;

    QString componentLog() const
    {
        return hosttest::readAll(m_box->dataRoot() + QStringLiteral("/VisitorManagement.C/logs/VisitorManagement.C.log"));
    }
    // QORVA_E2E_COMPONENT runs the tests against another build of the component.
    static QString componentProgram()
    {
        const QString other = qEnvironmentVariable("QORVA_E2E_COMPONENT");
        return other.isEmpty() ? QStringLiteral(COMPONENT_PROGRAM) : other;
    }
    static HostConfig slowMachine(HostConfig config)
    {
        config.initTimeoutMs = 180000;
        config.callTimeoutMs = 60000;
        return config;
    }

private slots:
    void initTestCase()
    {
        m_box = std::make_unique<hosttest::HostSandbox>();
        HostConfig config = slowMachine(m_box->config(componentProgram()));
        // Not for the component: its rights come from the permission route only.
        config.extraEnvironment.insert(QStringLiteral("QORVA_DENY_FUNCTIONS"),
                                       QStringLiteral("1,2,3,4,5,6,7,8,9,10"));
        m_host = std::make_unique<ComponentHost>(config);
        QVERIFY2(m_host->startServices(), qPrintable(m_host->error()));
    }
    void cleanupTestCase()
    {
        m_host.reset();
        m_box.reset();
    }

    void hostAndComponentStartAndTheWindowIsShown()
    {
        QSignalSpy ids(m_host.get(), &ComponentHost::windowIdReceived);
        QSignalSpy shown(m_host.get(), &ComponentHost::windowShown);
        QVERIFY(m_host->startComponent());
        QVERIFY(shown.wait(240000));
        QCOMPARE(ids.count(), 1);
        QVERIFY(ids.at(0).at(1).toLongLong() > 0);
        QCOMPARE(m_host->router().subscriptions().size(), std::size_t(44));
        const auto urls = m_host->router().registeredUrls();
        QVERIFY(std::find(urls.begin(), urls.end(), "/7310/v1/internal/template/tests") != urls.end());
        QTRY_VERIFY_WITH_TIMEOUT(componentLog().contains(QStringLiteral("CAppRscManager::ShowWndbyWID success")), 60000);
        // Rights from the host's route at start: the administrator.
        QVERIFY(componentLog().contains(QStringLiteral(
            "Operator permissions refreshed. User[admin],Administrator[1],Functions[10].")));
    }

    void subscribedNotificationsArriveAndOthersDoNot()
    {
        const auto doors = m_host->server()->list("doors");
        QVERIFY(doors.size() > 1);
        QCOMPARE(m_host->server()->renameDoor(doors[1][0], "East gate"), 0u);
        QVERIFY(!m_host->forwardNotification(QStringLiteral("visitorArrived"), QStringLiteral("{}")));
        QTRY_VERIFY_WITH_TIMEOUT(componentLog().contains(QStringLiteral("Add Notify Success.Type:[elementNameChanged]")), 60000);
        QVERIFY(!componentLog().contains(QStringLiteral("visitorArrived")));
    }

    void theTemplateTestUrlIsAnswered()
    {
        QSignalSpy finished(m_host.get(), &ComponentHost::callFinished);
        const int ticket = m_host->sendHttp(QStringLiteral("/7310/v1/internal/template/tests"), 1, QStringLiteral("{}"));
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 90000);
        QCOMPARE(finished.at(0).at(0).toInt(), ticket);
        QCOMPARE(finished.at(0).at(2).toString(), QString::fromLatin1(lpcserver::toString(lpcserver::CallResult::Ok)));
        QTRY_VERIFY_WITH_TIMEOUT(
            componentLog().contains(QStringLiteral("Get Http Request.URL[/7310/v1/internal/template/tests]")), 30000);
    }

    void aUserSwitchWithoutPermissionDisablesEditing()
    {
        const QString denied = QStringLiteral("No permission for function [9] operation [6]");
        const int before = componentLog().count(denied);
        QSignalSpy finished(m_host.get(), &ComponentHost::callFinished);
        m_host->switchOperator(1);
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 90000);
        QCOMPARE(finished.at(0).at(2).toString(), QString::fromLatin1(lpcserver::toString(lpcserver::CallResult::Ok)));
        QTRY_VERIFY_WITH_TIMEOUT(componentLog().count(denied) > before, 60000);
        QVERIFY(componentLog().contains(QStringLiteral(
            "Operator permissions refreshed. User[guard],Administrator[0],Functions[9].")));
    }

    void componentUninitEndsTheComponentWithCodeZero()
    {
        QSignalSpy exited(m_host.get(), &ComponentHost::componentExited);
        m_host->stopComponent(QStringLiteral("componentUninit"));
        QVERIFY(exited.wait(60000));
        QCOMPARE(exited.at(0).at(0).toInt(), 0);
        QCOMPARE(exited.at(0).at(1).toBool(), false);
    }

    void aCrashingComponentIsRestartedOnceWithItsDumpNamed()
    {
        QSignalSpy init(m_host.get(), &ComponentHost::initFinished);
        QVERIFY(m_host->startComponent());
        QVERIFY(init.wait(240000));
        QSignalSpy failures(m_host.get(), &ComponentHost::componentFailure);
        QSignalSpy exited(m_host.get(), &ComponentHost::componentExited);
        const qint64 first = m_host->componentPid();
        ::kill(static_cast<pid_t>(first), SIGSEGV);
        QVERIFY(init.wait(240000));
        QCOMPARE(exited.count(), 1);
        QCOMPARE(exited.at(0).at(1).toBool(), true);
        // The component's crash handler wrote the dump; the operator's message names it.
        const QString dump = exited.at(0).at(2).toString();
        QVERIFY2(dump.endsWith(QStringLiteral("_%1.dmp").arg(first)), qPrintable(dump));
        QVERIFY(QFileInfo::exists(dump));
        QCOMPARE(failures.count(), 1);
        QCOMPARE(failures.at(0).at(1).toBool(), true);
        QVERIFY(failures.at(0).at(0).toString().contains(QStringLiteral("Crash dump: ") + dump));

        ::kill(static_cast<pid_t>(m_host->componentPid()), SIGKILL);
        QTRY_COMPARE_WITH_TIMEOUT(failures.count(), 2, 60000);
        QCOMPARE(failures.at(1).at(1).toBool(), false);
        QCoreApplication::processEvents();
        QVERIFY(!m_host->isComponentRunning());
    }

    void theHeadlessScriptRunsAndExitsZero()
    {
        const QString script = m_box->dataDir->path() + QStringLiteral("/smoke.txt");
        {
            QFile file(script);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("timeout 240\nwait window VisitorApplication\nexpect subscriptions 44\n"
                       "http /7310/v1/internal/template/tests 1 {}\nexpect reply-ok\n");
        }
        // The in-process host above still owns the server name: free it first.
        m_host.reset();
        QProcess host;
        host.setProcessChannelMode(QProcess::ForwardedChannels);
        host.start(QStringLiteral(HOST_PROGRAM),
                   {QStringLiteral("--headless"), QStringLiteral("--script"), script, QStringLiteral("--data-root"),
                    m_box->dataRoot(), QStringLiteral("--component"), componentProgram(),
                    QStringLiteral("--init-timeout"), QStringLiteral("240")});
        QVERIFY(host.waitForFinished(280000));
        QCOMPARE(host.exitStatus(), QProcess::NormalExit);
        QCOMPARE(host.exitCode(), 0);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_e2e_component.moc"

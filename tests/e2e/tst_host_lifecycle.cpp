// The host's lifecycle decisions without a component process: when a failed component is
// started again and what the operator reads about it, and signals turned into events.

#include "RestartPolicy.h"
#include "SignalWatcher.h"

#include <QSignalSpy>
#include <QtTest>

#include <csignal>

using clientframework::ComponentExit;
using clientframework::RestartPolicy;
using clientframework::SignalWatcher;

namespace {

ComponentExit crash(int signal, const QString &dump = QString())
{
    ComponentExit exit;
    exit.crashed = true;
    exit.exitCode = signal;
    exit.dumpFile = dump;
    return exit;
}

} // namespace

class HostLifecycleTest : public QObject
{
    Q_OBJECT

private slots:
    void aSecondFailureWithinTheWindowLeavesItStopped_data()
    {
        QTest::addColumn<qint64>("secondAfterMs");
        QTest::addColumn<bool>("restartedAgain");
        QTest::newRow("at once") << qint64(0) << false;
        QTest::newRow("just inside") << qint64(59999) << false;
        QTest::newRow("a minute later") << qint64(60000) << true;
        QTest::newRow("an hour later") << qint64(3600000) << true;
    }
    void aSecondFailureWithinTheWindowLeavesItStopped()
    {
        QFETCH(qint64, secondAfterMs);
        QFETCH(bool, restartedAgain);
        RestartPolicy policy;
        const qint64 start = 5000000;
        QVERIFY(policy.onUnexpectedExit(crash(SIGSEGV), start).restart);
        QCOMPARE(policy.onUnexpectedExit(crash(SIGSEGV), start + secondAfterMs).restart,
                 restartedAgain);
        // Once stopped, the count does not run on by itself: a later failure (after the
        // operator's own start, which resets it) is restarted again.
        policy.reset();
        QVERIFY(policy.onUnexpectedExit(crash(SIGABRT), start + secondAfterMs + 1).restart);
    }

    void theWindowCountsFromTheLastRestartNotTheFirst()
    {
        RestartPolicy policy;
        QVERIFY(policy.onUnexpectedExit(crash(SIGSEGV), 0).restart);
        QVERIFY(policy.onUnexpectedExit(crash(SIGSEGV), 70000).restart);
        QVERIFY(!policy.onUnexpectedExit(crash(SIGSEGV), 100000).restart);
    }

    void theMessageSaysWhatHappenedAndWhatTheHostDid()
    {
        RestartPolicy policy;
        const QString dump = QStringLiteral("/data/VisitorManagement.C/dumps/crash_1_42.dmp");
        const QString first = policy.onUnexpectedExit(crash(SIGSEGV, dump), 0).message;
        QVERIFY2(first.contains(QStringLiteral("crashed (signal 11, segmentation fault)")),
                 qPrintable(first));
        QVERIFY2(first.contains(QStringLiteral("was restarted")), qPrintable(first));
        QVERIFY2(first.endsWith(QStringLiteral("Crash dump: ") + dump), qPrintable(first));

        ComponentExit exited;
        exited.exitCode = 3;
        const QString second = policy.onUnexpectedExit(exited, 1000).message;
        QVERIFY2(second.contains(
                     QStringLiteral("ended unexpectedly (exit code 3) again less than a minute")),
                 qPrintable(second));
        QVERIFY2(second.contains(QStringLiteral("left stopped")), qPrintable(second));
        QVERIFY2(second.contains(QStringLiteral("Restart component")), qPrintable(second));
        QVERIFY2(!second.contains(QStringLiteral("Crash dump")), qPrintable(second));

        RestartPolicy shortWindow(1500);
        shortWindow.onUnexpectedExit(crash(SIGKILL), 0);
        const QString quick = shortWindow.onUnexpectedExit(crash(SIGKILL), 10).message;
        QVERIFY2(quick.contains(QStringLiteral("(signal 9, killed) again less than 1.5 seconds")),
                 qPrintable(quick));
        QCOMPARE(RestartPolicy::describeSignal(64), QStringLiteral("signal 64"));
    }

    void terminationSignalsArriveAsEventsAndDoNotKill()
    {
        SignalWatcher watcher({SIGTERM, SIGINT});
        QVERIFY(watcher.isActive());
        // A second watcher would steal the handlers of the first.
        SignalWatcher second({SIGTERM});
        QVERIFY(!second.isActive());

        QSignalSpy received(&watcher, &SignalWatcher::received);
        QCOMPARE(::raise(SIGTERM), 0);
        QCOMPARE(::raise(SIGINT), 0);
        QCOMPARE(::raise(SIGTERM), 0);
        // Nothing is delivered inside the handler, only from the event loop.
        QCOMPARE(received.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 3, 10000);
        QCOMPARE(received.at(0).at(0).toInt(), SIGTERM);
        QCOMPARE(received.at(1).at(0).toInt(), SIGINT);
    }

    void theDefaultActionComesBackWithTheWatcher()
    {
        {
            SignalWatcher watcher({SIGUSR1});
            QVERIFY(watcher.isActive());
        }
        struct sigaction now
        {
        };
        QCOMPARE(::sigaction(SIGUSR1, nullptr, &now), 0);
        QVERIFY(now.sa_handler == SIG_DFL);
        // And a new watcher can take over after the first is gone.
        SignalWatcher again({SIGUSR1});
        QVERIFY(again.isActive());
        QSignalSpy received(&again, &SignalWatcher::received);
        QCOMPARE(::raise(SIGUSR1), 0);
        QTRY_COMPARE_WITH_TIMEOUT(received.count(), 1, 10000);
    }
};

QTEST_GUILESS_MAIN(HostLifecycleTest)
#include "tst_host_lifecycle.moc"

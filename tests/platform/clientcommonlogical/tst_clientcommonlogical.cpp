#include <clientcommonlogical/ConfigMgr.h>
#include <clientcommonlogical/LocalLogDelegate.h>
#include <clientcommonlogical/SwitchUserNotifyMgr.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/LogCapture.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

using namespace clientcommonlogical;

TEST(ConfigMgr, DefaultsUntilInitThenFrameworkValues)
{
    CConfigMgr &config = CConfigMgr::Instance();
    config.reset();
    EXPECT_FALSE(config.isInitialised());
    EXPECT_EQ(config.getSkinType(), "BlackRedSkin");
    EXPECT_EQ(config.getLanguage(), 0);

    ConfigParams params;
    params.iLanguage = 13;
    params.iSkinVariant = 1;
    params.iReserved = 7;
    params.strSkinType = "GreyRedSkin";
    config.init(params);
    EXPECT_TRUE(config.isInitialised());
    EXPECT_EQ(config.getLanguage(), 13);
    EXPECT_EQ(config.getSkinVariant(), 1);
    EXPECT_EQ(config.getReserved(), 7);
    EXPECT_EQ(config.getSkinType(), "GreyRedSkin");
    config.reset();
}

namespace {

struct RecordingObserver : ISwitchUserNotifyMgrObserver
{
    std::vector<int> kinds;
    ISwitchUserNotifyMgrObserver *toRemove = nullptr;
    void onSwitchUserNotify(const SwitchUserNotifyData &data) override
    {
        kinds.push_back(data.iKind);
        if (toRemove)
            CSwitchUserNotifyMgr::Instance().unregisterObserver(toRemove);
    }
};

struct CountingObserver : ISwitchUserNotifyMgrObserver
{
    std::atomic<int> calls{0};
    void onSwitchUserNotify(const SwitchUserNotifyData &) override { ++calls; }
};

} // namespace

TEST(SwitchUserNotifyMgr, DeliversKindsOnceToEachRegisteredObserver)
{
    CSwitchUserNotifyMgr &mgr = CSwitchUserNotifyMgr::Instance();
    RecordingObserver a;
    RecordingObserver b;
    mgr.registerObserver(&a);
    mgr.registerObserver(&a); // a second registration must not double the calls
    mgr.registerObserver(&b);
    mgr.updateFrame();
    mgr.notify(3);
    mgr.unregisterObserver(&b);
    mgr.updateFrame();
    mgr.unregisterObserver(&a);
    mgr.updateFrame();
    EXPECT_EQ(a.kinds, (std::vector<int>{1, 3, 1}));
    EXPECT_EQ(b.kinds, (std::vector<int>{1, 3}));
}

TEST(SwitchUserNotifyMgr, ObserverRemovedDuringNotifyIsNotCalled)
{
    CSwitchUserNotifyMgr &mgr = CSwitchUserNotifyMgr::Instance();
    RecordingObserver first;
    RecordingObserver second;
    first.toRemove = &second;
    mgr.registerObserver(&first);
    mgr.registerObserver(&second);
    mgr.updateFrame();
    mgr.unregisterObserver(&first);
    EXPECT_EQ(first.kinds.size(), 1u);
    EXPECT_TRUE(second.kinds.empty());
}

TEST(SwitchUserNotifyMgr, ConcurrentRegistrationAndNotify)
{
    CSwitchUserNotifyMgr &mgr = CSwitchUserNotifyMgr::Instance();
    CountingObserver stable;
    mgr.registerObserver(&stable);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&mgr] {
            CountingObserver local;
            for (int i = 0; i < 100; ++i) {
                mgr.registerObserver(&local);
                mgr.notify(2);
                mgr.unregisterObserver(&local);
            }
        });
    }
    for (auto &thread : threads)
        thread.join();
    mgr.unregisterObserver(&stable);
    EXPECT_EQ(stable.calls.load(), 400);
}

namespace {

// Blocks inside its call until released, and records whether unregisterObserver returned
// while the call was still running.
struct BlockingObserver : ISwitchUserNotifyMgrObserver
{
    std::atomic<bool> entered{false};
    std::atomic<bool> release{false};
    std::atomic<bool> unregistered{false};
    std::atomic<bool> unregisteredDuringCall{false};
    void onSwitchUserNotify(const SwitchUserNotifyData &) override
    {
        entered = true;
        while (!release) {
            if (unregistered)
                unregisteredDuringCall = true;
            std::this_thread::yield();
        }
        if (unregistered)
            unregisteredDuringCall = true;
    }
};

} // namespace

TEST(SwitchUserNotifyMgr, UnregisterWaitsForACallRunningOnAnotherThread)
{
    CSwitchUserNotifyMgr &mgr = CSwitchUserNotifyMgr::Instance();
    BlockingObserver observer;
    mgr.registerObserver(&observer);
    std::thread notifier([&mgr] { mgr.notify(2); });
    while (!observer.entered)
        std::this_thread::yield();
    std::thread remover([&] {
        mgr.unregisterObserver(&observer);
        observer.unregistered = true;
    });
    // Give a wrong implementation every chance to return early, then let the call end.
    // Bounded by time, not by a count of yields: on a busy machine each yield may give
    // the processor away for a whole time slice.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (!observer.unregistered && std::chrono::steady_clock::now() < until)
        std::this_thread::yield();
    observer.release = true;
    remover.join();
    notifier.join();
    EXPECT_FALSE(observer.unregisteredDuringCall);
    EXPECT_FALSE(mgr.isRegistered(&observer));
}

TEST(UserConfigDelegate, RightsComeFromTheFrameworkAnswerOnly)
{
    // The environment is the host's business; the component never reads it.
    qputenv("QORVA_DENY_FUNCTIONS", "9");
    CUserConfigDelegate delegate;
    qunsetenv("QORVA_DENY_FUNCTIONS");
    EXPECT_TRUE(delegate.hasPermission(9, 6)); // everything until the first answer

    delegate.setPermissions(QStringLiteral("guard"), false, {1, 10});
    EXPECT_EQ(delegate.currentUser(), QStringLiteral("guard"));
    EXPECT_FALSE(delegate.hasPermission(9, 6));
    EXPECT_TRUE(delegate.hasPermission(10, 1));

    // A later answer replaces the earlier one, withdrawals included.
    delegate.setDeniedFunctions({10});
    delegate.setPermissions(QStringLiteral("admin"), true, {});
    EXPECT_TRUE(delegate.hasPermission(9, 6));
    EXPECT_TRUE(delegate.hasPermission(10, 6));
    EXPECT_EQ(CUserConfigDelegate::shared(), CUserConfigDelegate::shared());
}

TEST(LocalLogDelegate, RecordsSurviveANewInstanceAndKeepSpecialCharacters)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString logDir = dir.path() + QStringLiteral("/data/VisitorManagement.C");
    {
        CLocalLogDelegate delegate;
        delegate.setDirectory(logDir);
        LocalLogRecord record;
        record.time = QDateTime(QDate(2026, 3, 1), QTime(8, 30, 5));
        record.user = QStringLiteral("op\tone");
        record.type = 9001;
        record.text = QStringLiteral("预约 \"A\\B\"\nline two");
        delegate.append(record);
        record.category = LocalLogRecord::Other;
        record.type = 1;
        record.text = QStringLiteral("second");
        delegate.append(record);
    } // destruction waits for the writer

    CLocalLogDelegate reader;
    reader.setDirectory(logDir);
    const QList<LocalLogRecord> records = reader.readAll();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].user, QStringLiteral("op\tone"));
    EXPECT_EQ(records[0].type, 9001);
    EXPECT_EQ(records[0].category, LocalLogRecord::Detail);
    EXPECT_EQ(records[0].text, QStringLiteral("预约 \"A\\B\"\nline two"));
    EXPECT_EQ(records[0].time, QDateTime(QDate(2026, 3, 1), QTime(8, 30, 5)));
    EXPECT_EQ(records[1].category, LocalLogRecord::Other);
    EXPECT_EQ(records[1].text, QStringLiteral("second"));
}

TEST(LocalLogDelegate, UnwritableDirectoryIsLoggedOnceAndDropsRecords)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A file where the directory should be: nothing can be created below it.
    const QString blocker = dir.path() + QStringLiteral("/blocker");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    Base::details::CLogCapture capture;
    CLocalLogDelegate delegate;
    delegate.setDirectory(blocker + QStringLiteral("/sub"));
    LocalLogRecord record;
    record.time = QDateTime::currentDateTime();
    delegate.append(record);
    delegate.append(record);
    delegate.flush();
    int failures = 0;
    for (const std::string &message : capture.messages())
        failures += message.rfind("Failed to write the local operation log", 0) == 0 ? 1 : 0;
    EXPECT_EQ(failures, 1);
    EXPECT_TRUE(delegate.readAll().isEmpty());
}

TEST(LocalLogDelegate, RecordsFromManyThreadsAreAllWrittenInEachThreadsOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    CLocalLogDelegate delegate;
    delegate.setDirectory(dir.path());
    constexpr int kThreads = 4;
    constexpr int kPerThread = 50;
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&delegate, t] {
            LocalLogRecord record;
            // UTC: local time would have every thread race into the C library's time-zone set-up.
            record.time = QDateTime(QDate(2026, 3, 1), QTime(8, 0), Qt::UTC);
            record.user = QStringLiteral("writer %1").arg(t);
            for (int i = 0; i < kPerThread; ++i) {
                record.type = i;
                delegate.append(record);
            }
        });
    }
    for (std::thread &writer : writers)
        writer.join();
    delegate.flush();

    std::vector<int> next(kThreads, 0);
    for (const LocalLogRecord &record : delegate.readAll()) {
        const int t = record.user.mid(7).toInt();
        ASSERT_GE(t, 0);
        ASSERT_LT(t, kThreads);
        EXPECT_EQ(record.type, next[t]) << "writer " << t;
        ++next[t];
    }
    EXPECT_EQ(next, std::vector<int>(kThreads, kPerThread));
}

TEST(LocalLogDelegate, MalformedLinesAreSkipped)
{
    LocalLogRecord record;
    EXPECT_FALSE(CLocalLogDelegate::parseLine(QStringLiteral("garbage"), &record));
    EXPECT_FALSE(CLocalLogDelegate::parseLine(QStringLiteral("2026-01-01 00:00:00\tu\tx\t1\tt"), &record));
    EXPECT_TRUE(CLocalLogDelegate::parseLine(QStringLiteral("2026-01-01 00:00:00\tu\t1\t9000\tt"), &record));
    EXPECT_EQ(record.type, 9000);
}

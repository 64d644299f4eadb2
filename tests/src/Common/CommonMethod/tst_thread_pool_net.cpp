#include <testsupport/LogWatch.h>
#include <testsupport/Wait.h>

#include <Common/CommonMethod/NetTask.h>
#include <Common/CommonMethod/TaskClock.h>
#include <Common/CommonMethod/ThreadPoolDelegateModel.h>
#include <Common/CommonMethod/ThreadPoolForInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using comm_method::CNetTask;
using comm_method::CTaskClock;
using comm_method::CThreadDelegate;
using comm_method::CThreadPoolDelegateModel;
using testsupport::Counter;
using testsupport::Gate;
using testsupport::waitUntil;

namespace {

// What happened to the tasks that share it.
struct Probe
{
    Counter started;
    Counter ran;
    Counter timedOut;
    Counter destroyed;
    std::mutex mutex;
    std::thread::id thread;

    std::thread::id runThread()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return thread;
    }
};

class ProbeTask : public CNetTask
{
public:
    ProbeTask(std::string key, Probe &probe, const Gate *gate = nullptr,
              int32_t timeout = kDefaultTimeout)
        : CNetTask(std::move(key), timeout), m_probe(probe), m_gate(gate)
    {}
    ~ProbeTask() override { m_probe.destroyed.add(); }
    void onTimeout() override { m_probe.timedOut.add(); }
    void run() override
    {
        {
            std::lock_guard<std::mutex> lock(m_probe.mutex);
            m_probe.thread = std::this_thread::get_id();
        }
        m_probe.started.add();
        if (m_gate)
            m_gate->wait();
        m_probe.ran.add();
    }

private:
    Probe &m_probe;
    const Gate *m_gate;
};

std::unique_ptr<CNetTask> probeTask(const std::string &key, Probe &probe,
                                    const Gate *gate = nullptr)
{
    return std::make_unique<ProbeTask>(key, probe, gate);
}

std::atomic<int64_t> g_fakeMs{1000000};

CTaskClock::TimePoint fakeNow()
{
    return CTaskClock::TimePoint(std::chrono::milliseconds(g_fakeMs.load()));
}

// Time stands still unless the test moves it.
struct FakeClock
{
    FakeClock() { CTaskClock::setSource(&fakeNow); }
    ~FakeClock() { CTaskClock::setSource(nullptr); }
    void advance(int64_t ms) { g_fakeMs.fetch_add(ms); }
};

} // namespace

// ---------------------------------------------------------------------------------------
// init

struct InitCase
{
    int32_t threads, limit, keyed;
    int32_t result, keyedWorkers, freeWorkers, queueLimit;
};

class NetPoolInit : public ::testing::TestWithParam<InitCase>
{
};

TEST_P(NetPoolInit, ResultAndKeyedFreeSplit)
{
    const InitCase c = GetParam();
    CThreadPoolDelegateModel pool(false);
    EXPECT_EQ(pool.init(c.threads, c.limit, c.keyed), c.result);
    EXPECT_EQ(pool.workerCount(CThreadDelegate::Keyed), c.keyedWorkers);
    EXPECT_EQ(pool.workerCount(CThreadDelegate::Free), c.freeWorkers);
    EXPECT_EQ(pool.queueLimit(), c.queueLimit);
    EXPECT_EQ(pool.isRunning(), c.result == 0);
    if (c.result == 0) {
        EXPECT_EQ(pool.init(c.threads, c.limit, c.keyed), 1) << "second init";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NetPoolInit,
    ::testing::Values(InitCase{8, 0, 0, 0, 4, 4, 20000}, InitCase{8, 0, 10, 0, 4, 4, 20000},
                      InitCase{8, 0, 3, 0, 3, 5, 20000}, InitCase{8, 0, 8, 0, 8, 0, 20000},
                      InitCase{8, 0, -2, 0, 4, 4, 20000}, InitCase{1, 0, 0, 0, 0, 1, 20000},
                      InitCase{3, 7, 0, 0, 1, 2, 7}, InitCase{2, -5, 1, 0, 1, 1, 20000},
                      InitCase{0, 0, 0, -1, 0, 0, 20000}, InitCase{-4, 10, 0, -1, 0, 0, 20000}));

TEST(NetPool, ConcurrentFirstInstanceCallsShareOnePool)
{
    std::vector<std::thread> threads;
    std::vector<const void *> net(8), inner(8);
    Gate go;
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] {
            go.wait();
            net[i] = &comm_method::CThreadPoolForNetTask::instance();
            inner[i] = &comm_method::CThreadPoolForInnerTask::instance();
        });
    }
    go.open();
    for (auto &t : threads)
        t.join();
    for (int i = 1; i < 8; ++i) {
        EXPECT_EQ(net[i], net[0]);
        EXPECT_EQ(inner[i], inner[0]);
    }
}

// Left running on purpose: the pools must stop cleanly when destroyed at process exit.
TEST(NetPool, SingletonsStartAsTheApplicationDoesAndStopAtExit)
{
    Probe probe;
    auto &net = comm_method::CThreadPoolForNetTask::instance();
    ASSERT_EQ(net.init(8, 0, 0), 0);
    comm_method::CThreadPoolForInnerTask::instance().init(8);
    ASSERT_TRUE(net.post(probeTask("/7310/v1/internal/template/tests", probe)));
    EXPECT_TRUE(probe.destroyed.waitAtLeast(1)); // nothing refers to the probe any more
    EXPECT_EQ(probe.ran.value(), 1);
}

// ---------------------------------------------------------------------------------------
// posting and queue limit

TEST(NetPool, QueueLimitAcceptsOneMoreThanTheLimit)
{
    Probe probe;
    {
        CThreadPoolDelegateModel pool(false); // no dispatcher: nothing leaves the queue
        ASSERT_EQ(pool.init(2, 2, 0), 0);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(pool.queuedTaskCount(), i);
            EXPECT_TRUE(pool.post(probeTask("k" + std::to_string(i), probe)));
        }
        EXPECT_EQ(pool.queuedTaskCount(), 3);
        EXPECT_FALSE(pool.post(probeTask("k3", probe)));
        EXPECT_EQ(probe.destroyed.value(), 1) << "the refused task is destroyed at once";
        EXPECT_EQ(pool.queuedTaskCount(), 3);
        EXPECT_FALSE(pool.post(nullptr));
    }
    EXPECT_EQ(probe.destroyed.value(), 4);
    EXPECT_EQ(probe.started.value(), 0);
    EXPECT_EQ(probe.timedOut.value(), 0);
}

TEST(NetPool, TasksPostedBeforeInitRunAfterIt)
{
    Probe probe;
    CThreadPoolDelegateModel pool;
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(pool.post(probeTask("early", probe)));
    ASSERT_EQ(pool.init(2, 0, 0), 0);
    EXPECT_TRUE(probe.ran.waitAtLeast(5));
    pool.stop();
    EXPECT_EQ(probe.destroyed.value(), 5);
    EXPECT_EQ(pool.queuedTaskCount(), 0);
}

TEST(NetPool, DispatcherDropsTheIncomingQueueOnceTheLimitIsReached)
{
    testsupport::LogWatch capture;
    Probe backlog, later;
    CThreadPoolDelegateModel pool;
    // Before init nothing dispatches, so the default limit can be filled exactly.
    const int limit = CThreadPoolDelegateModel::kDefaultQueueLimit;
    for (int i = 0; i <= limit; ++i)
        ASSERT_TRUE(pool.post(probeTask("b", backlog)));
    EXPECT_FALSE(pool.post(probeTask("b", backlog)));

    ASSERT_EQ(pool.init(1, 0, 0), 0);
    EXPECT_TRUE(backlog.destroyed.waitAtLeast(limit + 2));
    EXPECT_TRUE(waitUntil([&] { return pool.queuedTaskCount() == 0; }));
    EXPECT_EQ(backlog.started.value(), 0);
    // The drop is logged after the queue is emptied: wait for the line itself.
    EXPECT_TRUE(
        capture.waitForLine("Net task queue reached its limit, dropped [20001] incoming tasks."));

    ASSERT_TRUE(pool.post(probeTask("after", later)));
    EXPECT_TRUE(later.ran.waitAtLeast(1));
    pool.stop();
}

// ---------------------------------------------------------------------------------------
// keys

TEST(NetPool, SameKeyIsDeferredWhileFreeWorkersAreBusy)
{
    // Declared before the pool: its threads use them until stop().
    Probe x1, x2, first, second;
    Gate releaseX1, releaseX2, releaseFirst;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(2, 0, 1), 0); // one keyed, one free worker

    // Occupy the free worker: the second task of key "x" cannot take the keyed one.
    ASSERT_TRUE(pool.post(probeTask("x", x1, &releaseX1)));
    ASSERT_TRUE(x1.started.waitAtLeast(1));
    ASSERT_TRUE(pool.post(probeTask("x", x2, &releaseX2)));
    ASSERT_TRUE(x2.started.waitAtLeast(1));
    EXPECT_NE(x1.runThread(), x2.runThread());
    const std::thread::id keyedThread = x1.runThread();
    releaseX1.open();
    ASSERT_TRUE(x1.destroyed.waitAtLeast(1));

    // Keyed worker idle, free worker busy: the second "k" waits for the first.
    ASSERT_TRUE(pool.post(probeTask("k", first, &releaseFirst)));
    ASSERT_TRUE(first.started.waitAtLeast(1));
    EXPECT_EQ(first.runThread(), keyedThread);
    const uint64_t deferralsBefore = pool.deferralCount();
    ASSERT_TRUE(pool.post(probeTask("k", second)));
    ASSERT_TRUE(waitUntil([&] { return pool.deferralCount() > deferralsBefore; }));
    EXPECT_EQ(second.started.value(), 0);

    releaseFirst.open();
    ASSERT_TRUE(second.ran.waitAtLeast(1));
    EXPECT_EQ(second.runThread(), keyedThread);
    EXPECT_EQ(x2.ran.value(), 0) << "the free worker was busy all along";
    releaseX2.open();
    pool.stop();
}

TEST(NetPool, FreeWorkerMayRunAKeyThatIsBusyOnAKeyedWorker)
{
    Probe first, second;
    Gate release;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(2, 0, 1), 0);
    ASSERT_TRUE(pool.post(probeTask("k", first, &release)));
    ASSERT_TRUE(first.started.waitAtLeast(1));
    ASSERT_TRUE(pool.post(probeTask("k", second)));
    EXPECT_TRUE(second.ran.waitAtLeast(1));
    EXPECT_EQ(first.ran.value(), 0);
    release.open();
    pool.stop();
}

// Without free workers no two tasks of one key may ever overlap, whatever the load:
// tasks posted while nothing is queued go to a worker directly while the dispatcher
// places the others, from several producers at once.
class KeyGuardTask : public CNetTask
{
public:
    KeyGuardTask(std::string key, std::atomic<int> &inFlight, std::atomic<int> &faults,
                 Counter &done)
        : CNetTask(std::move(key)), m_inFlight(inFlight), m_faults(faults), m_done(done)
    {}
    void run() override
    {
        if (m_inFlight.fetch_add(1) != 0)
            m_faults.fetch_add(1);
        std::this_thread::yield();
        m_inFlight.fetch_sub(1);
        m_done.add();
    }

private:
    std::atomic<int> &m_inFlight;
    std::atomic<int> &m_faults;
    Counter &m_done;
};

TEST(NetPool, KeyedWorkersNeverRunOneKeyTwiceAtOnce)
{
    constexpr int kProducers = 3;
    constexpr int kKeysEach = 2;
    constexpr int kTasksPerKey = 150;
    std::map<std::string, std::atomic<int>> inFlight;
    for (int p = 0; p < kProducers; ++p)
        for (int k = 0; k < kKeysEach; ++k)
            inFlight["p" + std::to_string(p) + "k" + std::to_string(k)] = 0;
    std::atomic<int> faults{0};
    std::atomic<int> refused{0};
    Counter done;
    Gate go;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(4, 0, 4), 0);
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p) {
        producers.emplace_back([&, p] {
            go.wait();
            for (int i = 0; i < kTasksPerKey * kKeysEach; ++i) {
                const std::string key =
                    "p" + std::to_string(p) + "k" + std::to_string(i % kKeysEach);
                if (!pool.post(std::make_unique<KeyGuardTask>(key, inFlight.at(key), faults, done)))
                    refused.fetch_add(1);
                // Bursts and gaps: the pool runs dry now and then, so both ways in are used.
                if (i % 16 == 15)
                    std::this_thread::yield();
            }
        });
    }
    go.open();
    for (auto &t : producers)
        t.join();
    EXPECT_EQ(refused.load(), 0);
    EXPECT_TRUE(done.waitAtLeast(kProducers * kKeysEach * kTasksPerKey));
    EXPECT_EQ(faults.load(), 0);
    pool.stop();
}

// ---------------------------------------------------------------------------------------
// waiting for a busy worker: with an hour-long pause, only a finishing worker (or a new
// task) can end the dispatcher's wait within the test's bound

TEST(NetPool, FinishingWorkerWakesTheDispatcherWhenAllAreBusy)
{
    Probe first, second;
    Gate release;
    CThreadPoolDelegateModel pool;
    pool.setPause(std::chrono::hours(1));
    ASSERT_EQ(pool.init(1, 0, 0), 0); // one free worker
    ASSERT_TRUE(pool.post(probeTask("a", first, &release)));
    ASSERT_TRUE(first.started.waitAtLeast(1));
    const uint64_t waitsBefore = pool.workerWaitCount();
    ASSERT_TRUE(pool.post(probeTask("b", second)));
    ASSERT_TRUE(waitUntil([&] { return pool.workerWaitCount() > waitsBefore; }));
    release.open();
    EXPECT_TRUE(second.ran.waitAtLeast(1));
    EXPECT_EQ(pool.fullPauseCount(), 0u);
    pool.stop();
}

TEST(NetPool, FinishedKeyWakesItsDeferredTaskAndNewTasksAreNotHeldBack)
{
    Probe first, second, other;
    Gate release;
    CThreadPoolDelegateModel pool;
    pool.setPause(std::chrono::hours(1));
    ASSERT_EQ(pool.init(2, 0, 2), 0); // two keyed workers, no free one
    ASSERT_TRUE(pool.post(probeTask("k", first, &release)));
    ASSERT_TRUE(first.started.waitAtLeast(1));
    ASSERT_TRUE(pool.post(probeTask("k", second)));
    ASSERT_TRUE(waitUntil([&] { return pool.deferralCount() > 0 && pool.workerWaitCount() > 0; }));

    // Arrives while the dispatcher waits for key "k": runs on the other keyed worker.
    ASSERT_TRUE(pool.post(probeTask("j", other)));
    EXPECT_TRUE(other.ran.waitAtLeast(1));
    EXPECT_EQ(second.started.value(), 0);

    release.open();
    EXPECT_TRUE(second.ran.waitAtLeast(1));
    EXPECT_EQ(pool.fullPauseCount(), 0u);
    pool.stop();
}

// ---------------------------------------------------------------------------------------
// time-outs (the test clock stands still, so no real waiting)

struct TimeoutCase
{
    int32_t timeout;
    int64_t waited;
    bool expectTimeout;
};

class NetPoolTimeout : public ::testing::TestWithParam<TimeoutCase>
{
};

TEST_P(NetPoolTimeout, RunOrOnTimeoutByWaitingTime)
{
    const TimeoutCase c = GetParam();
    FakeClock clock;
    Probe probe;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(1, 0, 0), 0);
    auto task = std::make_unique<ProbeTask>("t", probe, nullptr, c.timeout);
    clock.advance(c.waited);
    ASSERT_TRUE(pool.post(std::move(task)));
    ASSERT_TRUE(probe.destroyed.waitAtLeast(1));
    EXPECT_EQ(probe.timedOut.value(), c.expectTimeout ? 1 : 0);
    EXPECT_EQ(probe.ran.value(), c.expectTimeout ? 0 : 1);
    pool.stop();
}

INSTANTIATE_TEST_SUITE_P(Table, NetPoolTimeout,
                         ::testing::Values(TimeoutCase{60000, 60001, true},
                                           TimeoutCase{60000, 60000, false},
                                           TimeoutCase{0, 100000000, false},
                                           TimeoutCase{-1, 100000000, false},
                                           TimeoutCase{1, 2, true}, TimeoutCase{1, 1, false}));

// ---------------------------------------------------------------------------------------
// stop

TEST(NetPool, StopDestroysQueuedTasksUnrunAndFinishesRunningOnes)
{
    Probe running, queued;
    Gate release;
    CThreadPoolDelegateModel pool;
    pool.setPause(std::chrono::hours(1)); // stop must end the wait for the busy worker
    ASSERT_EQ(pool.init(1, 0, 0), 0);     // a single free worker
    ASSERT_TRUE(pool.post(probeTask("r", running, &release)));
    ASSERT_TRUE(running.started.waitAtLeast(1));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(pool.post(probeTask("q", queued)));

    std::thread stopper([&] { pool.stop(); });
    // The dispatcher discards the queue while the worker still holds its task.
    EXPECT_TRUE(queued.destroyed.waitAtLeast(3));
    EXPECT_EQ(queued.started.value(), 0);
    EXPECT_EQ(queued.timedOut.value(), 0);
    release.open();
    stopper.join();
    EXPECT_EQ(running.ran.value(), 1);
    EXPECT_EQ(running.destroyed.value(), 1);
    EXPECT_EQ(pool.queuedTaskCount(), 0);
    EXPECT_FALSE(pool.isRunning());
    EXPECT_EQ(pool.workerCount(CThreadDelegate::Free), 0);
}

TEST(NetPool, PostAfterStopIsRefusedAndStopTwiceIsHarmless)
{
    Probe probe;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(2, 0, 0), 0);
    pool.stop();
    pool.stop();
    EXPECT_FALSE(pool.post(probeTask("late", probe)));
    EXPECT_EQ(probe.destroyed.value(), 1);
    EXPECT_EQ(probe.started.value(), 0);

    // A stopped pool can be started again.
    ASSERT_EQ(pool.init(2, 0, 0), 0);
    EXPECT_TRUE(pool.post(probeTask("again", probe)));
    EXPECT_TRUE(probe.ran.waitAtLeast(1));
    pool.stop();
}

TEST(NetPool, DestroyingARunningPoolStopsIt)
{
    Probe probe;
    {
        CThreadPoolDelegateModel pool;
        ASSERT_EQ(pool.init(2, 0, 0), 0);
        ASSERT_TRUE(pool.post(probeTask("a", probe)));
        ASSERT_TRUE(probe.ran.waitAtLeast(1));
    }
    EXPECT_EQ(probe.destroyed.value(), 1);
}

// ---------------------------------------------------------------------------------------
// exceptions

class ThrowingTask : public CNetTask
{
public:
    ThrowingTask(std::string key, int32_t timeout) : CNetTask(std::move(key), timeout) {}
    void run() override { throw std::runtime_error("bad request"); }
    void onTimeout() override { throw 42; }
};

TEST(NetPool, ThrowingTasksAreLoggedWithTheirKeyAndTheWorkerGoesOn)
{
    testsupport::LogWatch capture;
    FakeClock clock;
    Probe probe;
    CThreadPoolDelegateModel pool;
    ASSERT_EQ(pool.init(1, 0, 0), 0); // one worker must survive both throws

    auto late = std::make_unique<ThrowingTask>("/late/GET", 10);
    clock.advance(11);
    ASSERT_TRUE(pool.post(std::move(late)));
    ASSERT_TRUE(pool.post(std::make_unique<ThrowingTask>("/boom/POST", 10)));
    ASSERT_TRUE(pool.post(probeTask("after", probe)));
    ASSERT_TRUE(probe.ran.waitAtLeast(1));
    pool.stop();

    EXPECT_TRUE(capture.contains("Net task threw in onTimeout.Key:[/late/GET],Error:[unknown]."));
    EXPECT_TRUE(capture.contains("Net task threw in run.Key:[/boom/POST],Error:[bad request]."));
}

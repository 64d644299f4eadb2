#include <testsupport/LogWatch.h>
#include <testsupport/Wait.h>

#include <Common/CommonMethod/InnerTask.h>
#include <Common/CommonMethod/ThreadPoolStealModel.h>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using comm_method::CInnerTask;
using comm_method::CThreadPoolStealModel;
using testsupport::Counter;
using testsupport::Gate;
using testsupport::waitUntil;

namespace {

struct Probe
{
    Counter started;
    Counter ran;
    Counter timedOut;
    Counter destroyed;
    std::mutex mutex;
    std::vector<int> order;
    std::vector<std::thread::id> threads;
};

struct Settings
{
    uint32_t threads = 1;
    bool steal = false;
    uint32_t limit = CInnerTask::kDefaultQueueLimit;
    std::string key = "k";
};

class ProbeTask : public CInnerTask
{
public:
    ProbeTask(const Settings &s, Probe &probe, int id = 0, const Gate *gate = nullptr)
        : CInnerTask(s.threads, s.steal, s.limit, s.key), m_probe(probe), m_id(id), m_gate(gate)
    {}
    ~ProbeTask() override { m_probe.destroyed.add(); }
    void run() override
    {
        {
            std::lock_guard<std::mutex> lock(m_probe.mutex);
            m_probe.order.push_back(m_id);
            m_probe.threads.push_back(std::this_thread::get_id());
        }
        m_probe.started.add();
        if (m_gate)
            m_gate->wait();
        m_probe.ran.add();
    }
    void onTimeout() override { m_probe.timedOut.add(); }

private:
    Probe &m_probe;
    int m_id;
    const Gate *m_gate;
};

std::unique_ptr<CInnerTask> task(const Settings &s, Probe &probe, int id = 0,
                                 const Gate *gate = nullptr)
{
    return std::make_unique<ProbeTask>(s, probe, id, gate);
}

std::size_t queued(const CThreadPoolStealModel &pool, const std::string &key)
{
    auto work = pool.workQueue(key);
    return work ? work->size() : 0;
}

// Two task classes without keys: each class gets a work queue of its own.
class AlphaTask : public CInnerTask
{
public:
    explicit AlphaTask(Counter &done) : CInnerTask(1, false), m_done(done) {}
    void run() override { m_done.add(); }

private:
    Counter &m_done;
};

class BetaTask : public AlphaTask
{
public:
    using AlphaTask::AlphaTask;
};

} // namespace

TEST(InnerPool, TasksOfOneKeyRunInPostingOrder)
{
    Probe probe; // outlives the pool, whose threads destroy the tasks
    CThreadPoolStealModel pool;
    pool.init(2);
    const int total = 200;
    for (int i = 0; i < total; ++i)
        ASSERT_TRUE(pool.post(task(Settings{}, probe, i)));
    ASSERT_TRUE(probe.ran.waitAtLeast(total));
    std::lock_guard<std::mutex> lock(probe.mutex);
    for (int i = 0; i < total; ++i)
        ASSERT_EQ(probe.order[i], i);
}

TEST(InnerPool, EmptyKeyMeansOneWorkQueuePerTaskClass)
{
    Counter done;
    CThreadPoolStealModel pool;
    pool.init(1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(pool.post(std::make_unique<AlphaTask>(done)));
        ASSERT_TRUE(pool.post(std::make_unique<BetaTask>(done)));
    }
    ASSERT_TRUE(done.waitAtLeast(6));
    const auto works = pool.workQueues();
    ASSERT_EQ(works.size(), 2u);
    EXPECT_NE(works[0]->key(), works[1]->key());
    EXPECT_NE(works[0]->key().find("AlphaTask"), std::string::npos);
    EXPECT_NE(works[1]->key().find("BetaTask"), std::string::npos);
}

TEST(InnerPool, UrgentTaskOvertakesWaitingOnes)
{
    Probe probe;
    Gate release;
    CThreadPoolStealModel pool;
    pool.init(1);
    ASSERT_TRUE(pool.post(task(Settings{}, probe, 0, &release)));
    ASSERT_TRUE(probe.started.waitAtLeast(1)); // the queue's only thread is now held
    ASSERT_TRUE(pool.post(task(Settings{}, probe, 1)));
    ASSERT_TRUE(pool.post(task(Settings{}, probe, 2)));
    ASSERT_TRUE(pool.postUrgent(task(Settings{}, probe, 3)));
    ASSERT_TRUE(waitUntil([&] { return queued(pool, "k") == 3; }));
    release.open();
    ASSERT_TRUE(probe.ran.waitAtLeast(4));
    std::lock_guard<std::mutex> lock(probe.mutex);
    EXPECT_EQ(probe.order, (std::vector<int>{0, 3, 1, 2}));
}

TEST(InnerPool, FullWorkQueueCallsOnTimeoutAndDestroysTheTask)
{
    testsupport::LogWatch capture;
    Probe probe;
    {
        CThreadPoolStealModel pool;
        pool.init(1);
        const Settings s{0, false, 2, "full"}; // no thread ever drains this queue
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(pool.post(task(s, probe, i)));
        ASSERT_TRUE(waitUntil([&] { return queued(pool, "full") == 3; }));
        EXPECT_EQ(probe.timedOut.value(), 0) << "limit + 1 wrappers fit";

        ASSERT_TRUE(pool.post(task(s, probe, 3)));
        ASSERT_TRUE(probe.destroyed.waitAtLeast(1));
        EXPECT_EQ(probe.timedOut.value(), 1);
        EXPECT_EQ(queued(pool, "full"), 3u);
        pool.stop();
    }
    EXPECT_EQ(probe.destroyed.value(), 4);
    EXPECT_EQ(probe.started.value(), 0);
    EXPECT_TRUE(capture.contains(
        "Inner tasks dropped at stop, no thread may run them.Key:[full],Count:[3]."));
}

TEST(InnerPool, ZeroThreadsRunOnlyOnSurplusThreadsWhenStealingIsAllowed)
{
    Probe locked, stealable;
    CThreadPoolStealModel pool;
    pool.init(2);
    ASSERT_TRUE(pool.post(task(Settings{0, false, 100, "locked"}, locked)));
    ASSERT_TRUE(waitUntil([&] { return queued(pool, "locked") == 1; }));
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(pool.post(task(Settings{0, true, 100, "stealable"}, stealable, i)));
    ASSERT_TRUE(stealable.ran.waitAtLeast(5));
    ASSERT_EQ(pool.workQueue("stealable")->threadCount(), 0u);

    // Surplus threads made passes over both queues, yet left the locked one alone.
    EXPECT_EQ(locked.started.value(), 0);
    EXPECT_EQ(queued(pool, "locked"), 1u);
    pool.stop();
    EXPECT_EQ(locked.started.value(), 0);
    EXPECT_EQ(locked.destroyed.value(), 1);
}

TEST(InnerPool, SurplusThreadsHelpAStealableKeyWhoseThreadIsBusy)
{
    Probe probe;
    Gate release;
    CThreadPoolStealModel pool;
    pool.init(1);
    const Settings s{1, true, 100, "help"};
    ASSERT_TRUE(pool.post(task(s, probe, 0, &release)));
    ASSERT_TRUE(probe.started.waitAtLeast(1));
    ASSERT_TRUE(pool.post(task(s, probe, 1)));
    // Only a surplus thread can run it: the key's own thread is held by task 0.
    EXPECT_TRUE(probe.ran.waitAtLeast(1));
    EXPECT_FALSE(release.isOpen());
    release.open();
    ASSERT_TRUE(probe.ran.waitAtLeast(2));
    std::lock_guard<std::mutex> lock(probe.mutex);
    EXPECT_NE(probe.threads[0], probe.threads[1]);
}

TEST(InnerPool, StopRunsEverythingStillQueued)
{
    Probe probe;
    CThreadPoolStealModel pool;
    pool.init(2);
    const int total = 300;
    for (int i = 0; i < total; ++i)
        ASSERT_TRUE(
            pool.post(task(Settings{1, false, 10000, "k" + std::to_string(i % 3)}, probe, i)));
    pool.stop();
    EXPECT_EQ(probe.ran.value(), total);
    EXPECT_EQ(probe.destroyed.value(), total);
    EXPECT_TRUE(pool.workQueues().empty());
    EXPECT_EQ(pool.surplusThreadCount(), 0);
}

TEST(InnerPool, PostAfterStopIsRefusedAndStopTwiceIsHarmless)
{
    CThreadPoolStealModel pool;
    pool.init(0); // below 1: nothing starts
    EXPECT_EQ(pool.surplusThreadCount(), 0);
    pool.init(2);
    EXPECT_EQ(pool.surplusThreadCount(), 2);
    pool.stop();
    pool.stop();
    Probe probe;
    EXPECT_FALSE(pool.post(task(Settings{}, probe)));
    EXPECT_FALSE(pool.postUrgent(task(Settings{}, probe)));
    EXPECT_FALSE(pool.post(nullptr));
    EXPECT_EQ(probe.destroyed.value(), 2);
    EXPECT_EQ(probe.started.value(), 0);
    EXPECT_EQ(probe.timedOut.value(), 0);
}

TEST(InnerPool, TasksPostedBeforeInitRunOnceStarted)
{
    Probe probe;
    CThreadPoolStealModel pool;
    ASSERT_TRUE(pool.post(task(Settings{}, probe)));
    pool.init(1);
    EXPECT_TRUE(probe.ran.waitAtLeast(1));
}

class ThrowingTask : public CInnerTask
{
public:
    ThrowingTask(uint32_t threads, uint32_t limit, std::string key)
        : CInnerTask(threads, false, limit, std::move(key))
    {}
    void run() override { throw std::runtime_error("bad notify"); }
    void onTimeout() override { throw 7; }
};

TEST(InnerPool, ThrowingTasksAreLoggedWithTheirKeyAndThreadsGoOn)
{
    testsupport::LogWatch capture;
    Probe probe;
    CThreadPoolStealModel pool;
    pool.init(1);
    ASSERT_TRUE(pool.post(std::make_unique<ThrowingTask>(1, 100, "notify")));
    ASSERT_TRUE(pool.post(task(Settings{1, false, 100, "notify"}, probe)));
    ASSERT_TRUE(probe.ran.waitAtLeast(1)); // same queue, same single thread

    // A zero-thread queue with limit 0 holds one wrapper and refuses the next.
    ASSERT_TRUE(pool.post(std::make_unique<ThrowingTask>(0, 0, "refuse")));
    ASSERT_TRUE(pool.post(std::make_unique<ThrowingTask>(0, 0, "refuse")));
    ASSERT_TRUE(pool.post(task(Settings{1, false, 100, "notify"}, probe)));
    ASSERT_TRUE(probe.ran.waitAtLeast(2)); // the dispatcher survived the throw
    pool.stop();

    EXPECT_TRUE(capture.contains("Inner task threw in run.Key:[notify],Error:[bad notify]."));
    EXPECT_TRUE(capture.contains("Inner task threw in onTimeout.Key:[refuse],Error:[unknown]."));
}

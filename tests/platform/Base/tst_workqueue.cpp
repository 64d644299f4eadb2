// The work queue: order on one thread, several threads at once, idle waits that cover a
// task's captures, draining at destruction, and tasks that throw.

#include <Base/LogCapture.h>
#include <Base/WorkQueue.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using Base::CWorkQueue;

namespace {

// Opens once; tasks wait on it with a generous bound so a broken queue fails, not hangs.
class Gate
{
public:
    void open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_cv.notify_all();
    }
    bool wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, std::chrono::seconds(30), [this] { return m_open; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_open = false;
};

} // namespace

TEST(WorkQueue, OneThreadRunsTasksInPostingOrderFromManyPosters)
{
    std::vector<std::vector<int>> seen(4);
    {
        CWorkQueue queue(1);
        std::vector<std::thread> posters;
        for (int p = 0; p < 4; ++p) {
            posters.emplace_back([&queue, &seen, p] {
                for (int i = 0; i < 100; ++i)
                    EXPECT_TRUE(queue.post([&seen, p, i] { seen[p].push_back(i); }));
            });
        }
        for (std::thread &poster : posters)
            poster.join();
    } // the destructor runs what is still queued
    for (const std::vector<int> &values : seen) {
        ASSERT_EQ(values.size(), 100u);
        for (int i = 0; i < 100; ++i)
            EXPECT_EQ(values[i], i);
    }
}

TEST(WorkQueue, RunsUpToItsThreadCountAtOnce)
{
    CWorkQueue queue(3);
    Gate release;
    std::atomic<int> inside{0};
    std::atomic<int> most{0};
    for (int i = 0; i < 6; ++i) {
        queue.post([&] {
            const int now = ++inside;
            int seen = most.load();
            while (now > seen && !most.compare_exchange_weak(seen, now)) {
            }
            // Three tasks block here together; a queue that ran one at a time would never
            // get past the first.
            if (now == 3)
                release.open();
            EXPECT_TRUE(release.wait());
            --inside;
        });
    }
    queue.waitForIdle();
    EXPECT_EQ(most.load(), 3);
}

TEST(WorkQueue, WaitForIdleCoversTheTaskAndItsCaptures)
{
    CWorkQueue queue(2);
    auto token = std::make_shared<int>(7);
    std::weak_ptr<int> watch = token;
    std::atomic<bool> ran{false};
    queue.post([token, &ran] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ran = *token == 7;
    });
    token.reset();
    queue.waitForIdle();
    EXPECT_TRUE(ran.load());
    EXPECT_TRUE(watch.expired());
    queue.waitForIdle(); // nothing queued: returns at once
}

TEST(WorkQueue, ThrowingTaskIsLoggedAndTheThreadGoesOn)
{
    Base::details::CLogCapture capture;
    CWorkQueue queue(1);
    std::atomic<bool> after{false};
    EXPECT_FALSE(queue.post(CWorkQueue::Task()));
    queue.post([] { throw std::runtime_error("broken task"); });
    queue.post([&after] { after = true; });
    queue.waitForIdle();
    EXPECT_TRUE(after.load());
    EXPECT_TRUE(capture.contains("CWorkQueue: task threw [broken task]."));
}

#include <Base/LogCapture.h>
#include <Base/MessageLoopWorkThread.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

using Base::CMessageLoopWorkThread;

namespace {

CMessageLoopWorkThread &loop()
{
    return CMessageLoopWorkThread::instance();
}

// Waits until every task posted so far has run.
void drain()
{
    std::promise<void> done;
    auto f = done.get_future();
    ASSERT_TRUE(loop().post([&] { done.set_value(); }));
    ASSERT_EQ(f.wait_for(std::chrono::seconds(30)), std::future_status::ready);
}

} // namespace

TEST(MessageLoop, RunsTasksInOrderOnItsOwnThread)
{
    ASSERT_TRUE(loop().Start());
    ASSERT_TRUE(loop().Start()); // already running
    EXPECT_TRUE(loop().isRunning());
    EXPECT_FALSE(loop().isInLoopThread());
    std::vector<int> seen;
    std::vector<std::thread::id> ids;
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(loop().post([&, i] {
            seen.push_back(i);
            ids.push_back(std::this_thread::get_id());
        }));
    drain();
    ASSERT_EQ(seen.size(), 1000u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(seen[static_cast<std::size_t>(i)], i);
    for (auto id : ids) {
        ASSERT_EQ(id, ids[0]);
        ASSERT_NE(id, std::this_thread::get_id());
    }
    EXPECT_EQ(ids[0], loop().threadId());
    bool inLoop = false;
    ASSERT_TRUE(loop().post([&] { inLoop = loop().isInLoopThread(); }));
    drain();
    EXPECT_TRUE(inLoop);
    loop().Stop();
}

TEST(MessageLoop, ConcurrentPostersKeepTheirOwnOrder)
{
    ASSERT_TRUE(loop().Start());
    std::mutex m;
    std::vector<std::vector<int>> perPoster(4);
    std::vector<std::thread> posters;
    for (int p = 0; p < 4; ++p)
        posters.emplace_back([&, p] {
            for (int i = 0; i < 500; ++i)
                loop().post([&, p, i] {
                    std::lock_guard<std::mutex> lock(m);
                    perPoster[static_cast<std::size_t>(p)].push_back(i);
                });
        });
    for (auto &t : posters)
        t.join();
    drain();
    for (const auto &v : perPoster) {
        ASSERT_EQ(v.size(), 500u);
        for (int i = 0; i < 500; ++i)
            ASSERT_EQ(v[static_cast<std::size_t>(i)], i);
    }
    loop().Stop();
}

TEST(MessageLoop, StopDrainsIsIdempotentAndAllowsRestart)
{
    ASSERT_TRUE(loop().Start());
    std::atomic<int> count{0};
    for (int i = 0; i < 100; ++i)
        loop().post([&] {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            ++count;
        });
    loop().Stop();
    EXPECT_EQ(count.load(), 100); // posted before Stop: all ran
    EXPECT_FALSE(loop().isRunning());
    loop().Stop(); // harmless
    loop().Stop();
    EXPECT_FALSE(loop().post([&] { ++count; }));
    EXPECT_FALSE(loop().post(nullptr));

    ASSERT_TRUE(loop().Start());
    EXPECT_TRUE(loop().post([&] { ++count; }));
    drain();
    EXPECT_EQ(count.load(), 101);
    loop().Stop();
}

TEST(MessageLoop, ThrowingTaskIsLoggedAndLoopGoesOn)
{
    Base::details::CLogCapture capture;
    ASSERT_TRUE(loop().Start());
    loop().post([] { throw std::runtime_error("boom"); });
    bool after = false;
    loop().post([&] { after = true; });
    drain();
    EXPECT_TRUE(after);
    EXPECT_TRUE(capture.contains("CMessageLoopWorkThread: task threw [boom]."));
    loop().Stop();
}

TEST(MessageLoop, StopFromInsideATask)
{
    ASSERT_TRUE(loop().Start());
    std::promise<bool> startResult;
    std::atomic<bool> laterRan{false};
    loop().post([&] {
        loop().Stop(); // only requests the end
        startResult.set_value(loop().Start());
    });
    loop().post([&] { laterRan = true; }); // may or may not be accepted; runs if queued
    auto f = startResult.get_future();
    ASSERT_EQ(f.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    EXPECT_FALSE(f.get());
    EXPECT_FALSE(loop().post([] {}));
    loop().Stop(); // joins
    EXPECT_FALSE(loop().isRunning());
    ASSERT_TRUE(loop().Start());
    drain();
    loop().Stop();
}

TEST(MessageLoop, ConcurrentStartStopDoesNotLeaveTwoLoops)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 50; ++i) {
                if ((i + t) % 2)
                    loop().Start();
                else
                    loop().Stop();
                loop().post([] {});
            }
        });
    for (auto &th : threads)
        th.join();
    ASSERT_TRUE(loop().Start());
    std::vector<std::thread::id> ids;
    for (int i = 0; i < 200; ++i)
        loop().post([&] { ids.push_back(std::this_thread::get_id()); });
    drain();
    for (auto id : ids)
        ASSERT_EQ(id, loop().threadId());
    loop().Stop();
}

// The notify center: delivery in arrival order on its own thread, and the promise of
// AsyncUnregisterObserver (never called afterwards, a running call finishes first).

#include <clientcommonlogical/NotifyCenterManager.h>

#include <JSONStruct/Core/IWebsocketData.h>

#include <testsupport/Wait.h>

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using clientcommonlogical::CNotifyCenterManager;
using clientcommonlogical::INotifyCenterManagerObserver;

namespace {

// A notification carrying only its type.
class TypedNotify : public protocol::IWebsocketData
{
public:
    explicit TypedNotify(std::string type) : m_type(std::move(type)) {}
    void fromJSON(const cJSON *) override {}
    cJSON *toJSON() const override { return nullptr; }
    const char *name() const override { return m_type.c_str(); }

private:
    std::string m_type;
};

class Recorder : public INotifyCenterManagerObserver
{
public:
    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override
    {
        std::lock_guard<std::mutex> lock(mutex);
        seen.push_back(data->name());
        cond.notify_all();
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return cond.wait_for(lock, testsupport::kBound, [&] { return seen.size() >= count; });
    }
    std::mutex mutex;
    std::condition_variable cond;
    std::vector<std::string> seen;
};

// Blocks inside its call until released, like a page doing a backend call.
class SlowObserver : public INotifyCenterManagerObserver
{
public:
    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &) override
    {
        std::unique_lock<std::mutex> lock(mutex);
        inside = true;
        cond.notify_all();
        cond.wait(lock, [&] { return released; });
        inside = false;
        finished = true;
        ++calls;
    }
    std::mutex mutex;
    std::condition_variable cond;
    bool inside = false;
    bool released = false;
    bool finished = false;
    int calls = 0;
};

} // namespace

TEST(NotifyCenter, DeliversInArrivalOrderFromManyThreads)
{
    auto &center = CNotifyCenterManager::Instance();
    Recorder recorder;
    center.RegisterObserver(&recorder);
    center.RegisterObserver(&recorder); // a second registration is ignored
    // Each producer's own sequence must stay in order.
    std::vector<std::thread> producers;
    for (int p = 0; p < 4; ++p) {
        producers.emplace_back([&center, p] {
            for (int i = 0; i < 50; ++i)
                center.addNotify(std::make_shared<TypedNotify>(std::to_string(p) + ":" + std::to_string(i)));
        });
    }
    for (auto &t : producers)
        t.join();
    center.addNotify(nullptr); // dropped
    ASSERT_TRUE(recorder.waitFor(200));
    center.AsyncUnregisterObserver(&recorder);
    ASSERT_EQ(recorder.seen.size(), 200u);
    std::vector<int> next(4, 0);
    for (const std::string &type : recorder.seen) {
        const int p = type[0] - '0';
        EXPECT_EQ(type, std::to_string(p) + ":" + std::to_string(next[p]));
        ++next[p];
    }
}

TEST(NotifyCenter, UnregisterWaitsForTheRunningCallAndStopsFurtherOnes)
{
    auto &center = CNotifyCenterManager::Instance();
    auto slow = std::make_unique<SlowObserver>();
    center.RegisterObserver(slow.get());
    center.addNotify(std::make_shared<TypedNotify>("deviceRemoved"));
    center.addNotify(std::make_shared<TypedNotify>("deviceAdded"));
    {
        std::unique_lock<std::mutex> lock(slow->mutex);
        ASSERT_TRUE(slow->cond.wait_for(lock, testsupport::kBound, [&] { return slow->inside; }));
    }
    std::atomic<bool> returned{false};
    std::thread unregister([&] {
        center.AsyncUnregisterObserver(slow.get());
        returned = true;
        // On return the call has finished: the object may go now.
        std::lock_guard<std::mutex> lock(slow->mutex);
        EXPECT_TRUE(slow->finished);
    });
    // Release the call only once the observer is off the list, so the second
    // notification can only reach it through a broken unregistration.
    EXPECT_TRUE(testsupport::waitUntil([&] { return !center.isRegistered(slow.get()); }));
    {
        std::lock_guard<std::mutex> lock(slow->mutex);
        EXPECT_FALSE(returned.load());
        slow->released = true;
        slow->cond.notify_all();
    }
    unregister.join();
    EXPECT_TRUE(returned.load());
    EXPECT_FALSE(center.isRegistered(slow.get()));
    // The second notification must not reach it; a recorder shows delivery went on.
    Recorder recorder;
    center.RegisterObserver(&recorder);
    center.addNotify(std::make_shared<TypedNotify>("appointmentDeleted"));
    ASSERT_TRUE(recorder.waitFor(1));
    center.AsyncUnregisterObserver(&recorder);
    EXPECT_EQ(slow->calls, 1);
    slow.reset();
}

TEST(NotifyCenter, ObserverMayUnregisterItselfDuringItsCall)
{
    struct SelfRemoving : Recorder
    {
        void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override
        {
            CNotifyCenterManager::Instance().AsyncUnregisterObserver(this);
            Recorder::onNotify(data);
        }
    } observer;
    auto &center = CNotifyCenterManager::Instance();
    center.RegisterObserver(&observer);
    center.addNotify(std::make_shared<TypedNotify>("a"));
    ASSERT_TRUE(observer.waitFor(1));
    Recorder after;
    center.RegisterObserver(&after);
    center.addNotify(std::make_shared<TypedNotify>("b"));
    ASSERT_TRUE(after.waitFor(1));
    center.AsyncUnregisterObserver(&after);
    EXPECT_EQ(observer.seen, std::vector<std::string>({"a"}));
}

TEST(NotifyCenter, SubscribePassesTheTypesAsGiven)
{
    auto &center = CNotifyCenterManager::Instance();
    center.setSubscribeFunction(nullptr);
    center.initWebsocketTypes({"doorAdded", "doorRemoved", "doorAdded"});
    EXPECT_FALSE(center.subscribe());
    std::vector<std::string> sent;
    center.setSubscribeFunction([&sent](const std::vector<std::string> &types) {
        sent = types;
        return true;
    });
    EXPECT_TRUE(center.subscribe());
    EXPECT_EQ(sent, std::vector<std::string>({"doorAdded", "doorRemoved", "doorAdded"}));
    center.setSubscribeFunction([](const std::vector<std::string> &) { return false; });
    EXPECT_FALSE(center.subscribe());
    center.setSubscribeFunction(nullptr);
}

TEST(NotifyCenter, StopDeliversWhatIsQueuedThenDrops)
{
    auto &center = CNotifyCenterManager::Instance();
    Recorder recorder;
    center.RegisterObserver(&recorder);
    for (int i = 0; i < 20; ++i)
        center.addNotify(std::make_shared<TypedNotify>(std::to_string(i)));
    center.stop();
    EXPECT_EQ(recorder.seen.size(), 20u);
    center.addNotify(std::make_shared<TypedNotify>("late"));
    center.stop();
    center.AsyncUnregisterObserver(&recorder);
    EXPECT_EQ(recorder.seen.size(), 20u);
}

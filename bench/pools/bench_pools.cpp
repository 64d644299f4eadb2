// Net-task pool against boost::asio::thread_pool, 8 threads each:
//  - throughput of trivial tasks from one producer that keeps at most 1000 queued;
//  - post-to-start latency of single tasks posted 1 ms apart to an idle pool, the two
//    pools taking turns.
// Goals: throughput at least 1/20 of asio's; idle latency p99 under 100 us.
// Usage: bench_pools [tasks=100000] [samples=2000]

#include <Common/CommonMethod/NetTask.h>
#include <Common/CommonMethod/ThreadPoolDelegateModel.h>

#include <boost/asio/post.hpp>
#include <boost/asio/thread_pool.hpp>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kThreads = 8;
constexpr int64_t kWindow = 1000;

// Lets the producer run ahead of the workers by at most kWindow tasks.
class CWindow
{
public:
    void complete()
    {
        m_completing.fetch_add(1);
        m_done.fetch_add(1);
        if (m_waiting.load()) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_cond.notify_one();
        }
        m_completing.fetch_sub(1);
    }
    void acquire(int64_t posted)
    {
        if (posted - m_done.load() < kWindow)
            return;
        std::unique_lock<std::mutex> lock(m_mutex);
        m_waiting.store(true);
        while (posted - m_done.load() >= kWindow)
            m_cond.wait_for(lock, std::chrono::milliseconds(100));
        m_waiting.store(false);
    }
    void waitAll(int64_t total)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_waiting.store(true);
        while (m_done.load() < total)
            m_cond.wait_for(lock, std::chrono::milliseconds(100));
        m_waiting.store(false);
        lock.unlock();
        // The window lives on the caller's stack: the last tasks may still be inside
        // complete() after counting themselves done.
        while (m_completing.load() != 0)
            std::this_thread::yield();
    }

private:
    std::atomic<int64_t> m_completing{0};
    std::atomic<int64_t> m_done{0};
    std::atomic<bool> m_waiting{false};
    std::mutex m_mutex;
    std::condition_variable m_cond;
};

class CFnTask : public comm_method::CNetTask
{
public:
    CFnTask(std::string key, std::function<void()> fn)
        : CNetTask(std::move(key)), m_fn(std::move(fn))
    {}
    void run() override { m_fn(); }

private:
    std::function<void()> m_fn;
};

// Abstracts "post a callable" over both pools.
using PostFn = std::function<void(const std::string &key, std::function<void()>)>;

double throughput(const PostFn &post, int64_t tasks, int keyCount)
{
    CWindow window;
    const auto start = Clock::now();
    for (int64_t i = 0; i < tasks; ++i) {
        window.acquire(i);
        post("/bench/" + std::to_string(keyCount > 0 ? i % keyCount : i),
             [&window] { window.complete(); });
    }
    window.waitAll(tasks);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return tasks / seconds;
}

struct Latency
{
    double p50, p90, p99, max; // microseconds
};

// Post-to-start latency of single tasks, the two pools taking turns sample by sample so
// that both see the same load on a shared machine.
std::vector<Latency> latencies(const std::vector<PostFn> &posts, int samples)
{
    std::vector<std::vector<double>> us(posts.size());
    std::mutex mutex;
    std::condition_variable cond;
    for (int i = 0; i < samples; ++i) {
        for (std::size_t p = 0; p < posts.size(); ++p) {
            const auto posted = Clock::now();
            Clock::time_point started;
            bool done = false;
            posts[p]("/bench/latency", [&] {
                const auto now = Clock::now();
                std::lock_guard<std::mutex> lock(mutex);
                started = now;
                done = true;
                cond.notify_one();
            });
            {
                std::unique_lock<std::mutex> lock(mutex);
                cond.wait(lock, [&] { return done; });
            }
            us[p].push_back(std::chrono::duration<double, std::micro>(started - posted).count());
            std::this_thread::sleep_until(posted + std::chrono::milliseconds(1));
        }
    }
    std::vector<Latency> result;
    for (std::vector<double> &values : us) {
        std::sort(values.begin(), values.end());
        auto at = [&](double q) {
            return values[std::min(values.size() - 1, size_t(q * values.size()))];
        };
        result.push_back({at(0.50), at(0.90), at(0.99), values.back()});
    }
    return result;
}

// The dispatcher's waits for a busy worker since the last call: how many, and how many
// ran out the whole pause instead of being ended by a finishing worker.
struct Waits
{
    explicit Waits(const comm_method::CThreadPoolDelegateModel &pool) { since(pool); }
    Waits since(const comm_method::CThreadPoolDelegateModel &pool)
    {
        Waits delta = *this;
        delta.waits = pool.workerWaitCount() - waits;
        delta.fullPauses = pool.fullPauseCount() - fullPauses;
        delta.direct = pool.directHandOffCount() - direct;
        waits = pool.workerWaitCount();
        fullPauses = pool.fullPauseCount();
        direct = pool.directHandOffCount();
        return delta;
    }
    std::string text() const
    {
        return "worker waits: " + std::to_string(waits) +
               ", full 5 ms pauses: " + std::to_string(fullPauses) +
               ", straight to a worker: " + std::to_string(direct);
    }
    uint64_t waits = 0;
    uint64_t fullPauses = 0;
    uint64_t direct = 0;
};

// The machine is shared: the load tells how far the figures can be trusted.
void printLoad(const char *when)
{
    if (FILE *f = std::fopen("/proc/loadavg", "r")) {
        char buf[128] = {};
        if (std::fgets(buf, sizeof(buf), f))
            std::printf("load average %s: %s", when, buf);
        std::fclose(f);
    }
}

} // namespace

int main(int argc, char **argv)
{
    const int64_t tasks = argc > 1 ? std::atoll(argv[1]) : 100000;
    const int samples = argc > 2 ? std::atoi(argv[2]) : 2000;

    comm_method::CThreadPoolDelegateModel net;
    if (net.init(kThreads, 0, 0) != 0) {
        std::fprintf(stderr, "net-task pool failed to start\n");
        return 1;
    }
    const PostFn postNet = [&net](const std::string &key, std::function<void()> fn) {
        if (!net.post(std::make_unique<CFnTask>(key, std::move(fn))))
            std::fprintf(stderr, "net-task pool refused a task\n");
    };
    boost::asio::thread_pool asio(kThreads);
    const PostFn postAsio = [&asio](const std::string &, std::function<void()> fn) {
        boost::asio::post(asio, std::move(fn));
    };

    printLoad("before");
    std::printf("%lld trivial tasks, at most %lld queued, %d threads per pool\n",
                static_cast<long long>(tasks), static_cast<long long>(kWindow), kThreads);
    Waits waits(net);
    const double netUnique = throughput(postNet, tasks, 0);
    const Waits waitsUnique = waits.since(net);
    const uint64_t deferrals = net.deferralCount();
    const double netEight = throughput(postNet, tasks, 8);
    const Waits waitsEight = waits.since(net);
    const uint64_t deferralsEight = net.deferralCount() - deferrals;
    const double asioRate = throughput(postAsio, tasks, 0);
    std::printf("throughput net-task pool, distinct keys : %10.0f tasks/s  (%s)\n", netUnique,
                waitsUnique.text().c_str());
    std::printf("throughput net-task pool, 8 keys        : %10.0f tasks/s  (%s, deferrals: %llu)\n",
                netEight, waitsEight.text().c_str(),
                static_cast<unsigned long long>(deferralsEight));
    std::printf("throughput asio thread_pool             : %10.0f tasks/s\n", asioRate);
    std::printf("ratio net/asio, distinct keys           : %10.4f  (1/%.0f; goal at least 1/20)\n",
                netUnique / asioRate, asioRate / netUnique);
    std::printf("ratio net/asio, 8 keys                  : %10.4f  (1/%.0f)\n", netEight / asioRate,
                asioRate / netEight);

    waits.since(net);
    const std::vector<Latency> both = latencies({postNet, postAsio}, samples);
    const Waits waitsLatency = waits.since(net);
    const Latency &netLat = both[0];
    const Latency &asioLat = both[1];
    std::printf("idle post-to-start latency, %d samples each 1 ms apart, pools taking turns "
                "(microseconds):\n",
                samples);
    std::printf(
        "  net-task pool    p50 %8.1f  p90 %8.1f  p99 %8.1f  max %8.1f  (%s; goal p99 < 100)\n",
        netLat.p50, netLat.p90, netLat.p99, netLat.max, waitsLatency.text().c_str());
    std::printf("  asio thread_pool p50 %8.1f  p90 %8.1f  p99 %8.1f  max %8.1f\n", asioLat.p50,
                asioLat.p90, asioLat.p99, asioLat.max);

    printLoad("after");
    net.stop();
    asio.join();
    return 0;
}

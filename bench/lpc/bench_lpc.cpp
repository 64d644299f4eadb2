// Round-trip latency (p50, p99) and sequential throughput for 64 B, 4 KiB and 64 KiB
// bodies, three ways, against servers in a forked child process:
//  - raw:      one thread writes a length-prefixed message and reads the echo back;
//  - handoff:  as raw, but a reader thread receives the echo and hands it to the caller
//              through a mutex and condition variable (the shape of lpcclient's reader);
//  - SendEx:   lpcclient::SendEx to an LPC_Server whose handler returns the body;
// then the aggregate rate of 64 B SendEx calls from 4 and 16 threads at once.
// Usage: taskset -c 0 bench_lpc [rounds=20000]   (64 KiB runs a quarter of the rounds)

#include <LPC_Client/LPCClient.h>
#include <LPC_Server/LPCServer.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/local/stream_protocol.hpp>
#include <boost/asio/read.hpp>
#include <boost/asio/write.hpp>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace asio = boost::asio;
using Protocol = asio::local::stream_protocol;
using Clock = std::chrono::steady_clock;

const char *const kLpcName = "bench-lpc";
const char *const kRawName = "bench-raw";

struct Stats
{
    double p50us = 0;
    double p99us = 0;
    double opsPerSec = 0;
    double mibPerSec = 0;
};

Stats summarise(std::vector<double> &samplesUs, double totalSec, std::size_t bytes)
{
    std::sort(samplesUs.begin(), samplesUs.end());
    Stats s;
    s.p50us = samplesUs[samplesUs.size() / 2];
    s.p99us = samplesUs[samplesUs.size() * 99 / 100];
    s.opsPerSec = double(samplesUs.size()) / totalSec;
    s.mibPerSec = s.opsPerSec * double(bytes) * 2 / (1024.0 * 1024.0); // both directions
    return s;
}

template <typename RoundTrip> Stats measure(int rounds, std::size_t bytes, RoundTrip &&roundTrip)
{
    for (int i = 0; i < rounds / 10 + 10; ++i)
        roundTrip();
    std::vector<double> samples;
    samples.reserve(std::size_t(rounds));
    const auto begin = Clock::now();
    for (int i = 0; i < rounds; ++i) {
        const auto t0 = Clock::now();
        roundTrip();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    const double total = std::chrono::duration<double>(Clock::now() - begin).count();
    return summarise(samples, total, bytes);
}

// ---- child: the servers ----------------------------------------------------------

void rawEchoConnection(Protocol::socket socket)
{
    std::string buffer;
    boost::system::error_code ec;
    for (;;) {
        std::uint32_t len = 0;
        asio::read(socket, asio::buffer(&len, sizeof(len)), ec);
        if (ec)
            return;
        buffer.resize(len);
        asio::read(socket, asio::buffer(&buffer[0], len), ec);
        if (ec)
            return;
        const std::array<asio::const_buffer, 2> parts = {asio::buffer(&len, sizeof(len)),
                                                         asio::buffer(buffer)};
        asio::write(socket, parts, ec);
        if (ec)
            return;
    }
}

int runServers(int stopFd, const std::string &dir)
{
    lpcserver::CLpcServer lpc;
    lpc.setRequestHandler([](const lpcserver::ClientRequest &request) {
        lpcserver::Message answer;
        answer.body = request.message.body;
        return answer;
    });
    if (!lpc.start(kLpcName)) {
        std::fprintf(stderr, "LPC server: %s\n", lpc.lastError().c_str());
        return 1;
    }
    asio::io_context io;
    Protocol::acceptor acceptor(io, Protocol::endpoint(dir + "/" + kRawName));
    std::thread rawThread([&] {
        for (;;) {
            boost::system::error_code ec;
            Protocol::socket socket(io);
            acceptor.accept(socket, ec);
            if (ec)
                return;
            std::thread(rawEchoConnection, std::move(socket)).detach();
        }
    });
    char byte;
    [[maybe_unused]] auto n = ::read(stopFd, &byte, 1); // returns when the parent exits
    boost::system::error_code ec;
    acceptor.close(ec);
    ::shutdown(acceptor.native_handle(), SHUT_RDWR);
    rawThread.detach();
    lpc.stop();
    ::unlink((dir + "/" + kRawName).c_str());
    std::_Exit(0);
}

// ---- parent: the clients ----------------------------------------------------------

Protocol::socket connectRaw(asio::io_context &io, const std::string &path)
{
    Protocol::socket socket(io);
    for (int attempt = 0; attempt < 500; ++attempt) {
        boost::system::error_code ec;
        socket.connect(Protocol::endpoint(path), ec);
        if (!ec)
            return socket;
        socket.close(ec);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::fprintf(stderr, "cannot reach %s\n", path.c_str());
    std::exit(1);
}

void rawRoundTrip(Protocol::socket &socket, const std::string &message, std::string &echo)
{
    asio::write(socket, asio::buffer(message));
    asio::read(socket, asio::buffer(&echo[0], echo.size()));
}

// The reader-thread shape of lpcclient without its framing and bookkeeping.
class HandoffClient
{
public:
    explicit HandoffClient(Protocol::socket socket, std::size_t maxBytes)
        : m_socket(std::move(socket)), m_echo(maxBytes + 4, '\0')
    {
        m_reader = std::thread([this] { readLoop(); });
    }
    ~HandoffClient()
    {
        boost::system::error_code ec;
        m_socket.shutdown(Protocol::socket::shutdown_both, ec);
        m_reader.join();
    }
    void roundTrip(const std::string &message)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = false;
        }
        asio::write(m_socket, asio::buffer(message));
        std::unique_lock<std::mutex> lock(m_mutex);
        m_cv.wait(lock, [this] { return m_done; });
    }

private:
    // Always blocked in a read, like lpcclient's reader: length prefix, then the body.
    void readLoop()
    {
        for (;;) {
            boost::system::error_code ec;
            std::uint32_t len = 0;
            asio::read(m_socket, asio::buffer(&len, sizeof(len)), ec);
            if (!ec && len <= m_echo.size())
                asio::read(m_socket, asio::buffer(&m_echo[0], len), ec);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (ec)
                return;
            m_done = true;
            m_cv.notify_all();
        }
    }

    Protocol::socket m_socket;
    std::string m_echo;
    std::thread m_reader;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    bool m_done = false;
};

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;
    char tmpl[] = "/tmp/qlpcbXXXXXX";
    const std::string dir = ::mkdtemp(tmpl);
    ::setenv("QORVA_LPC_DIR", dir.c_str(), 1);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return 1;
    const pid_t child = ::fork(); // before any thread exists in this process
    if (child == 0) {
        ::close(pipeFds[1]);
        return runServers(pipeFds[0], dir);
    }
    ::close(pipeFds[0]);

    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    sched_getaffinity(0, sizeof(cpus), &cpus);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("LPC round trips, %d rounds (64 KiB: %d), CPUs allowed: %d\n", rounds, rounds / 4,
                CPU_COUNT(&cpus));

    asio::io_context io;
    const std::string rawPath = dir + "/" + kRawName;
    Protocol::socket raw = connectRaw(io, rawPath);
    HandoffClient handoff(connectRaw(io, rawPath), 64 * 1024);

    lpcclient::Init("bench-client", false);
    bool connected = false;
    for (int attempt = 0; attempt < 500 && !connected; ++attempt) {
        connected = lpcclient::ConnectToServer(kLpcName);
        if (!connected)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!connected) {
        std::fprintf(stderr, "cannot connect: %d\n", lpcclient::GetLPCLastError());
        return 1;
    }

    std::printf("%-8s %-8s %10s %10s %12s %10s\n", "size", "path", "p50 us", "p99 us", "round/s",
                "MiB/s");
    for (std::size_t bytes : {std::size_t(64), std::size_t(4096), std::size_t(65536)}) {
        const int n = bytes >= 65536 ? rounds / 4 : rounds;
        std::string message(4 + bytes, 'x');
        const std::uint32_t len = std::uint32_t(bytes);
        std::memcpy(&message[0], &len, 4);
        std::string echo(message.size(), '\0');

        Stats rawStats = measure(n, bytes, [&] { rawRoundTrip(raw, message, echo); });
        Stats handoffStats = measure(n, bytes, [&] { handoff.roundTrip(message); });

        lpcclient::tag_LPCRequestData request;
        request.headers = {
            {"url", "/bench"}, {"method", "2"}, {"protocol", "http"}, {"timeout", "5000"}};
        request.body.assign(bytes, 'x');
        lpcclient::tag_LPCResponseData response;
        int failures = 0;
        Stats lpcStats = measure(n, bytes, [&] {
            std::uint64_t id = 0;
            if (!lpcclient::SendEx(response, request, id, 5000) || response.body.size() != bytes)
                ++failures;
        });

        const char *label = bytes == 64 ? "64 B" : bytes == 4096 ? "4 KiB" : "64 KiB";
        auto row = [&](const char *path, const Stats &s) {
            std::printf("%-8s %-8s %10.2f %10.2f %12.0f %10.1f\n", label, path, s.p50us, s.p99us,
                        s.opsPerSec, s.mibPerSec);
        };
        row("raw", rawStats);
        row("handoff", handoffStats);
        row("SendEx", lpcStats);
        std::printf(
            "%-8s ratios   SendEx/raw p50 %.2f  SendEx/handoff p50 %.2f  SendEx/raw p99 %.2f%s\n",
            label, lpcStats.p50us / rawStats.p50us, lpcStats.p50us / handoffStats.p50us,
            lpcStats.p99us / rawStats.p99us, failures ? "  (SendEx FAILURES)" : "");
    }

    // Several callers at once share the one connection and reader thread.
    for (int threads : {4, 16}) {
        lpcclient::tag_LPCRequestData request;
        request.body.assign(64, 'x');
        std::atomic<int> failures{0};
        const int perThread = rounds / threads;
        const auto begin = Clock::now();
        std::vector<std::thread> callers;
        for (int t = 0; t < threads; ++t)
            callers.emplace_back([&] {
                lpcclient::tag_LPCResponseData response;
                for (int i = 0; i < perThread; ++i) {
                    std::uint64_t id = 0;
                    if (!lpcclient::SendEx(response, request, id, 5000))
                        ++failures;
                }
            });
        for (auto &c : callers)
            c.join();
        const double sec = std::chrono::duration<double>(Clock::now() - begin).count();
        std::printf("64 B     SendEx from %2d threads: %.0f round/s%s\n", threads,
                    perThread * threads / sec, failures ? "  (FAILURES)" : "");
    }

    lpcclient::Uninit();
    ::close(pipeFds[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::rmdir(dir.c_str());
    return 0;
}

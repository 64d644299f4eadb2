#pragma once
// Helpers for the LPC tests: a private socket directory, a recorder for the client
// callback and a raw peer that speaks (or mangles) the wire format.

#include <lpc_wire/FrameDecoder.h>

#include <testsupport/TempDir.h>
#include <testsupport/Wait.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/local/stream_protocol.hpp>
#include <boost/asio/write.hpp>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include <poll.h>
#include <unistd.h>

namespace lpctest {

// Generous bound for anything that should happen "promptly" on a loaded machine.
constexpr int kWaitMs = 20000;

/// Short private directory under /tmp, exported as QORVA_LPC_DIR while alive.
struct TempSocketDir
{
    TempSocketDir() { ::setenv("QORVA_LPC_DIR", path.c_str(), 1); }
    ~TempSocketDir() { ::unsetenv("QORVA_LPC_DIR"); }

    const std::unique_ptr<QTemporaryDir> dir = testsupport::makeTempDir(QStringLiteral("qlpc"));
    const std::string path = dir->path().toStdString();
};

using Latch = testsupport::Gate;

/// Thread-safe queue with a timed pop.
template <typename T> class Inbox
{
public:
    void push(T value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_items.push_back(std::move(value));
        m_cv.notify_all();
    }
    bool pop(T &out, int ms = kWaitMs)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_cv.wait_for(lock, std::chrono::milliseconds(ms),
                           [this] { return !m_items.empty(); }))
            return false;
        out = std::move(m_items.front());
        m_items.pop_front();
        return true;
    }
    std::size_t size()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_items.size();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::deque<T> m_items;
};

/// A hand-driven connection to the server, for malformed input and protocol corners.
class RawPeer
{
public:
    using Socket = boost::asio::local::stream_protocol::socket;

    explicit RawPeer(const std::string &path) : m_socket(m_io)
    {
        m_socket.connect(boost::asio::local::stream_protocol::endpoint(path));
    }

    void sendBytes(const std::string &bytes)
    {
        boost::asio::write(m_socket, boost::asio::buffer(bytes));
    }
    void sendFrame(const lpcwire::Frame &frame)
    {
        std::string bytes;
        lpcwire::encodeFrame(frame, bytes);
        sendBytes(bytes);
    }
    void hello(const std::string &identity, bool replace = false)
    {
        lpcwire::Frame f;
        f.type = lpcwire::FrameType::Hello;
        f.status = lpcwire::kProtocolVersion;
        f.flag1 = replace ? 1 : 0;
        f.text1 = identity;
        sendFrame(f);
    }

    /// Next frame, or false on time-out / end of stream (closedByPeer tells which).
    bool readFrame(lpcwire::Frame &out, int ms = kWaitMs)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        for (;;) {
            if (m_decoder.next(out) == lpcwire::FrameDecoder::Status::Frame)
                return true;
            if (!readSome(deadline))
                return false;
        }
    }

    /// True when the server closes the connection within ms (data in between is skipped).
    bool waitClosed(int ms = kWaitMs)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (readSome(deadline)) {
        }
        return closedByPeer;
    }

    void close()
    {
        boost::system::error_code ec;
        m_socket.close(ec);
    }

    bool closedByPeer = false;

private:
    bool readSome(std::chrono::steady_clock::time_point deadline)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd pfd{m_socket.native_handle(), POLLIN, 0};
        if (::poll(&pfd, 1, int(left.count())) <= 0)
            return false;
        boost::system::error_code ec;
        char *area = m_decoder.prepare(4096);
        const std::size_t n =
            m_socket.read_some(boost::asio::buffer(area, m_decoder.capacity()), ec);
        if (ec) {
            closedByPeer = true;
            return false;
        }
        m_decoder.commit(n);
        return true;
    }

    boost::asio::io_context m_io;
    Socket m_socket;
    lpcwire::FrameDecoder m_decoder;
};

} // namespace lpctest

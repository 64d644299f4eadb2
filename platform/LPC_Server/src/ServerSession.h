#pragma once
// One accepted connection. Reading, the introduction time-out and closing happen on the
// network thread; send() may be called from any thread and writes at once when nothing
// is queued, so a worker's response does not wait for the network thread.

#include <LPC_Server/LPCServerTypes.h>
#include <lpc_wire/FrameDecoder.h>

#include <boost/asio/local/stream_protocol.hpp>
#include <boost/asio/steady_timer.hpp>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

namespace lpcserver {
namespace details {

class CServerCore;

class CServerSession : public std::enable_shared_from_this<CServerSession>
{
public:
    using Socket = boost::asio::local::stream_protocol::socket;

    CServerSession(std::shared_ptr<CServerCore> core, Socket socket, std::size_t maxFrameSize);
    ~CServerSession();

    /// Network thread: starts reading and the introduction timer.
    void start(int helloTimeoutMs);
    /// Any thread. False when the session is closed or the frame is too large.
    bool send(const lpcwire::Frame &frame);
    /// Network thread: closes now. Pending calls end with ConnectionLost.
    void close();
    /// Network thread: closes once everything queued has been written.
    void closeAfterFlush();
    /// Any thread: closes on the network thread.
    void closeAsync();

    /// Waiting calls to this client, matched by call identity.
    CallResult call(const lpcwire::Frame &frame, Message &reply, int timeoutMs);
    std::uint64_t nextCallId() { return m_nextCallId.fetch_add(1, std::memory_order_relaxed); }

    // Network thread only.
    bool introduced() const { return m_introduced; }
    void setIntroduced(const std::string &identity);
    const std::string &identity() const { return m_identity; }
    bool isClosed() const { return m_closed.load(); }

private:
    struct PendingCall
    {
        std::condition_variable cv;
        bool done = false;
        CallResult result = CallResult::Ok;
        lpcwire::Frame reply;
    };

    void doRead();
    void doWrite();
    void completeCall(lpcwire::Frame &frame);

    std::shared_ptr<CServerCore> m_core;
    Socket m_socket;
    boost::asio::steady_timer m_helloTimer;
    lpcwire::FrameDecoder m_decoder;
    std::size_t m_maxFrameSize;
    bool m_introduced = false;
    std::string m_identity;
    std::atomic<bool> m_closed{false};

    std::mutex m_writeMutex;              // socket writes, m_writeQueue, m_flushThenClose
    std::deque<std::string> m_writeQueue; // front is being written while non-empty
    std::size_t m_queuedBytes = 0;
    bool m_flushThenClose = false;
    bool m_writeClosed = false;

    std::mutex m_callMutex;
    std::unordered_map<std::uint64_t, std::shared_ptr<PendingCall>> m_calls;
    bool m_callsClosed = false;
    std::atomic<std::uint64_t> m_nextCallId{1};
};

} // namespace details
} // namespace lpcserver

#include "ServerSession.h"

#include "ServerCore.h"

#include <Base/Log.h>

#include <boost/asio/post.hpp>
#include <boost/asio/write.hpp>

#include <chrono>

namespace lpcserver {
namespace details {

namespace asio = boost::asio;
using lpcwire::Frame;
using lpcwire::FrameDecoder;

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

} // namespace

CServerSession::CServerSession(std::shared_ptr<CServerCore> core, Socket socket,
                               std::size_t maxFrameSize)
    : m_core(std::move(core)), m_socket(std::move(socket)), m_helloTimer(m_socket.get_executor()),
      m_decoder(maxFrameSize), m_maxFrameSize(maxFrameSize)
{}

CServerSession::~CServerSession() = default;

void CServerSession::start(int helloTimeoutMs)
{
    boost::system::error_code ec;
    // Writers on worker threads must never block on a client that does not read.
    m_socket.non_blocking(true, ec);
    m_helloTimer.expires_after(std::chrono::milliseconds(helloTimeoutMs));
    auto self = shared_from_this();
    m_helloTimer.async_wait([self](const boost::system::error_code &ec) {
        if (ec || self->m_introduced || self->isClosed())
            return;
        LOG_WARN("LPC connection sent no introduction in time; closing it.");
        self->close();
    });
    doRead();
}

void CServerSession::doRead()
{
    char *area = m_decoder.prepare(kReadChunk);
    auto self = shared_from_this();
    m_socket.async_read_some(
        asio::buffer(area, m_decoder.capacity()),
        [self](const boost::system::error_code &ec, std::size_t n) {
            if (ec) {
                self->close();
                return;
            }
            self->m_decoder.commit(n);
            Frame frame;
            for (;;) {
                const auto status = self->m_decoder.next(frame);
                if (status == FrameDecoder::Status::NeedMore)
                    break;
                if (status != FrameDecoder::Status::Frame) {
                    LOG_ERROR("LPC client [%s] sent a %s frame; closing its connection.",
                              self->m_identity.c_str(),
                              status == FrameDecoder::Status::TooLarge ? "too large" : "malformed");
                    self->close();
                    return;
                }
                if (frame.type == lpcwire::FrameType::Reply && self->m_introduced)
                    self->completeCall(frame);
                else
                    self->m_core->onFrame(self, frame);
                if (self->isClosed())
                    return;
            }
            self->doRead();
        });
}

bool CServerSession::send(const Frame &frame)
{
    if (lpcwire::encodedPayloadSize(frame) > m_maxFrameSize)
        return false;
    std::string bytes;
    lpcwire::encodeFrame(frame, bytes);

    std::lock_guard<std::mutex> lock(m_writeMutex);
    if (m_writeClosed)
        return false;
    if (m_writeQueue.empty()) {
        boost::system::error_code ec;
        const std::size_t n = m_socket.write_some(asio::buffer(bytes), ec);
        if (!ec && n == bytes.size())
            return true;
        if (ec && ec != asio::error::would_block && ec != asio::error::try_again) {
            // The read side notices the broken connection and closes the session.
            return false;
        }
        bytes.erase(0, ec ? 0 : n);
        m_queuedBytes += bytes.size();
        m_writeQueue.push_back(std::move(bytes));
        asio::post(m_socket.get_executor(), [self = shared_from_this()] { self->doWrite(); });
        return true;
    }
    // A client that stops reading must not make the host buffer without bound.
    if (m_queuedBytes + bytes.size() > 4 * m_maxFrameSize) {
        LOG_ERROR("LPC client [%s] does not read its messages; closing its connection.",
                  m_identity.c_str());
        m_writeClosed = true;
        asio::post(m_socket.get_executor(), [self = shared_from_this()] { self->close(); });
        return false;
    }
    m_queuedBytes += bytes.size();
    m_writeQueue.push_back(std::move(bytes));
    return true;
}

void CServerSession::doWrite()
{
    std::lock_guard<std::mutex> lock(m_writeMutex);
    if (m_writeQueue.empty() || m_closed)
        return;
    auto self = shared_from_this();
    // The front stays queued until written, which tells send() that a write is in flight.
    asio::async_write(m_socket, asio::buffer(m_writeQueue.front()),
                      [self](const boost::system::error_code &ec, std::size_t) {
                          bool more = false;
                          bool closeNow = false;
                          {
                              std::lock_guard<std::mutex> lock(self->m_writeMutex);
                              if (!self->m_writeQueue.empty()) {
                                  self->m_queuedBytes -= self->m_writeQueue.front().size();
                                  self->m_writeQueue.pop_front();
                              }
                              more = !self->m_writeQueue.empty();
                              closeNow = ec || (!more && self->m_flushThenClose);
                          }
                          if (closeNow)
                              self->close();
                          else if (more)
                              self->doWrite();
                      });
}

void CServerSession::closeAfterFlush()
{
    bool now = false;
    {
        std::lock_guard<std::mutex> lock(m_writeMutex);
        m_flushThenClose = true;
        now = m_writeQueue.empty();
    }
    if (now)
        close();
}

void CServerSession::closeAsync()
{
    asio::post(m_socket.get_executor(), [self = shared_from_this()] { self->close(); });
}

void CServerSession::close()
{
    if (m_closed.exchange(true))
        return;
    {
        std::lock_guard<std::mutex> lock(m_writeMutex);
        m_writeClosed = true;
        m_writeQueue.clear();
        m_queuedBytes = 0;
        boost::system::error_code ec;
        m_socket.shutdown(Socket::shutdown_both, ec);
        m_socket.close(ec);
    }
    m_helloTimer.cancel();
    {
        std::lock_guard<std::mutex> lock(m_callMutex);
        m_callsClosed = true;
        for (auto &entry : m_calls) {
            entry.second->result = CallResult::ConnectionLost;
            entry.second->done = true;
            entry.second->cv.notify_one();
        }
        m_calls.clear();
    }
    m_core->onClosed(shared_from_this());
}

void CServerSession::setIntroduced(const std::string &identity)
{
    m_introduced = true;
    m_identity = identity;
    m_helloTimer.cancel();
}

CallResult CServerSession::call(const Frame &frame, Message &reply, int timeoutMs)
{
    auto pending = std::make_shared<PendingCall>();
    {
        std::lock_guard<std::mutex> lock(m_callMutex);
        if (m_callsClosed)
            return CallResult::ConnectionLost;
        m_calls.emplace(frame.id, pending);
    }
    if (!send(frame)) {
        std::lock_guard<std::mutex> lock(m_callMutex);
        m_calls.erase(frame.id);
        return lpcwire::encodedPayloadSize(frame) > m_maxFrameSize ? CallResult::TooLarge
                                                                   : CallResult::ConnectionLost;
    }
    std::unique_lock<std::mutex> lock(m_callMutex);
    if (!pending->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [&] { return pending->done; })) {
        m_calls.erase(frame.id);
        return CallResult::Timeout;
    }
    if (pending->result == CallResult::Ok) {
        reply.address = std::move(pending->reply.text1);
        reply.headers = std::move(pending->reply.headers);
        reply.body = std::move(pending->reply.body);
    }
    return pending->result;
}

void CServerSession::completeCall(Frame &frame)
{
    std::lock_guard<std::mutex> lock(m_callMutex);
    auto it = m_calls.find(frame.id);
    if (it == m_calls.end())
        return; // late reply to a call that timed out, or to a call made with post()
    it->second->reply = std::move(frame);
    it->second->done = true;
    it->second->cv.notify_one();
    m_calls.erase(it);
}

} // namespace details
} // namespace lpcserver

#include "ClientLink.h"

#include <JSONStruct/Routes/WireNames.h>

#include <Base/Log.h>
#include <lpc_wire/FrameDecoder.h>
#include <lpc_wire/PeerCredentials.h>
#include <lpc_wire/SocketPath.h>

#include <boost/asio/local/stream_protocol.hpp>
#include <boost/asio/write.hpp>

#include <chrono>
#include <condition_variable>
#include <thread>
#include <unordered_map>

#include <unistd.h>

namespace lpcclient {
namespace details {

namespace asio = boost::asio;
using Socket = asio::local::stream_protocol::socket;
using lpcwire::Frame;
using lpcwire::FrameType;

namespace {

constexpr int kDefaultSendTimeoutMs = 60000;
constexpr std::size_t kReadChunk = 64 * 1024;

struct Waiter
{
    std::condition_variable cv;
    bool done = false;
    int error = LPC_ERROR_OK;
    Frame response;
};

tag_LPCCallBackData disconnectedCall(const std::string &identity)
{
    tag_LPCCallBackData data;
    data.source = "0";
    data.target = identity;
    using namespace protocol::wire;
    data.headers[kHeaderUrl] = "";
    data.headers[kHeaderMethod] = kMethodClientDisconnected;
    data.headers[kHeaderProtocol] = kProtocolLpc;
    // Same text the host's request envelope prints for this command.
    data.body =
        std::string("{\n\t\"") + key::kMethod + "\":\t\"" + kMethodClientDisconnected + "\"\n}";
    return data;
}

} // namespace

struct Connection
{
    explicit Connection(asio::io_context &io) : socket(io) {}

    Socket socket;
    std::string identity;
    std::thread reader;
    std::atomic<std::thread::id> readerId{};
    std::atomic<bool> closing{false}; // closed on purpose: no disconnect call

    std::mutex writeMutex;
    bool writeClosed = false;

    std::mutex mutex; // everything below
    std::condition_variable welcomeCv;
    bool welcomed = false;
    bool refused = false;
    std::atomic<bool> dead{false}; // written under mutex, read without
    std::unordered_map<std::uint64_t, std::shared_ptr<Waiter>> pending;

    int write(const Frame &frame)
    {
        thread_local std::string buffer;
        buffer.clear();
        if (lpcwire::encodedPayloadSize(frame) > lpcwire::kDefaultMaxFrameSize)
            return LPC_ERROR_FRAME_TOO_LARGE;
        lpcwire::encodeFrame(frame, buffer);
        std::lock_guard<std::mutex> lock(writeMutex);
        if (writeClosed)
            return LPC_ERROR_NOT_CONNECTED;
        boost::system::error_code ec;
        asio::write(socket, asio::buffer(buffer), ec);
        // Keep a huge encoding buffer from living on in every thread.
        if (buffer.capacity() > 1024 * 1024)
            std::string().swap(buffer);
        if (!ec)
            return LPC_ERROR_OK;
        const bool gone = ec == asio::error::broken_pipe || ec == asio::error::connection_reset ||
                          ec == asio::error::shut_down || ec == asio::error::not_connected ||
                          ec == asio::error::bad_descriptor || ec == asio::error::eof;
        return gone ? LPC_ERROR_CONNECTION_LOST : LPC_ERROR_WRITE_FAILED;
    }

    void shutdown()
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        if (writeClosed)
            return;
        boost::system::error_code ec;
        // Wakes the reader blocked in read_some; the descriptor closes after the join.
        socket.shutdown(Socket::shutdown_both, ec);
    }

    void closeSocket()
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        writeClosed = true;
        boost::system::error_code ec;
        socket.close(ec);
    }
};

CClientLink::CClientLink() = default;

CClientLink::~CClientLink()
{
    std::shared_ptr<Connection> conn;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        conn.swap(m_connection);
    }
    if (conn)
        retire(conn);
}

CClientLink &CClientLink::instance()
{
    static CClientLink link;
    return link;
}

int CClientLink::init(const std::string &identity, bool replaceExisting)
{
    if (identity.empty())
        return LPC_ERROR_INVALID_ARGUMENT;
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (m_connection && !m_connection->dead)
        return LPC_ERROR_ALREADY_CONNECTED;
    m_identity = identity;
    m_replaceExisting = replaceExisting;
    m_initialised = true;
    return LPC_ERROR_OK;
}

std::shared_ptr<Connection> CClientLink::current(int &error)
{
    std::lock_guard<std::mutex> lock(m_stateMutex);
    if (!m_initialised) {
        error = LPC_ERROR_NOT_INITIALISED;
        return nullptr;
    }
    if (!m_connection || m_connection->dead) {
        error = LPC_ERROR_NOT_CONNECTED;
        return nullptr;
    }
    error = LPC_ERROR_OK;
    return m_connection;
}

int CClientLink::connect(const std::string &serverName, int welcomeTimeoutMs)
{
    std::string identity;
    bool replace = false;
    std::shared_ptr<Connection> old;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_initialised)
            return LPC_ERROR_NOT_INITIALISED;
        if (m_connection && !m_connection->dead)
            return LPC_ERROR_ALREADY_CONNECTED;
        // The old reader cannot join itself (ConnectToServer from the callback).
        if (m_connection && m_connection->readerId == std::this_thread::get_id())
            return LPC_ERROR_WRONG_THREAD;
        old.swap(m_connection);
        identity = m_identity;
        replace = m_replaceExisting;
    }
    if (old)
        retire(old);

    std::string error;
    const std::string path = lpcwire::socketPathFor(lpcwire::socketDirectory(), serverName, error);
    if (path.empty()) {
        LOG_ERROR("Cannot connect to LPC server [%s]: %s.", serverName.c_str(), error.c_str());
        return serverName.empty() || serverName.find('/') != std::string::npos
                   ? LPC_ERROR_INVALID_ARGUMENT
                   : LPC_ERROR_PATH_TOO_LONG;
    }

    auto conn = std::make_shared<Connection>(m_io);
    conn->identity = identity;
    boost::system::error_code ec;
    conn->socket.connect(asio::local::stream_protocol::endpoint(path), ec);
    if (ec) {
        LOG_ERROR("Cannot connect to LPC server [%s]: %s.", path.c_str(), ec.message().c_str());
        return LPC_ERROR_CONNECT_FAILED;
    }
    uid_t uid = 0;
    if (!lpcwire::peerUid(conn->socket.native_handle(), uid) ||
        !lpcwire::isPeerUidAllowed(uid, ::getuid())) {
        LOG_ERROR("LPC server [%s] runs as another user (uid %u); not connecting.", path.c_str(),
                  unsigned(uid));
        conn->closeSocket();
        return LPC_ERROR_REFUSED;
    }

    Frame hello;
    hello.type = FrameType::Hello;
    hello.flag1 = replace ? 1 : 0;
    hello.status = lpcwire::kProtocolVersion;
    hello.text1 = identity;
    if (int rc = conn->write(hello)) {
        conn->closeSocket();
        return rc;
    }
    // Published before the reader starts, so a callback can already Reply on it.
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (m_connection) {
            conn->closeSocket();
            return LPC_ERROR_ALREADY_CONNECTED;
        }
        m_connection = conn;
    }
    conn->reader = std::thread([this, conn] { readLoop(conn); });

    bool welcomed = false;
    bool refused = false;
    {
        std::unique_lock<std::mutex> lock(conn->mutex);
        conn->welcomeCv.wait_for(lock, std::chrono::milliseconds(welcomeTimeoutMs),
                                 [&] { return conn->welcomed || conn->dead; });
        welcomed = conn->welcomed;
        refused = conn->refused;
    }
    if (!welcomed) {
        {
            std::lock_guard<std::mutex> lock(m_stateMutex);
            if (m_connection == conn)
                m_connection.reset();
        }
        retire(conn);
        if (refused) {
            LOG_ERROR("LPC server [%s] refused client [%s].", path.c_str(), identity.c_str());
            return LPC_ERROR_REFUSED;
        }
        LOG_ERROR("LPC server [%s] did not welcome client [%s].", path.c_str(), identity.c_str());
        return LPC_ERROR_TIMEOUT;
    }
    LOG_INFO("Connected to LPC server [%s] as [%s].", path.c_str(), identity.c_str());
    return LPC_ERROR_OK;
}

void CClientLink::retire(std::shared_ptr<Connection> conn)
{
    conn->closing = true;
    conn->shutdown();
    if (conn->reader.joinable()) {
        // Only reachable from the reader itself when the process exits inside the callback.
        if (conn->reader.get_id() == std::this_thread::get_id())
            conn->reader.detach();
        else
            conn->reader.join();
    }
    conn->closeSocket();
}

int CClientLink::setCallback(InvokeCallBack callback, void *userData)
{
    std::lock_guard<std::recursive_mutex> lock(m_callbackMutex);
    m_callback = callback;
    m_userData = userData;
    return LPC_ERROR_OK;
}

int CClientLink::disconnect()
{
    std::shared_ptr<Connection> conn;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_initialised)
            return LPC_ERROR_NOT_INITIALISED;
        if (!m_connection)
            return LPC_ERROR_NOT_CONNECTED;
        if (m_connection->readerId == std::this_thread::get_id())
            return LPC_ERROR_WRONG_THREAD;
        conn.swap(m_connection);
    }
    retire(conn);
    return LPC_ERROR_OK;
}

int CClientLink::uninit()
{
    std::shared_ptr<Connection> conn;
    {
        std::lock_guard<std::mutex> lock(m_stateMutex);
        if (!m_initialised)
            return LPC_ERROR_NOT_INITIALISED;
        if (m_connection && m_connection->readerId == std::this_thread::get_id())
            return LPC_ERROR_WRONG_THREAD;
        conn.swap(m_connection);
        m_initialised = false;
        m_identity.clear();
    }
    if (conn)
        retire(conn);
    setCallback(nullptr, nullptr);
    return LPC_ERROR_OK;
}

int CClientLink::reply(const tag_LPCReplyData &reply)
{
    int error = 0;
    auto conn = current(error);
    if (!conn)
        return error;
    Frame frame;
    frame.type = FrameType::Reply;
    frame.id = reply.callId;
    frame.text1 = reply.address;
    frame.headers = reply.headers;
    frame.body = reply.body;
    return conn->write(frame);
}

int CClientLink::notify(const tag_LPCNotifyData &notify)
{
    int error = 0;
    auto conn = current(error);
    if (!conn)
        return error;
    Frame frame;
    frame.type = FrameType::Notify;
    frame.text1 = notify.address;
    frame.headers = notify.headers;
    frame.body = notify.body;
    return conn->write(frame);
}

int CClientLink::send(const tag_LPCRequestData &request, std::uint64_t &requestId)
{
    int error = 0;
    auto conn = current(error);
    if (!conn)
        return error;
    Frame frame;
    frame.type = FrameType::Request;
    frame.id = m_nextRequestId.fetch_add(1, std::memory_order_relaxed);
    frame.text1 = request.address;
    frame.headers = request.headers;
    frame.body = request.body;
    const int rc = conn->write(frame);
    if (rc == LPC_ERROR_OK)
        requestId = frame.id;
    return rc;
}

int CClientLink::sendEx(tag_LPCResponseData &response, const tag_LPCRequestData &request,
                        std::uint64_t &requestId, int timeoutMs)
{
    requestId = ~std::uint64_t(0);
    int error = 0;
    auto conn = current(error);
    if (!conn)
        return error;
    if (conn->readerId == std::this_thread::get_id())
        return LPC_ERROR_WRONG_THREAD;
    if (timeoutMs <= 0)
        timeoutMs = kDefaultSendTimeoutMs;

    // Register before sending: the response may arrive before write() returns.
    const std::uint64_t id = m_nextRequestId.fetch_add(1, std::memory_order_relaxed);
    auto waiter = std::make_shared<Waiter>();
    {
        std::lock_guard<std::mutex> lock(conn->mutex);
        if (conn->dead)
            return LPC_ERROR_CONNECTION_LOST;
        conn->pending.emplace(id, waiter);
    }
    Frame frame;
    frame.type = FrameType::Request;
    frame.id = id;
    frame.flag2 = 1;
    frame.text1 = request.address;
    frame.headers = request.headers;
    frame.body = request.body;
    const int rc = conn->write(frame);
    std::unique_lock<std::mutex> lock(conn->mutex);
    if (rc != LPC_ERROR_OK) {
        conn->pending.erase(id);
        return rc;
    }
    requestId = id;
    const bool done = waiter->cv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                          [&] { return waiter->done; });
    if (!done) {
        conn->pending.erase(id);
        return LPC_ERROR_TIMEOUT;
    }
    if (waiter->error != LPC_ERROR_OK)
        return waiter->error;
    lock.unlock();
    response.address = std::move(waiter->response.text1);
    response.headers = std::move(waiter->response.headers);
    response.body = std::move(waiter->response.body);
    return LPC_ERROR_OK;
}

void CClientLink::deliver(const tag_LPCCallBackData &data)
{
    std::lock_guard<std::recursive_mutex> lock(m_callbackMutex);
    if (m_callback)
        m_callback(data, m_userData);
}

void CClientLink::readLoop(const std::shared_ptr<Connection> &conn)
{
    conn->readerId = std::this_thread::get_id();
    lpcwire::FrameDecoder decoder;
    Frame frame;
    bool welcomed = false;
    bool broken = false;

    while (!broken) {
        boost::system::error_code ec;
        char *area = decoder.prepare(kReadChunk);
        const std::size_t n = conn->socket.read_some(asio::buffer(area, decoder.capacity()), ec);
        if (ec) {
            if (!conn->closing && ec != asio::error::eof)
                LOG_WARN("LPC connection read failed: %s.", ec.message().c_str());
            break;
        }
        decoder.commit(n);
        for (;;) {
            const auto status = decoder.next(frame);
            if (status == lpcwire::FrameDecoder::Status::NeedMore)
                break;
            if (status != lpcwire::FrameDecoder::Status::Frame) {
                LOG_ERROR("LPC server sent a %s frame; closing the connection.",
                          status == lpcwire::FrameDecoder::Status::TooLarge ? "too large"
                                                                            : "malformed");
                broken = true;
                break;
            }
            if (frame.type == FrameType::Response) {
                std::lock_guard<std::mutex> lock(conn->mutex);
                auto it = conn->pending.find(frame.id);
                if (it != conn->pending.end()) {
                    auto &waiter = *it->second;
                    waiter.error = frame.status == 0 ? LPC_ERROR_OK : int(frame.status);
                    waiter.response = std::move(frame);
                    waiter.done = true;
                    waiter.cv.notify_one();
                    conn->pending.erase(it);
                }
            } else if (frame.type == FrameType::Call && welcomed) {
                tag_LPCCallBackData data;
                data.callId = frame.id;
                data.relayed = frame.flag1;
                data.needReply = frame.flag2;
                data.source = std::move(frame.text1);
                data.target = std::move(frame.text2);
                data.headers = std::move(frame.headers);
                data.body = std::move(frame.body);
                deliver(data);
            } else if (frame.type == FrameType::Welcome && !welcomed) {
                std::lock_guard<std::mutex> lock(conn->mutex);
                if (frame.status == 0) {
                    welcomed = conn->welcomed = true;
                } else {
                    conn->refused = true;
                    broken = true;
                }
                conn->welcomeCv.notify_all();
            } else {
                LOG_ERROR("LPC server sent an unexpected frame of type %d; closing the connection.",
                          int(frame.type));
                broken = true;
            }
            if (broken)
                break;
        }
    }

    {
        std::lock_guard<std::mutex> lock(conn->mutex);
        conn->dead = true;
        for (auto &entry : conn->pending) {
            entry.second->error = LPC_ERROR_CONNECTION_LOST;
            entry.second->done = true;
            entry.second->cv.notify_one();
        }
        conn->pending.clear();
        conn->welcomeCv.notify_all();
    }
    // Writers fail from now on instead of writing into a half-closed socket.
    conn->shutdown();
    if (welcomed && !conn->closing) {
        LOG_WARN("Lost the connection to the LPC server; reporting clientDisconnected.");
        deliver(disconnectedCall(conn->identity));
    }
}

} // namespace details
} // namespace lpcclient

#include "ServerCore.h"

#include "ServerSession.h"

#include <Base/Log.h>
#include <lpc_wire/PeerCredentials.h>
#include <lpc_wire/SocketPath.h>

#include <boost/asio/post.hpp>

#include <chrono>
#include <exception>

#include <sys/stat.h>
#include <unistd.h>

namespace lpcserver {
namespace details {

namespace asio = boost::asio;
using Protocol = asio::local::stream_protocol;
using lpcwire::Frame;
using lpcwire::FrameType;

namespace {

constexpr std::uint32_t kWelcomeIdentityInUse = 1;
constexpr std::uint32_t kWelcomeBadIntroduction = 2;
// Notifications and fire-and-forget requests cannot be answered busy; they wait in the
// queue up to this multiple of the request limit and are dropped (and logged) beyond it,
// so a flooding client cannot exhaust memory.
constexpr std::size_t kUnansweredFactor = 16;

} // namespace

CServerCore::CServerCore(const ServerOptions &opts) : options(opts) {}

CServerCore::~CServerCore() = default;

bool CServerCore::start(const std::string &serverName)
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    if (m_running) {
        m_lastError = "already running";
        return false;
    }
    std::string error;
    const std::string dir = lpcwire::socketDirectory();
    const std::string path = lpcwire::socketPathFor(dir, serverName, error);
    if (path.empty() || !lpcwire::ensureSocketDirectory(dir, error)) {
        m_lastError = error;
        LOG_ERROR("Cannot start LPC server [%s]: %s.", serverName.c_str(), error.c_str());
        return false;
    }

    boost::system::error_code ec;
    if (lpcwire::isSocketFile(path)) {
        // A socket file that nobody accepts on is left over from a dead server.
        Protocol::socket probe(m_io);
        probe.connect(Protocol::endpoint(path), ec);
        if (!ec) {
            m_lastError = "another server is listening on [" + path + "]";
            LOG_ERROR("Cannot start LPC server: %s.", m_lastError.c_str());
            return false;
        }
        LOG_WARN("Replacing stale LPC socket [%s].", path.c_str());
        ::unlink(path.c_str());
    }

    m_io.restart();
    m_acceptor.emplace(m_io);
    m_acceptor->open(Protocol(), ec);
    if (!ec)
        m_acceptor->bind(Protocol::endpoint(path), ec);
    if (!ec)
        m_acceptor->listen(asio::socket_base::max_listen_connections, ec);
    if (ec) {
        m_lastError = "cannot listen on [" + path + "]: " + ec.message();
        LOG_ERROR("Cannot start LPC server: %s.", m_lastError.c_str());
        m_acceptor.reset();
        return false;
    }
    ::chmod(path.c_str(), 0600);
    struct stat st
    {
    };
    m_socketInode = ::lstat(path.c_str(), &st) == 0 ? st.st_ino : 0;

    m_serverName = serverName;
    m_path = path;
    m_lastError.clear();
    m_workers.start(options.workerThreads);
    m_events.start(1);
    m_work.emplace(m_io.get_executor());
    doAccept();
    m_ioThread = std::thread([this] { m_io.run(); });
    m_ioThreadId = m_ioThread.get_id();
    m_running = true;
    LOG_INFO("LPC server [%s] listening on [%s].", serverName.c_str(), path.c_str());
    return true;
}

void CServerCore::stop()
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    if (!m_running)
        return;
    m_running = false;
    // Close everything on the network thread, then let run() return once every
    // cancelled operation has completed.
    asio::post(m_io, [this] {
        boost::system::error_code ec;
        m_acceptor->close(ec);
        auto sessions = m_sessions;
        for (auto &s : sessions)
            s->close();
        m_sessions.clear();
    });
    m_work.reset();
    m_ioThread.join();
    m_acceptor.reset();
    {
        std::lock_guard<std::mutex> lock(m_clientsMutex);
        m_clients.clear();
    }
    m_workers.stop(false);
    m_events.stop(true);

    struct stat st
    {
    };
    if (::lstat(m_path.c_str(), &st) == 0 && st.st_ino == m_socketInode)
        ::unlink(m_path.c_str());
    LOG_INFO("LPC server [%s] stopped.", m_serverName.c_str());
    m_path.clear();
}

bool CServerCore::isRunning() const
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    return m_running;
}

std::string CServerCore::lastError() const
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    return m_lastError;
}

std::string CServerCore::socketPath() const
{
    std::lock_guard<std::mutex> life(m_lifeMutex);
    return m_path;
}

void CServerCore::doAccept()
{
    auto self = shared_from_this();
    m_acceptor->async_accept([self](const boost::system::error_code &ec, Protocol::socket socket) {
        if (ec == asio::error::operation_aborted || !self->m_acceptor->is_open())
            return;
        if (!ec) {
            uid_t uid = 0;
            if (!lpcwire::peerUid(socket.native_handle(), uid) ||
                !lpcwire::isPeerUidAllowed(uid, ::getuid())) {
                LOG_WARN("Refused LPC connection from uid [%u].", unsigned(uid));
                boost::system::error_code ignored;
                socket.close(ignored);
            } else {
                auto session = std::make_shared<CServerSession>(self, std::move(socket),
                                                                self->options.maxFrameSize);
                self->m_sessions.insert(session);
                session->start(self->options.helloTimeoutMs);
            }
        } else {
            LOG_WARN("LPC accept failed: %s.", ec.message().c_str());
        }
        self->doAccept();
    });
}

void CServerCore::onFrame(const std::shared_ptr<CServerSession> &session, Frame &frame)
{
    if (!session->introduced()) {
        if (frame.type == FrameType::Hello) {
            onHello(session, frame);
            return;
        }
    } else {
        switch (frame.type) {
        case FrameType::Request:
            onRequest(session, frame);
            return;
        case FrameType::Notify:
            onNotify(session, frame);
            return;
        default:
            break;
        }
    }
    LOG_ERROR("LPC client [%s] sent an unexpected frame of type [%d]; closing its connection.",
              session->identity().c_str(), int(frame.type));
    session->close();
}

void CServerCore::onHello(const std::shared_ptr<CServerSession> &session, const Frame &frame)
{
    Frame welcome;
    welcome.type = FrameType::Welcome;
    welcome.text1 = m_serverName;
    if (frame.status != lpcwire::kProtocolVersion || frame.text1.empty()) {
        LOG_WARN("LPC client sent an invalid introduction; closing its connection.");
        welcome.status = kWelcomeBadIntroduction;
        session->send(welcome);
        session->closeAfterFlush();
        return;
    }
    std::shared_ptr<CServerSession> previous;
    {
        std::lock_guard<std::mutex> lock(m_clientsMutex);
        auto it = m_clients.find(frame.text1);
        if (it != m_clients.end())
            previous = it->second;
    }
    if (previous && !frame.flag1) {
        LOG_WARN("LPC client [%s] is already connected; refusing the second connection.",
                 frame.text1.c_str());
        welcome.status = kWelcomeIdentityInUse;
        session->send(welcome);
        session->closeAfterFlush();
        return;
    }
    if (previous) {
        LOG_INFO("LPC client [%s] replaces its previous connection.", frame.text1.c_str());
        previous->close(); // reports the old connection as gone before the new one
    }
    session->setIntroduced(frame.text1);
    {
        std::lock_guard<std::mutex> lock(m_clientsMutex);
        m_clients[frame.text1] = session;
    }
    m_clientsCv.notify_all();
    session->send(welcome);
    LOG_INFO("LPC client [%s] connected.", frame.text1.c_str());
    postEvent(frame.text1, true);
}

void CServerCore::onRequest(const std::shared_ptr<CServerSession> &session, Frame &frame)
{
    auto request = std::make_shared<ClientRequest>();
    request->clientIdentity = session->identity();
    request->requestId = frame.id;
    request->wantsResponse = frame.flag2 != 0;
    request->message.address = std::move(frame.text1);
    request->message.headers = std::move(frame.headers);
    request->message.body = std::move(frame.body);

    auto task = [this, session, request] {
        Frame response;
        response.type = FrameType::Response;
        response.id = request->requestId;
        try {
            Message answer = requestHandler ? requestHandler(*request) : Message();
            response.text1 = std::move(answer.address);
            response.headers = std::move(answer.headers);
            response.body = std::move(answer.body);
        } catch (const std::exception &e) {
            LOG_ERROR("LPC request handler failed for client [%s]: %s.",
                      request->clientIdentity.c_str(), e.what());
            response.status = kErrorHandlerFailed;
        } catch (...) {
            LOG_ERROR("LPC request handler failed for client [%s].",
                      request->clientIdentity.c_str());
            response.status = kErrorHandlerFailed;
        }
        if (request->wantsResponse &&
            lpcwire::encodedPayloadSize(response) > options.maxFrameSize) {
            LOG_ERROR(
                "LPC answer to client [%s] exceeds the frame limit; sending an error instead.",
                request->clientIdentity.c_str());
            response.text1.clear();
            response.headers.clear();
            response.body.clear();
            response.status = kErrorResponseTooLarge;
        }
        if (request->wantsResponse && !session->send(response))
            LOG_WARN("Could not send the response to LPC client [%s].",
                     request->clientIdentity.c_str());
    };

    if (!request->wantsResponse) {
        if (!m_workers.post(std::move(task), true, options.maxPendingRequests * kUnansweredFactor))
            LOG_ERROR("LPC server overloaded; dropped a request of client [%s].",
                      request->clientIdentity.c_str());
        return;
    }
    if (!m_workers.post(std::move(task), true, options.maxPendingRequests)) {
        LOG_WARN("LPC server busy; refusing a request of client [%s].",
                 request->clientIdentity.c_str());
        Frame busy;
        busy.type = FrameType::Response;
        busy.id = request->requestId;
        busy.status = kErrorServerBusy;
        session->send(busy);
    }
}

void CServerCore::onNotify(const std::shared_ptr<CServerSession> &session, Frame &frame)
{
    auto note = std::make_shared<ClientNotification>();
    note->clientIdentity = session->identity();
    note->message.address = std::move(frame.text1);
    note->message.headers = std::move(frame.headers);
    note->message.body = std::move(frame.body);
    const bool queued = m_workers.post(
        [this, note] {
            if (notifyHandler)
                notifyHandler(*note);
        },
        true, options.maxPendingRequests * kUnansweredFactor);
    if (!queued)
        LOG_ERROR("LPC server overloaded; dropped a notification of client [%s].",
                  note->clientIdentity.c_str());
}

void CServerCore::onClosed(const std::shared_ptr<CServerSession> &session)
{
    m_sessions.erase(session);
    if (!session->introduced())
        return;
    {
        std::lock_guard<std::mutex> lock(m_clientsMutex);
        auto it = m_clients.find(session->identity());
        if (it != m_clients.end() && it->second == session)
            m_clients.erase(it);
    }
    LOG_INFO("LPC client [%s] disconnected.", session->identity().c_str());
    postEvent(session->identity(), false);
}

void CServerCore::postEvent(const std::string &identity, bool connected)
{
    if (!connectionHandler)
        return;
    m_events.post([this, identity, connected] { connectionHandler(identity, connected); }, false,
                  0);
}

std::vector<std::string> CServerCore::clients() const
{
    std::lock_guard<std::mutex> lock(m_clientsMutex);
    std::vector<std::string> out;
    for (const auto &entry : m_clients)
        out.push_back(entry.first);
    return out;
}

bool CServerCore::waitForClient(const std::string &identity, int timeoutMs) const
{
    std::unique_lock<std::mutex> lock(m_clientsMutex);
    return m_clientsCv.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [&] { return m_clients.count(identity) != 0; });
}

std::shared_ptr<CServerSession> CServerCore::findClient(const std::string &identity) const
{
    std::lock_guard<std::mutex> lock(m_clientsMutex);
    auto it = m_clients.find(identity);
    return it == m_clients.end() ? nullptr : it->second;
}

Frame CServerCore::callFrame(const std::shared_ptr<CServerSession> &session,
                             const OutgoingCall &call, bool wantReply) const
{
    Frame frame;
    frame.type = FrameType::Call;
    frame.id = session->nextCallId();
    frame.flag1 = call.relayed ? 1 : 0;
    frame.flag2 = wantReply ? 1 : 0;
    frame.text1 = call.source;
    frame.text2 = session->identity();
    frame.headers = call.headers;
    frame.body = call.body;
    return frame;
}

CallResult CServerCore::call(const std::string &identity, const OutgoingCall &call, Message &reply,
                             int timeoutMs)
{
    if (!isRunning())
        return CallResult::NotRunning;
    if (std::this_thread::get_id() == m_ioThreadId)
        return CallResult::WrongThread;
    auto session = findClient(identity);
    if (!session)
        return CallResult::NotConnected;
    return session->call(callFrame(session, call, true), reply, timeoutMs);
}

CallResult CServerCore::post(const std::string &identity, const OutgoingCall &call)
{
    if (!isRunning())
        return CallResult::NotRunning;
    auto session = findClient(identity);
    if (!session)
        return CallResult::NotConnected;
    Frame frame = callFrame(session, call, false);
    if (lpcwire::encodedPayloadSize(frame) > options.maxFrameSize)
        return CallResult::TooLarge;
    return session->send(frame) ? CallResult::Ok : CallResult::ConnectionLost;
}

bool CServerCore::disconnectClient(const std::string &identity)
{
    auto session = findClient(identity);
    if (!session)
        return false;
    session->closeAsync();
    return true;
}

} // namespace details
} // namespace lpcserver

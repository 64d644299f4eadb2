#pragma once
// The working part of CLpcServer: acceptor, sessions by identity, handler dispatch.
// Shared-owned by the sessions, so it outlives every socket bound to its io_context.

#include <LPC_Server/LPCServer.h>
#include <lpc_wire/Frame.h>

#include "WorkerPool.h"

#include <boost/asio/executor_work_guard.hpp>
#include <boost/asio/io_context.hpp>
#include <boost/asio/local/stream_protocol.hpp>

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

#include <sys/types.h>

namespace lpcserver {
namespace details {

class CServerSession;

class CServerCore : public std::enable_shared_from_this<CServerCore>
{
public:
    explicit CServerCore(const ServerOptions &options);
    ~CServerCore();

    ServerOptions options;
    CLpcServer::RequestHandler requestHandler;
    CLpcServer::NotifyHandler notifyHandler;
    CLpcServer::ConnectionHandler connectionHandler;

    bool start(const std::string &serverName);
    void stop();
    bool isRunning() const;
    std::string lastError() const;
    std::string socketPath() const;

    std::vector<std::string> clients() const;
    bool waitForClient(const std::string &identity, int timeoutMs) const;
    CallResult call(const std::string &identity, const OutgoingCall &call, Message &reply,
                    int timeoutMs);
    CallResult post(const std::string &identity, const OutgoingCall &call);
    bool disconnectClient(const std::string &identity);

    // Network thread, from sessions.
    void onFrame(const std::shared_ptr<CServerSession> &session, lpcwire::Frame &frame);
    void onClosed(const std::shared_ptr<CServerSession> &session);

private:
    using Acceptor = boost::asio::local::stream_protocol::acceptor;

    void doAccept();
    void onHello(const std::shared_ptr<CServerSession> &session, const lpcwire::Frame &frame);
    void onRequest(const std::shared_ptr<CServerSession> &session, lpcwire::Frame &frame);
    void onNotify(const std::shared_ptr<CServerSession> &session, lpcwire::Frame &frame);
    void postEvent(const std::string &identity, bool connected);
    std::shared_ptr<CServerSession> findClient(const std::string &identity) const;
    lpcwire::Frame callFrame(const std::shared_ptr<CServerSession> &session,
                             const OutgoingCall &call, bool wantReply) const;

    boost::asio::io_context m_io;
    std::optional<boost::asio::executor_work_guard<boost::asio::io_context::executor_type>> m_work;
    std::optional<Acceptor> m_acceptor;
    std::thread m_ioThread;
    std::atomic<std::thread::id> m_ioThreadId{};
    CWorkerPool m_workers;
    CWorkerPool m_events;

    mutable std::mutex m_lifeMutex; // start/stop and the fields below
    bool m_running = false;
    std::string m_serverName;
    std::string m_path;
    ino_t m_socketInode = 0;
    std::string m_lastError;

    std::set<std::shared_ptr<CServerSession>> m_sessions; // network thread only

    mutable std::mutex m_clientsMutex;
    mutable std::condition_variable m_clientsCv;
    std::map<std::string, std::shared_ptr<CServerSession>> m_clients;
};

} // namespace details
} // namespace lpcserver

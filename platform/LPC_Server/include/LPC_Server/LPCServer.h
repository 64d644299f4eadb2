#pragma once
// lpcserver::CLpcServer: the framework host's end of the LPC link.
//
// Listens on a Unix socket named after the server name in the LPC socket directory
// ($QORVA_LPC_DIR, else $XDG_RUNTIME_DIR/qorva-lpc, else /tmp/qorva-lpc-<uid>), accepts
// only peers of the same uid and knows connected clients by the identity they introduce
// themselves with. One network thread does all socket I/O; handlers run on a pool of
// worker threads, connection events in order on a thread of their own, never on the
// network thread. All public functions are thread-safe unless noted.

#include <LPC_Server/LPC_ServerExport.h>

#include <LPC_Server/LPCServerTypes.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lpcserver {

namespace details {
class CServerCore;
}

class LPC_SERVER_EXPORT CLpcServer
{
public:
    /// Runs on a worker thread; the returned message is the response (ignored for Send).
    /// An exception is logged and answered with kErrorHandlerFailed.
    using RequestHandler = std::function<Message(const ClientRequest &request)>;
    /// Runs on a worker thread.
    using NotifyHandler = std::function<void(const ClientNotification &notification)>;
    /// Runs on the event thread, in the order clients came and went. A client that
    /// replaces a connection of the same identity is reported as gone, then connected.
    using ConnectionHandler = std::function<void(const std::string &identity, bool connected)>;

    explicit CLpcServer(const ServerOptions &options = ServerOptions());
    /// Stops the server.
    ~CLpcServer();
    CLpcServer(const CLpcServer &) = delete;
    CLpcServer &operator=(const CLpcServer &) = delete;

    /// Handlers are set before start() and stay fixed while running.
    void setRequestHandler(RequestHandler handler);
    void setNotifyHandler(NotifyHandler handler);
    void setConnectionHandler(ConnectionHandler handler);

    /// Creates the socket directory if needed and listens on <dir>/<serverName>. A stale
    /// socket file left by a dead server is replaced; a live server of the same name, a
    /// path longer than sun_path or a foreign directory make it fail (false, see
    /// lastError()).
    bool start(const std::string &serverName);
    /// Closes every connection (waiting calls end with ConnectionLost), drops queued
    /// requests, waits for running handlers and removes the socket file. Handlers must
    /// not call stop(). Safe to call twice; start() may follow.
    void stop();
    bool isRunning() const;
    /// Reason of the last failed start().
    std::string lastError() const;
    /// Path of the listening socket (empty when not running).
    std::string socketPath() const;

    /// Identities of the clients connected now, sorted.
    std::vector<std::string> clients() const;
    bool isConnected(const std::string &identity) const;
    /// Waits until a client with that identity is connected (true) or the time-out passes.
    bool waitForClient(const std::string &identity, int timeoutMs) const;

    /// Calls a client and waits for its Reply, at most timeoutMs milliseconds. Call it
    /// from any thread but the network thread (handlers may call it).
    CallResult call(const std::string &identity, const OutgoingCall &call, Message &reply,
                    int timeoutMs);
    /// Calls a client without waiting (the client sees needReply 0).
    CallResult post(const std::string &identity, const OutgoingCall &call);
    /// Closes the connection of one client; false when it is not connected.
    bool disconnectClient(const std::string &identity);

private:
    std::shared_ptr<details::CServerCore> d;
};

} // namespace lpcserver

#include <LPC_Server/LPCServer.h>

#include "ServerCore.h"

namespace lpcserver {

const char *toString(CallResult result)
{
    switch (result) {
    case CallResult::Ok:
        return "ok";
    case CallResult::NotRunning:
        return "server not running";
    case CallResult::NotConnected:
        return "client not connected";
    case CallResult::Timeout:
        return "time-out";
    case CallResult::ConnectionLost:
        return "connection lost";
    case CallResult::TooLarge:
        return "message too large";
    case CallResult::WrongThread:
        return "called from the network thread";
    }
    return "unknown";
}

CLpcServer::CLpcServer(const ServerOptions &options)
    : d(std::make_shared<details::CServerCore>(options))
{}

CLpcServer::~CLpcServer()
{
    d->stop();
}

void CLpcServer::setRequestHandler(RequestHandler handler)
{
    d->requestHandler = std::move(handler);
}

void CLpcServer::setNotifyHandler(NotifyHandler handler)
{
    d->notifyHandler = std::move(handler);
}

void CLpcServer::setConnectionHandler(ConnectionHandler handler)
{
    d->connectionHandler = std::move(handler);
}

bool CLpcServer::start(const std::string &serverName)
{
    return d->start(serverName);
}

void CLpcServer::stop()
{
    d->stop();
}

bool CLpcServer::isRunning() const
{
    return d->isRunning();
}

std::string CLpcServer::lastError() const
{
    return d->lastError();
}

std::string CLpcServer::socketPath() const
{
    return d->socketPath();
}

std::vector<std::string> CLpcServer::clients() const
{
    return d->clients();
}

bool CLpcServer::isConnected(const std::string &identity) const
{
    const auto all = d->clients();
    for (const auto &c : all)
        if (c == identity)
            return true;
    return false;
}

bool CLpcServer::waitForClient(const std::string &identity, int timeoutMs) const
{
    return d->waitForClient(identity, timeoutMs);
}

CallResult CLpcServer::call(const std::string &identity, const OutgoingCall &call, Message &reply,
                            int timeoutMs)
{
    return d->call(identity, call, reply, timeoutMs);
}

CallResult CLpcServer::post(const std::string &identity, const OutgoingCall &call)
{
    return d->post(identity, call);
}

bool CLpcServer::disconnectClient(const std::string &identity)
{
    return d->disconnectClient(identity);
}

} // namespace lpcserver

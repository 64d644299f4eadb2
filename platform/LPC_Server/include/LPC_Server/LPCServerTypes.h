#pragma once
// Records of the framework side of the LPC link.

#include <LPC_Server/LPC_ServerExport.h>

#include <lpc_status/LPCStatus.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace lpcserver {

/// Error number sent in a response when the request queue is full ("server busy").
constexpr std::uint32_t kErrorServerBusy = lpcstatus::ServerBusy;
/// Error number sent when the handler's answer exceeds the frame limit.
constexpr std::uint32_t kErrorResponseTooLarge = lpcstatus::FrameTooLarge;
/// Error number sent when the request handler threw instead of answering.
constexpr std::uint32_t kErrorHandlerFailed = lpcstatus::HandlerFailed;

/// Address, headers and body: the common shape of requests, responses, replies and
/// notifications. address "0" is the host itself (see lpcclient's LPCData.h).
struct LPC_SERVER_EXPORT Message
{
    std::string address = "0";
    std::map<std::string, std::string> headers;
    std::string body;
};

/// A request of a client (lpcclient::Send or SendEx).
struct LPC_SERVER_EXPORT ClientRequest
{
    std::string clientIdentity;
    /// The client's request identity (unique within that client process).
    std::uint64_t requestId = 0;
    /// False for Send: the answer of the handler is discarded.
    bool wantsResponse = false;
    Message message;
};

/// A notification of a client (lpcclient::Notify).
struct LPC_SERVER_EXPORT ClientNotification
{
    std::string clientIdentity;
    Message message;
};

/// A call from the host to a client; arrives there as tag_LPCCallBackData.
struct LPC_SERVER_EXPORT OutgoingCall
{
    /// Who makes the call: "0" for the host, else the identity of a relayed component.
    std::string source = "0";
    /// True when relaying on behalf of source.
    bool relayed = false;
    std::map<std::string, std::string> headers;
    std::string body;
};

enum class CallResult {
    Ok,
    NotRunning,     // server not started
    NotConnected,   // no client with that identity
    Timeout,        // no reply within the time-out
    ConnectionLost, // the client went away before replying
    TooLarge,       // the call exceeds the frame limit
    WrongThread,    // a waiting call from the network thread (would never complete)
};

LPC_SERVER_EXPORT const char *toString(CallResult result);

struct LPC_SERVER_EXPORT ServerOptions
{
    /// Threads that run request and notification handlers.
    std::size_t workerThreads = 4;
    /// A request that arrives while this many tasks wait for a worker is answered with
    /// kErrorServerBusy. Notifications and Send requests wait up to 16 times as many.
    std::size_t maxPendingRequests = 256;
    /// Largest frame payload accepted or sent; a larger one closes the connection.
    std::size_t maxFrameSize = 64u * 1024u * 1024u;
    /// A connection that does not introduce itself within this time is closed.
    int helloTimeoutMs = 10000;
};

} // namespace lpcserver

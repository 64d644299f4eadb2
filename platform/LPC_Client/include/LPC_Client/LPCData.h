#pragma once
// Records exchanged through lpcclient. Byte strings are UTF-8 unless a field says
// otherwise; every field travels as it is (explicit lengths on the wire, so embedded
// NULs and empty values survive).
//
// Addresses: the leading byte string of requests, notifications and replies names the
// party a message is meant for. "0" is the framework host itself; any other value is the
// identity of another component the host forwards to. A reply goes back to the source of
// the call it answers.
//
// Identities: a call identity is chosen by the server and is unique on one connection; a
// request identity is chosen by this library, starts at 1, is never 0 and is unique
// within the process for the life of the library (it keeps counting across reconnects).

#include <LPC_Client/LPC_ClientExport.h>

#include <cstdint>
#include <map>
#include <string>

namespace lpcclient {

/// A call from the server, handed to the invoke callback.
struct LPC_CLIENT_EXPORT tag_LPCCallBackData
{
    /// Call identity; copy it into tag_LPCReplyData::callId to answer this call.
    std::uint64_t callId = 0;
    /// 1 when the host relays the call on behalf of another component (named in source),
    /// 0 when the host itself makes it.
    std::uint8_t relayed = 0;
    /// 1 when the caller waits for a reply: answer with Reply exactly once. 0: no reply.
    std::uint8_t needReply = 0;
    /// Who made the call: "0" for the host, else a component identity. A reply copies it.
    std::string source;
    /// Identity the call is addressed to (this client's identity).
    std::string target;
    /// Routing headers. "url" non-empty: an HTTP-shaped request for that path, "method"
    /// its HTTP method code. "url" empty: an LPC call; "protocol" "websocket" marks a
    /// forwarded server notification, anything else a method call whose "method" header
    /// is only the host's routing hint (the body's JSON envelope names the method).
    std::map<std::string, std::string> headers;
    /// Payload, normally a JSON document.
    std::string body;
};

/// Answer to a call (see Reply).
struct LPC_CLIENT_EXPORT tag_LPCReplyData
{
    /// The callId of the call being answered.
    std::uint64_t callId = 0;
    /// Where the reply goes: the source of the call.
    std::string address;
    std::map<std::string, std::string> headers;
    std::string body;
};

/// A one-way message to the host (see Notify).
struct LPC_CLIENT_EXPORT tag_LPCNotifyData
{
    /// "0" addresses the host itself.
    std::string address = "0";
    std::map<std::string, std::string> headers;
    std::string body;
};

/// A request to the host (see Send, SendEx). HTTP-shaped requests carry the headers
/// "url", "method", "protocol" ("http") and "timeout" (milliseconds, as decimal text).
struct LPC_CLIENT_EXPORT tag_LPCRequestData
{
    /// "0" addresses the host itself.
    std::string address = "0";
    std::map<std::string, std::string> headers;
    std::string body;
};

/// The host's answer to a request (filled by SendEx).
struct LPC_CLIENT_EXPORT tag_LPCResponseData
{
    /// Who answered ("0" for the host); left as the caller set it until a response arrives.
    std::string address;
    std::map<std::string, std::string> headers;
    std::string body;
};

} // namespace lpcclient

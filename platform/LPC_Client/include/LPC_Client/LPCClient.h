#pragma once
// lpcclient: the component side of the local link to the framework host.
//
// One process-wide connection. Init names the client, ConnectToServer opens the link and
// introduces the client, and from then on one reader thread of the library delivers every
// call of the host to the invoke callback. Reply, Notify, Send and SendEx may be called
// from any thread, concurrently; SendEx blocks only its calling thread.
//
// When the link breaks without DisconnectToServer (the host died or closed it), pending
// SendEx calls fail with LPC_ERROR_CONNECTION_LOST and the callback receives one last call
// that looks like the host's own "clientDisconnected" command: headers "url" "" and
// "method" "clientDisconnected", "protocol" "lpc" (not "websocket"), needReply 0, source
// "0", callId 0, body {"method":"clientDisconnected"} as a JSON request envelope.
//
// Sockets: $QORVA_LPC_DIR/<server name>, else $XDG_RUNTIME_DIR/qorva-lpc/<server name>,
// else /tmp/qorva-lpc-<uid>/<server name>.

#include <LPC_Client/LPC_ClientExport.h>

#include <LPC_Client/LPCData.h>

#include <lpc_status/LPCStatus.h>

#include <cstdint>
#include <string>

namespace lpcclient {

/// Error numbers of GetLPCLastError(): the link's status numbers (LPCStatus.h).
enum LPCError : int {
    LPC_ERROR_OK = lpcstatus::Ok,
    LPC_ERROR_NOT_INITIALISED = lpcstatus::NotInitialised,
    LPC_ERROR_INVALID_ARGUMENT = lpcstatus::InvalidArgument,
    LPC_ERROR_NOT_CONNECTED = lpcstatus::NotConnected,
    LPC_ERROR_ALREADY_CONNECTED = lpcstatus::AlreadyConnected,
    LPC_ERROR_PATH_TOO_LONG = lpcstatus::PathTooLong,
    LPC_ERROR_CONNECT_FAILED = lpcstatus::ConnectFailed,
    LPC_ERROR_REFUSED = lpcstatus::Refused,
    LPC_ERROR_TIMEOUT = lpcstatus::Timeout,
    LPC_ERROR_CONNECTION_LOST = lpcstatus::ConnectionLost,
    LPC_ERROR_FRAME_TOO_LARGE = lpcstatus::FrameTooLarge,
    LPC_ERROR_WRITE_FAILED = lpcstatus::WriteFailed,
    LPC_ERROR_WRONG_THREAD =
        lpcstatus::WrongThread, // SendEx/Connect/Disconnect/Uninit on the callback thread
    LPC_ERROR_SERVER_BUSY = lpcstatus::ServerBusy,
    LPC_ERROR_HANDLER_FAILED = lpcstatus::HandlerFailed,
};

/// Invoke callback: runs on the library's reader thread, one call at a time. It should
/// hand the data on and return quickly: the next call, and the responses that SendEx
/// callers on other threads wait for, are read only after it returns. Reply and Notify
/// are fine here; SendEx is refused (it would wait for its own thread). Return value is
/// ignored.
using InvokeCallBack = bool (*)(const tag_LPCCallBackData &data, void *userData);

/// Sets this client's identity. replaceExisting: when another connection with the same
/// identity is open at the server, true takes its place, false makes ConnectToServer fail
/// with LPC_ERROR_REFUSED. Fails with LPC_ERROR_ALREADY_CONNECTED while connected.
LPC_CLIENT_EXPORT bool Init(const std::string &identity, bool replaceExisting);

/// Connects to the server named serverName and introduces this client; waits at most
/// 5 s for the server's welcome. Also used to reconnect after the link was lost.
LPC_CLIENT_EXPORT bool ConnectToServer(const std::string &serverName);

/// Installs (or with nullptr removes) the callback. Returns once a callback running on
/// another thread has finished, so a removed callback is never entered again.
LPC_CLIENT_EXPORT bool SetInvokeCallBack(InvokeCallBack callback, void *userData);

/// Closes the link and joins the reader thread; no "clientDisconnected" call is made.
/// Pending SendEx calls fail with LPC_ERROR_CONNECTION_LOST. False when not connected.
LPC_CLIENT_EXPORT bool DisconnectToServer();

/// Disconnects when connected and forgets identity and callback. False when not
/// initialised.
LPC_CLIENT_EXPORT bool Uninit();

/// Answers the call reply.callId. False when not connected or the write fails.
LPC_CLIENT_EXPORT bool Reply(const tag_LPCReplyData &reply);

/// Sends a one-way notification. False when not connected or the write fails.
LPC_CLIENT_EXPORT bool Notify(const tag_LPCNotifyData &notify);

/// Sends a request without waiting for its answer (the host runs it and discards the
/// response). Returns its request identity, 0 on failure.
LPC_CLIENT_EXPORT std::uint64_t Send(const tag_LPCRequestData &request);

/// Sends a request and waits for the response, at most timeoutMs milliseconds (<= 0: 60 s).
/// requestId receives the request identity (all ones when nothing was sent). On failure
/// the response is untouched; GetLPCLastError tells why (LPC_ERROR_SERVER_BUSY when the
/// host refused it for load, LPC_ERROR_TIMEOUT, LPC_ERROR_CONNECTION_LOST, ...).
LPC_CLIENT_EXPORT bool SendEx(tag_LPCResponseData &response, const tag_LPCRequestData &request,
                              std::uint64_t &requestId, int timeoutMs);

/// The error of the last failing lpcclient call on this thread (LPCError); successful
/// calls reset it to 0.
LPC_CLIENT_EXPORT int GetLPCLastError();

} // namespace lpcclient

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

#include <LPC_Client/LPCData.h>

#include <cstdint>
#include <string>

namespace lpcclient {

/// Error numbers of GetLPCLastError().
enum LPCError : int {
    LPC_ERROR_OK = 0,
    LPC_ERROR_NOT_INITIALISED = 1001,  // Init was not called (or Uninit was)
    LPC_ERROR_INVALID_ARGUMENT = 1002, // empty identity or server name, bad characters
    LPC_ERROR_NOT_CONNECTED = 1003,    // no connection to the server
    LPC_ERROR_ALREADY_CONNECTED = 1004,
    LPC_ERROR_PATH_TOO_LONG = 1005,   // socket path does not fit sun_path (108 bytes)
    LPC_ERROR_CONNECT_FAILED = 1006,  // no server listening under that name
    LPC_ERROR_REFUSED = 1007,         // server refused the introduction (identity in use, ...)
    LPC_ERROR_TIMEOUT = 1008,         // no answer within the time-out
    LPC_ERROR_CONNECTION_LOST = 1009, // link broke (while writing or waiting)
    LPC_ERROR_FRAME_TOO_LARGE = 1010, // message (or the server's answer) exceeds the frame limit
    LPC_ERROR_WRITE_FAILED = 1011,    // the message could not be written for another reason
    LPC_ERROR_WRONG_THREAD = 1012,    // SendEx/Connect/Disconnect/Uninit on the callback thread
    LPC_ERROR_SERVER_BUSY = 1015,     // server's request queue is full; try again
    LPC_ERROR_HANDLER_FAILED = 1016,  // the server's request handler failed
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
bool Init(const std::string &identity, bool replaceExisting);

/// Connects to the server named serverName and introduces this client; waits at most
/// 5 s for the server's welcome. Also used to reconnect after the link was lost.
bool ConnectToServer(const std::string &serverName);

/// Installs (or with nullptr removes) the callback. Returns once a callback running on
/// another thread has finished, so a removed callback is never entered again.
bool SetInvokeCallBack(InvokeCallBack callback, void *userData);

/// Closes the link and joins the reader thread; no "clientDisconnected" call is made.
/// Pending SendEx calls fail with LPC_ERROR_CONNECTION_LOST. False when not connected.
bool DisconnectToServer();

/// Disconnects when connected and forgets identity and callback. False when not
/// initialised.
bool Uninit();

/// Answers the call reply.callId. False when not connected or the write fails.
bool Reply(const tag_LPCReplyData &reply);

/// Sends a one-way notification. False when not connected or the write fails.
bool Notify(const tag_LPCNotifyData &notify);

/// Sends a request without waiting for its answer (the host runs it and discards the
/// response). Returns its request identity, 0 on failure.
std::uint64_t Send(const tag_LPCRequestData &request);

/// Sends a request and waits for the response, at most timeoutMs milliseconds (<= 0: 60 s).
/// requestId receives the request identity (all ones when nothing was sent). On failure
/// the response is untouched; GetLPCLastError tells why (LPC_ERROR_SERVER_BUSY when the
/// host refused it for load, LPC_ERROR_TIMEOUT, LPC_ERROR_CONNECTION_LOST, ...).
bool SendEx(tag_LPCResponseData &response, const tag_LPCRequestData &request,
            std::uint64_t &requestId, int timeoutMs);

/// The error of the last failing lpcclient call on this thread (LPCError); successful
/// calls reset it to 0.
int GetLPCLastError();

} // namespace lpcclient

#pragma once
// Status numbers of the LPC link. The server sends some of them in its response frames;
// lpcclient::GetLPCLastError reports all of them. As an error pair they travel under
// module kErrorModule: "67-1015" is "the server is busy".

#include <cstdint>

namespace lpcstatus {

/// Module number of the error pairs (Base::Error::ErrorCode) that carry an LPC status.
constexpr std::uint32_t kErrorModule = 67;

enum Status : std::uint32_t {
    Ok = 0,
    NotInitialised = 1001,  // Init was not called (or Uninit was)
    InvalidArgument = 1002, // empty identity or server name, bad characters
    NotConnected = 1003,    // no connection to the server
    AlreadyConnected = 1004,
    PathTooLong = 1005,    // socket path does not fit sun_path (108 bytes)
    ConnectFailed = 1006,  // no server listening under that name
    Refused = 1007,        // server refused the introduction (identity in use, ...)
    Timeout = 1008,        // no answer within the time-out
    ConnectionLost = 1009, // link broke (while writing or waiting)
    FrameTooLarge = 1010,  // message (or the server's answer) exceeds the frame limit
    WriteFailed = 1011,    // the message could not be written for another reason
    WrongThread = 1012,    // a waiting call on the thread that delivers the answers
    ServerBusy = 1015,     // server's request queue is full; try again
    HandlerFailed = 1016,  // the server's request handler failed
};

} // namespace lpcstatus

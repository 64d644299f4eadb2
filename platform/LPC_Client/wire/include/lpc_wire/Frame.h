#pragma once
// One LPC frame and its binary form.
//
// On the wire a frame is a 4-byte little-endian payload length followed by the payload:
//   u8  type            FrameType
//   u64 id              call identity (Call/Reply) or request identity (Request/Response)
//   u8  flag1, flag2    meaning depends on the type (see FrameType)
//   u32 status          0 or an error number (Welcome, Response)
//   u32 len + bytes     text1
//   u32 len + bytes     text2
//   u32 count, then count x (u32 len + key bytes, u32 len + value bytes)   headers
//   u32 len + bytes     body
// All integers are little-endian. A payload must be consumed exactly; anything else is
// malformed and the receiver closes the connection.

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace lpcwire {

constexpr std::size_t kLengthPrefixSize = 4;
/// Default upper bound of a payload; a larger announced length closes the connection.
constexpr std::size_t kDefaultMaxFrameSize = 64u * 1024u * 1024u;
/// Version carried in Hello.status.
constexpr std::uint32_t kProtocolVersion = 1;

enum class FrameType : std::uint8_t {
    Invalid = 0,
    Hello = 1,    // client -> server: text1 identity, flag1 replace an existing connection
    Welcome = 2,  // server -> client: status 0 accepted, else refusal reason; text1 server name
    Call = 3,     // server -> client: id call identity, flag1 relayed, flag2 wants reply,
                  //                   text1 source, text2 target
    Reply = 4,    // client -> server: id call identity, text1 address
    Request = 5,  // client -> server: id request identity, flag2 wants response, text1 address
    Response = 6, // server -> client: id request identity, status error (1015 busy), text1 address
    Notify = 7,   // client -> server: text1 address
};

bool isKnownFrameType(std::uint8_t type);

struct Frame
{
    FrameType type = FrameType::Invalid;
    std::uint64_t id = 0;
    std::uint8_t flag1 = 0;
    std::uint8_t flag2 = 0;
    std::uint32_t status = 0;
    std::string text1;
    std::string text2;
    std::map<std::string, std::string> headers;
    std::string body;

    bool operator==(const Frame &other) const;
};

/// Size of the payload that encodeFrame would write (without the length prefix).
std::size_t encodedPayloadSize(const Frame &frame);

/// Appends the length prefix and the payload of frame to out.
void encodeFrame(const Frame &frame, std::string &out);

/// Decodes exactly one payload (no length prefix). Returns false when the bytes are not
/// a well-formed frame; out may then be partly filled.
bool decodePayload(const char *data, std::size_t size, Frame &out);

} // namespace lpcwire

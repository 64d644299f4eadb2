#pragma once
// The one request path of every operation: route lookup, request body, transport call
// and answer unwrapping, with the library's error rules.

#include <JSONStruct/Routes/Routes.h>

#include <string>

namespace protocol {
class IInboundData;
class IReturnData;
} // namespace protocol

namespace commlayer {
namespace detail {

/// Sends request (null: no body) on the route of id and fills answer (null: none
/// expected) from the answer's "data". urlId replaces the route's "<id>"; query (when
/// not empty) is appended after "?". Never throws; false with the last error set.
bool call(protocol::routes::RouteId id, const protocol::IInboundData *request,
          protocol::IReturnData *answer, const std::string &urlId = std::string(),
          const std::string &query = std::string()) noexcept;

} // namespace detail
} // namespace commlayer

#pragma once
// Bodies of the route table's requests and answers, built and read by the same code in
// the backend library, the host and the server simulator.

#include <JSONStruct/ProtocolExport.h>

#include <JSONStruct/Core/JSONText.h>

#include <cstdint>
#include <memory>
#include <string>

struct cJSON;

namespace protocol {

class IInboundData;
class IReturnData;

namespace routes {
struct Route;
}

/// Request body of a route: {"<request.name()>": <request>}, unformatted; "" when it
/// cannot be built.
PROTOCOL_EXPORT std::string routeRequestBody(const IInboundData &request);

/// The request record of a route's body, still as JSON.
struct PROTOCOL_EXPORT RouteRequest
{
    /// 0, or the server error that refuses the body: ErrMalformedBody (no JSON object)
    /// or ErrMissingRecord (no object under the route's request key).
    std::uint32_t error = 0;
    /// The object under the route's request key; null for a route without a body.
    const cJSON *record = nullptr;
    /// Owns the tree that record points into.
    JSONNodePtr root;
};
PROTOCOL_EXPORT RouteRequest readRouteRequest(const routes::Route &route, const std::string &body);

/// The answer body of a route (formatted ReturnData). serverError 0: code "0-0", msg
/// "success" and data (left out when null); otherwise code "<server module>-<error>",
/// the error's text and no data.
PROTOCOL_EXPORT std::string routeAnswer(std::uint32_t serverError,
                                        std::shared_ptr<IReturnData> data = nullptr);

/// The "code" text of routeAnswer(serverError, ...): "0-0" or "<server module>-<error>".
PROTOCOL_EXPORT std::string routeAnswerCode(std::uint32_t serverError);

} // namespace protocol

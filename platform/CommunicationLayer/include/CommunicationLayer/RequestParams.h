#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <cstdint>
#include <map>
#include <string>

namespace commlayer {

/// One HTTP-shaped request as the library hands it to its IHTTPClient.
struct COMMUNICATIONLAYER_EXPORT RequestParams
{
    /// Absolute path, e.g. "/7310/v1/appointments"; becomes the "url" header.
    std::string url;
    /// Method code: 0 GET, 1 POST, 2 PUT, 3 DELETE (protocol::routes::HttpMethod).
    std::int32_t method = 0;
    /// Headers of this request; they win over commonHeaders and over the fixed headers.
    std::map<std::string, std::string> headers;
    /// Headers the library adds to every request (CommunicationLayerInitParams); they win
    /// over the fixed headers only.
    std::map<std::string, std::string> commonHeaders;
    /// Request body, sent unchanged (UTF-8 JSON for every route of the library).
    std::string body;
    /// Time-out of one attempt in milliseconds; also sent as the "timeout" header.
    std::int32_t timeout = 30000;
};

} // namespace commlayer

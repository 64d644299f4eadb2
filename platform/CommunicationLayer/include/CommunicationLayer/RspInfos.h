#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <map>
#include <memory>
#include <string>

struct cJSON;

namespace commlayer {

/// The answer to a request, filled by the IHTTPClient.
struct COMMUNICATIONLAYER_EXPORT RspInfos
{
    /// "Content-Type", "Range" and "Content-Range" when the answer carries them.
    std::map<std::string, std::string> headers;
    /// Answer body (a ReturnData JSON text for JSON answers).
    std::string body;
    /// The body's JSON tree when the transport has parsed it already (null otherwise):
    /// a page of several hundred records costs milliseconds to parse, once is enough.
    std::shared_ptr<const cJSON> tree;
};

} // namespace commlayer

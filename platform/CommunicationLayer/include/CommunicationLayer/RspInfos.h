#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <map>
#include <string>

namespace commlayer {

/// The answer to a request, filled by the IHTTPClient.
struct COMMUNICATIONLAYER_EXPORT RspInfos
{
    /// "Content-Type", "Range" and "Content-Range" when the answer carries them.
    std::map<std::string, std::string> headers;
    /// Answer body (a ReturnData JSON text for JSON answers).
    std::string body;
};

} // namespace commlayer

#pragma once

#include <CommunicationLayer/CommunicationLayerExport.h>

#include <CommunicationLayer/RequestParams.h>
#include <CommunicationLayer/RspInfos.h>

namespace commlayer {

/// Transport of the library's requests, provided by the application
/// (CommunicationLayerInit). request runs on the thread that called the backend
/// operation and blocks it; it must be safe to call from several threads at once.
class COMMUNICATIONLAYER_EXPORT IHTTPClient
{
public:
    virtual ~IHTTPClient(); // out of line, in CommunicationLayerInit.cpp

    /// Sends params and fills rsp. True when the call reached its peer and, for JSON
    /// answers, the answer's return code is success; otherwise false with the reason in
    /// Base::Error's last error. retry: whether a busy peer may be asked again.
    virtual bool request(RspInfos &rsp, const RequestParams &params, bool retry) = 0;
};

} // namespace commlayer

#pragma once
// Carries the backend library's HTTP-shaped requests to the framework as synchronous
// LPC calls.

#include <CommunicationLayer/IHTTPClient.h>

namespace comm_method {

class CHTTPOverLPCClient : public commlayer::IHTTPClient
{
public:
    /// Sends params with lpcclient::SendEx (up to three attempts while the framework
    /// answers busy and retry is true) and puts the answer's body, its "Content-Type",
    /// "Range" and "Content-Range" headers and, for a successful JSON answer, its parsed
    /// tree into rsp. Runs on the calling thread and blocks it. False with the last error
    /// 67-<LPC error> when no attempt got through, 1-7 for a JSON answer that does not
    /// parse, or the answer's own code when its code number is not 0; rsp keeps the
    /// answer in the last two cases.
    bool request(commlayer::RspInfos &rsp, const commlayer::RequestParams &params,
                 bool retry) override;
};

} // namespace comm_method

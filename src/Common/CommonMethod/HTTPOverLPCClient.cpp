#include <Common/CommonMethod/HTTPOverLPCClient.h>

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <LPC_Client/LPCClient.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace comm_method {

namespace {

using namespace protocol::wire;

constexpr int kMaxAttempts = 3;

} // namespace

bool CHTTPOverLPCClient::request(commlayer::RspInfos &rsp, const commlayer::RequestParams &params,
                                 bool retry)
{
    lpcclient::tag_LPCRequestData request;
    request.address = "0";
    request.headers[kHeaderUrl] = params.url;
    request.headers[kHeaderMethod] = std::to_string(params.method);
    request.headers[kHeaderProtocol] = kProtocolHttp;
    request.headers[kHeaderTimeout] = std::to_string(params.timeout);
    // Assigned by key: the per-request map overrides the common one, both override the
    // fixed headers.
    for (const auto &header : params.commonHeaders)
        request.headers[header.first] = header.second;
    for (const auto &header : params.headers)
        request.headers[header.first] = header.second;
    request.body = params.body;

    lpcclient::tag_LPCResponseData response;
    bool sent = false;
    int lpcError = 0;
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        std::uint64_t requestId = ~std::uint64_t(0);
        if (lpcclient::SendEx(response, request, requestId, params.timeout)) {
            sent = true;
            break;
        }
        lpcError = lpcclient::GetLPCLastError();
        if (lpcError != lpcclient::LPC_ERROR_SERVER_BUSY)
            break;
        LOG_WARN("Failed to request [url-%s]. lpcclient::SendEx failed. [error-%d].[Retry-%d].",
                 params.url.c_str(), lpcError, attempt);
        if (!retry)
            break;
    }
    if (!sent) {
        Base::Error::SetLastError(lpcstatus::kErrorModule, static_cast<std::uint32_t>(lpcError));
        LOG_ERROR("Failed to request [url-%s]. lpcclient::SendEx failed. [error-%d].",
                  params.url.c_str(), lpcError);
        return false;
    }

    // Taken before any check so that the library can still read the server's message.
    rsp.body = std::move(response.body);
    std::string contentType;
    for (const char *key : {kHeaderContentType, "Range", "Content-Range"}) {
        const auto found = response.headers.find(key);
        if (found == response.headers.end())
            continue;
        rsp.headers[key] = found->second;
        if (found->first == kHeaderContentType)
            contentType = found->second;
    }

    if (rsp.body.empty())
        return true;
    // Images, files and other bodies go back unchecked.
    if (contentType != protocol::routes::kJsonContentType)
        return true;

    protocol::ReturnData answer(nullptr);
    protocol::JSONNodePtr tree;
    if (!answer.Parse(rsp.body, tree)) {
        Base::Error::SetLastError(1, 7);
        LOG_WARN("Failed to request [url-%s]. JSON paring failed. [body-%s].", params.url.c_str(),
                 rsp.body.c_str());
        return false;
    }
    if (answer.code.code != 0) {
        Base::Error::SetLastError(answer.code);
        LOG_WARN("Failed to request [url-%s]. [error-%d-%d].", params.url.c_str(),
                 static_cast<int>(answer.code.module), static_cast<int>(answer.code.code));
        return false;
    }
    rsp.tree = std::shared_ptr<const cJSON>(tree.release(), protocol::JSONNodeDeleter());
    return true;
}

} // namespace comm_method

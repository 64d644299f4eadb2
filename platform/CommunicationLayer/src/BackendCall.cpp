#include "BackendCall.h"

#include "Session.h"

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/HTTP/RouteEnvelope.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <exception>

namespace commlayer {
namespace detail {

namespace {

using namespace protocol::routes;

bool fail(const Route &route, const std::string &url, std::uint32_t code, const char *why)
{
    Base::Error::SetLastError(kCommLayerModule, code);
    LOG_WARN("Failed to call [%s] [url-%s]. %s [error-%u-%u].", route.operation, url.c_str(), why,
             kCommLayerModule, code);
    return false;
}

// Checks the whole answer before touching the record, so that a failure leaves it as
// it was.
bool readAnswer(const Route &route, const std::string &url, const RspInfos &rsp,
                protocol::IReturnData *answer)
{
    if (answer == nullptr && rsp.body.empty())
        return true;
    protocol::JSONNodePtr parsed;
    const cJSON *root = rsp.tree.get();
    if (root == nullptr) {
        const char *errorAt = nullptr;
        parsed = protocol::parseJSONText(rsp.body, errorAt);
        root = parsed.get();
    }
    if (!root || !cJSON_IsObject(root))
        return fail(route, url, ErrAnswerNotJSON, "The answer is not a JSON object.");

    // The transport checks the code of answers with the JSON content type only.
    const cJSON *code = cJSON_GetObjectItem(root, protocol::wire::key::kCode);
    if (code != nullptr) {
        const Base::Error::ErrorCode error =
            protocol::Str2ErrorCode(cJSON_IsString(code) ? code->valuestring : std::string());
        if (error.code != 0) {
            Base::Error::SetLastError(error);
            LOG_WARN("Failed to call [%s] [url-%s]. [error-%u-%u].", route.operation, url.c_str(),
                     error.module, error.code);
            return false;
        }
    }
    if (answer == nullptr)
        return true;

    const cJSON *data = cJSON_GetObjectItem(root, protocol::wire::key::kData);
    if (!cJSON_IsObject(data))
        return fail(route, url, ErrAnswerWrongShape, "The answer has no \"data\" object.");
    if (route.answerKey[0] != '\0') {
        data = cJSON_GetObjectItem(data, route.answerKey);
        if (!cJSON_IsObject(data))
            return fail(route, url, ErrAnswerWrongShape, "The answer's \"data\" lacks its record.");
    }
    answer->fromJSON(data);
    return true;
}

} // namespace

bool call(RouteId id, const protocol::IInboundData *request, protocol::IReturnData *answer,
          const std::string &urlId, const std::string &query) noexcept
{
    const Route &route = findRoute(id);
    std::string url = route.url;
    try {
        CommunicationLayerInitParams session;
        if (!currentSession(session) || !session.httpClient)
            return fail(route, url, ErrNotInitialised,
                        "The communication layer is not initialised.");

        url = buildUrl(route, urlId);
        if (url.empty()) {
            url = route.url;
            const std::string why = "Invalid identifier [" + urlId + "].";
            return fail(route, url, ErrInvalidIdentifier, why.c_str());
        }
        if (!query.empty())
            url += "?" + query;

        RequestParams params;
        params.url = url;
        params.method = route.method;
        params.timeout = session.timeout;
        params.commonHeaders = session.commonHeaders;
        if (request != nullptr) {
            params.body = protocol::routeRequestBody(*request);
            if (params.body.empty())
                return fail(route, url, ErrRequestNotBuilt, "The request body could not be built.");
            params.headers[protocol::wire::kHeaderContentType] = kJsonContentType;
        }

        RspInfos rsp;
        if (!session.httpClient->request(rsp, params, session.retryWhenBusy))
            return false; // the transport has set the last error and logged
        return readAnswer(route, url, rsp, answer);
    } catch (const std::exception &e) {
        LOG_ERROR("Failed to call [%s] [url-%s]. Exception: %s.", route.operation, url.c_str(),
                  e.what());
    } catch (...) {
        LOG_ERROR("Failed to call [%s] [url-%s]. Unknown exception.", route.operation, url.c_str());
    }
    Base::Error::SetLastError(kCommLayerModule, ErrUnexpected);
    return false;
}

} // namespace detail
} // namespace commlayer

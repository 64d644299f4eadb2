#include <JSONStruct/HTTP/RouteEnvelope.h>

#include <JSONStruct/Core/IInboundData.h>
#include <JSONStruct/Core/IReturnData.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/Routes/Routes.h>

#include <cjson/cJSON.h>

namespace protocol {

std::string routeRequestBody(const IInboundData &request)
{
    JSONNodePtr root(cJSON_CreateObject());
    if (!root || !addMember(root.get(), request.name(), request.toJSON()))
        return std::string();
    char *text = cJSON_PrintUnformatted(root.get());
    if (text == nullptr)
        return std::string();
    std::string body(text);
    cJSON_free(text);
    return body;
}

RouteRequest readRouteRequest(const routes::Route &route, const std::string &body)
{
    RouteRequest request;
    if (route.requestKey[0] == '\0')
        return request;
    const char *errorAt = nullptr;
    request.root = parseJSONText(body, errorAt);
    if (!request.root || !cJSON_IsObject(request.root.get())) {
        request.error = routes::ErrMalformedBody;
        return request;
    }
    request.record = cJSON_GetObjectItemCaseSensitive(request.root.get(), route.requestKey);
    if (!cJSON_IsObject(request.record)) {
        request.record = nullptr;
        request.error = routes::ErrMissingRecord;
    }
    return request;
}

namespace {

Base::Error::ErrorCode answerCode(std::uint32_t serverError)
{
    return serverError == 0 ? Base::Error::ErrorCode()
                            : Base::Error::ErrorCode{routes::kServerModule, serverError};
}

} // namespace

std::string routeAnswer(std::uint32_t serverError, std::shared_ptr<IReturnData> data)
{
    ReturnData answer(serverError == 0 ? std::move(data) : nullptr);
    answer.code = answerCode(serverError);
    if (serverError == 0) {
        answer.msg = routes::kSuccessMessage;
    } else {
        const char *text = routes::errorText(routes::kServerModule, serverError);
        answer.msg = text != nullptr ? text : "";
    }
    return answer.toString();
}

std::string routeAnswerCode(std::uint32_t serverError)
{
    return ErrorCode2Str(answerCode(serverError));
}

} // namespace protocol

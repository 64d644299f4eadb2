#include "RequestRouter.h"

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Routes/Routes.h>

#include <Base/GuidUtil.h>
#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <cstdlib>
#include <memory>

namespace clientframework {

namespace {

using protocol::routes::kServerModule;

std::string header(const std::map<std::string, std::string> &headers, const char *key)
{
    const auto it = headers.find(key);
    return it == headers.end() ? std::string() : it->second;
}

const char *errorText(unsigned module, unsigned code)
{
    for (const auto &entry : protocol::routes::errorTexts()) {
        if (entry.module == module && entry.code == code)
            return entry.text;
    }
    return "";
}

std::vector<std::string> stringArray(const cJSON *array)
{
    std::vector<std::string> values;
    const cJSON *item = nullptr;
    cJSON_ArrayForEach(item, array)
    {
        if (cJSON_IsString(item))
            values.emplace_back(item->valuestring);
    }
    return values;
}

struct JsonDeleter
{
    void operator()(cJSON *node) const { cJSON_Delete(node); }
};
using JsonPtr = std::unique_ptr<cJSON, JsonDeleter>;

} // namespace

RequestRouter::RequestRouter(qorvaserver::CManagementServer *server) : m_server(server)
{
    m_operator = DemoOperator::demoOperators().front();
}

void RequestRouter::setServer(qorvaserver::CManagementServer *server)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_server = server;
    // Calls already forwarded may still be inside the previous server.
    m_serverIdle.wait(lock, [this] { return m_serverCalls == 0; });
}

void RequestRouter::setOperator(const DemoOperator &op)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_operator = op;
}

DemoOperator RequestRouter::currentOperator() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_operator;
}

void RequestRouter::setObserver(Observer observer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_observer = std::move(observer);
}

std::string RequestRouter::returnData(unsigned module, unsigned code, const std::string &dataJson)
{
    JsonPtr root(cJSON_CreateObject());
    const std::string codeText = std::to_string(module) + "-" + std::to_string(code);
    cJSON_AddStringToObject(root.get(), "code", codeText.c_str());
    cJSON_AddStringToObject(root.get(), "msg", module == 0 ? "" : errorText(module, code));
    if (!dataJson.empty()) {
        cJSON *data = cJSON_Parse(dataJson.c_str());
        if (data != nullptr)
            cJSON_AddItemToObject(root.get(), "data", data);
    }
    char *text = cJSON_PrintUnformatted(root.get());
    std::string out = text != nullptr ? text : std::string();
    cJSON_free(text);
    return out;
}

lpcserver::OutgoingCall RequestRouter::notificationCall(const std::string &type,
                                                        const std::string &dataJson)
{
    JsonPtr root(cJSON_CreateObject());
    cJSON_AddStringToObject(root.get(), "guid", Base::GuidUtil::CreateGuid().c_str());
    cJSON_AddStringToObject(root.get(), "type", type.c_str());
    cJSON *data = cJSON_Parse(dataJson.c_str());
    cJSON_AddItemToObject(root.get(), "data", data != nullptr ? data : cJSON_CreateObject());
    char *text = cJSON_PrintUnformatted(root.get());
    lpcserver::OutgoingCall call;
    // An empty url marks it as no HTTP request; the protocol marks the notification.
    call.headers = {{"url", ""}, {"protocol", "websocket"}};
    call.body = text != nullptr ? text : std::string();
    cJSON_free(text);
    return call;
}

lpcserver::Message RequestRouter::json(const std::string &body) const
{
    lpcserver::Message answer;
    answer.headers["Content-Type"] = protocol::routes::kJsonContentType;
    answer.body = body;
    return answer;
}

lpcserver::Message RequestRouter::route(const lpcserver::ClientRequest &request)
{
    const auto &headers = request.message.headers;
    const std::string url = header(headers, "url");
    const std::string methodText = header(headers, "method");
    char *end = nullptr;
    const long method = std::strtol(methodText.c_str(), &end, 10);
    const bool methodOk = !methodText.empty() && end != nullptr && *end == '\0';

    lpcserver::Message answer;
    if (url.empty() || !methodOk) {
        LOG_WARN("Refused request without url or method code. url[%s] method[%s] from [%s].", url.c_str(),
                 methodText.c_str(), request.clientIdentity.c_str());
        answer = json(returnData(kServerModule, protocol::routes::ErrUnknownRoute));
    } else {
        bool urlKnown = false;
        const protocol::routes::Route *route =
            protocol::routes::matchRoute(static_cast<std::int32_t>(method), url, nullptr, &urlKnown);
        if (route != nullptr && route->answeredBy == protocol::routes::Answerer::Host) {
            answer = answerHost(static_cast<int>(route->id), request.message.body);
        } else {
            qorvaserver::CManagementServer *server = nullptr;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                server = m_server;
                if (server != nullptr)
                    ++m_serverCalls;
            }
            if (server == nullptr) {
                answer = json(returnData(kServerModule, protocol::routes::ErrInternal));
            } else {
                // The server's answer travels back unchanged, headers and body.
                const qorvaserver::ServerAnswer reply =
                    server->handle(static_cast<std::int32_t>(method), url, headers, request.message.body);
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    if (--m_serverCalls == 0)
                        m_serverIdle.notify_all();
                }
                answer.headers["Content-Type"] = reply.contentType;
                answer.body = reply.body;
            }
        }
    }

    Observer observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        observer = m_observer;
    }
    if (observer) {
        std::string code;
        JsonPtr parsed(cJSON_Parse(answer.body.c_str()));
        const cJSON *codeNode = parsed ? cJSON_GetObjectItemCaseSensitive(parsed.get(), "code") : nullptr;
        if (cJSON_IsString(codeNode))
            code = codeNode->valuestring;
        observer(url, methodOk ? static_cast<int>(method) : -1, code);
    }
    return answer;
}

lpcserver::Message RequestRouter::answerHost(int routeId, const std::string &body)
{
    using protocol::routes::RouteId;
    const auto id = static_cast<RouteId>(routeId);
    if (id == RouteId::GetOperatorPermissions)
        return json(returnData(0, 0, currentOperator().permissionJson()));

    JsonPtr root(cJSON_Parse(body.c_str()));
    if (!root || !cJSON_IsObject(root.get()))
        return json(returnData(kServerModule, protocol::routes::ErrMalformedBody));

    if (id == RouteId::RegisterComponent) {
        const cJSON *info = cJSON_GetObjectItemCaseSensitive(root.get(), "componentRegisterInfo");
        if (!cJSON_IsObject(info))
            return json(returnData(kServerModule, protocol::routes::ErrMissingRecord));
        const cJSON *urls = cJSON_GetObjectItemCaseSensitive(info, "supportUrlList");
        const cJSON *methods = cJSON_GetObjectItemCaseSensitive(info, "supportMethodList");
        if (!cJSON_IsArray(urls) || !cJSON_IsArray(methods))
            return json(returnData(kServerModule, protocol::routes::ErrInvalidParameter));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_urls = stringArray(urls);
        m_methods = stringArray(methods);
        LOG_INFO("Component registered %zu urls and %zu methods.", m_urls.size(), m_methods.size());
        return json(returnData(0, 0));
    }

    if (id == RouteId::SubscribeNotifications) {
        const cJSON *info = cJSON_GetObjectItemCaseSensitive(root.get(), "subscribeInfo");
        if (!cJSON_IsObject(info))
            return json(returnData(kServerModule, protocol::routes::ErrMissingRecord));
        const cJSON *types = cJSON_GetObjectItemCaseSensitive(info, "typeList");
        if (!cJSON_IsArray(types))
            return json(returnData(kServerModule, protocol::routes::ErrInvalidParameter));
        std::lock_guard<std::mutex> lock(m_mutex);
        // A new subscription replaces the earlier one.
        m_subscriptions = stringArray(types);
        m_subscribed = std::set<std::string>(m_subscriptions.begin(), m_subscriptions.end());
        LOG_INFO("Component subscribed %zu notification types (%zu distinct).", m_subscriptions.size(),
                 m_subscribed.size());
        return json(returnData(0, 0));
    }
    return json(returnData(kServerModule, protocol::routes::ErrUnknownRoute));
}

std::vector<std::string> RequestRouter::registeredUrls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_urls;
}

std::vector<std::string> RequestRouter::registeredMethods() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_methods;
}

std::vector<std::string> RequestRouter::subscriptions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_subscriptions;
}

bool RequestRouter::isSubscribed(const std::string &type) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_subscribed.count(type) != 0;
}

void RequestRouter::clearComponentState()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_urls.clear();
    m_methods.clear();
    m_subscriptions.clear();
    m_subscribed.clear();
}

} // namespace clientframework

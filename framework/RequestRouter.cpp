#include "RequestRouter.h"

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Framework/ComponentRegisterInfo.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/HTTP/RouteEnvelope.h>
#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>
#include <JSONStruct/framework_services/OperatorPermissionData.h>
#include <JSONStruct/framework_services/SubscribeInfo.h>

#include <Base/GuidUtil.h>
#include <Base/Log.h>

#include <cjson/cJSON.h>

#include <cstdlib>
#include <memory>

namespace clientframework {

namespace {

using namespace protocol::routes;
using namespace protocol::wire;

std::string header(const std::map<std::string, std::string> &headers, const char *key)
{
    const auto it = headers.find(key);
    return it == headers.end() ? std::string() : it->second;
}

// A request the host answers must carry every member of its record.
template <class Record> bool complete(const Record &record)
{
    for (const auto &field : Record::fields()) {
        if (!record.hasKey(field.key))
            return false;
    }
    return true;
}

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

lpcserver::OutgoingCall RequestRouter::notificationCall(const std::string &type,
                                                        const std::string &dataJson)
{
    // The server's body travels as it is: a body record that copies whatever it reads.
    const char *errorAt = nullptr;
    protocol::JSONNodePtr body = protocol::parseJSONText(dataJson, errorAt);
    if (!body)
        body.reset(cJSON_CreateObject());
    protocol::WebSocketNotifyData envelope(
        std::make_shared<protocol::GenericWebsocketData>(nullptr, body.get()));
    envelope.guid = Base::GuidUtil::CreateGuid();
    envelope.type = type;
    lpcserver::OutgoingCall call;
    // An empty url marks it as no HTTP request; the protocol marks the notification.
    call.headers = {{kHeaderUrl, ""}, {kHeaderProtocol, kProtocolWebsocket}};
    call.body = envelope.toString();
    return call;
}

RequestRouter::Answer RequestRouter::json(std::uint32_t error,
                                          std::shared_ptr<protocol::IReturnData> data)
{
    Answer answer;
    answer.message.headers[kHeaderContentType] = kJsonContentType;
    answer.message.body = protocol::routeAnswer(error, std::move(data));
    answer.code = protocol::routeAnswerCode(error);
    return answer;
}

lpcserver::Message RequestRouter::route(const lpcserver::ClientRequest &request)
{
    const auto &headers = request.message.headers;
    const std::string url = header(headers, kHeaderUrl);
    const std::string methodText = header(headers, kHeaderMethod);
    char *end = nullptr;
    const long method = std::strtol(methodText.c_str(), &end, 10);
    const bool methodOk = !methodText.empty() && end != nullptr && *end == '\0';

    Answer answer;
    if (url.empty() || !methodOk) {
        LOG_WARN("Refused request without url or method code. url[%s] method[%s] from [%s].", url.c_str(),
                 methodText.c_str(), request.clientIdentity.c_str());
        answer = json(ErrUnknownRoute);
    } else {
        bool urlKnown = false;
        const Route *route = matchRoute(static_cast<std::int32_t>(method), url, nullptr, &urlKnown);
        if (route != nullptr && route->answeredBy == Answerer::Host) {
            answer = answerHost(*route, request.message.body);
        } else {
            qorvaserver::CManagementServer *server = nullptr;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                server = m_server;
                if (server != nullptr)
                    ++m_serverCalls;
            }
            if (server == nullptr) {
                answer = json(ErrInternal);
            } else {
                // The server's answer travels back unchanged, headers and body.
                qorvaserver::ServerAnswer reply = server->handle(
                    static_cast<std::int32_t>(method), url, headers, request.message.body);
                {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    if (--m_serverCalls == 0)
                        m_serverIdle.notify_all();
                }
                answer.message.headers[kHeaderContentType] = reply.contentType;
                answer.message.body = std::move(reply.body);
                answer.code = std::move(reply.code);
            }
        }
    }

    Observer observer;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        observer = m_observer;
    }
    if (observer) {
        // Only a JSON answer has a code to report.
        const bool isJson = header(answer.message.headers, kHeaderContentType) == kJsonContentType;
        const bool coded = isJson && !answer.message.body.empty();
        observer(url, methodOk ? static_cast<int>(method) : -1,
                 coded ? answer.code : std::string());
    }
    return std::move(answer.message);
}

RequestRouter::Answer RequestRouter::answerHost(const protocol::routes::Route &route,
                                                const std::string &body)
{
    if (route.id == RouteId::GetOperatorPermissions)
        return json(
            0, std::make_shared<protocol::OperatorPermissionData>(currentOperator().permissions()));

    const protocol::RouteRequest request = protocol::readRouteRequest(route, body);
    if (request.error != 0)
        return json(request.error);

    if (route.id == RouteId::RegisterComponent) {
        const protocol::ComponentRegisterInfo info(request.record);
        if (!complete(info))
            return json(ErrInvalidParameter);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_urls = info.supportUrlList;
        m_methods = info.supportMethodList;
        LOG_INFO("Component registered %zu urls and %zu methods.", m_urls.size(), m_methods.size());
        return json(0);
    }

    if (route.id == RouteId::SubscribeNotifications) {
        const protocol::SubscribeInfo info(request.record);
        if (!complete(info))
            return json(ErrInvalidParameter);
        std::lock_guard<std::mutex> lock(m_mutex);
        // A new subscription replaces the earlier one.
        m_subscriptions = info.typeList;
        m_subscribed = std::set<std::string>(m_subscriptions.begin(), m_subscriptions.end());
        LOG_INFO("Component subscribed %zu notification types (%zu distinct).", m_subscriptions.size(),
                 m_subscribed.size());
        return json(0);
    }
    return json(ErrUnknownRoute);
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

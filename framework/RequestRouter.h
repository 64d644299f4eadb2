#pragma once
// Routes the component's HTTP-shaped LPC requests: registration, subscription and the
// operator's permissions are answered here; every other request goes to the management
// server core unchanged. Thread-safe: the LPC server calls route() on its worker threads.

#include "DemoOperator.h"

#include <LPC_Server/LPCServerTypes.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace qorvaserver {
class CManagementServer;
}
namespace protocol {
class IReturnData;
namespace routes {
struct Route;
}
} // namespace protocol

namespace clientframework {

class RequestRouter
{
public:
    /// server may be null: forwarded requests are then answered with an internal error.
    explicit RequestRouter(qorvaserver::CManagementServer *server = nullptr);

    /// Returns once no call into the previous server is running, so the caller may destroy
    /// it. Not from inside a call the router forwarded.
    void setServer(qorvaserver::CManagementServer *server);
    void setOperator(const DemoOperator &op);
    DemoOperator currentOperator() const;

    /// Answers one request (runs on an LPC worker thread).
    lpcserver::Message route(const lpcserver::ClientRequest &request);

    /// What the component registered and subscribed (copies).
    std::vector<std::string> registeredUrls() const;
    std::vector<std::string> registeredMethods() const;
    /// Types in the order sent, repeats kept.
    std::vector<std::string> subscriptions() const;
    bool isSubscribed(const std::string &type) const;
    /// Forgets registration and subscriptions (a restarted component sends them again).
    void clearComponentState();

    /// Called after each routed request with (url, method code, answer code text); any thread.
    using Observer = std::function<void(const std::string &url, int method, const std::string &code)>;
    void setObserver(Observer observer);

    /// The call that carries a server notification to the component: headers "url" ""
    /// and "protocol" "websocket", body a WebSocketNotifyData envelope {"guid","type",
    /// "data"} with a fresh guid. A dataJson that does not parse travels as {}. Whether
    /// the type may be sent at all is isSubscribed's business.
    static lpcserver::OutgoingCall notificationCall(const std::string &type,
                                                    const std::string &dataJson);

private:
    // An answer with its return code beside the body, so that the observer need not
    // parse the body again to learn it.
    struct Answer
    {
        lpcserver::Message message;
        std::string code;
    };
    Answer answerHost(const protocol::routes::Route &route, const std::string &body);
    static Answer json(std::uint32_t error, std::shared_ptr<protocol::IReturnData> data = nullptr);

    mutable std::mutex m_mutex;
    qorvaserver::CManagementServer *m_server = nullptr;
    int m_serverCalls = 0; // forwarded calls still running in m_server
    std::condition_variable m_serverIdle;
    DemoOperator m_operator;
    std::vector<std::string> m_urls;
    std::vector<std::string> m_methods;
    std::vector<std::string> m_subscriptions;
    std::set<std::string> m_subscribed;
    Observer m_observer;
};

} // namespace clientframework

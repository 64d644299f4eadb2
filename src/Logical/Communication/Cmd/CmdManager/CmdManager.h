#pragma once
// Decides what the component answers to: URL and method tables, registration with the
// framework, the notification subscription, and the dispatch of arriving work.

#include <LPC_Client/LPCData.h>

#include <Base/Singleton.h>

#include <atomic>
#include <functional>
#include <map>
#include <shared_mutex>
#include <string>
#include <vector>

namespace visitorclient {

class CLpcCmd;

class CCmdManager : public Base::CSingleton<CCmdManager>
{
    friend class Base::CSingleton<CCmdManager>;

public:
    using HttpHandler = std::function<void(CLpcCmd &cmd, lpcclient::tag_LPCReplyData &reply,
                                           const lpcclient::tag_LPCCallBackData &data)>;
    using LpcHandler = void (CLpcCmd::*)();
    /// Sends a reply to the framework; false when it could not be sent.
    using ReplySender = bool (*)(const lpcclient::tag_LPCReplyData &reply);
    /// A method outside the framework's table (test tools): the call's body in, the
    /// reply's body out. Pool threads.
    using ExtraHandler = std::function<std::string(const std::string &body)>;

    /// Maps, registration, permissions, subscriptions; false when registration failed
    /// (the maps stay filled). GUI thread.
    bool init();
    /// Empties both maps. Safe twice.
    void unInit();

    void initHttpMap();
    void initLpcMap();
    bool registerSupport();
    bool registerPermission();
    bool subscribeWebsocket();

    /// How replies leave the component: set by the LPC link when it comes up
    /// (CLpcInterface::lpcInit). Without one a reply that is due fails (logged).
    void setReplySender(ReplySender sender);

    /// Pool threads. False for an unknown URL or method, or a reply that failed.
    bool dispatchHttp(const std::string &url, const lpcclient::tag_LPCCallBackData &data);
    bool dispatchLpc(const std::string &method, const lpcclient::tag_LPCCallBackData &data);

    /// Serves method with handler from now on, also across unInit() and init(). It is
    /// not announced at registration. Any thread.
    void addExtraMethod(const std::string &method, ExtraHandler handler);

    bool isValidUrl(std::string &normalised, const std::string &url) const;
    bool isValidMethod(const std::string &method) const;

    /// What registerSupport announces and subscribeWebsocket subscribes, in order.
    static std::vector<std::string> supportUrls();
    static std::vector<std::string> supportMethods();
    static std::vector<std::string> websocketTypes();
    /// URL with numeric pieces as "<id>" and 32-character pieces as "<guid>".
    static std::string normaliseUrl(const std::string &url);

private:
    CCmdManager() = default;
    bool sendReply(const lpcclient::tag_LPCReplyData &reply) const;

    std::atomic<ReplySender> m_replySender{nullptr};

    // Filled on the GUI thread while pool threads may already read (calls arriving
    // before the maps are filled): readers share, writers exclude.
    mutable std::shared_mutex m_mapMutex;
    std::map<std::string, HttpHandler> m_httpMap;
    std::map<std::string, LpcHandler> m_lpcMap;
    std::map<std::string, ExtraHandler> m_extraMap;
};

} // namespace visitorclient

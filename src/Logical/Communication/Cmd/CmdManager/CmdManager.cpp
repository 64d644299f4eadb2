#include "CmdManager.h"

#include <Logical/Communication/Cmd/LpcCmd/LpcCmd.h>

#include <JSONStruct/Framework/ComponentRegisterInfo.h>
#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/framework_services/SubscribeInfo.h>

#include <CommunicationLayer/CComponentRegisterComm.h>
#include <CommunicationLayer/CSubscribeComm.h>
#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Error.h>
#include <Base/Log.h>

#include <mutex>
#include <sstream>

namespace visitorclient {

namespace {

// A handler that set no reply still answers: the empty reply must reach the caller.
void addressReply(lpcclient::tag_LPCReplyData &reply, const lpcclient::tag_LPCCallBackData &data)
{
    if (reply.callId == 0 && reply.address.empty()) {
        reply.callId = data.callId;
        reply.address = data.source;
        reply.headers = data.headers;
    }
}

const char kTemplateTestUrl[] = "/7310/v1/internal/template/tests";

// Every all-digit piece counts as a number, even one too long for 64 bits: a
// 32-digit decimal identifier is an "<id>", never a "<guid>".
bool isNumber(const std::string &piece)
{
    if (piece.empty())
        return false;
    for (char c : piece) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> CCmdManager::supportUrls()
{
    return {kTemplateTestUrl};
}

std::vector<std::string> CCmdManager::supportMethods()
{
    // "componentUninit" is served but not announced.
    using namespace protocol::wire;
    return {kMethodGetWndHandle, kMethodShowWnd, kMethodSwitchUserUpdateFrame,
            kMethodClientDisconnected};
}

std::vector<std::string> CCmdManager::websocketTypes()
{
    // Entries 36 to 38 repeat 14, 15 and 17; the framework gets the list as it stands.
    return {"organizationAdded",        "organizationModified",      "organizationRemoved",
            "personnelAdded",           "personnelRemoved",          "personnelNameModified",
            "parentModified",           "personnelDataChanged",      "deviceAdded",
            "deviceRemoved",            "deviceModified",            "deviceLogin",
            "deviceLogout",             "doorAdded",                 "doorRemoved",
            "doorOnlineState",          "doorNameChanged",           "resourceFWAdded",
            "resourceFWRemoved",        "resourceBatchRemoved",      "resourceBatchEnableState",
            "resourceBatchOnlineState", "groupAdded",                "groupRemoved",
            "groupNameChanged",         "groupOrderChanged",         "elementNameChanged",
            "elementAdded",             "elementRemoved",            "elementBatchRemoved",
            "elementFWAdded",           "elementFWRemoved",          "elementOrderChanged",
            "elementOnlineChanged",     "elementBatchOnlineChanged", "doorAdded",
            "doorRemoved",              "doorNameChanged",           "cardReaderAdded",
            "cardReaderRemoved",        "cardReaderNameChanged",     "groupDeviceChanged",
            "downloadPermission",       "appointmentDeleted"};
}

bool CCmdManager::init()
{
    initHttpMap();
    LOG_INFO("Init Http Map Success.");
    initLpcMap();
    LOG_INFO("Init Lpc Map Success.");
    if (!registerSupport()) {
        LOG_ERROR("Register Support Failed.");
        return false;
    }
    LOG_INFO("Register Support Success.");
    if (!registerPermission()) {
        LOG_ERROR("Register Permission Failed.");
        return false;
    }
    LOG_INFO("Register Permission Success.");
    if (!subscribeWebsocket()) {
        LOG_ERROR("Subscribe Websocket Failed.");
        return false;
    }
    LOG_INFO("Subscribe Websocket Success.");
    return true;
}

void CCmdManager::unInit()
{
    std::unique_lock<std::shared_mutex> lock(m_mapMutex);
    m_httpMap.clear();
    m_lpcMap.clear();
}

void CCmdManager::initHttpMap()
{
    std::unique_lock<std::shared_mutex> lock(m_mapMutex);
    // The template test needs no work: the caller only wants an (empty) answer.
    m_httpMap[kTemplateTestUrl] = [](CLpcCmd &, lpcclient::tag_LPCReplyData &,
                                     const lpcclient::tag_LPCCallBackData &) {};
}

void CCmdManager::initLpcMap()
{
    std::unique_lock<std::shared_mutex> lock(m_mapMutex);
    using namespace protocol::wire;
    m_lpcMap[kMethodGetWndHandle] = &CLpcCmd::getWndId;
    m_lpcMap[kMethodShowWnd] = &CLpcCmd::showWnd;
    m_lpcMap[kMethodSwitchUserUpdateFrame] = &CLpcCmd::switchUserUpdateFrame;
    m_lpcMap[kMethodClientDisconnected] = &CLpcCmd::exitProcess;
    m_lpcMap[kMethodComponentUninit] = &CLpcCmd::exitProcess;
}

bool CCmdManager::registerSupport()
{
    protocol::ComponentRegisterInfo info;
    info.supportUrlList = supportUrls();
    info.supportMethodList = supportMethods();
    if (commlayer::CComponentRegisterComm::request(info)) {
        LOG_INFO("Component Register Success.");
        return true;
    }
    const Base::Error::ErrorCode error = Base::Error::GetLastError();
    LOG_ERROR("Component Register Failed.Code[%d-%d]", static_cast<int>(error.module), static_cast<int>(error.code));
    return false;
}

bool CCmdManager::registerPermission()
{
    // The component has no permissions of its own.
    return true;
}

bool CCmdManager::subscribeWebsocket()
{
    auto &center = clientcommonlogical::CNotifyCenterManager::Instance();
    // The client-common library does not link the backend library: hand it the call.
    center.setSubscribeFunction([](const std::vector<std::string> &types) {
        protocol::SubscribeInfo info;
        info.typeList = types;
        return commlayer::CSubscribeComm::subscribe(info);
    });
    center.initWebsocketTypes(websocketTypes());
    return center.subscribe();
}

std::string CCmdManager::normaliseUrl(const std::string &url)
{
    std::string result;
    std::istringstream stream(url);
    std::string piece;
    bool first = true;
    while (std::getline(stream, piece, '/')) {
        if (piece.empty())
            continue;
        if (isNumber(piece)) {
            if (!(first && piece == "7310"))
                piece = "<id>";
        } else if (piece.size() == 32) {
            piece = "<guid>";
        }
        first = false;
        result += '/';
        result += piece;
    }
    return result;
}

bool CCmdManager::isValidUrl(std::string &normalised, const std::string &url) const
{
    std::shared_lock<std::shared_mutex> lock(m_mapMutex);
    if (m_httpMap.count(url)) {
        normalised = url;
        return true;
    }
    const std::string candidate = normaliseUrl(url);
    if (m_httpMap.count(candidate)) {
        normalised = candidate;
        return true;
    }
    LOG_ERROR("Url Is InValid.Url[%s]", url.c_str());
    return false;
}

void CCmdManager::addExtraMethod(const std::string &method, ExtraHandler handler)
{
    std::unique_lock<std::shared_mutex> lock(m_mapMutex);
    m_extraMap[method] = std::move(handler);
}

bool CCmdManager::isValidMethod(const std::string &method) const
{
    std::shared_lock<std::shared_mutex> lock(m_mapMutex);
    if (m_lpcMap.count(method) || m_extraMap.count(method))
        return true;
    LOG_ERROR("Method Is InValid.Method[%s]", method.c_str());
    return false;
}

void CCmdManager::setReplySender(ReplySender sender)
{
    m_replySender = sender;
}

bool CCmdManager::sendReply(const lpcclient::tag_LPCReplyData &reply) const
{
    const ReplySender sender = m_replySender;
    if (sender == nullptr) {
        LOG_ERROR("No LPC link to reply through. CallId[%llu].",
                  static_cast<unsigned long long>(reply.callId));
        return false;
    }
    return sender(reply);
}

bool CCmdManager::dispatchHttp(const std::string &url, const lpcclient::tag_LPCCallBackData &data)
{
    std::string normalised;
    if (!isValidUrl(normalised, url))
        return false;
    HttpHandler handler;
    {
        std::shared_lock<std::shared_mutex> lock(m_mapMutex);
        const auto it = m_httpMap.find(normalised);
        if (it == m_httpMap.end())
            return false; // cleared meanwhile
        handler = it->second;
    }
    lpcclient::tag_LPCReplyData reply;
    CLpcCmd cmd(reply, data);
    handler(cmd, reply, data);
    addressReply(reply, data);
    if (data.needReply && !sendReply(reply))
        return false;
    return true;
}

bool CCmdManager::dispatchLpc(const std::string &method, const lpcclient::tag_LPCCallBackData &data)
{
    if (!isValidMethod(method))
        return false;
    LpcHandler handler = nullptr;
    ExtraHandler extra;
    {
        std::shared_lock<std::shared_mutex> lock(m_mapMutex);
        const auto it = m_lpcMap.find(method);
        const auto extraIt = m_extraMap.find(method);
        if (it != m_lpcMap.end())
            handler = it->second;
        else if (extraIt != m_extraMap.end())
            extra = extraIt->second;
        else
            return false;
    }
    lpcclient::tag_LPCReplyData reply;
    CLpcCmd cmd(reply, data);
    // The handler may wait for the GUI thread: no lock is held here.
    if (handler != nullptr)
        (cmd.*handler)();
    else
        cmd.setReply(extra(data.body));
    addressReply(reply, data);
    if (data.needReply && !sendReply(reply))
        return false;
    return true;
}

} // namespace visitorclient

#include "LpcInterface.h"

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>
#include <Logical/Communication/NetTask/NetTask/HttpTask.h>
#include <Logical/Communication/NetTask/NetTask/LpcTask.h>
#include <Logical/Communication/NetTask/NetTask/NotifyTask.h>

#include <Common/CommonMethod/HTTPOverLPCClient.h>
#include <Common/CommonMethod/PriorityInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <JSONStruct/Routes/WireNames.h>

#include <CommunicationLayer/CommunicationLayerInit.h>
#include <LPC_Client/LPCClient.h>

#include <Base/Log.h>

namespace visitorclient {

namespace {

std::string header(const lpcclient::tag_LPCCallBackData &data, const char *key)
{
    const auto it = data.headers.find(key);
    return it == data.headers.end() ? std::string() : it->second;
}

} // namespace

bool CLpcInterface::lpcInit()
{
    if (!lpcclient::Init(kLpcClientIdentity, false)) {
        LOG_ERROR("Failed to lpcclient::Init. LastError: [%d].", lpcclient::GetLPCLastError());
        return false;
    }
    if (!lpcclient::ConnectToServer(kLpcServerName)) {
        LOG_ERROR("Failed to lpcclient::connectToServer. LastError: [%d].", lpcclient::GetLPCLastError());
        return false;
    }
    // Replies to the calls that the callback brings in go out through this link.
    CCmdManager::Instance().setReplySender([](const lpcclient::tag_LPCReplyData &reply) {
        return CLpcInterface::Instance().lpcReply(reply);
    });
    if (!lpcclient::SetInvokeCallBack(&invokeCallBack, nullptr)) {
        LOG_ERROR("Failed to lpcclient::SetInvokeCallBack. LastError: [%d].", lpcclient::GetLPCLastError());
        return false;
    }
    commlayer::CommunicationLayerInitParams params;
    params.httpClient = std::make_shared<comm_method::CHTTPOverLPCClient>();
    if (!commlayer::CommunicationLayerInit(params)) {
        LOG_ERROR("Failed to commlayer::CommunicationLayerInit.");
        return false;
    }
    return true;
}

void CLpcInterface::lpcUnInit()
{
    // The backend library returns nothing: a second call is harmless.
    commlayer::CommunicationLayerUnInit();
    if (!lpcclient::SetInvokeCallBack(nullptr, nullptr))
        LOG_ERROR("Failed to lpcclient::SetInvokeCallBack. LastError: [%d].", lpcclient::GetLPCLastError());
    if (!lpcclient::DisconnectToServer())
        LOG_ERROR("Failed to lpcclient::DisconnectToServer. LastError: [%d].", lpcclient::GetLPCLastError());
    if (!lpcclient::Uninit())
        LOG_ERROR("Failed to lpcserver::Uninit. LastError: [%d].", lpcclient::GetLPCLastError());
}

bool CLpcInterface::lpcReply(const lpcclient::tag_LPCReplyData &reply)
{
    if (lpcclient::Reply(reply))
        return true;
    LOG_ERROR("Failed to lpcserver::Reply. LastError: [%d].", lpcclient::GetLPCLastError());
    return false;
}

bool CLpcInterface::lpcNotify(const lpcclient::tag_LPCNotifyData &notify)
{
    if (lpcclient::Notify(notify))
        return true;
    LOG_ERROR("Failed to lpcserver::Notify. LastError: [%d].", lpcclient::GetLPCLastError());
    return false;
}

bool CLpcInterface::lpcSend(lpcclient::tag_LPCResponseData &response, const lpcclient::tag_LPCRequestData &request,
                            std::uint64_t requestId, int timeout)
{
    if (lpcclient::SendEx(response, request, requestId, timeout))
        return true;
    LOG_ERROR("Failed to lpcclient::SendEx. LastError: [%d].", lpcclient::GetLPCLastError());
    return false;
}

bool CLpcInterface::lPCSend(const lpcclient::tag_LPCRequestData &request)
{
    if (lpcclient::Send(request) != 0)
        return true;
    LOG_ERROR("Failed to lpcclient::Send. LastError: [%d].", lpcclient::GetLPCLastError());
    return false;
}

bool invokeCallBack(const lpcclient::tag_LPCCallBackData &data, void *)
{
    using namespace protocol::wire;
    const std::string url = header(data, kHeaderUrl);
    const std::string method = header(data, kHeaderMethod);
    const std::string protocolName = header(data, kHeaderProtocol);
    LOG_INFO("Recevice Callback Data.Url:[%s],Method:[%s],Protocol:[%s]", url.c_str(), method.c_str(),
             protocolName.c_str());

    // The url decides first: an HTTP-shaped request is never a notification.
    if (!url.empty()) {
        if (!comm_method::CThreadPoolForNetTask::instance().post(std::make_unique<CHttpTask>(url, method, data)))
            LOG_ERROR("Failed To Post Net Task.Url:[%s],Method:[%s].", url.c_str(), method.c_str());
    } else if (protocolName == kProtocolWebsocket) {
        // Normal priority (0) keeps notifications in arrival order.
        comm_method::CThreadPoolForInnerTask::instance().post(std::make_unique<CNotifyTask>(data));
    } else {
        comm_method::CThreadPoolForNetTask::instance().post(std::make_unique<CLpcTask>(method, data));
    }
    return true;
}

} // namespace visitorclient

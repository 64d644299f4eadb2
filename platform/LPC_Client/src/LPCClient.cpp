#include <LPC_Client/LPCClient.h>

#include "ClientLink.h"

namespace lpcclient {
namespace {

constexpr int kWelcomeTimeoutMs = 5000;

thread_local int t_lastError = LPC_ERROR_OK;

bool result(int error)
{
    t_lastError = error;
    return error == LPC_ERROR_OK;
}

details::CClientLink &link()
{
    return details::CClientLink::instance();
}

} // namespace

bool Init(const std::string &identity, bool replaceExisting)
{
    return result(link().init(identity, replaceExisting));
}

bool ConnectToServer(const std::string &serverName)
{
    return result(link().connect(serverName, kWelcomeTimeoutMs));
}

bool SetInvokeCallBack(InvokeCallBack callback, void *userData)
{
    return result(link().setCallback(callback, userData));
}

bool DisconnectToServer()
{
    return result(link().disconnect());
}

bool Uninit()
{
    return result(link().uninit());
}

bool Reply(const tag_LPCReplyData &reply)
{
    return result(link().reply(reply));
}

bool Notify(const tag_LPCNotifyData &notify)
{
    return result(link().notify(notify));
}

std::uint64_t Send(const tag_LPCRequestData &request)
{
    std::uint64_t id = 0;
    return result(link().send(request, id)) ? id : 0;
}

bool SendEx(tag_LPCResponseData &response, const tag_LPCRequestData &request,
            std::uint64_t &requestId, int timeoutMs)
{
    return result(link().sendEx(response, request, requestId, timeoutMs));
}

int GetLPCLastError()
{
    return t_lastError;
}

} // namespace lpcclient

#include "LpcCmd.h"

#include <Logical/Communication/Cmd/LpcCmdHandler.h>

#include <JSONStruct/LPC/LPCCommonJSONStruct.h>
#include <JSONStruct/LPC/WindowCommandData.h>
#include <JSONStruct/Routes/WireNames.h>
#include <JSONStruct/framework_services/OperatorPermissionData.h>

#include <CommunicationLayer/COperatorComm.h>

#include <clientcommonlogical/SwitchUserNotifyMgr.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/Error.h>

#include <Base/Log.h>

#include <atomic>
#include <memory>

namespace visitorclient {

namespace {

std::atomic<IWindowResourceManager *> g_windowResourceManager{nullptr};

} // namespace

void CLpcCmd::setWindowResourceManager(IWindowResourceManager *manager)
{
    g_windowResourceManager = manager;
}

IWindowResourceManager *CLpcCmd::windowResourceManager()
{
    return g_windowResourceManager;
}

CLpcCmd::CLpcCmd(lpcclient::tag_LPCReplyData &reply, const lpcclient::tag_LPCCallBackData &data)
    : m_reply(reply), m_data(data)
{
}

void CLpcCmd::setReply(const std::string &json)
{
    m_reply.callId = m_data.callId;
    m_reply.address = m_data.source;
    m_reply.headers = m_data.headers;
    m_reply.body = json;
}

void CLpcCmd::getWndId()
{
    LOG_INFO("void CLpcCmd::getWndId()");
    protocol::LPCResponseData response;
    response.method = protocol::wire::kMethodGetWndHandle;
    auto request = std::make_shared<protocol::GetWndHandleRequestData>();
    protocol::LPCRequestData envelope(request);
    if (envelope.Parse(m_data.body)) {
        auto answer = std::make_shared<protocol::GetWndHandleResponseData>();
        IWindowResourceManager *windows = windowResourceManager();
        answer->wndId =
            windows != nullptr ? windows->getWIDbyMethod(request->id, request->type) : -1;
        if (windows == nullptr)
            LOG_ERROR("No window resource manager. strId[%s].", request->id.c_str());
        response.data = answer;
    } else {
        LOG_ERROR("Parsing JSON Failed. Body[%s].", m_data.body.c_str());
        response.errorCode = 12;
        response.errorModule = 7;
    }
    setReply(response.toString());
}

void CLpcCmd::showWnd()
{
    LOG_INFO("void CLpcCmd::showWnd()");
    protocol::LPCResponseData response;
    response.method = protocol::wire::kMethodShowWnd;
    auto request = std::make_shared<protocol::ShowWndRequestData>();
    protocol::LPCRequestData envelope(request);
    if (envelope.Parse(m_data.body)) {
        if (IWindowResourceManager *windows = windowResourceManager())
            windows->ShowWndbyWID(request->id, request->type);
        else
            LOG_ERROR("No window resource manager. strId[%s].", request->id.c_str());
    } else {
        LOG_ERROR("Parsing JSON Failed. Body[%s].", m_data.body.c_str());
        response.errorCode = 12;
        response.errorModule = 7;
    }
    setReply(response.toString());
}

void CLpcCmd::switchUserUpdateFrame()
{
    protocol::LPCResponseData response;
    response.method = protocol::wire::kMethodSwitchUserUpdateFrame;
    auto request = std::make_shared<protocol::SwitchUserUpdateFrameRequestData>();
    protocol::LPCRequestData envelope(request);
    if (envelope.Parse(m_data.body)) {
        // The flag is not examined: the framework only sends it when a refresh is due.
        // The pages rebuild from the rights, so those come first.
        refreshPermissions();
        clientcommonlogical::CSwitchUserNotifyMgr::Instance().updateFrame();
    } else {
        LOG_ERROR("Parsing JSON Failed. Body[%s].", m_data.body.c_str());
        response.errorCode = 8;
        response.errorModule = 7;
    }
    setReply(response.toString());
}

bool CLpcCmd::refreshPermissions()
{
    protocol::OperatorPermissionData permissions;
    if (!commlayer::COperatorComm::getPermissions(permissions)) {
        const Base::Error::ErrorCode error = Base::Error::GetLastError();
        LOG_ERROR("Failed to get operator permissions. [error-%d-%d].",
                  static_cast<int>(error.module), static_cast<int>(error.code));
        return false;
    }
    std::set<int> functions;
    for (const protocol::FunctionPermission &entry : permissions.functionPermissionList)
        functions.insert(entry.function);
    clientcommonlogical::CUserConfigDelegate::shared()->setPermissions(
        QString::fromStdString(permissions.userName), permissions.administrator, functions);
    LOG_INFO("Operator permissions refreshed. User[%s],Administrator[%d],Functions[%d].",
             permissions.userName.c_str(), permissions.administrator ? 1 : 0,
             static_cast<int>(functions.size()));
    return true;
}

void CLpcCmd::exitProcess()
{
    LOG_INFO("void CLpcCmd::exitProcess()");
    emit CLpcCmdHandler::Instance().signalProcessExit();
}

} // namespace visitorclient
